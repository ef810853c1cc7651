#include "ui/BoardCell.h"

#include <QMouseEvent>
#include <QPainter>

namespace corvalen {

BoardCell::BoardCell(int16_t index, QWidget *parent)
    : PictureBox(parent)
    , miIndex(index)
{
    setObjectName(QStringLiteral("imgCell_%1").arg(index));
}

void BoardCell::SetDragIcon(const QPixmap &icon, const QString &file)
{
    mDragIcon = icon;
    msDragIconFile = file;
}

void BoardCell::ClearDragIcon()
{
    mDragIcon = QPixmap();
    msDragIconFile.clear();
}

void BoardCell::SetMarked(bool marked)
{
    if (marked == mbMarked)
        return;
    mbMarked = marked;
    update();
}

void BoardCell::paintEvent(QPaintEvent *event)
{
    PictureBox::paintEvent(event);
    if (!mbMarked)
        return;
    QPainter painter(this);
    painter.setPen(QPen(QColor(230, 140, 0), 3));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

void BoardCell::mousePressEvent(QMouseEvent *event)
{
    event->ignore();
}
void BoardCell::mouseMoveEvent(QMouseEvent *event)
{
    event->ignore();
}
void BoardCell::mouseReleaseEvent(QMouseEvent *event)
{
    event->ignore();
}

} // namespace corvalen

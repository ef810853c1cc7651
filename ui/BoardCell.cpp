#include "ui/BoardCell.h"

#include <QMouseEvent>

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

#include "ui/BoardCell.h"

#include <QMouseEvent>
#include <QPainter>

#include "rules/San.h"
#include "ui/PieceImages.h"

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

QString CellName(const BoardState &board, const BoardCell &cell)
{
    const int16_t square = cell.Index();
    QString name = QString::fromStdString(SquareName(square));
    if (board.IsEmpty(square))
        name += QStringLiteral(", empty");
    else
        name += QLatin1String(board.Colour(square) == White ? ", white " : ", black ")
            + PieceName(board.Piece(square));
    if (board.Piece(square) == King && board.Colour(square) == board.giToMove && board.mbInCheck)
        name += QStringLiteral(", in check");
    if (cell.IsMarked())
        name += QStringLiteral(", last move");
    return name;
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

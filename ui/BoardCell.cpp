#include "ui/BoardCell.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include "rules/San.h"

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

QString CellName(const BoardState &board, int16_t square, bool marked, bool inCheck)
{
    // Whole phrases, since the colour agrees with the piece in many languages.
    static const char *const pieces[2][6] = {
        {
            QT_TRANSLATE_NOOP("corvalen::BoardCell", "%1, white pawn"),
            QT_TRANSLATE_NOOP("corvalen::BoardCell", "%1, white rook"),
            QT_TRANSLATE_NOOP("corvalen::BoardCell", "%1, white knight"),
            QT_TRANSLATE_NOOP("corvalen::BoardCell", "%1, white bishop"),
            QT_TRANSLATE_NOOP("corvalen::BoardCell", "%1, white queen"),
            QT_TRANSLATE_NOOP("corvalen::BoardCell", "%1, white king"),
        },
        {
            QT_TRANSLATE_NOOP("corvalen::BoardCell", "%1, black pawn"),
            QT_TRANSLATE_NOOP("corvalen::BoardCell", "%1, black rook"),
            QT_TRANSLATE_NOOP("corvalen::BoardCell", "%1, black knight"),
            QT_TRANSLATE_NOOP("corvalen::BoardCell", "%1, black bishop"),
            QT_TRANSLATE_NOOP("corvalen::BoardCell", "%1, black queen"),
            QT_TRANSLATE_NOOP("corvalen::BoardCell", "%1, black king"),
        },
    };
    const QString squareName = QString::fromStdString(SquareName(square));
    const int16_t piece = board.Piece(square);
    QString name = board.IsEmpty(square) || piece < Pawn || piece > King
        ? BoardCell::tr("%1, empty").arg(squareName)
        : BoardCell::tr(pieces[board.Colour(square) == White ? 0 : 1][piece]).arg(squareName);
    if (inCheck)
        name = BoardCell::tr("%1, in check").arg(name);
    if (marked)
        name = BoardCell::tr("%1, last move").arg(name);
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

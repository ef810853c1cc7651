#include "ui/ReplayBoard.h"

#include "rules/MoveLegality.h"
#include "ui/PieceImages.h"

namespace corvalen {

namespace {
    constexpr int CellSize = 32;
}

ReplayBoard::ReplayBoard(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    for (const Square square : AllSquares)
        mCells[static_cast<size_t>(SquareNumber(square))] = new BoardCell(square, this);
    ShowPosition(BoardState(), false);
}

void ReplayBoard::ShowPosition(const BoardState &board, bool flipped)
{
    mbFlipped = flipped;
    PlaceCells();
    const bool check = InCheck(board);
    for (BoardCell *cell : mCells) {
        const Square square = cell->Index();
        if (board.IsEmpty(square)) {
            cell->ShowPictureFile(EmptySquareFile(square));
        } else {
            QString picture;
            QString icon;
            GetPieceImageFiles(board, check, square, board.ColourOn(square),
                board.Piece(square), picture, icon);
            cell->ShowPictureFile(picture);
        }
        cell->setAccessibleName(CellName(board, *cell, check));
    }
}

QSize ReplayBoard::sizeHint() const
{
    const int side = 8 * CellSize + 2 * frameWidth();
    return { side, side };
}

void ReplayBoard::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    PlaceCells();
}

void ReplayBoard::PlaceCells()
{
    const int inset = frameWidth();
    for (BoardCell *cell : mCells) {
        const Square square = cell->Index();
        const int column = mbFlipped ? 7 - ColumnOf(square) : ColumnOf(square);
        const int row = mbFlipped ? 7 - RowOf(square) : RowOf(square);
        cell->setGeometry(inset + column * CellSize, inset + row * CellSize, CellSize, CellSize);
    }
}

} // namespace corvalen

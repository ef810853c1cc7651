#include "ui/ReplayBoard.h"

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
    const int side = 8 * CellSize + 2 * frameWidth();
    setFixedSize(side, side);
    for (int16_t square = 0; square < 64; ++square)
        mCells[static_cast<size_t>(square)] = new BoardCell(square, this);
    ShowPosition(BoardState(), false);
}

void ReplayBoard::ShowPosition(const BoardState &board, bool flipped)
{
    const int inset = frameWidth();
    for (BoardCell *cell : mCells) {
        const int16_t square = cell->Index();
        const int column = flipped ? 7 - ColumnOf(square) : ColumnOf(square);
        const int row = flipped ? 7 - RowOf(square) : RowOf(square);
        cell->setGeometry(inset + column * CellSize, inset + row * CellSize, CellSize, CellSize);
        if (board.IsEmpty(square)) {
            cell->ShowPictureFile(EmptySquareFile(square));
        } else {
            QString picture;
            QString icon;
            GetPieceImageFiles(
                board, square, board.Colour(square), board.Piece(square), picture, icon);
            cell->ShowPictureFile(picture);
        }
        cell->setAccessibleName(CellName(board, *cell));
    }
}

} // namespace corvalen

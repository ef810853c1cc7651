#include "rules/GameStatus.h"

#include <array>

#include "rules/Attack.h"
#include "rules/MateTest.h"
#include "rules/Text.h"

namespace corvalen {

const char *StatusName(GameStatus status)
{
    switch (status) {
    case GameStatus::Check:
        return "check";
    case GameStatus::Mate:
        return "mate";
    case GameStatus::Stalemate:
        return "stalemate";
    case GameStatus::None:
        break;
    }
    return "none";
}

GameStatus LoadedStatus(BoardState &board, int16_t kingSquare)
{
    board.mbInCheck = false;
    if (IsSquareAttacked(kingSquare, board)) {
        board.mbInCheck = true;
        return IsCheckmate(board) ? GameStatus::Mate : GameStatus::Check;
    }
    if (kingSquare != NoSquare && IsStalemate(board))
        return GameStatus::Stalemate;
    return GameStatus::None;
}

std::string WhyPositionCannotArise(const BoardState &board)
{
    std::array<int, 2> kings { 0, 0 };
    int16_t waitingKing = NoSquare;
    for (int16_t square = 0; square < 64; ++square) {
        const int16_t colour = board.Colour(square);
        if (board.Piece(square) == King) {
            ++kings[static_cast<size_t>(colour)];
            if (colour != board.giToMove)
                waitingKing = square;
        }
        // White's pawns move towards row 0, Black's towards row 7.
        if (board.Piece(square) == Pawn && (RowOf(square) == 0 || RowOf(square) == 7))
            return (RowOf(square) == 0) == (colour == White)
                ? CORVALEN_TEXT("Rules", "a pawn on the last row")
                : CORVALEN_TEXT("Rules", "a pawn on the first row");
    }
    if (kings[0] != 1 || kings[1] != 1)
        return CORVALEN_TEXT("Rules", "a side without exactly one king");
    // The side not to move made the last move: its king cannot stand attacked.
    BoardState previous = board;
    previous.giToMove = Opponent(board.giToMove);
    if (IsSquareAttacked(waitingKing, previous))
        return CORVALEN_TEXT("Rules", "the side that just moved left in check");
    return {};
}

} // namespace corvalen

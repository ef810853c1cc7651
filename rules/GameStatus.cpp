#include "rules/GameStatus.h"

#include <array>

#include "rules/Attack.h"
#include "rules/MateTest.h"
#include "rules/MoveLegality.h"

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

GameStatus LoadedStatus(const BoardState &board, Square kingSquare)
{
    if (IsSquareAttacked(kingSquare, board))
        return HasLegalMoveBesidesCastling(board) ? GameStatus::Check : GameStatus::Mate;
    if (kingSquare != NoSquare && IsStalemate(board))
        return GameStatus::Stalemate;
    return GameStatus::None;
}

CannotArise WhyPositionCannotArise(const BoardState &board)
{
    std::array<int, 2> kings { 0, 0 };
    Square waitingKing = NoSquare;
    for (const Square square : AllSquares) {
        const Colour colour = board.ColourOn(square);
        if (board.Piece(square) == King) {
            ++kings[static_cast<size_t>(ColourNumber(colour))];
            if (colour != board.giToMove)
                waitingKing = square;
        }
        // White's pawns move towards row 0, Black's towards row 7.
        if (board.Piece(square) == Pawn && (RowOf(square) == 0 || RowOf(square) == 7))
            return (RowOf(square) == 0) == (colour == White) ? CannotArise::PawnOnLastRow
                                                             : CannotArise::PawnOnFirstRow;
    }
    if (kings[0] != 1 || kings[1] != 1)
        return CannotArise::KingCount;
    // The side not to move made the last move: its king cannot stand attacked.
    BoardState previous = board;
    previous.giToMove = Opponent(board.giToMove);
    if (IsSquareAttacked(waitingKing, previous))
        return CannotArise::MoverLeftInCheck;
    return CannotArise::No;
}

} // namespace corvalen

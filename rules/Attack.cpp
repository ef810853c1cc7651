#include "rules/Attack.h"

#include <span>

#include "rules/Steps.h"

namespace corvalen {

namespace {

    // Whether a piece of the side not to move stands at the end of a line from `square`: a
    // runner of the line's kind at any distance, a king or a capturing pawn next to it.
    bool LineHasAttacker(
        Square square, std::span<const Step> steps, bool diagonal, const BoardState &board)
    {
        // The enemy pawns that capture onto a square stand on the row the side to move's pawns
        // head for: Black pawns above a square when White is to move.
        const int pawnRows = board.giToMove == White ? -1 : 1;
        for (const Step step : steps) {
            for (int distance = 1;; ++distance) {
                const Square target = Stepped(square, step, distance);
                if (target == NoSquare)
                    break;
                if (board.IsEmpty(target))
                    continue;
                if (board.ColourOn(target) == board.giToMove)
                    break;
                const PieceType piece = board.Piece(target);
                if (piece == Queen || piece == (diagonal ? Bishop : Rook))
                    return true;
                if (distance == 1
                    && (piece == King || (diagonal && piece == Pawn && step.rows == pawnRows)))
                    return true;
                break;
            }
        }
        return false;
    }

} // namespace

bool IsSquareAttacked(Square square, const BoardState &board)
{
    if (!IsOnBoard(square))
        return false;
    if (LineHasAttacker(square, StraightSteps, false, board)
        || LineHasAttacker(square, DiagonalSteps, true, board))
        return true;
    for (const Step step : KnightSteps) {
        const Square from = Stepped(square, step);
        if (from != NoSquare && board.Piece(from) == Knight
            && board.ColourOn(from) != board.giToMove)
            return true;
    }
    return false;
}

} // namespace corvalen

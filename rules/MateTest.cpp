#include "rules/MateTest.h"

#include <algorithm>
#include <span>

#include "rules/Attack.h"
#include "rules/MoveLegality.h"
#include "rules/Steps.h"

namespace corvalen {

namespace {

    // Offers `visit` every candidate destination of every piece of the side to move, origin by
    // origin in ascending order, and stops as soon as `visit` answers true. The candidates are
    // the squares the piece's kind could reach on an empty board; with `withCastling` a king is
    // also offered the two castling destinations. Returns whether the walk was stopped.
    template <typename Visit>
    bool WalkCandidates(const BoardState &board, bool withCastling, Visit visit)
    {
        const int forward = board.giToMove == White ? -1 : 1;
        for (const Square from : AllSquares) {
            if (board.ColourOn(from) != board.giToMove)
                continue;
            auto offer = [&](Step step, int times = 1) {
                const Square to = Stepped(from, step, times);
                return to != NoSquare && visit(Move { from, to });
            };
            auto jumps = [&](std::span<const Step> steps) {
                return std::any_of(
                    steps.begin(), steps.end(), [&](Step step) { return offer(step); });
            };
            auto runs = [&](std::span<const Step> steps) {
                for (const Step step : steps)
                    for (int times = 1; times < 8; ++times)
                        if (offer(step, times))
                            return true;
                return false;
            };
            bool stopped = false;
            switch (board.Piece(from)) {
            case Pawn:
                stopped = offer({ forward, 0 }) || offer({ forward, 0 }, 2)
                    || offer({ forward, -1 }) || offer({ forward, 1 });
                break;
            case Rook:
                stopped = runs(StraightSteps);
                break;
            case Knight:
                stopped = jumps(KnightSteps);
                break;
            case Bishop:
                stopped = runs(DiagonalSteps);
                break;
            case Queen:
                stopped = runs(StraightSteps) || runs(DiagonalSteps);
                break;
            case King:
                stopped
                    = jumps(KingSteps) || (withCastling && (offer({ 0, -2 }) || offer({ 0, 2 })));
                break;
            default:
                break;
            }
            if (stopped)
                return true;
        }
        return false;
    }

    bool HasAcceptedCandidate(const BoardState &board, bool withCastling)
    {
        return WalkCandidates(
            board, withCastling, [&board](Move move) { return IsValidMove(board, move); });
    }

} // namespace

bool IsCheckmate(const BoardState &board)
{
    return InCheck(board) && !HasLegalMoveBesidesCastling(board);
}

bool IsStalemate(const BoardState &board)
{
    return !InCheck(board) && !HasLegalMove(board);
}

bool HasLegalMove(const BoardState &board)
{
    return HasAcceptedCandidate(board, true);
}

bool HasLegalMoveBesidesCastling(const BoardState &board)
{
    return HasAcceptedCandidate(board, false);
}

bool IsDeadPosition(const BoardState &board)
{
    int knights = 0;
    int bishops[2] = { 0, 0 }; // on light and on dark squares
    for (const Square square : AllSquares) {
        const PieceType piece = board.Piece(square);
        if (piece == Knight)
            ++knights;
        else if (piece == Bishop)
            ++bishops[(RowOf(square) + ColumnOf(square)) % 2];
        else if (piece != PieceType::None && piece != King)
            return false;
    }
    return knights + bishops[0] + bishops[1] <= 1
        || (knights == 0 && (bishops[0] == 0 || bishops[1] == 0));
}

std::vector<Move> LegalMoves(const BoardState &board)
{
    std::vector<Move> moves;
    WalkCandidates(board, true, [&](Move move) {
        if (IsValidMove(board, move))
            moves.push_back(move);
        return false;
    });
    std::sort(moves.begin(), moves.end(), [](const Move &a, const Move &b) {
        return a.from != b.from ? a.from < b.from : a.to < b.to;
    });
    return moves;
}

} // namespace corvalen

#include "rules/MateTest.h"

#include <algorithm>

#include "rules/Attack.h"
#include "rules/MoveLegality.h"

namespace corvalen {

namespace {

    // Offers `visit` every candidate destination of every piece of the side to move, square by
    // square in ascending order, and stops as soon as `visit` answers true. The candidates are
    // every square the piece's kind could ever reach from its square, minus those that wrap past
    // a board edge; with `withCastling` a king is also offered the two castling destinations.
    // Returns whether the walk was stopped.
    template <typename Visit>
    bool WalkCandidates(const BoardState &board, bool withCastling, Visit visit)
    {
        const int f = board.giToMove == White ? -8 : 8;
        for (int i = 0; i < 64; ++i) {
            const Square from = SquareFromNumber(i);
            if (board.ColourOn(from) != board.giToMove)
                continue;
            const int ic = i % 8;
            auto offer = [&](int t) {
                return IsOnBoard(t) && visit(Move { from, SquareFromNumber(t) });
            };
            auto run = [&](int step, int first, int last, auto keep) {
                for (int k = first; k <= last; ++k) {
                    const int t = i + k * step;
                    if (IsOnBoard(t) && keep(t % 8) && offer(t))
                        return true;
                }
                return false;
            };
            auto always = [](int) { return true; };
            auto left = [&](int tc) { return tc < ic; };
            auto right = [&](int tc) { return tc > ic; };
            auto rookRuns = [&] {
                for (int k = -7; k <= 7; ++k) {
                    const int t = i + k;
                    if (IsOnBoard(t) && t / 8 == i / 8 && offer(t))
                        return true;
                }
                return run(f, -7, 7, always);
            };
            auto bishopRuns = [&] {
                return run(f + 1, -7, -1, left) || run(f + 1, 1, 7, right)
                    || run(f - 1, -7, -1, right) || run(f - 1, 1, 7, left);
            };
            bool stopped = false;
            switch (board.Piece(from)) {
            case Pawn:
                stopped = offer(i + f) || offer(i + 2 * f) || (ic > 0 && offer(i + f - 1))
                    || (ic < 7 && offer(i + f + 1));
                break;
            case Rook:
                stopped = rookRuns();
                break;
            case Knight:
                stopped = (ic > 1 && offer(i - f - 2)) || (ic < 6 && offer(i - f + 2))
                    || (ic > 0 && offer(i - 2 * f - 1)) || (ic < 7 && offer(i - 2 * f + 1))
                    || (ic > 1 && offer(i + f - 2)) || (ic < 6 && offer(i + f + 2))
                    || (ic > 0 && offer(i + 2 * f - 1)) || (ic < 7 && offer(i + 2 * f + 1));
                break;
            case Bishop:
                stopped = bishopRuns();
                break;
            case Queen:
                stopped = rookRuns() || bishopRuns();
                break;
            case King: {
                auto near = [&](int tc) { return ic - 2 < tc && tc < ic + 2; };
                stopped = run(1, -f - 1, -f + 1, near) || run(1, -1, 1, near)
                    || run(1, f - 1, f + 1, near)
                    || (withCastling && (offer(i - 2) || offer(i + 2)));
                break;
            }
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

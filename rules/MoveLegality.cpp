#include "rules/MoveLegality.h"

#include <cstdlib>

#include "rules/Attack.h"

namespace corvalen {

namespace {

    constexpr int16_t HomeSquare(int16_t colour)
    {
        return colour == White ? 60 : 4;
    }
    constexpr int16_t StartRow(int16_t colour)
    {
        return colour == White ? 6 : 1;
    }
    constexpr int16_t Forward(int16_t colour)
    {
        return colour == White ? -8 : 8;
    }

    bool HoldsOwnPiece(const BoardState &board, int16_t square)
    {
        return board.Colour(square) == board.giToMove;
    }

    // Every square strictly between from and to along `step` is empty.
    bool IsPathClear(const BoardState &board, int16_t from, int16_t to, int16_t step)
    {
        for (int16_t t = static_cast<int16_t>(from + step); t != to;
             t = static_cast<int16_t>(t + step))
            if (!board.IsEmpty(t))
                return false;
        return true;
    }

    bool IsRookMove(const BoardState &board, int16_t from, int16_t to)
    {
        const bool sameRow = RowOf(from) == RowOf(to);
        const bool sameColumn = ColumnOf(from) == ColumnOf(to);
        if (!sameRow && !sameColumn)
            return false;
        const int16_t direction = from < to ? 1 : -1;
        const auto step = static_cast<int16_t>(sameColumn ? 8 * direction : direction);
        return IsPathClear(board, from, to, step);
    }

    // The diagonal step from `from` towards `to`, or 0 when no diagonal joins them. The column test
    // rejects every difference that is a multiple of 7 or 9 only by wrapping past the edge.
    int16_t DiagonalStep(int16_t from, int16_t to)
    {
        const int16_t fromColumn = ColumnOf(from);
        const int16_t toColumn = ColumnOf(to);
        const int difference = std::abs(to - from);
        if (std::abs(RowOf(to) - RowOf(from)) != std::abs(toColumn - fromColumn))
            return 0;
        if (from > to) {
            if (difference % 9 == 0 && toColumn < fromColumn)
                return -9;
            if (difference % 7 == 0 && toColumn > fromColumn)
                return -7;
        } else {
            if (difference % 9 == 0 && toColumn > fromColumn)
                return 9;
            if (difference % 7 == 0 && toColumn < fromColumn)
                return 7;
        }
        return 0;
    }

    bool IsBishopMove(const BoardState &board, int16_t from, int16_t to)
    {
        const int16_t step = DiagonalStep(from, to);
        return step != 0 && IsPathClear(board, from, to, step);
    }

    bool IsKnightMove(int16_t from, int16_t to)
    {
        const int rows = std::abs(RowOf(to) - RowOf(from));
        const int columns = std::abs(ColumnOf(to) - ColumnOf(from));
        return (rows == 2 && columns == 1) || (rows == 1 && columns == 2);
    }

    bool IsKingStep(int16_t from, int16_t to)
    {
        return std::abs(RowOf(to) - RowOf(from)) <= 1
            && std::abs(ColumnOf(to) - ColumnOf(from)) <= 1;
    }

    bool IsPawnMove(const BoardState &board, int16_t from, int16_t to)
    {
        const int16_t forward = Forward(board.giToMove);
        if (to == from + forward)
            return board.IsEmpty(to);
        if (to == from + 2 * forward)
            return RowOf(from) == StartRow(board.giToMove) && board.IsEmpty(to)
                && board.IsEmpty(static_cast<int16_t>(from + forward));
        if ((to == from + forward - 1 || to == from + forward + 1)
            && std::abs(ColumnOf(to) - ColumnOf(from)) == 1) {
            if (!board.IsEmpty(to) && board.Colour(to) == Opponent(board.giToMove))
                return true;
            return to == board.miEnPassant && IsUsableEnPassantSquare(board);
        }
        return false;
    }

    // The square of the pawn an en-passant capture from `from` to `to` takes, or NoSquare when the
    // move is no such capture.
    int16_t EnPassantVictim(const BoardState &board, int16_t from, int16_t to)
    {
        if (board.Piece(from) != Pawn || to != board.miEnPassant || ColumnOf(from) == ColumnOf(to)
            || !IsUsableEnPassantSquare(board))
            return NoSquare;
        return static_cast<int16_t>(to - Forward(board.giToMove));
    }

    // Puts back what a trial move changed, on every way out of LeavesKingInCheck.
    class TrialMove {
    public:
        TrialMove(BoardState &board, int16_t from, int16_t to, int16_t victim)
            : mBoard(board)
            , mFrom(from)
            , mTo(to)
            , mVictim(victim)
            , mToPiece(board.Piece(to))
            , mToColour(board.Colour(to))
            , mVictimColour(victim == NoSquare ? Empty : board.Colour(victim))
        {
            mBoard.PutPiece(to, board.Piece(from), board.Colour(from));
            mBoard.EmptySquare(from);
            if (mVictim != NoSquare)
                mBoard.EmptySquare(mVictim);
        }
        ~TrialMove()
        {
            if (mVictim != NoSquare)
                mBoard.PutPiece(mVictim, Pawn, mVictimColour);
            mBoard.PutPiece(mFrom, mBoard.Piece(mTo), mBoard.Colour(mTo));
            if (mToPiece == Empty)
                mBoard.EmptySquare(mTo);
            else
                mBoard.PutPiece(mTo, mToPiece, mToColour);
        }
        TrialMove(const TrialMove &) = delete;
        TrialMove &operator=(const TrialMove &) = delete;

    private:
        BoardState &mBoard;
        int16_t mFrom;
        int16_t mTo;
        int16_t mVictim;
        int16_t mToPiece;
        int16_t mToColour;
        int16_t mVictimColour;
    };

} // namespace

bool IsUsableEnPassantSquare(const BoardState &board)
{
    const int16_t square = board.miEnPassant;
    if (!IsOnBoard(square) || !board.IsEmpty(square))
        return false;
    const bool whiteToMove = board.giToMove == White;
    if (RowOf(square) != (whiteToMove ? 2 : 5))
        return false;
    const auto behind = static_cast<int16_t>(square + (whiteToMove ? 8 : -8));
    return board.Piece(behind) == Pawn && board.Colour(behind) == Opponent(board.giToMove);
}

bool IsValidMove(BoardState &board, int16_t from, int16_t to)
{
    if (!IsOnBoard(from) || !IsOnBoard(to) || from == to)
        return false;
    bool candidate = false;
    switch (board.Piece(from)) {
    case Pawn:
        candidate = IsPawnMove(board, from, to);
        break;
    case Rook:
        candidate = !HoldsOwnPiece(board, to) && IsRookMove(board, from, to);
        break;
    case Knight:
        candidate = !HoldsOwnPiece(board, to) && IsKnightMove(from, to);
        break;
    case Bishop:
        candidate = !HoldsOwnPiece(board, to) && IsBishopMove(board, from, to);
        break;
    case Queen:
        if (HoldsOwnPiece(board, to))
            break;
        if (RowOf(from) == RowOf(to) || ColumnOf(from) == ColumnOf(to))
            candidate = IsRookMove(board, from, to);
        else
            candidate = IsBishopMove(board, from, to);
        break;
    case King: {
        if (HoldsOwnPiece(board, to))
            break;
        candidate = IsKingStep(from, to);
        int16_t side = KingSide;
        if (!candidate && board.IsEmpty(to))
            candidate = CanCastle(board, to, from, side);
        break;
    }
    default:
        break;
    }
    return candidate && !LeavesKingInCheck(board, to, from);
}

bool CanCastle(const BoardState &board, int16_t to, int16_t from, int16_t &side)
{
    if (!IsOnBoard(from) || !IsOnBoard(to) || !board.IsEmpty(to) || board.Piece(from) != King)
        return false;
    if (from != HomeSquare(board.giToMove))
        return false;
    if (to == from - 2) {
        for (int16_t square = from; square >= to; --square)
            if (IsSquareAttacked(square, board))
                return false;
        if (!board.IsEmpty(static_cast<int16_t>(from - 1))
            || !board.IsEmpty(static_cast<int16_t>(to - 1))
            || board.Piece(static_cast<int16_t>(to - 2)) != Rook)
            return false;
        side = QueenSide;
        return true;
    }
    if (to == from + 2) {
        for (int16_t square = from; square <= to; ++square)
            if (IsSquareAttacked(square, board))
                return false;
        if (!board.IsEmpty(static_cast<int16_t>(from + 1))
            || board.Piece(static_cast<int16_t>(to + 1)) != Rook)
            return false;
        side = KingSide;
        return true;
    }
    return false;
}

bool LeavesKingInCheck(BoardState &board, int16_t to, int16_t from)
{
    if (from == to)
        return IsSquareAttacked(FindKing(board), board);
    const TrialMove trial(board, from, to, EnPassantVictim(board, from, to));
    return IsSquareAttacked(FindKing(board), board);
}

int16_t FindKing(const BoardState &board)
{
    for (int16_t square = 0; square < 64; ++square)
        if (board.Piece(square) == King && board.Colour(square) == board.giToMove)
            return square;
    return NoSquare;
}

char PieceLetter(const BoardState &board, int16_t square)
{
    static constexpr char Letters[] = "prhbqk";
    const int16_t piece = board.Piece(square);
    if (piece < Pawn || piece > King)
        return '.';
    const char letter = Letters[piece];
    return board.Colour(square) == White ? static_cast<char>(letter - 'a' + 'A') : letter;
}

std::array<std::string, 8> DumpBoard(const BoardState &board)
{
    std::array<std::string, 8> rows;
    for (int16_t square = 0; square < 64; ++square)
        rows[RowOf(square)] += PieceLetter(board, square);
    return rows;
}

} // namespace corvalen

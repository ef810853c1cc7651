#include "rules/MoveLegality.h"

#include <cstdlib>

#include "rules/Attack.h"

namespace corvalen {

namespace {

    bool HoldsOwnPiece(const BoardState &board, Square square)
    {
        return board.ColourOn(square) == board.giToMove;
    }

    // Every square strictly between from and to along `step` is empty.
    bool IsPathClear(const BoardState &board, Move move, int step)
    {
        for (Square t = Shifted(move.from, step); t != move.to; t = Shifted(t, step))
            if (!board.IsEmpty(t))
                return false;
        return true;
    }

    bool IsRookMove(const BoardState &board, Move move)
    {
        const bool sameRow = RowOf(move.from) == RowOf(move.to);
        const bool sameColumn = ColumnOf(move.from) == ColumnOf(move.to);
        if (!sameRow && !sameColumn)
            return false;
        const int direction = move.from < move.to ? 1 : -1;
        return IsPathClear(board, move, sameColumn ? 8 * direction : direction);
    }

    // The square-number step from `from` along the diagonal to `to`, or 0 when no diagonal
    // joins them.
    int DiagonalStep(Move move)
    {
        const int rows = RowOf(move.to) - RowOf(move.from);
        const int columns = ColumnOf(move.to) - ColumnOf(move.from);
        if (rows == 0 || std::abs(rows) != std::abs(columns))
            return 0;
        return (rows > 0 ? 8 : -8) + (columns > 0 ? 1 : -1);
    }

    bool IsBishopMove(const BoardState &board, Move move)
    {
        const int step = DiagonalStep(move);
        return step != 0 && IsPathClear(board, move, step);
    }

    bool IsKnightMove(Move move)
    {
        const int rows = std::abs(RowOf(move.to) - RowOf(move.from));
        const int columns = std::abs(ColumnOf(move.to) - ColumnOf(move.from));
        return (rows == 2 && columns == 1) || (rows == 1 && columns == 2);
    }

    bool IsKingStep(Move move)
    {
        return std::abs(RowOf(move.to) - RowOf(move.from)) <= 1
            && std::abs(ColumnOf(move.to) - ColumnOf(move.from)) <= 1;
    }

    bool IsPawnMove(const BoardState &board, Move move)
    {
        const int forward = Forward(board.giToMove);
        const Square from = move.from;
        const Square to = move.to;
        if (to == Shifted(from, forward))
            return board.IsEmpty(to);
        if (to == Shifted(from, 2 * forward))
            return RowOf(from) == PawnRow(board.giToMove) && board.IsEmpty(to)
                && board.IsEmpty(Shifted(from, forward));
        if ((to == Shifted(from, forward - 1) || to == Shifted(from, forward + 1))
            && std::abs(ColumnOf(to) - ColumnOf(from)) == 1) {
            if (!board.IsEmpty(to) && board.ColourOn(to) == Opponent(board.giToMove))
                return true;
            return to == board.miEnPassant && IsUsableEnPassantSquare(board);
        }
        return false;
    }

    // The square of the pawn an en-passant capture takes, or NoSquare when the move is no such
    // capture.
    Square EnPassantVictim(const BoardState &board, Move move)
    {
        if (board.Piece(move.from) != Pawn || move.to != board.miEnPassant
            || ColumnOf(move.from) == ColumnOf(move.to) || !IsUsableEnPassantSquare(board))
            return NoSquare;
        return Shifted(move.to, -Forward(board.giToMove));
    }

} // namespace

bool IsUsableEnPassantSquare(const BoardState &board)
{
    const Square square = board.miEnPassant;
    if (!IsOnBoard(square) || !board.IsEmpty(square))
        return false;
    const bool whiteToMove = board.giToMove == White;
    if (RowOf(square) != (whiteToMove ? 2 : 5))
        return false;
    const Square behind = Shifted(square, whiteToMove ? 8 : -8);
    return board.Piece(behind) == Pawn && board.ColourOn(behind) == Opponent(board.giToMove);
}

bool IsValidMove(const BoardState &board, Move move)
{
    const Square from = move.from;
    const Square to = move.to;
    if (!IsOnBoard(from) || !IsOnBoard(to) || from == to)
        return false;
    bool candidate = false;
    switch (board.Piece(from)) {
    case Pawn:
        candidate = IsPawnMove(board, move);
        break;
    case Rook:
        candidate = !HoldsOwnPiece(board, to) && IsRookMove(board, move);
        break;
    case Knight:
        candidate = !HoldsOwnPiece(board, to) && IsKnightMove(move);
        break;
    case Bishop:
        candidate = !HoldsOwnPiece(board, to) && IsBishopMove(board, move);
        break;
    case Queen:
        if (HoldsOwnPiece(board, to))
            break;
        if (RowOf(from) == RowOf(to) || ColumnOf(from) == ColumnOf(to))
            candidate = IsRookMove(board, move);
        else
            candidate = IsBishopMove(board, move);
        break;
    case King:
        if (HoldsOwnPiece(board, to))
            break;
        candidate = IsKingStep(move) || (board.IsEmpty(to) && CastlingOf(board, move));
        break;
    default:
        break;
    }
    return candidate && !LeavesKingInCheck(board, move);
}

std::optional<CastlingSide> CastlingOf(const BoardState &board, Move move)
{
    const Square from = move.from;
    const Square to = move.to;
    if (!IsOnBoard(from) || !IsOnBoard(to) || !board.IsEmpty(to) || board.Piece(from) != King)
        return std::nullopt;
    if (from != KingHome(board.giToMove))
        return std::nullopt;
    if (to == Shifted(from, -2)) {
        for (Square square = from; square >= to; square = Shifted(square, -1))
            if (IsSquareAttacked(square, board))
                return std::nullopt;
        if (!board.IsEmpty(Shifted(from, -1)) || !board.IsEmpty(Shifted(to, -1))
            || board.Piece(Shifted(to, -2)) != Rook)
            return std::nullopt;
        return QueenSide;
    }
    if (to == Shifted(from, 2)) {
        for (Square square = from; square <= to; square = Shifted(square, 1))
            if (IsSquareAttacked(square, board))
                return std::nullopt;
        if (!board.IsEmpty(Shifted(from, 1)) || board.Piece(Shifted(to, 1)) != Rook)
            return std::nullopt;
        return KingSide;
    }
    return std::nullopt;
}

bool LeavesKingInCheck(const BoardState &board, Move move)
{
    if (move.from == move.to)
        return InCheck(board);
    BoardState trial = board;
    const Square victim = EnPassantVictim(board, move);
    trial.PutPiece(move.to, board.Piece(move.from), board.ColourOn(move.from));
    trial.EmptySquare(move.from);
    if (victim != NoSquare)
        trial.EmptySquare(victim);
    return InCheck(trial);
}

bool InCheck(const BoardState &board)
{
    return IsSquareAttacked(FindKing(board), board);
}

Square FindKing(const BoardState &board)
{
    for (const Square square : AllSquares)
        if (board.Piece(square) == King && board.ColourOn(square) == board.giToMove)
            return square;
    return NoSquare;
}

char PieceLetter(const BoardState &board, Square square)
{
    static constexpr char Letters[] = "prhbqk";
    const PieceType piece = board.Piece(square);
    if (piece == PieceType::None)
        return '.';
    const char letter = Letters[PieceNumber(piece)];
    return board.ColourOn(square) == White ? static_cast<char>(letter - 'a' + 'A') : letter;
}

std::array<std::string, 8> DumpBoard(const BoardState &board)
{
    std::array<std::string, 8> rows;
    for (const Square square : AllSquares)
        rows[static_cast<size_t>(RowOf(square))] += PieceLetter(board, square);
    return rows;
}

} // namespace corvalen

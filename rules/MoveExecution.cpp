#include "rules/MoveExecution.h"

#include <cstdlib>

#include "rules/MoveLegality.h"

namespace corvalen {

namespace {

    void NoteChanged(MoveOutcome &outcome, Square square)
    {
        outcome.changedSquares[static_cast<size_t>(outcome.changedCount++)] = square;
    }

    // Moves the piece on `from` to `to`, overwriting whatever stood there.
    void MovePiece(BoardState &board, Square from, Square to)
    {
        board.PutPiece(to, board.Piece(from), board.ColourOn(from));
        board.EmptySquare(from);
    }

} // namespace

bool IsPromotion(const BoardState &board, Move move)
{
    if (!IsOnBoard(move.from) || !IsOnBoard(move.to) || board.Piece(move.from) != Pawn)
        return false;
    return RowOf(move.to) == LastRow(board.giToMove);
}

PieceType PromotedPiece(PieceType promotion)
{
    return promotion >= Rook && promotion <= Queen ? promotion : Queen;
}

MoveOutcome CarryOutMove(BoardState &board, Move move)
{
    MoveOutcome outcome;
    const Square from = move.from;
    const Square to = move.to;
    if (!IsOnBoard(from) || !IsOnBoard(to) || from == to || board.IsEmpty(from))
        return outcome;

    // Both questions look at the board before anything moves: castling needs the king on its
    // home square, and an en-passant capture needs the passed square still empty.
    std::optional<CastlingSide> castling;
    if (board.Piece(from) == King && std::abs(SquareNumber(to) - SquareNumber(from)) == 2)
        castling = CastlingOf(board, move);
    const bool enPassant = board.Piece(from) == Pawn && to == board.miEnPassant
        && ColumnOf(from) != ColumnOf(to) && IsUsableEnPassantSquare(board);
    const bool promotion = IsPromotion(board, move);

    NoteChanged(outcome, from);
    NoteChanged(outcome, to);
    MovePiece(board, from, to);

    if (castling) {
        const CastlingSide side = castling.value_or(KingSide);
        const Square rookFrom = RookHome(board.giToMove, side);
        const Square rookTo = Shifted(to, side == QueenSide ? 1 : -1);
        MovePiece(board, rookFrom, rookTo);
        NoteChanged(outcome, rookFrom);
        NoteChanged(outcome, rookTo);
        outcome.castled = true;
    }

    if (promotion)
        board.PutPiece(to, PromotedPiece(move.promotion), board.ColourOn(to));

    if (enPassant) {
        const Square victim = Shifted(to, -Forward(board.giToMove));
        board.EmptySquare(victim);
        NoteChanged(outcome, victim);
    }

    board.miEnPassant = NoSquare;
    if (board.Piece(to) == Pawn && to == Shifted(from, 2 * Forward(board.ColourOn(to))))
        board.miEnPassant = Shifted(from, Forward(board.ColourOn(to)));
    return outcome;
}

} // namespace corvalen

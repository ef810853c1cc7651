#include "rules/MoveExecution.h"

#include <cstdlib>

#include "rules/MoveLegality.h"

namespace corvalen {

namespace {

    void NoteChanged(MoveOutcome &outcome, int16_t square)
    {
        outcome.changedSquares[static_cast<size_t>(outcome.changedCount++)] = square;
    }

    // Moves the piece on `from` to `to`, overwriting whatever stood there.
    void MovePiece(BoardState &board, MoveOutcome &outcome, int16_t to, int16_t from)
    {
        board.PutPiece(to, board.Piece(from), board.Colour(from));
        board.EmptySquare(from);
        outcome.miLastTarget = to;
    }

} // namespace

bool IsPromotion(const BoardState &board, int16_t from, int16_t to)
{
    if (!IsOnBoard(from) || !IsOnBoard(to) || board.Piece(from) != Pawn)
        return false;
    return RowOf(to) == (board.giToMove == White ? 0 : 7);
}

int16_t PromotedPiece(int16_t promotionPiece)
{
    return promotionPiece >= Rook && promotionPiece <= Queen ? promotionPiece : Queen;
}

MoveOutcome CarryOutMove(BoardState &board, int16_t from, int16_t to, int16_t promotionPiece)
{
    MoveOutcome outcome;
    if (!IsOnBoard(from) || !IsOnBoard(to) || from == to || board.IsEmpty(from))
        return outcome;

    // Both questions look at the board before anything moves: castling needs the king on its
    // home square, and an en-passant capture needs the passed square still empty.
    int16_t side = KingSide;
    const bool castling
        = board.Piece(from) == King && std::abs(to - from) == 2 && CanCastle(board, to, from, side);
    const bool enPassant = board.Piece(from) == Pawn && to == board.miEnPassant
        && ColumnOf(from) != ColumnOf(to) && IsUsableEnPassantSquare(board);
    const bool promotion = IsPromotion(board, from, to);

    NoteChanged(outcome, from);
    NoteChanged(outcome, to);
    MovePiece(board, outcome, to, from);

    if (castling) {
        const auto rookFrom = static_cast<int16_t>(side == QueenSide ? to - 2 : to + 1);
        const auto rookTo = static_cast<int16_t>(side == QueenSide ? to + 1 : to - 1);
        MovePiece(board, outcome, rookTo, rookFrom);
        NoteChanged(outcome, rookFrom);
        NoteChanged(outcome, rookTo);
        outcome.miCastleTarget = to;
        outcome.castled = true;
    }

    if (promotion) {
        board.PutPiece(to, PromotedPiece(promotionPiece), board.Colour(to));
        outcome.promoted = true;
    }

    if (enPassant) {
        const auto victim = static_cast<int16_t>(to + (board.giToMove == White ? 8 : -8));
        board.EmptySquare(victim);
        NoteChanged(outcome, victim);
        outcome.capturedEnPassant = victim;
    }

    board.miEnPassant = NoSquare;
    if (board.Piece(to) == Pawn) {
        if (board.Colour(to) == White && to == from - 16)
            board.miEnPassant = static_cast<int16_t>(from - 8);
        else if (board.Colour(to) == Black && to == from + 16)
            board.miEnPassant = static_cast<int16_t>(from + 8);
    }
    return outcome;
}

} // namespace corvalen

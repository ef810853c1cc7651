#pragma once

#include <array>

#include "rules/BoardState.h"

namespace corvalen {

// The squares whose pictures a move changed, and the bookkeeping Undo needs.
struct MoveOutcome {
    std::array<int16_t, 4> changedSquares { NoSquare, NoSquare, NoSquare, NoSquare };
    int changedCount = 0;
    // Destination of the last piece placed (after castling: the rook's destination).
    int16_t miLastTarget = NoSquare;
    // The king's destination when the move was castling, otherwise NoSquare.
    int16_t miCastleTarget = NoSquare;
    bool castled = false;
    bool promoted = false;
    int16_t capturedEnPassant = NoSquare;
};

// True when the move takes a pawn of the side to move onto its last row.
bool IsPromotion(const BoardState &board, int16_t from, int16_t to);

// The piece a pawn promotes to when promotionPiece is asked for: a rook, knight, bishop or
// queen stays as asked, anything else becomes a queen.
int16_t PromotedPiece(int16_t promotionPiece);

// Carries out a move that IsValidMove accepted: the piece, the castling rook, the promotion
// piece (PromotedPiece, used only for a promotion), the pawn taken en passant and the new
// en-passant square. giToMove and mbInCheck are left as they are.
MoveOutcome CarryOutMove(
    BoardState &board, int16_t from, int16_t to, int16_t promotionPiece = Queen);

} // namespace corvalen

#pragma once

#include <array>

#include "rules/BoardState.h"

namespace corvalen {

// The squares whose pictures a move changed, and whether it was castling.
struct MoveOutcome {
    std::array<Square, 4> changedSquares { NoSquare, NoSquare, NoSquare, NoSquare };
    int changedCount = 0;
    bool castled = false;
};

// True when the move takes a pawn of the side to move onto its last row.
bool IsPromotion(const BoardState &board, Move move);

// The piece a pawn promotes to when `promotion` is asked for: a rook, knight, bishop or queen
// stays as asked; a move that names none (an old record's) has always made a queen.
PieceType PromotedPiece(PieceType promotion);

// Carries out a move that IsValidMove accepted: the piece, the castling rook, the promotion
// piece (PromotedPiece(move.promotion), used only for a promotion), the pawn taken en passant
// and the new en-passant square. giToMove is left as it is.
MoveOutcome CarryOutMove(BoardState &board, Move move);

} // namespace corvalen

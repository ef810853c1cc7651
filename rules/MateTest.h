#pragma once

#include <vector>

#include "rules/BoardState.h"

namespace corvalen {

// True when the side to move is in check (InCheck) and has no move IsValidMove accepts.
bool IsCheckmate(const BoardState &board);

// True when the side to move is not in check and has no move IsValidMove accepts, castling
// included.
bool IsStalemate(const BoardState &board);

// Whether the side to move has any move IsValidMove accepts, castling included.
bool HasLegalMove(const BoardState &board);
// The same, castling left out: what a king in check may still do.
bool HasLegalMoveBesidesCastling(const BoardState &board);

// True when neither side can ever mate, whatever is played: only kings and at most one knight
// or bishop, or only kings and bishops that all stand on squares of one colour.
bool IsDeadPosition(const BoardState &board);

// Every move IsValidMove accepts, ordered by origin, then destination. A promotion appears once,
// with no promotion piece.
std::vector<Move> LegalMoves(const BoardState &board);

} // namespace corvalen

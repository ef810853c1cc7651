#pragma once

#include <vector>

#include "rules/BoardState.h"

namespace corvalen {

struct Move {
    int16_t from = NoSquare;
    int16_t to = NoSquare;
    bool operator==(const Move &) const = default;
};

// True when board.mbInCheck is set and the side to move has no move IsValidMove accepts.
bool IsCheckmate(BoardState &board);

// True when the side to move is not in check (by the attack test, whatever mbInCheck says) and
// has no move IsValidMove accepts, castling included.
bool IsStalemate(BoardState &board);

// Whether the side to move has any move IsValidMove accepts, castling included.
bool HasLegalMove(BoardState &board);

// True when neither side can ever mate, whatever is played: only kings and at most one knight
// or bishop, or only kings and bishops that all stand on squares of one colour.
bool IsDeadPosition(const BoardState &board);

// Every move IsValidMove accepts, ordered by origin, then destination. A promotion appears once.
std::vector<Move> LegalMoves(BoardState &board);

} // namespace corvalen

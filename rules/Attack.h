#pragma once

#include "rules/BoardState.h"

namespace corvalen {

// True when a piece whose colour is not board.giToMove could capture on the square.
// False for NoSquare. Reads the board only.
bool IsSquareAttacked(int16_t square, const BoardState &board);

} // namespace corvalen

#pragma once

#include "rules/BoardState.h"

namespace corvalen {

// True when a piece whose colour is not board.giToMove could capture on the square.
// False for NoSquare. Reads the board only.
bool IsSquareAttacked(Square square, const BoardState &board);

} // namespace corvalen

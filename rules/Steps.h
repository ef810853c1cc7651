#pragma once

#include "rules/Types.h"

namespace corvalen {

// How the pieces move, as row and column changes. Walking a step with SquareAt gives NoSquare
// past any edge, so no walk needs a test of its own for wrapping round the board.
struct Step {
    int rows;
    int columns;
};

constexpr Step StraightSteps[] = { { -1, 0 }, { 1, 0 }, { 0, -1 }, { 0, 1 } };
constexpr Step DiagonalSteps[] = { { -1, -1 }, { -1, 1 }, { 1, -1 }, { 1, 1 } };
constexpr Step KnightSteps[]
    = { { -2, -1 }, { -2, 1 }, { -1, -2 }, { -1, 2 }, { 1, -2 }, { 1, 2 }, { 2, -1 }, { 2, 1 } };
constexpr Step KingSteps[]
    = { { -1, -1 }, { -1, 0 }, { -1, 1 }, { 0, -1 }, { 0, 1 }, { 1, -1 }, { 1, 0 }, { 1, 1 } };

// The square `times` steps away from `square`; NoSquare off the board.
constexpr Square Stepped(Square square, Step step, int times = 1)
{
    return SquareAt(RowOf(square) + times * step.rows, ColumnOf(square) + times * step.columns);
}

} // namespace corvalen

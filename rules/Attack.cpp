#include "rules/Attack.h"

namespace corvalen {

namespace {

    struct Ray {
        int16_t step;
        int16_t columnStep; // -1, 0 or +1: the column change of one step
        bool diagonal;
    };

    // Rays 1 to 4 are the straight lines, 5 to 8 the diagonals, as the attack walk takes them.
    constexpr Ray Rays[8] = {
        { -8, 0, false },
        { 8, 0, false },
        { -1, -1, false },
        { 1, 1, false },
        { -9, -1, true },
        { -7, 1, true },
        { 7, -1, true },
        { 9, 1, true },
    };

    struct Jump {
        int16_t offset;
        int16_t rows;
        int16_t columns;
    };

    constexpr Jump Jumps[8] = {
        { -17, -2, -1 },
        { -15, -2, 1 },
        { -10, -1, -2 },
        { -6, -1, 2 },
        { 15, 2, -1 },
        { 17, 2, 1 },
        { 6, 1, -2 },
        { 10, 1, 2 },
    };

    // Whether the ray may be entered at all from the square: its first square must exist.
    bool EntersRay(int16_t square, const Ray &ray)
    {
        switch (ray.step) {
        case -8:
            return square >= 8;
        case 8:
            return square <= 55;
        case -1:
            return square >= 1;
        case 1:
            return square <= 62;
        case -9:
            return square >= 9;
        case -7:
            return square >= 7;
        case 7:
            return square <= 56;
        default:
            return square <= 54;
        }
    }

    // The enemy pawn that captures onto a square comes from the side the opponent plays from:
    // Black pawns (White to move) from lower square numbers, White pawns from higher ones.
    bool PawnAttacksAlong(const Ray &ray, int16_t toMove)
    {
        return toMove == White ? ray.step < 0 : ray.step > 0;
    }

    // The squares a ray may visit: the square's own row for a sideways ray, the board otherwise.
    bool InRayRange(int t, int16_t row, const Ray &ray)
    {
        if (ray.step == -1)
            return t >= 8 * row;
        if (ray.step == 1)
            return t <= 8 * row + 7;
        return IsOnBoard(t);
    }

    bool RayHasAttacker(int16_t square, const Ray &ray, const BoardState &board)
    {
        const int16_t row = RowOf(square);
        const int16_t column = ColumnOf(square);
        const int16_t lastColumn = ray.columnStep < 0 ? 0 : 7;
        for (int t = square + ray.step;; t += ray.step) {
            if (!InRayRange(t, row, ray))
                return false;
            if (ray.diagonal) {
                const int tc = t % 8;
                // A diagonal whose column moved the wrong way has wrapped past the board edge.
                if ((ray.columnStep < 0 && tc > column) || (ray.columnStep > 0 && tc < column))
                    return false;
            }
            const auto target = static_cast<int16_t>(t);
            if (board.IsEmpty(target)) {
                if (ray.diagonal && ColumnOf(target) == lastColumn)
                    return false;
                continue;
            }
            if (board.Colour(target) == board.giToMove)
                return false;
            const int16_t piece = board.Piece(target);
            const bool straightRunner = !ray.diagonal && (piece == Rook || piece == Queen);
            const bool diagonalRunner = ray.diagonal && (piece == Bishop || piece == Queen);
            if (straightRunner || diagonalRunner)
                return true;
            if (t == square + ray.step) {
                if (piece == King)
                    return true;
                if (ray.diagonal && piece == Pawn && PawnAttacksAlong(ray, board.giToMove))
                    return true;
            }
            return false;
        }
    }

} // namespace

bool IsSquareAttacked(int16_t square, const BoardState &board)
{
    if (!IsOnBoard(square))
        return false;
    for (const Ray &ray : Rays) {
        if (EntersRay(square, ray) && RayHasAttacker(square, ray, board))
            return true;
    }
    const int16_t column = ColumnOf(square);
    for (const Jump &jump : Jumps) {
        const int16_t targetColumn = static_cast<int16_t>(column + jump.columns);
        if (targetColumn < 0 || targetColumn > 7)
            continue;
        const int target = square + jump.offset;
        if (!IsOnBoard(target) || target / 8 != (square + 8 * jump.rows) / 8)
            continue;
        const auto t = static_cast<int16_t>(target);
        if (board.Piece(t) == Knight && board.Colour(t) != board.giToMove)
            return true;
    }
    return false;
}

} // namespace corvalen

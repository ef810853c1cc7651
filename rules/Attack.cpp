#include "rules/Attack.h"

namespace corvalen {

namespace {

    struct Ray {
        int step;
        int columnStep; // -1, 0 or +1: the column change of one step
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
        int offset;
        int rows;
        int columns;
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
    bool EntersRay(Square square, const Ray &ray)
    {
        switch (ray.step) {
        case -8:
            return square >= Square::A7;
        case 8:
            return square <= Square::H2;
        case -1:
            return square >= Square::B8;
        case 1:
            return square <= Square::G1;
        case -9:
            return square >= Square::B7;
        case -7:
            return square >= Square::H8;
        case 7:
            return square <= Square::A1;
        default:
            return square <= Square::G2;
        }
    }

    // The enemy pawn that captures onto a square comes from the side the opponent plays from:
    // Black pawns (White to move) from lower square numbers, White pawns from higher ones.
    bool PawnAttacksAlong(const Ray &ray, Colour toMove)
    {
        return toMove == White ? ray.step < 0 : ray.step > 0;
    }

    // The squares a ray may visit: the square's own row for a sideways ray, the board otherwise.
    bool InRayRange(Square target, int row, const Ray &ray)
    {
        if (!IsOnBoard(target))
            return false;
        return ray.columnStep == 0 || ray.diagonal || RowOf(target) == row;
    }

    bool RayHasAttacker(Square square, const Ray &ray, const BoardState &board)
    {
        const int row = RowOf(square);
        const int column = ColumnOf(square);
        const int lastColumn = ray.columnStep < 0 ? 0 : 7;
        const Square first = Shifted(square, ray.step);
        for (Square target = first;; target = Shifted(target, ray.step)) {
            if (!InRayRange(target, row, ray))
                return false;
            if (ray.diagonal) {
                const int tc = ColumnOf(target);
                // A diagonal whose column moved the wrong way has wrapped past the board edge.
                if ((ray.columnStep < 0 && tc > column) || (ray.columnStep > 0 && tc < column))
                    return false;
            }
            if (board.IsEmpty(target)) {
                if (ray.diagonal && ColumnOf(target) == lastColumn)
                    return false;
                continue;
            }
            if (board.ColourOn(target) == board.giToMove)
                return false;
            const PieceType piece = board.Piece(target);
            const bool straightRunner = !ray.diagonal && (piece == Rook || piece == Queen);
            const bool diagonalRunner = ray.diagonal && (piece == Bishop || piece == Queen);
            if (straightRunner || diagonalRunner)
                return true;
            if (target == first) {
                if (piece == King)
                    return true;
                if (ray.diagonal && piece == Pawn && PawnAttacksAlong(ray, board.giToMove))
                    return true;
            }
            return false;
        }
    }

} // namespace

bool IsSquareAttacked(Square square, const BoardState &board)
{
    if (!IsOnBoard(square))
        return false;
    for (const Ray &ray : Rays) {
        if (EntersRay(square, ray) && RayHasAttacker(square, ray, board))
            return true;
    }
    const int column = ColumnOf(square);
    const int number = SquareNumber(square);
    for (const Jump &jump : Jumps) {
        const int targetColumn = column + jump.columns;
        if (targetColumn < 0 || targetColumn > 7)
            continue;
        const int target = number + jump.offset;
        if (!IsOnBoard(target) || target / 8 != (number + 8 * jump.rows) / 8)
            continue;
        const Square t = SquareFromNumber(target);
        if (board.Piece(t) == Knight && board.ColourOn(t) != board.giToMove)
            return true;
    }
    return false;
}

} // namespace corvalen

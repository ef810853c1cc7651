#pragma once

#include "rules/BoardState.h"

namespace corvalen {

// What the side to move faces in a loaded position.
enum class GameStatus { None, Check, Mate, Stalemate };

// "none", "check", "mate" or "stalemate".
const char *StatusName(GameStatus status);

// The status of a loaded position: check when the king on kingSquare is attacked, mate when it
// is in check and has no legal move, stalemate when a king of the side to move stands out of
// check and no legal move exists. A position without a king of the side to move is never
// stalemate.
GameStatus LoadedStatus(const BoardState &board, Square kingSquare);

// Why no game can reach a position; the first that holds, in this order of the board's squares.
enum class CannotArise {
    No, // nothing found: the position may arise
    PawnOnLastRow,
    PawnOnFirstRow,
    KingCount, // a side without exactly one king
    MoverLeftInCheck, // the side that just moved left its king attacked
};

CannotArise WhyPositionCannotArise(const BoardState &board);

} // namespace corvalen

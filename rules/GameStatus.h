#pragma once

#include <cstdint>
#include <string>

#include "rules/BoardState.h"

namespace corvalen {

// What the side to move faces in a loaded position.
enum class GameStatus { None, Check, Mate, Stalemate };

// "none", "check", "mate" or "stalemate".
const char *StatusName(GameStatus status);

// The status of a loaded position: check when the king on kingSquare is attacked
// (board.mbInCheck is then set), mate when it is in check and has no legal move, stalemate when
// a king of the side to move stands out of check and no legal move exists. A position without a
// king of the side to move is never stalemate.
GameStatus LoadedStatus(BoardState &board, int16_t kingSquare);

// Why no game can reach the position: "a side without exactly one king", "a pawn on the last
// row", "a pawn on the first row" or "the side that just moved left in check"; empty when none
// of these holds. In the player's language (Text).
std::string WhyPositionCannotArise(const BoardState &board);

} // namespace corvalen

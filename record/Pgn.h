#pragma once

#include <string>
#include <vector>

#include "rules/BoardState.h"

namespace corvalen {

// One game for the PGN writer.
struct PgnGame {
    std::string date; // the game's start, "YYYY.MM.DD"
    std::string setUpFen; // the position the game started from; empty for the standard start
    int16_t firstMover = White; // the side to move in that position
    std::vector<std::string> sans; // the moves in SAN, in order
    std::string result = "*"; // "*", "1-0", "0-1" or "1/2-1/2"
};

// The moves with their numbers, "1. e4 e5 2. Nf3"; a game whose first move is Black's begins
// "1... e5". Empty for a game without moves.
std::string NumberedMoveText(int16_t firstMover, const std::vector<std::string> &sans);

// The game in PGN export format: the seven tags in their order (Event "Corvalen e-mail game",
// Site "?", Date, Round "-", White "?", Black "?", Result), SetUp "1" and FEN for a game that
// did not start from the standard position, a blank line, the numbered moves in lines of at
// most 79 characters ending with the result, and a blank line after the game.
std::string WritePgn(const PgnGame &game);

} // namespace corvalen

#pragma once

#include <string>
#include <vector>

#include "rules/BoardState.h"
#include "rules/GameLine.h"
#include "rules/Result.h"

namespace corvalen {

// A result the position cannot show, and how it came about. The numbers never change, so a
// record may keep them.
enum class GameEnding {
    None = 0, // no such result: the game goes on, or mate or stalemate ended it
    WhiteResigned = 1,
    BlackResigned = 2,
    DrawAgreed = 3,
    ThreefoldClaimed = 4,
    FiftyMovesClaimed = 5,
};

// The result an ending gives; Unfinished for None.
Result EndingResult(GameEnding ending);
// "White resigns.", "Draw agreed.", "Draw claimed: threefold repetition."; empty for None.
std::string EndingComment(GameEnding ending);
// The ending a successful claim gives; None for DrawClaim::None.
GameEnding ClaimEnding(DrawClaim claim);

// One game for the PGN writer.
struct PgnGame {
    std::string date; // the game's start, "YYYY.MM.DD"
    std::string setUpFen; // the position the game started from; empty for the standard start
    int16_t firstMover = White; // the side to move in that position
    std::vector<std::string> sans; // the moves in SAN, in order
    Result result = Result::Unfinished;
    std::string white; // the players' names; empty when unknown
    std::string black;
    GameEnding ending = GameEnding::None; // when set, it gives the result
    // The record's moves went on with one that is not legal after `sans`: the move text ends
    // there with a comment that says so, and the result is "*".
    bool stopsAtIllegalMove = false;
};

// The moves with their numbers, "1. e4 e5 2. Nf3"; a game whose first move is Black's begins
// "1... e5". Empty for a game without moves.
std::string NumberedMoveText(int16_t firstMover, const std::vector<std::string> &sans);

// The game in PGN export format: the seven tags in their order (Event "Corvalen e-mail game",
// Site "?", Date ("????.??.??" unless it is YYYY.MM.DD), Round "-", White and Black (the names
// as CleanName leaves them, "?" when empty), Result), SetUp "1" and
// FEN for a game that did not start from the standard position, Termination "normal" for a
// game with a known ending, a blank line, the numbered moves in lines of at most 79 characters
// ending with the ending's comment ("{White resigns.}") and the result, and a blank line after
// the game. A line breaks only between tokens. The moves are taken as they are: the caller
// has replayed them.
std::string WritePgn(const PgnGame &game);

} // namespace corvalen

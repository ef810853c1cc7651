#pragma once

#include <string>

#include "rules/GameLine.h"
#include "rules/GameStatus.h"
#include "rules/TypedMove.h"

namespace corvalen {

// The rules' facts in words, in the player's language (Text).

// "a side without exactly one king", "a pawn on the last row", "a pawn on the first row" or
// "the side that just moved left in check"; empty when the position can arise.
std::string WordCannotArise(CannotArise reason);

// What to tell the player when the text is no move: "No legal move matches "Nf3".",
// "Nbd2 or Nfd2?", "Not a move: ... (piece letters: K Q R B N)"; empty for a move and when
// nothing was typed.
std::string WordTypedMove(const TypedMove &typed);

// The claim as the mail subject names it, in English as the opponent's program reads it:
// "threefold repetition", "50 moves without a capture or pawn move"; empty for None.
std::string WordDrawClaim(DrawClaim claim);

} // namespace corvalen

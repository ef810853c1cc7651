#pragma once

#include <string>

#include "record/GameRecord.h"

namespace corvalen {

// What the record's facts say to the player, in the player's language (context "Record").

// The status line of a load: "New game", "Your opponent played 14... Nf6", ...; empty for
// LoadLine::None.
std::string WordLoadLine(const LoadReport &load);
// The message a load tells in a box: a position sent already, or one that does not follow a
// sent one; empty when there is nothing to tell.
std::string WordLoadMessage(const LoadReport &load);
// "You cannot castle on this side: your king moved in this game (12. Ke2)."
std::string WordLostCastling(const record::LostCastling &lost);
// What went wrong with the record: "the game record PATH: there is no such file".
std::string WordRecordError(const Error &error);

} // namespace corvalen

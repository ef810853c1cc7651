#pragma once

#include <string>
#include <string_view>

namespace corvalen {

// Runs pasted text through the whole intake (filter, prefix test, decoding, the check, mate and
// stalemate tests, encoding, decoding again, every legal move) and checks what must hold for any
// text whatever. Returns an empty string when all holds, otherwise what went wrong.
std::string CheckIntake(std::string_view text);

} // namespace corvalen

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "code/PositionCode.h"

namespace corvalen {

// Keeps only the characters a position code can hold: '-', '0'..'9', ':' and 'A'..'V'.
std::string FilterCodeCharacters(std::string_view text);

// Finds a position code in pasted text (e-mail quoting, line breaks and any case allowed):
// ASCII upper-casing, then the filter, then the prefix test. Returns the characters behind the
// prefix (possibly empty), or nullopt when the text holds no code.
std::optional<std::string> ExtractCodeCharacters(std::string_view text);

// What a pasted text holds, as the program and corvalen-code both take it in.
struct CodeIntake {
    enum class Kind {
        NoCode, // no CHESS-CODE: prefix
        Damaged, // a prefix, but no complete code behind it (decoded.reason says why)
        Sound,
    };
    Kind kind = Kind::NoCode;
    std::string characters; // the code's characters behind the prefix, in upper case
    DecodedCode decoded; // the board and king square of a sound code
};

// Finds and decodes the position code in pasted text.
CodeIntake ReadCodeText(std::string_view text);

} // namespace corvalen

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvalen {

// Keeps only the characters a position code can hold: '-', '0'..'9', ':' and 'A'..'V'.
std::string FilterCodeCharacters(std::string_view text);

// Finds a position code in pasted text (e-mail quoting, line breaks and any case allowed):
// ASCII upper-casing, then the filter, then the prefix test. Returns the characters behind the
// prefix (possibly empty), or nullopt when the text holds no code.
std::optional<std::string> ExtractCodeCharacters(std::string_view text);

} // namespace corvalen

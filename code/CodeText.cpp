#include "code/CodeText.h"
namespace corvalen {
std::string FilterCodeCharacters(std::string_view) { return {}; }
std::optional<std::string> ExtractCodeCharacters(std::string_view) { return std::nullopt; }
}

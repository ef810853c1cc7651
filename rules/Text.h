#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace corvalen {

// The player's language for the texts of the layers below the windows. The program installs a
// translator when it has loaded a translation; without one every text is the English source.
// Text read by other programs (position codes, SAN, PGN, the tool's output) never comes here.
using Translator = std::string (*)(const char *context, const char *source);

// Replaces the translator (nullptr: English again).
void SetTranslator(Translator translator);

// `source` in the player's language; `source` itself while no translator is set or it has none.
std::string Text(const char *context, const char *source);

// `pattern` with %1..%9 replaced by args[0]..args[8] in one pass, wherever they stand (a
// translation may reorder them); a % without an argument to fill stays as it is.
std::string Format(std::string_view pattern, std::initializer_list<std::string_view> args);

} // namespace corvalen

// A text the player sees, in one of the contexts "Rules", "Record" and "Game". Both arguments
// are string literals, so that lupdate finds them (as QT_TRANSLATE_NOOP).
#define CORVALEN_TEXT(context, source) ::corvalen::Text(context, source)

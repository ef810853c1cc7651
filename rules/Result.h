#pragma once

#include <optional>
#include <string_view>

namespace corvalen {

// How a game stands: won by one side, drawn, or going on. The record and PGN keep it as text
// ("1-0", "0-1", "1/2-1/2", "*"); ResultText and ResultFromText are the one place that knows it.
enum class Result {
    Unfinished,
    WhiteWins,
    BlackWins,
    Draw,
};

// "1-0", "0-1", "1/2-1/2" or "*".
const char *ResultText(Result result);
// The result a text names; nullopt for any other text.
std::optional<Result> ResultFromText(std::string_view text);

constexpr bool IsFinished(Result result) { return result != Result::Unfinished; }

} // namespace corvalen

#include "rules/Result.h"

#include <array>
#include <utility>

namespace corvalen {

namespace {

    constexpr std::array<std::pair<Result, const char *>, 4> Texts { {
        { Result::Unfinished, "*" },
        { Result::WhiteWins, "1-0" },
        { Result::BlackWins, "0-1" },
        { Result::Draw, "1/2-1/2" },
    } };

} // namespace

const char *ResultText(Result result)
{
    for (const auto &[value, text] : Texts)
        if (value == result)
            return text;
    return "*";
}

std::optional<Result> ResultFromText(std::string_view text)
{
    for (const auto &[value, name] : Texts)
        if (text == name)
            return value;
    return std::nullopt;
}

} // namespace corvalen

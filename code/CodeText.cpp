#include "code/CodeText.h"

#include "code/PositionCode.h"

namespace corvalen {

namespace {

    bool IsCodeCharacter(char c)
    {
        return c == '-' || (c >= '0' && c <= ':') || (c >= 'A' && c <= 'V');
    }

    char UpperCase(char c)
    {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }

} // namespace

std::string FilterCodeCharacters(std::string_view text)
{
    std::string kept;
    for (char c : text)
        if (IsCodeCharacter(c))
            kept += c;
    return kept;
}

std::optional<std::string> ExtractCodeCharacters(std::string_view text)
{
    std::string upper(text);
    for (char &c : upper)
        c = UpperCase(c);
    std::string kept = FilterCodeCharacters(upper);
    if (!kept.starts_with(CodePrefix))
        return std::nullopt;
    return kept.substr(CodePrefix.size());
}

CodeIntake ReadCodeText(std::string_view text)
{
    CodeIntake intake;
    std::optional<std::string> characters = ExtractCodeCharacters(text);
    if (!characters)
        return intake;
    intake.characters = std::move(*characters);
    intake.decoded = DecodePositionCode(intake.characters);
    intake.kind = intake.decoded.IsDamaged() ? CodeIntake::Kind::Damaged : CodeIntake::Kind::Sound;
    return intake;
}

} // namespace corvalen

#include "rules/Text.h"

namespace corvalen {

namespace {

    Translator gTranslator = nullptr;

} // namespace

void SetTranslator(Translator translator)
{
    gTranslator = translator;
}

std::string Text(const char *context, const char *source)
{
    if (!gTranslator)
        return source;
    std::string translated = gTranslator(context, source);
    return translated.empty() ? std::string(source) : translated;
}

std::string Format(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string text;
    text.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            text += args.begin()[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace corvalen

#include "record/Names.h"

namespace corvalen {

namespace {

    // The length of the UTF-8 sequence at `text[at]` and its code point; 0 when it is no
    // well-formed sequence (stray continuation byte, overlong form, surrogate, cut short).
    size_t ReadCodePoint(std::string_view text, size_t at, char32_t &codePoint)
    {
        const auto lead = static_cast<unsigned char>(text[at]);
        size_t length = 0;
        if (lead < 0x80)
            length = 1, codePoint = lead;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = 2, codePoint = lead & 0x1F;
        else if (lead >= 0xE0 && lead <= 0xEF)
            length = 3, codePoint = lead & 0x0F;
        else if (lead >= 0xF0 && lead <= 0xF4)
            length = 4, codePoint = lead & 0x07;
        if (length == 0 || at + length > text.size())
            return 0;
        for (size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xC0) != 0x80)
                return 0;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if ((length == 3 && (codePoint < 0x800 || (codePoint >= 0xD800 && codePoint <= 0xDFFF)))
            || (length == 4 && (codePoint < 0x10000 || codePoint > 0x10FFFF)))
            return 0;
        return length;
    }

    // Control characters, the line and paragraph separators, the bidirectional marks and
    // controls, and the zero-width characters: none belongs in a name shown on one line, and
    // none shows what it does to the text around it.
    bool IsControl(char32_t c)
    {
        return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || (c >= 0x200B && c <= 0x200F)
            || c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E) || c == 0x2060
            || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
    }

    bool IsLetterOrDigit(char c)
    {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    }

    bool IsUnreserved(char c)
    {
        return IsLetterOrDigit(c) || c == '-' || c == '.' || c == '_' || c == '~';
    }

    // Dot-separated parts, none empty, each made of `allowed` characters.
    template <typename Allowed> bool IsDottedText(std::string_view text, Allowed allowed)
    {
        if (text.empty() || text.front() == '.' || text.back() == '.'
            || text.find("..") != std::string_view::npos)
            return false;
        for (const char c : text)
            if (c != '.' && !allowed(c))
                return false;
        return true;
    }

    std::string PercentEncoded(std::string_view text, std::string_view kept)
    {
        static constexpr char Hex[] = "0123456789ABCDEF";
        std::string encoded;
        for (const char c : text) {
            if (IsUnreserved(c) || kept.find(c) != std::string_view::npos) {
                encoded += c;
                continue;
            }
            const auto byte = static_cast<unsigned char>(c);
            encoded += '%';
            encoded += Hex[byte >> 4];
            encoded += Hex[byte & 0x0F];
        }
        return encoded;
    }

} // namespace

std::string CleanName(std::string_view name)
{
    std::string clean;
    size_t characters = 0;
    for (size_t at = 0; at < name.size();) {
        char32_t codePoint = 0;
        const size_t length = ReadCodePoint(name, at, codePoint);
        if (length == 0) {
            ++at;
            continue;
        }
        const bool leadingBlank = codePoint == ' ' && clean.empty();
        if (!IsControl(codePoint) && !leadingBlank && characters < MaxNameLength) {
            clean.append(name.substr(at, length));
            ++characters;
        }
        at += length;
    }
    while (!clean.empty() && clean.back() == ' ')
        clean.pop_back();
    return clean;
}

bool IsPlainAddress(std::string_view address)
{
    const size_t at = address.find('@');
    if (at == std::string_view::npos || address.find('@', at + 1) != std::string_view::npos)
        return false;
    const std::string_view local = address.substr(0, at);
    const std::string_view domain = address.substr(at + 1);
    const auto localAllowed = [](char c) {
        return IsLetterOrDigit(c)
            || std::string_view("!#$%'*+-/=^_`{|}~").find(c) != std::string_view::npos;
    };
    const auto domainAllowed = [](char c) { return IsLetterOrDigit(c) || c == '-'; };
    return local.size() <= 64 && domain.size() <= 253 && IsDottedText(local, localAllowed)
        && IsDottedText(domain, domainAllowed) && domain.find('.') != std::string_view::npos;
}

std::string PercentEncoded(std::string_view text)
{
    return PercentEncoded(text, {});
}

std::string MailtoUrl(std::string_view address, std::string_view subject, std::string_view body)
{
    return "mailto:" + PercentEncoded(address, "@") + "?subject=" + PercentEncoded(subject)
        + "&body=" + PercentEncoded(body);
}

} // namespace corvalen

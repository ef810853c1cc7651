#pragma once

#include <string>
#include <string_view>

namespace corvalen {

// The most characters a player's name keeps.
constexpr size_t MaxNameLength = 80;

// A player's name as plain text: UTF-8 with control characters, bidirectional marks and
// controls, zero-width characters (and bytes that are no UTF-8) taken out, blanks trimmed at both
// ends, cut to MaxNameLength characters.
std::string CleanName(std::string_view name);

// True when `address` is one plain e-mail address, local@domain: printable ASCII without
// blanks, commas, semicolons, angle brackets, brackets, double quotes, "?", "&", ":" or "\",
// one "@", no empty dot-separated part, and a dot in the domain, whose parts hold letters,
// digits and hyphens.
bool IsPlainAddress(std::string_view address);

// Every byte but the unreserved ones (letters, digits, "-", ".", "_", "~") as %XX.
std::string PercentEncoded(std::string_view text);

// "mailto:ADDRESS?subject=SUBJECT&body=BODY" with each part percent-encoded ("@" kept in the
// address); an empty address gives "mailto:?subject=...". The address must be a plain one.
std::string MailtoUrl(std::string_view address, std::string_view subject, std::string_view body);

} // namespace corvalen

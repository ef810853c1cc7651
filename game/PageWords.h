#pragma once

#include <string>
#include <utility>
#include <vector>

namespace corvalen {

// The web page's captions and short messages in the player's language, each under the name the
// page gives its control ("send", "cancel"). Captions shared with the desktop window are its
// own texts, access key ("&") included, so that each is translated once. Qt-free.
std::vector<std::pair<std::string, std::string>> PageWords();

} // namespace corvalen

#pragma once

#include <optional>
#include <string>

#include "rules/Error.h"

namespace corvalen {

// Where the program keeps its files, from the XDG variables of the environment. An unset,
// empty or relative XDG_DATA_HOME (XDG_CONFIG_HOME) stands for ~/.local/share (~/.config).

// $XDG_DATA_HOME/corvalen/games.sqlite
std::string RecordFilePath();
// $XDG_CONFIG_HOME/corvalen/corvalen.conf
std::string OptionsFilePath();

// Makes the folder and any missing parents, each new one with mode 0700; the reason when it
// cannot.
std::optional<Error> MakePrivateFolder(const std::string &folder);

} // namespace corvalen

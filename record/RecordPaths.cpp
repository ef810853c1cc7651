#include "record/RecordPaths.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>


namespace corvalen {

namespace {

    std::string HomeFolder()
    {
        if (const char *home = std::getenv("HOME"); home && *home)
            return home;
        if (const passwd *entry = getpwuid(getuid()); entry && entry->pw_dir)
            return entry->pw_dir;
        return ".";
    }

    // The XDG base folder named by `variable`, or the default below the home folder.
    std::string BaseFolder(const char *variable, const char *fallback)
    {
        const char *value = std::getenv(variable);
        if (value && value[0] == '/')
            return value;
        return HomeFolder() + fallback;
    }

} // namespace

std::string RecordFilePath()
{
    return BaseFolder("XDG_DATA_HOME", "/.local/share") + "/corvalen/games.sqlite";
}

std::string OptionsFilePath()
{
    return BaseFolder("XDG_CONFIG_HOME", "/.config") + "/corvalen/corvalen.conf";
}

std::optional<Error> MakePrivateFolder(const std::string &folder)
{
    struct stat info { };
    if (folder.empty() || stat(folder.c_str(), &info) == 0)
        return std::nullopt;
    const size_t slash = folder.find_last_of('/');
    if (slash != std::string::npos && slash > 0)
        if (std::optional<Error> failed = MakePrivateFolder(folder.substr(0, slash)))
            return failed;
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return Error::Of(Error::Kind::CannotMakeFolder, folder, std::strerror(errno));
    return std::nullopt;
}

} // namespace corvalen

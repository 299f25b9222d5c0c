#include "presets/PresetLocation.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace PresetLocation
{
namespace
{
// "/" becomes empty, so the joins below never double a separator.
std::string withoutTrailingSlashes (std::string path)
{
    while (!path.empty() && path.back() == '/')
        path.pop_back();

    return path;
}

std::string homeFromPasswordDatabase()
{
    const auto* entry = getpwuid (getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}
} // namespace

std::string presetFolderFor (const char* xdgDataHome, const char* home)
{
    std::string dataHome;

    if (xdgDataHome != nullptr && xdgDataHome[0] == '/')
        dataHome = withoutTrailingSlashes (xdgDataHome);
    else
        dataHome = withoutTrailingSlashes (home != nullptr ? home : "") + "/.local/share";

    return dataHome + "/" + makerFolder + "/presets/" + productName + "/";
}

std::string defaultPresetFolder()
{
    const char* home = std::getenv ("HOME");
    const auto fallbackHome = home != nullptr && home[0] != '\0' ? std::string (home) : homeFromPasswordDatabase();
    return presetFolderFor (std::getenv ("XDG_DATA_HOME"), fallbackHome.c_str());
}
} // namespace PresetLocation

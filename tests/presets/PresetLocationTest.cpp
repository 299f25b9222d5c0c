#include "presets/PresetLocation.h"

#include <gtest/gtest.h>

TEST (PresetLocation, FollowsTheXdgDataHomeRule)
{
    const struct
    {
        const char* what;
        const char* xdgDataHome;
        const char* home;
        const char* folder;
    } cases[] = {
        { "variable set", "/data", "/home/u", "/data/ZLM/presets/Dravlen2Lite/" },
        { "variable with a trailing slash", "/data/", "/home/u", "/data/ZLM/presets/Dravlen2Lite/" },
        { "variable unset", nullptr, "/home/u", "/home/u/.local/share/ZLM/presets/Dravlen2Lite/" },
        { "variable empty", "", "/home/u", "/home/u/.local/share/ZLM/presets/Dravlen2Lite/" },
        { "variable relative", "data", "/home/u", "/home/u/.local/share/ZLM/presets/Dravlen2Lite/" },
        { "home with a trailing slash", nullptr, "/home/u/", "/home/u/.local/share/ZLM/presets/Dravlen2Lite/" },
        { "variable at the root", "/", "/home/u", "/ZLM/presets/Dravlen2Lite/" },
        { "home at the root", nullptr, "/", "/.local/share/ZLM/presets/Dravlen2Lite/" },
    };

    for (const auto& item : cases)
    {
        SCOPED_TRACE (item.what);
        EXPECT_EQ (PresetLocation::presetFolderFor (item.xdgDataHome, item.home), item.folder);
    }
}

#pragma once

#include <string>

// Where this product's presets live and what marks a file as one of them.
namespace PresetLocation
{
inline constexpr const char* productName = "Dravlen2Lite";
inline constexpr const char* makerFolder = "ZLM";
inline constexpr const char* suffix = "zlm2";

// The per-user preset folder, ending in "/": $XDG_DATA_HOME/ZLM/presets/Dravlen2Lite/, or
// ~/.local/share/ZLM/presets/Dravlen2Lite/ when the variable is unset, empty or not an absolute
// path (relative values are to be ignored by the XDG rules). Either argument may be null.
std::string presetFolderFor (const char* xdgDataHome, const char* home);

// The same rule applied to this process's environment.
std::string defaultPresetFolder();
} // namespace PresetLocation

#include "cli/PresetLoading.h"

#include "cli/FilePaths.h"
#include "presets/PresetLocation.h"
#include "presets/PresetManager.h"

namespace PresetLoading
{
juce::Result load (ParameterManager& parameters, const juce::File& file)
{
    // The reader gives up silently on a file it cannot open, so that is checked first.
    if (const auto readable = FilePaths::checkReadable (file, "preset"); readable.failed())
        return readable;

    // No library folder: only this one file is wanted, so there is nothing to scan.
    PresetManager presets (parameters, std::string());

    bool foreign = false;
    presets.showError = [&foreign] (const std::string&, const std::string&) { foreign = true; };

    const auto path = file.getFullPathName();
    const auto applied = presets.loadPresetInternal (path.toStdString());

    if (foreign)
        return juce::Result::fail ("preset \"" + path + "\" is not a " + PresetLocation::productName
                                   + " preset (its first line must read \"" + PresetLocation::productName + "\")");
    if (! applied)
        return juce::Result::fail ("cannot read preset \"" + path + "\"");

    return juce::Result::ok();
}
} // namespace PresetLoading

#pragma once

#include "core/ParameterManager.h"
#include "presets/PresetLocation.h"

#include <functional>
#include <istream>
#include <string>
#include <vector>

// The preset library behind the editor's preset controls: it lists the preset files of the preset
// folder tree, reads and writes the preset file format, and steps through the list. It has no GUI of
// its own; the one message it ever shows goes through showError, which the owner may replace.
//
// The editor reads presetFolder, suffix, presetCount, presetList and labelText, and writes
// currentPresetPath and (after a save) labelText directly. Message thread only.
class PresetManager
{
public:
    using ErrorDisplay = std::function<void (const std::string& title, const std::string& message)>;

    // Scans the folder tree at once. The folder is only ever read: it is not created here.
    explicit PresetManager (ParameterManager& parameterManager,
                            std::string folder = PresetLocation::defaultPresetFolder());

    // The list: rebuilt from the folder tree by createList, which counts with findListSize and then
    // fills the counted number of places with fillList.
    void createList();
    void findListSize (std::string folder, int& count) const;
    void fillList (std::string folder, std::vector<std::string>& list, int& index) const;

    bool isCorrectSuffix (std::string name) const;
    std::string getLabelText (std::string path) const;

    // Applies a preset file and, when it was one, shows its name. Answers whether anything was
    // applied: an unopenable path changes nothing silently, a foreign file through showError.
    bool loadPresetInternal (std::string path);

    // One id line and one value line, applied when the id names a parameter.
    void importParam (std::istream& in);

    // Step to the neighbouring preset of the list, wrapping at both ends, and load it.
    void previousPreset();
    void nextPreset();

    // The file part of the save action: writes the current values to path without ever leaving a
    // partly written file there. Answers whether the file was written; the caller then shows its
    // name and rebuilds the list.
    bool savePreset (std::string path) const;

    // The current parameter values in the preset file format.
    std::string renderPreset() const;

    ParameterManager* const manager;
    const std::string productName{ PresetLocation::productName };
    const std::string suffix{ PresetLocation::suffix };
    const std::string presetFolder;
    std::string currentPresetPath;
    std::string labelText{ "Default" };
    int presetCount = 0;
    std::vector<std::string> presetList;

    // Shows the "Error" box for a foreign file; by default the platform's asynchronous message box.
    ErrorDisplay showError;

private:
    void step (int direction);
    juce::Array<juce::RangedAudioParameter*> parametersInHostOrder() const;
};

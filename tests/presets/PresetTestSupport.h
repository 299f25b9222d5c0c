#pragma once

#include "core/ParameterTable.h"
#include "core/PluginProcessor.h"
#include "presets/PresetManager.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace PresetTesting
{
// A fresh folder under the system's temporary folder, removed with everything in it (links are
// removed, never followed).
class TemporaryFolder
{
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder (const TemporaryFolder&) = delete;
    TemporaryFolder& operator= (const TemporaryFolder&) = delete;

    // Absolute path without a trailing "/".
    const std::string& path() const noexcept { return root; }
    std::string operator/ (const std::string& relative) const { return root + "/" + relative; }

    // Creates the file and any folders it lies in.
    std::string write (const std::string& relative, const std::string& contents) const;
    std::string makeFolder (const std::string& relative) const;

private:
    std::string root;
};

std::string readFile (const std::string& path);
bool exists (const std::string& path);
std::vector<std::string> namesIn (const std::string& folder);

const std::vector<std::string>& allIds();

using Values = std::map<std::string, float>;

// The text of a preset file with the given first lines and entries.
std::string presetText (const std::vector<std::pair<std::string, std::string>>& entries, const std::string& count = "8",
                        const std::string& firstLine = "Dravlen2Lite");

// One processor, a preset folder and a preset manager whose error box is recorded instead of shown.
class PresetFixture : public ::testing::Test
{
protected:
    PresetFixture();

    ParameterManager& parameters() { return processor.getParameterManager(); }
    Values values();
    Values defaults();
    void set (const Values& rawValues);

    // A setting far from the defaults in every parameter, so a reset or a change shows.
    void setAwayFromDefaults();

    struct ShownError
    {
        std::string title;
        std::string message;
    };

    TemporaryFolder folder;
    TemplateEffectAudioProcessor processor;
    PresetManager presets;
    std::vector<ShownError> errors;
};
} // namespace PresetTesting

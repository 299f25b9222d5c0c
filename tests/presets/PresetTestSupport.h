#pragma once

#include "core/ParameterTable.h"
#include "core/PluginProcessor.h"
#include "presets/PresetManager.h"

#include <gtest/gtest.h>

#include <map>
#include "ScratchFolder.h"

#include <string>
#include <vector>

namespace PresetTesting
{
using TemporaryFolder = ::ScratchFolder;

std::string readFile (const std::string& path);
bool exists (const std::string& path);
using ::namesIn;

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

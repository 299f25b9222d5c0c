#include "PresetTestSupport.h"

#include <sstream>

using namespace PresetTesting;

namespace
{
const std::string factoryFolder = DRAVLEN_FACTORY_PRESET_FOLDER;

std::vector<std::string> linesOf (const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in (text);

    for (std::string line; std::getline (in, line);)
        lines.push_back (line);

    return lines;
}

class FactoryPresets : public PresetFixture
{
protected:
    FactoryPresets()
        : factory (processor.getParameterManager(), factoryFolder)
    {
        factory.showError = presets.showError;
    }

    PresetManager factory;
};
} // namespace

TEST_F (FactoryPresets, ThereAreSixToTenWithDistinctNames)
{
    EXPECT_GE (factory.presetCount, 6);
    EXPECT_LE (factory.presetCount, 10);

    std::vector<std::string> names;
    for (const auto& path : factory.presetList)
        names.push_back (factory.getLabelText (path));

    std::sort (names.begin(), names.end());
    EXPECT_EQ (std::adjacent_find (names.begin(), names.end()), names.end());
    EXPECT_NE (std::find (names.begin(), names.end(), "Default"), names.end());
}

TEST_F (FactoryPresets, EachIsAWellFormedPresetOfAllEightParameters)
{
    for (const auto& path : factory.presetList)
    {
        SCOPED_TRACE (path);
        const auto text = readFile (path);
        const auto lines = linesOf (text);

        ASSERT_EQ (lines.size(), 18u);
        EXPECT_EQ (text.back(), '\n');
        EXPECT_EQ (text.find ('\r'), std::string::npos);
        EXPECT_EQ (lines[0], "Dravlen2Lite");
        EXPECT_EQ (lines[1], "8");

        std::vector<std::string> ids;
        for (size_t line = 2; line < lines.size(); line += 2)
            ids.push_back (lines[line]);

        EXPECT_EQ (ids, allIds()) << "entries in the host's order";
    }
}

// Loading and writing back gives the same bytes only when every value is one the parameter can hold
// (amounts in quarters, gain in tenths of a decibel) and is written in the product's own number format.
TEST_F (FactoryPresets, EachLoadsCleanlyAndWritesBackIdentically)
{
    for (const auto& path : factory.presetList)
    {
        SCOPED_TRACE (path);
        setAwayFromDefaults();
        ASSERT_TRUE (factory.loadPresetInternal (path));
        EXPECT_TRUE (errors.empty());
        EXPECT_EQ (factory.labelText, factory.getLabelText (path));
        EXPECT_EQ (factory.renderPreset(), readFile (path));
    }
}

TEST_F (FactoryPresets, SettingsAreSensible)
{
    for (const auto& path : factory.presetList)
    {
        SCOPED_TRACE (path);
        ASSERT_TRUE (factory.loadPresetInternal (path));
        const auto loaded = values();

        EXPECT_EQ (loaded.at ("powerId"), 1.0f) << "a preset that bypasses everything is no preset";
        EXPECT_GE (loaded.at ("gainId"), -12.0f);
        EXPECT_LE (loaded.at ("gainId"), 6.0f);

        if (factory.getLabelText (path) == "Default")
        {
            EXPECT_EQ (loaded, defaults());
        }
    }
}

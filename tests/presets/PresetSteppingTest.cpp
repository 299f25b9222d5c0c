#include "PresetTestSupport.h"

#include "presets/PresetFormat.h"

#include <unistd.h>

using namespace PresetTesting;

namespace
{
using Step = void (PresetManager::*)();
const Step steps[] = { &PresetManager::nextPreset, &PresetManager::previousPreset };

// Each preset file sets a gain of its own, so the gain tells which file was loaded last.
class PresetStepping : public PresetFixture
{
protected:
    std::string addPreset (const std::string& relative, float gainDb)
    {
        const auto normalised = (gainDb + 48.0f) / 96.0f;
        const auto path =
            folder.write (relative, presetText ({ { "gainId", PresetFormat::formatValue (normalised) } }, "8"));
        gains[path] = gainDb;
        return path;
    }

    float gain() { return parameters().getRawValue ("gainId"); }

    // The current preset is the list entry at index, and its file was the last one loaded.
    void expectAt (int index)
    {
        ASSERT_GE (index, 0);
        ASSERT_LT (index, static_cast<int> (presets.presetList.size()));
        const auto& path = presets.presetList[static_cast<size_t> (index)];
        EXPECT_EQ (presets.currentPresetPath, path);
        EXPECT_EQ (presets.labelText, presets.getLabelText (path));
        EXPECT_FLOAT_EQ (gain(), gains.at (path));
    }

    int last() const { return presets.presetCount - 1; }

    void addThree()
    {
        addPreset ("One.zlm2", -6.0f);
        addPreset ("Two.zlm2", 3.0f);
        addPreset ("Three.zlm2", 12.0f);
        presets.createList();
        ASSERT_EQ (presets.presetCount, 3);
    }

    std::map<std::string, float> gains;
};
} // namespace

TEST_F (PresetStepping, WithoutACurrentPresetNextTakesTheFirstAndPreviousTheLast)
{
    addThree();

    presets.nextPreset();
    expectAt (0);

    presets.currentPresetPath.clear();
    presets.previousPreset();
    expectAt (last());
}

TEST_F (PresetStepping, StepsThroughTheListAndWrapsAroundBothWays)
{
    addThree();

    for (int step = 1; step <= 4; ++step)
    {
        SCOPED_TRACE (step);
        presets.nextPreset();
        expectAt ((step - 1) % 3);
    }

    // Now at index 0: backwards wraps to the end and keeps going.
    for (const int expected : { 2, 1, 0, 2 })
    {
        SCOPED_TRACE (expected);
        presets.previousPreset();
        expectAt (expected);
    }
}

TEST_F (PresetStepping, ASingleEntryIsReloadedBothWays)
{
    addPreset ("Only.zlm2", 6.0f);
    presets.createList();
    presets.nextPreset();
    expectAt (0);

    for (const auto step : steps)
    {
        parameters().setRawValue ("gainId", -20.0f);
        (presets.*step)();
        expectAt (0);
    }
}

TEST_F (PresetStepping, DuplicateNamesContinueFromTheFirstOfThem)
{
    addPreset ("x.zlm2", 1.0f);
    addPreset ("Sub/x.zlm2", 2.0f);
    addPreset ("y.zlm2", 3.0f);
    addPreset ("z.zlm2", 4.0f);
    presets.createList();
    ASSERT_EQ (presets.presetCount, 4);

    int first = -1;
    for (int i = 0; i < presets.presetCount && first < 0; ++i)
        if (presets.getLabelText (presets.presetList[static_cast<size_t> (i)]) == "x")
            first = i;

    for (const auto* current : { "x.zlm2", "Sub/x.zlm2" })
    {
        SCOPED_TRACE (current);
        presets.currentPresetPath = folder / current;
        presets.nextPreset();
        expectAt (first == last() ? 0 : first + 1);

        presets.currentPresetPath = folder / current;
        presets.previousPreset();
        expectAt (first == 0 ? last() : first - 1);
    }
}

TEST_F (PresetStepping, AfterALoadFromElsewhereContinuesFromTheListedNamesake)
{
    addThree();
    const TemporaryFolder elsewhere;
    const auto namesake = elsewhere.write ("Two.zlm2", presetText ({ { "gainId", "0" } }, "8"));
    const auto stranger = elsewhere.write ("Stranger.zlm2", presetText ({ { "gainId", "1" } }, "8"));

    // As the load dialog does: remember the path, then load it.
    presets.currentPresetPath = namesake;
    ASSERT_TRUE (presets.loadPresetInternal (namesake));
    EXPECT_EQ (presets.labelText, "Two");

    const auto listed = std::find (presets.presetList.begin(), presets.presetList.end(), folder / "Two.zlm2");
    const auto index = static_cast<int> (listed - presets.presetList.begin());
    presets.nextPreset();
    expectAt ((index + 1) % 3);

    presets.currentPresetPath = stranger;
    ASSERT_TRUE (presets.loadPresetInternal (stranger));
    for (const auto step : steps)
    {
        (presets.*step)();
        EXPECT_EQ (presets.currentPresetPath, stranger);
        EXPECT_EQ (presets.labelText, "Stranger");
        EXPECT_EQ (gain(), 48.0f);
    }
}

TEST_F (PresetStepping, AVanishedFileIsSteppedOntoButLoadsNothing)
{
    addThree();
    presets.nextPreset();
    expectAt (0);

    const auto vanished = presets.presetList[1];
    ASSERT_EQ (unlink (vanished.c_str()), 0);

    const auto gainBefore = gain();
    const auto labelBefore = presets.labelText;
    presets.nextPreset();
    EXPECT_EQ (presets.currentPresetPath, vanished);
    EXPECT_EQ (presets.labelText, labelBefore);
    EXPECT_EQ (gain(), gainBefore);
    EXPECT_TRUE (errors.empty());

    presets.nextPreset();
    expectAt (2);
}

TEST_F (PresetStepping, AForeignFileInTheListShowsTheErrorAndKeepsTheName)
{
    addPreset ("Good.zlm2", 5.0f);
    folder.write ("Foreign.zlm2", "something else\n");
    presets.createList();
    ASSERT_EQ (presets.presetCount, 2);

    const auto foreign = presets.presetList[0] == folder / "Foreign.zlm2" ? 0 : 1;
    presets.currentPresetPath = presets.presetList[static_cast<size_t> (1 - foreign)];
    ASSERT_TRUE (presets.loadPresetInternal (presets.currentPresetPath));

    presets.nextPreset();
    EXPECT_EQ (presets.currentPresetPath, folder / "Foreign.zlm2");
    EXPECT_EQ (presets.labelText, "Good");
    EXPECT_EQ (gain(), 5.0f);
    ASSERT_EQ (errors.size(), 1u);
    EXPECT_EQ (errors[0].message, "This is not a Dravlen2Lite preset!");
}

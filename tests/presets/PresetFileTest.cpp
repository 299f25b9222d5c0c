#include "PresetTestSupport.h"

using namespace PresetTesting;

namespace
{
const std::string defaultFile = "Dravlen2Lite\n8\n"
                                "powerId\n1\ntransientsId\n0.5\ntransientsPowerId\n1\nmultibandId\n0.5\n"
                                "multibandPowerId\n1\nparallelId\n0.5\nparallelPowerId\n1\ngainId\n0.5\n";

const std::string byteOrderMark = "\xEF\xBB\xBF";

// Every parameter away from its default and from the setting of setAwayFromDefaults.
const std::vector<std::pair<std::string, std::string>> fullEntries{
    { "powerId", "1" },          { "transientsId", "0.25" }, { "transientsPowerId", "1" }, { "multibandId", "1" },
    { "multibandPowerId", "1" }, { "parallelId", "0" },      { "parallelPowerId", "1" },   { "gainId", "0.75" },
};

const Values fullValues{
    { "powerId", 1.0f },          { "transientsId", 25.0f }, { "transientsPowerId", 1.0f }, { "multibandId", 100.0f },
    { "multibandPowerId", 1.0f }, { "parallelId", 0.0f },    { "parallelPowerId", 1.0f },   { "gainId", 24.0f },
};

class PresetFile : public PresetFixture
{
protected:
    // Writes the text as a preset file and loads it, from a setting far from the defaults.
    bool load (const std::string& text, const std::string& name = "Loaded.zlm2")
    {
        setAwayFromDefaults();
        return presets.loadPresetInternal (folder.write (name, text));
    }

    // Loads nothing and shows nothing: values, label and errors as they were.
    void expectNothingChanged (const std::function<void()>& action)
    {
        setAwayFromDefaults();
        const auto before = values();
        action();
        EXPECT_EQ (values(), before);
        EXPECT_EQ (presets.labelText, "Default");
    }
};
} // namespace

TEST_F (PresetFile, DefaultSettingsAreWrittenByteForByte)
{
    EXPECT_EQ (presets.renderPreset(), defaultFile);

    const auto path = folder / "Default.zlm2";
    ASSERT_TRUE (presets.savePreset (path));
    EXPECT_EQ (readFile (path), defaultFile);
}

TEST_F (PresetFile, WrittenFileRestoresEverySettingSnapped)
{
    // Amounts between the steps and gains between tenths: the file holds what the parameters stored.
    const Values settings[] = {
        { { "powerId", 0.0f },
          { "transientsId", 0.0f },
          { "transientsPowerId", 1.0f },
          { "multibandId", 60.0f },
          { "multibandPowerId", 0.0f },
          { "parallelId", 100.0f },
          { "parallelPowerId", 1.0f },
          { "gainId", -47.96f } },
        { { "powerId", 1.0f },
          { "transientsId", 62.5f },
          { "transientsPowerId", 0.0f },
          { "multibandId", 25.0f },
          { "multibandPowerId", 1.0f },
          { "parallelId", 74.0f },
          { "parallelPowerId", 0.0f },
          { "gainId", 47.94f } },
        { { "gainId", -3.14f } },
        { { "gainId", 0.1f } },
    };

    for (const auto& setting : settings)
    {
        set (setting);
        const auto saved = values();
        const auto path = folder / "RoundTrip.zlm2";
        ASSERT_TRUE (presets.savePreset (path));

        TemplateEffectAudioProcessor other;
        PresetManager reader (other.getParameterManager(), folder.path());
        ASSERT_TRUE (reader.loadPresetInternal (path));

        for (const auto& id : allIds())
        {
            SCOPED_TRACE (id);
            EXPECT_EQ (other.getParameterManager().getRawValue (id), saved.at (id));
        }
    }
}

TEST_F (PresetFile, EveryGainStepSurvivesTheSixDigitFormat)
{
    TemplateEffectAudioProcessor other;
    PresetManager reader (other.getParameterManager(), folder.path());
    const auto path = folder / "Gain.zlm2";

    for (int step = -480; step <= 480; ++step)
    {
        parameters().setRawValue ("gainId", static_cast<float> (step) / 10.0f);
        ASSERT_TRUE (presets.savePreset (path));
        ASSERT_TRUE (reader.loadPresetInternal (path));
        ASSERT_EQ (other.getParameterManager().getRawValue ("gainId"), parameters().getRawValue ("gainId"))
            << "gain step " << step << " written as " << readFile (path);
    }
}

TEST_F (PresetFile, LoadAppliesEveryEntryAndShowsTheFileName)
{
    EXPECT_TRUE (load (presetText (fullEntries), "Big Drums.zlm2"));
    EXPECT_EQ (values(), fullValues);
    EXPECT_EQ (presets.labelText, "Big Drums");
    EXPECT_TRUE (errors.empty());
}

TEST_F (PresetFile, EntriesInAnotherOrderLoadTheSame)
{
    auto reversed = fullEntries;
    std::reverse (reversed.begin(), reversed.end());
    EXPECT_TRUE (load (presetText (reversed)));
    EXPECT_EQ (values(), fullValues);
}

TEST_F (PresetFile, WindowsLineEndsAreAccepted)
{
    auto text = presetText (fullEntries);

    for (auto position = text.find ('\n'); position != std::string::npos; position = text.find ('\n', position + 2))
        text.insert (position, "\r");

    EXPECT_TRUE (load (text));
    EXPECT_EQ (values(), fullValues);
    EXPECT_TRUE (errors.empty());
}

TEST_F (PresetFile, ForeignFileShowsTheErrorAndChangesNothing)
{
    const std::string foreignFirstLines[] = {
        presetText (fullEntries, "8", "dravlen2lite"),
        presetText (fullEntries, "8", "Dravlen2Lite "),
        presetText (fullEntries, "8", "Dravlen2"),
        presetText (fullEntries, "8", byteOrderMark + "Dravlen2Lite"),
        presetText (fullEntries, "8", "Dravlen2Lite\r\r"), // one carriage return too many
        presetText (fullEntries, "8", "Dravlen 2 Lite"),
        "",
        "<?xml version=\"1.0\"?>\n<preset/>\n",
    };

    for (const auto& text : foreignFirstLines)
    {
        SCOPED_TRACE (text.substr (0, text.find ('\n')));
        errors.clear();
        expectNothingChanged ([&] { EXPECT_FALSE (presets.loadPresetInternal (folder.write ("Foreign.zlm2", text))); });

        ASSERT_EQ (errors.size(), 1u);
        EXPECT_EQ (errors[0].title, "Error");
        EXPECT_EQ (errors[0].message, "This is not a Dravlen2Lite preset!");
    }
}

TEST_F (PresetFile, UnopenablePathChangesNothingSilently)
{
    for (const auto& path : { folder / "Missing.zlm2", std::string(), folder.makeFolder ("Folder.zlm2"),
                              folder / "NoSuchFolder/Preset.zlm2" })
    {
        SCOPED_TRACE (path);
        expectNothingChanged ([&] { EXPECT_FALSE (presets.loadPresetInternal (path)); });
        EXPECT_TRUE (errors.empty());
    }
}

TEST_F (PresetFile, MissingOrZeroCountResetsEverythingToDefaults)
{
    for (const auto& text :
         { presetText (fullEntries, "0"), std::string ("Dravlen2Lite\n"), std::string ("Dravlen2Lite"),
           presetText (fullEntries, "-3"), presetText (fullEntries, "none") })
    {
        SCOPED_TRACE (text.substr (0, 20));
        EXPECT_TRUE (load (text));
        EXPECT_EQ (values(), defaults());
    }
}

TEST_F (PresetFile, ShortCountSetsItsEntriesAndResetsTheRest)
{
    EXPECT_TRUE (
        load (presetText ({ { "powerId", "0" }, { "transientsId", "1" }, { "transientsPowerId", "0" } }, "3")));

    auto expected = defaults();
    expected["powerId"] = 0.0f;
    expected["transientsId"] = 100.0f;
    expected["transientsPowerId"] = 0.0f;
    EXPECT_EQ (values(), expected);
}

TEST_F (PresetFile, LongCountReadsOnlyAsManyEntriesAsThereAreParameters)
{
    auto entries = fullEntries;
    entries.push_back ({ "gainId", "0" });
    entries.push_back ({ "transientsId", "0" });

    EXPECT_TRUE (load (presetText (entries, "10")));
    EXPECT_EQ (values(), fullValues);
}

TEST_F (PresetFile, LaterEntryOfTheSameIdWins)
{
    auto entries = fullEntries;
    entries[0] = { "gainId", "0" };

    EXPECT_TRUE (load (presetText (entries)));
    EXPECT_EQ (values()["gainId"], 24.0f);
    EXPECT_EQ (values()["powerId"], 0.0f) << "the power entry was replaced, so power stays where it was";
}

TEST_F (PresetFile, UnreadableValuesGoToTheBottomAndLargeOnesToTheTop)
{
    const struct
    {
        const char* value;
        float transients;
        float gain;
    } cases[] = {
        { "abc", 0.0f, -48.0f }, { "2", 100.0f, 48.0f },   { "", 0.0f, -48.0f },       { "-1", 0.0f, -48.0f },
        { "nan", 0.0f, -48.0f }, { "inf", 100.0f, 48.0f }, { "1e999", 100.0f, 48.0f }, { "0.5 dB", 50.0f, 0.0f },
    };

    for (const auto& item : cases)
    {
        SCOPED_TRACE (item.value);
        EXPECT_TRUE (load (presetText ({ { "transientsId", item.value }, { "gainId", item.value } }, "8")));
        EXPECT_EQ (values()["transientsId"], item.transients);
        EXPECT_EQ (values()["gainId"], item.gain);
    }
}

TEST_F (PresetFile, UnknownIdsAreSkipped)
{
    auto entries = fullEntries;
    entries[2] = { "bogusId", "0" };
    entries[4] = { "\xff\xfe", "0" };
    entries[6] = { "GAINID", "0" };

    EXPECT_TRUE (load (presetText (entries)));

    auto expected = fullValues;
    expected["transientsPowerId"] = 0.0f; // untouched, as set before the load
    expected["multibandPowerId"] = 0.0f;
    expected["parallelPowerId"] = 0.0f;
    EXPECT_EQ (values(), expected);
}

TEST_F (PresetFile, TruncatedFileAppliesWhatItHas)
{
    const auto full = presetText (fullEntries);
    const auto afterPowerEntry = std::string ("Dravlen2Lite\n8\npowerId\n1\n");

    setAwayFromDefaults();
    auto expected = values();
    expected["powerId"] = 1.0f;
    EXPECT_TRUE (load (afterPowerEntry));
    EXPECT_EQ (values(), expected);

    // An id whose value line is missing reads an empty value: the bottom of the range.
    EXPECT_TRUE (load (afterPowerEntry + "transientsId\n"));
    EXPECT_EQ (values()["transientsId"], 0.0f);

    // The last line may lack its line feed.
    EXPECT_TRUE (load (full.substr (0, full.size() - 1)));
    EXPECT_EQ (values(), fullValues);
}

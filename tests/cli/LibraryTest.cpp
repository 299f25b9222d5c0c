// The renderer's parts called directly, for what the tool's output shows only indirectly.
#include "cli/BufferReader.h"
#include "cli/DemoSignal.h"
#include "cli/ParameterSettings.h"
#include "cli/ProgressBar.h"
#include "core/ParameterTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
struct TypedValue
{
    std::string assignment;
    bool accepted;
    float value;
};
} // namespace

TEST (ParameterSettingsParse, ReadsWholeNumbersAndSwitchWordsOnly)
{
    const auto table = createParameterTable();
    const std::string gain = ParameterIds::gain;
    const std::string power = ParameterIds::power;
    const auto& powerData = *ParameterSettings::find (table, power);
    const auto on = powerData.valueToText (powerData.range.end).toStdString();
    const auto off = powerData.valueToText (powerData.range.start).toStdString();

    const TypedValue cases[] = {
        { gain + "=-3.5", true, -3.5f },
        { gain + "=+2", true, 2.0f },
        { gain + "=1e1", true, 10.0f },
        { gain + "=.5", true, 0.5f },
        { power + "=" + on, true, powerData.range.end },
        { power + "=" + off, true, powerData.range.start },
        { power + "=1", true, 1.0f },
        { gain + "=", false, 0.0f },
        { gain + "= 3", false, 0.0f },
        { gain + "=3 ", false, 0.0f },
        { gain + "=3,5", false, 0.0f },
        { gain + "=0x10", false, 0.0f },
        { gain + "=nan", false, 0.0f },
        { gain + "=inf", false, 0.0f },
        { gain + "=1e300", false, 0.0f },
        { power + "=ON", false, 0.0f },
        { power + "=2", false, 0.0f },
        { "=3", false, 0.0f },
        { gain.substr (0, gain.size() - 1) + "=3", false, 0.0f },
    };

    for (const auto& typed : cases)
    {
        SCOPED_TRACE (typed.assignment);
        const auto setting = ParameterSettings::parse (typed.assignment, table);
        ASSERT_EQ (setting.succeeded(), typed.accepted) << setting.getError();
        if (typed.accepted)
            EXPECT_EQ (setting->value, typed.value);
        else
            EXPECT_TRUE (setting.getError().isNotEmpty());
    }
}

TEST (ParameterSettingsParse, StoredValueSnapsToTheStep)
{
    const auto table = createParameterTable();
    for (const auto& data : table)
    {
        SCOPED_TRACE (data.id);
        const auto step = data.range.interval;
        EXPECT_FLOAT_EQ (ParameterSettings::storedValue (data, data.range.start + step * 0.4f), data.range.start);
        EXPECT_FLOAT_EQ (ParameterSettings::storedValue (data, data.range.start + step * 0.6f),
                         data.range.start + step);
        EXPECT_FLOAT_EQ (ParameterSettings::storedValue (data, data.range.end - step * 0.3f), data.range.end);
        EXPECT_FLOAT_EQ (ParameterSettings::storedValue (data, data.range.end), data.range.end);
    }
}

TEST (ProgressBarLine, FillsInProportionAndClamps)
{
    struct Case
    {
        double fraction;
        int filled;
        const char* percent;
    };
    for (const auto& c : { Case{ 0.0, 0, "  0%" }, Case{ 0.5, 20, " 50%" }, Case{ 0.999, 39, " 99%" },
                           Case{ 1.0, 40, "100%" }, Case{ 1.5, 40, "100%" }, Case{ -1.0, 0, "  0%" } })
    {
        SCOPED_TRACE (c.fraction);
        const auto line = ProgressBar::line (c.fraction);
        EXPECT_EQ (line.length(), 47);
        EXPECT_EQ (line.retainCharacters ("#").length(), c.filled);
        EXPECT_TRUE (line.endsWith (c.percent)) << line;
    }
}

TEST (DemoSignalShape, StereoSecondsOfMusicWithLoudAndQuietParts)
{
    const auto signal = DemoSignal::generate();
    ASSERT_EQ (signal.getNumChannels(), 2);
    EXPECT_EQ (signal.getNumSamples(), static_cast<int> (DemoSignal::sampleRate * DemoSignal::lengthSeconds));
    EXPECT_GE (DemoSignal::lengthSeconds, 8.0);
    EXPECT_LE (DemoSignal::lengthSeconds, 10.0);

    const auto peak = signal.getMagnitude (0, signal.getNumSamples());
    EXPECT_GT (peak, 0.25f); // some headroom, but far from silence
    EXPECT_LT (peak, 1.0f);

    // Not one channel copied into both.
    auto difference = signal;
    difference.addFrom (0, 0, signal, 1, 0, signal.getNumSamples(), -1.0f);
    EXPECT_GT (difference.getRMSLevel (0, 0, signal.getNumSamples()), 0.01f);

    // Real dynamics: the loudest and the quietest tenth of a second (before the ending fades) lie
    // far apart.
    const auto window = static_cast<int> (DemoSignal::sampleRate / 10);
    float loudest = 0.0f, quietest = 1.0f;
    for (int start = 0; start + window < static_cast<int> (8.0 * DemoSignal::sampleRate); start += window)
    {
        const auto level = signal.getRMSLevel (0, start, window);
        loudest = std::max (loudest, level);
        quietest = std::min (quietest, level);
    }
    EXPECT_GT (20.0f * std::log10 (loudest / quietest), 12.0f);
}

TEST (DemoSignalShape, IsTheSameEveryTime)
{
    const auto first = DemoSignal::generate();
    const auto second = DemoSignal::generate();
    for (int channel = 0; channel < first.getNumChannels(); ++channel)
        EXPECT_EQ (std::memcmp (first.getReadPointer (channel), second.getReadPointer (channel),
                                sizeof (float) * (size_t)first.getNumSamples()),
                   0);
}

TEST (BufferReaderRead, ServesTheSamplesAndSilenceBeyondThem)
{
    juce::AudioBuffer<float> samples (2, 10);
    for (int channel = 0; channel < 2; ++channel)
        for (int i = 0; i < 10; ++i)
            samples.setSample (channel, i, static_cast<float> (channel * 100 + i + 1));

    BufferReader reader (samples, 48000.0);
    EXPECT_EQ (reader.lengthInSamples, 10);
    EXPECT_EQ (reader.numChannels, 2u);

    juce::AudioBuffer<float> read (2, 6);
    ASSERT_TRUE (reader.read (read.getArrayOfWritePointers(), 2, 7, 6));
    for (int channel = 0; channel < 2; ++channel)
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ (read.getSample (channel, i), i < 3 ? samples.getSample (channel, 7 + i) : 0.0f)
                << channel << " " << i;
}

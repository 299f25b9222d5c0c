#include "core/PluginProcessor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

// Renders a fixed signal through the processor and compares it with a stored fixture, so that any
// change in the chain's numbers fails. Set DRAVLEN_REGENERATE_GOLDEN=1 to rewrite the fixtures on
// purpose after a deliberate change, then review the diff.

namespace
{
constexpr double sampleRate = 44100.0;
constexpr int blockSize = 441;
constexpr int lengthInSamples = 3 * 44100;
constexpr int windowLength = 4410; // 100 ms
constexpr int exactSampleStride = 661;

// A small deterministic generator, so the fixture doesn't depend on a library's distributions.
class NoiseSource
{
public:
    float next() noexcept
    {
        state = state * 1664525u + 1013904223u;
        return static_cast<float> (state >> 8) / static_cast<float> (1u << 24) * 2.0f - 1.0f;
    }

private:
    juce::uint32 state = 12345u;
};

// Noise bursts with an envelope, a decaying 55 Hz sine every half second and a 1 kHz tone with
// tremolo: transients, low end and sustain for every section to work on.
juce::AudioBuffer<float> testSignal()
{
    juce::AudioBuffer<float> signal (2, lengthInSamples);
    NoiseSource noise;
    const auto twoPi = juce::MathConstants<double>::twoPi;

    for (int i = 0; i < lengthInSamples; ++i)
    {
        const auto t = i / sampleRate;
        const auto sinceBurst = std::fmod (t + 0.25, 0.5);
        const auto sinceKick = std::fmod (t, 0.5);
        const auto burst = 0.6 * std::exp (-sinceBurst * 30.0) * noise.next();
        const auto kick = 0.8 * std::exp (-sinceKick * 8.0) * std::sin (twoPi * 55.0 * sinceKick);
        const auto tone = 0.2 * (0.6 + 0.4 * std::sin (twoPi * 3.0 * t)) * std::sin (twoPi * 1000.0 * t);

        signal.setSample (0, i, static_cast<float> (kick + burst + tone));
        signal.setSample (1, i, static_cast<float> (kick + 0.5 * burst - tone));
    }

    return signal;
}

struct Setting
{
    const char* name;
    std::vector<std::pair<const char*, float>> values;
};

juce::AudioBuffer<float> render (const Setting& setting)
{
    TemplateEffectAudioProcessor processor;
    for (const auto& [id, value] : setting.values)
        processor.getParameterManager().setRawValue (id, value);

    processor.prepareToPlay (sampleRate, blockSize);
    auto audio = testSignal();
    juce::MidiBuffer midi;

    for (int start = 0; start < lengthInSamples; start += blockSize)
    {
        juce::AudioBuffer<float> block (audio.getArrayOfWritePointers(), 2, start, blockSize);
        processor.processBlock (block, midi);
    }

    return audio;
}

// The fixture: per-100-ms peak and RMS of each channel, then a stride of exact samples.
std::vector<double> fingerprint (const juce::AudioBuffer<float>& audio)
{
    std::vector<double> values;
    for (int ch = 0; ch < 2; ++ch)
        for (int start = 0; start < lengthInSamples; start += windowLength)
        {
            values.push_back (audio.getMagnitude (ch, start, windowLength));
            values.push_back (audio.getRMSLevel (ch, start, windowLength));
        }

    for (int ch = 0; ch < 2; ++ch)
        for (int i = 0; i < lengthInSamples; i += exactSampleStride)
            values.push_back (audio.getSample (ch, i));

    return values;
}

juce::File fixtureFor (const Setting& setting)
{
    return juce::File (DRAVLEN_GOLDEN_DIR).getChildFile (juce::String (setting.name) + ".txt");
}

class GoldenRender : public ::testing::TestWithParam<Setting>
{
};
} // namespace

TEST_P (GoldenRender, MatchesTheStoredFixture)
{
    const auto& setting = GetParam();
    const auto actual = fingerprint (render (setting));
    const auto fixture = fixtureFor (setting);

    if (juce::SystemStats::getEnvironmentVariable ("DRAVLEN_REGENERATE_GOLDEN", {}) == "1")
    {
        std::ofstream out (fixture.getFullPathName().toStdString());
        out.precision (17);
        for (const auto value : actual)
            out << value << '\n';
        GTEST_SKIP() << "rewrote " << fixture.getFullPathName();
    }

    std::ifstream in (fixture.getFullPathName().toStdString());
    ASSERT_TRUE (in.good()) << "missing fixture " << fixture.getFullPathName();

    std::vector<double> expected;
    for (double value; in >> value;)
        expected.push_back (value);

    ASSERT_EQ (expected.size(), actual.size());
    for (size_t i = 0; i < actual.size(); ++i)
        ASSERT_EQ (actual[i], expected[i]) << "value " << i << " of " << setting.name;
}

INSTANTIATE_TEST_SUITE_P (
    Settings,
    GoldenRender,
    ::testing::Values (Setting { "defaults", {} },
                       Setting { "everything_moved",
                                 { { "powerId", 1.0f },
                                   { "transientsId", 100.0f },
                                   { "transientsPowerId", 1.0f },
                                   { "multibandId", 25.0f },
                                   { "multibandPowerId", 1.0f },
                                   { "parallelId", 75.0f },
                                   { "parallelPowerId", 1.0f },
                                   { "gainId", -4.5f } } },
                       Setting { "sections_off",
                                 { { "transientsPowerId", 0.0f },
                                   { "multibandId", 100.0f },
                                   { "parallelPowerId", 0.0f },
                                   { "gainId", 6.0f } } }),
    [] (const auto& info) { return std::string (info.param.name); });

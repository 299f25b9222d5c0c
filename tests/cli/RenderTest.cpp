#include "CliTestSupport.h"
#include "ToolProcess.h"

#include "core/ParameterTable.h"

#include <gtest/gtest.h>

#include <map>

using namespace CliTesting;

namespace
{
void expectSameSamples (const juce::AudioBuffer<float>& actual, const juce::AudioBuffer<float>& expected)
{
    ASSERT_EQ (actual.getNumChannels(), expected.getNumChannels());
    ASSERT_EQ (actual.getNumSamples(), expected.getNumSamples());

    for (int channel = 0; channel < expected.getNumChannels(); ++channel)
        for (int i = 0; i < expected.getNumSamples(); ++i)
            ASSERT_EQ (actual.getSample (channel, i), expected.getSample (channel, i))
                << "channel " << channel << " sample " << i;
}

std::vector<std::string> joined (std::vector<std::string> first, const std::vector<std::string>& second)
{
    first.insert (first.end(), second.begin(), second.end());
    return first;
}

const std::vector<Setting> defaults{};
const std::vector<Setting> pushed{ { ParameterIds::transients, "75", 75.0f },
                                   { ParameterIds::gain, "-3.5", -3.5f },
                                   { ParameterIds::multibandPower, "off", 0.0f } };
const std::vector<Setting> bypassed{ { ParameterIds::power, "off", 0.0f }, { ParameterIds::gain, "6", 6.0f } };
const std::vector<Setting> extremes{ { ParameterIds::parallel, "100", 100.0f },
                                     { ParameterIds::transients, "0", 0.0f },
                                     { ParameterIds::gain, "-48", -48.0f } };
} // namespace

// A render through the tool is the processor's own output, sample for sample, whatever the
// channels, rate, block size and settings.
struct MatchCase
{
    std::string name;
    int numChannels;
    double sampleRate;
    int blockSize;
    std::vector<Setting> settings;
};

class RenderMatchesProcessor : public ::testing::TestWithParam<MatchCase>
{
protected:
    TemporaryFolder folder;
};

TEST_P (RenderMatchesProcessor, SampleForSample)
{
    const auto& match = GetParam();
    const auto input = testSignal (match.numChannels, match.sampleRate, 1.3);
    writeAudio (folder / "in.wav", input, match.sampleRate, 32);

    const auto result = ToolProcess::run (joined ({ "--float", "--quiet", "--block", std::to_string (match.blockSize),
                                                    folder.path ("in.wav"), folder.path ("out.wav") },
                                                  setArguments (match.settings)));
    ASSERT_EQ (result.exitCode, 0) << result.err;
    EXPECT_EQ (result.out + result.err, "");

    const auto output = readAudio (folder / "out.wav");
    EXPECT_TRUE (output.isFloat);
    EXPECT_EQ (output.sampleRate, match.sampleRate);
    expectSameSamples (output.samples, renderDirectly (input, match.sampleRate, match.blockSize, match.settings));
}

INSTANTIATE_TEST_SUITE_P (Cases, RenderMatchesProcessor,
                          ::testing::Values (MatchCase{ "StereoDefaults", 2, 44100.0, 512, defaults },
                                             MatchCase{ "StereoSettingsOddBlock", 2, 48000.0, 300, pushed },
                                             MatchCase{ "MonoSettings", 1, 44100.0, 64, pushed },
                                             MatchCase{ "BypassedWithGain", 2, 96000.0, 4095, bypassed },
                                             MatchCase{ "ExtremesTinyBlocks", 2, 22050.0, 7, extremes }),
                          [] (const ::testing::TestParamInfo<MatchCase>& tested) { return tested.param.name; });

// The output keeps the input's channels, rate and bit depth unless --float asks for float, and
// its format follows its suffix.
struct FormatCase
{
    std::string name;
    std::string inputName;
    int inputBits;
    std::string outputName;
    bool floatOutput;
    int outputBits;
    bool outputIsFloat;
    std::string formatName;
};

class RenderFormats : public ::testing::TestWithParam<FormatCase>
{
protected:
    TemporaryFolder folder;
};

TEST_P (RenderFormats, KeepBitDepthOrGoFloat)
{
    const auto& format = GetParam();
    const auto sampleRate = 48000.0;
    writeAudio (folder / format.inputName, testSignal (2, sampleRate, 0.5), sampleRate, format.inputBits);
    const auto input = readAudio (folder / format.inputName);

    std::vector<std::string> arguments{ "--quiet", folder.path (format.inputName), folder.path (format.outputName) };
    if (format.floatOutput)
        arguments.push_back ("--float");

    const auto result = ToolProcess::run (arguments);
    ASSERT_EQ (result.exitCode, 0) << result.err;

    const auto output = readAudio (folder / format.outputName);
    EXPECT_EQ (output.formatName.toStdString(), format.formatName);
    EXPECT_EQ (output.bitsPerSample, format.outputBits);
    EXPECT_EQ (output.isFloat, format.outputIsFloat);
    EXPECT_EQ (output.sampleRate, sampleRate);
    ASSERT_EQ (output.samples.getNumChannels(), 2);
    ASSERT_EQ (output.samples.getNumSamples(), input.samples.getNumSamples());

    // The samples are the render's, rounded to the output's depth.
    const auto expected = renderDirectly (input.samples, sampleRate, 512, {});
    const auto step = format.outputIsFloat ? 0.0f : 1.0f / static_cast<float> (1 << (format.outputBits - 1));
    for (int channel = 0; channel < 2; ++channel)
        for (int i = 0; i < expected.getNumSamples(); ++i)
        {
            // An integer file holds nothing beyond full scale.
            const auto held = format.outputIsFloat ? expected.getSample (channel, i)
                                                   : juce::jlimit (-1.0f, 1.0f, expected.getSample (channel, i));
            ASSERT_NEAR (output.samples.getSample (channel, i), held, step) << "sample " << i;
        }
}

INSTANTIATE_TEST_SUITE_P (
    Cases, RenderFormats,
    ::testing::Values (FormatCase{ "Wav24ToWav24", "in.wav", 24, "out.wav", false, 24, false, "WAV file" },
                       FormatCase{ "Wav24ToFloat", "in.wav", 24, "out.wav", true, 32, true, "WAV file" },
                       FormatCase{ "Wav16ToFlac16", "in.wav", 16, "out.flac", false, 16, false, "FLAC file" },
                       FormatCase{ "Flac24ToAiff24", "in.flac", 24, "out.aiff", false, 24, false, "AIFF file" },
                       FormatCase{ "Aiff16ToWav16", "in.aif", 16, "out.wav", false, 16, false, "WAV file" }),
    [] (const ::testing::TestParamInfo<FormatCase>& tested) { return tested.param.name; });

// --preset sets everything first, then every --set overrides it, in whichever order they are given.
class PresetAndSettings : public ::testing::TestWithParam<bool>
{
protected:
    TemporaryFolder folder;
};

TEST_P (PresetAndSettings, SettingsWinOverThePreset)
{
    const auto presetFirst = GetParam();
    const auto sampleRate = 44100.0;
    const auto input = testSignal (2, sampleRate, 0.8);
    writeAudio (folder / "in.wav", input, sampleRate, 32);

    // Every parameter away from its default; the gain, at the bottom of its range, is then overridden.
    const std::map<std::string, float> normalised{
        { ParameterIds::power, 1.0f },           { ParameterIds::transients, 1.0f },
        { ParameterIds::transientsPower, 1.0f }, { ParameterIds::multiband, 0.25f },
        { ParameterIds::multibandPower, 1.0f },  { ParameterIds::parallel, 0.75f },
        { ParameterIds::parallelPower, 0.0f },   { ParameterIds::gain, 0.0f }
    };
    std::vector<std::pair<std::string, float>> entries;
    std::vector<Setting> expected;
    for (const auto& data : createParameterTable())
    {
        const auto value = normalised.at (data.id.toStdString());
        entries.emplace_back (data.id.toStdString(), value);
        expected.push_back ({ data.id, "", data.range.convertFrom0to1 (value) });
    }
    expected.push_back ({ ParameterIds::gain, "", -6.0f });

    folder.get().getChildFile ("p.zlm2").replaceWithText (presetText (entries));
    const std::vector<std::string> preset{ "--preset", folder.path ("p.zlm2") };
    const auto settings = setArguments ({ { ParameterIds::gain, "-6", -6.0f } });
    const auto options = presetFirst ? joined (preset, settings) : joined (settings, preset);

    const auto result =
        ToolProcess::run (joined (options, { "--float", folder.path ("in.wav"), folder.path ("out.wav") }));
    ASSERT_EQ (result.exitCode, 0) << result.err;
    expectSameSamples (readAudio (folder / "out.wav").samples, renderDirectly (input, sampleRate, 512, expected));

    // The summary lists what was used.
    EXPECT_NE (result.out.find (std::string (ParameterIds::gain) + "=-6"), std::string::npos) << result.out;
    EXPECT_NE (result.out.find (std::string (ParameterIds::parallelPower) + "=off"), std::string::npos) << result.out;
}

INSTANTIATE_TEST_SUITE_P (Orders, PresetAndSettings, ::testing::Bool(),
                          [] (const ::testing::TestParamInfo<bool>& tested)
                          { return tested.param ? "PresetGivenFirst" : "PresetGivenLast"; });

TEST (RenderReplacing, AnExistingOutputIsReplacedOnlyByTheFinishedRender)
{
    TemporaryFolder folder;
    const auto input = testSignal (1, 44100.0, 0.4);
    writeAudio (folder / "in.wav", input, 44100.0, 32);
    writeAudio (folder / "out.wav", testSignal (2, 44100.0, 0.1), 44100.0, 16);

    const auto result = ToolProcess::run ({ "--quiet", "--float", folder.path ("in.wav"), folder.path ("out.wav") });
    ASSERT_EQ (result.exitCode, 0) << result.err;

    expectSameSamples (readAudio (folder / "out.wav").samples, renderDirectly (input, 44100.0, 512, {}));
    EXPECT_EQ (namesIn (folder.get()), (std::vector<std::string>{ "in.wav", "out.wav" }));
}

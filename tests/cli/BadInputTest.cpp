#include "CliTestSupport.h"
#include "ToolProcess.h"

#include "core/ParameterTable.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace CliTesting;

namespace
{
// One wrong invocation: "{in}" and "{out}" in the arguments stand for the input and output folders.
struct BadInputCase
{
    std::string name;
    std::vector<std::string> arguments;
    int exitCode;
    std::string message; // a part of the one error line
};

constexpr int fileProblem = 1;
constexpr int badArguments = 2;

std::string shortNumber (float value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

std::string validIds()
{
    std::string ids;
    for (const auto& data : createParameterTable())
        ids += (ids.empty() ? "" : ", ") + data.id.toStdString();
    return ids;
}

std::string rangeOf (const char* id)
{
    const auto& data = parameterData (id);
    return std::string (id) + " takes " + shortNumber (data.range.start) + " to " + shortNumber (data.range.end) + " "
           + data.label.toStdString();
}

std::vector<BadInputCase> badInputCases()
{
    const std::string gain = ParameterIds::gain;
    const std::string power = ParameterIds::power;
    const auto tooHigh = shortNumber (parameterData (ParameterIds::gain).range.end + 1.0f);
    const auto good = "{in}/good.wav";

    return {
        // Arguments
        { "NoArguments", {}, badArguments, "missing INPUT and OUTPUT" },
        { "NoOutput", { good }, badArguments, "missing OUTPUT" },
        { "ThirdFile", { good, "{out}/a.wav", "{out}/b.wav" }, badArguments, "unexpected argument \"{out}/b.wav\"" },
        { "UnknownOption", { "--louder", good, "{out}/r.wav" }, badArguments, "unknown option \"--louder\"" },
        { "OptionWithoutValue", { good, "{out}/r.wav", "--block" }, badArguments, "--block needs a value" },
        { "BlockOfZero", { "--block", "0", good, "{out}/r.wav" }, badArguments, "--block 0 is not a block size" },
        { "BlockNotANumber",
          { "--block", "big", good, "{out}/r.wav" },
          badArguments,
          "--block big is not a block size" },
        { "BlockTooLarge", { "--block", "100000", good, "{out}/r.wav" }, badArguments, "from 1 to 16384" },
        { "PresetTwice",
          { "--preset", "a", "--preset", "b", good, "{out}/r.wav" },
          badArguments,
          "--preset given more than once" },
        { "DemoWithInput", { "--demo", good, "{out}/r.wav" }, badArguments, "--demo renders the built-in signal" },
        { "WriteInputWithoutDemo",
          { "--write-input", "{out}/d.wav", good, "{out}/r.wav" },
          badArguments,
          "needs --demo" },

        // Settings
        { "UnknownId",
          { "--set", "loudnessId=3", good, "{out}/r.wav" },
          badArguments,
          "unknown parameter id \"loudnessId\"; valid ids: " + validIds() },
        { "SettingWithoutValue",
          { "--set", gain, good, "{out}/r.wav" },
          badArguments,
          "--set expects ID=VALUE, got \"" + gain + "\"" },
        { "ValueNotANumber",
          { "--set", gain + "=loud", good, "{out}/r.wav" },
          badArguments,
          gain + "=loud is not a number; " + rangeOf (ParameterIds::gain) },
        { "ValueWithUnit",
          { "--set", gain + "=3dB", good, "{out}/r.wav" },
          badArguments,
          gain + "=3dB is not a number" },
        { "ValueOutOfRange",
          { "--set", gain + "=" + tooHigh, good, "{out}/r.wav" },
          badArguments,
          gain + "=" + tooHigh + " is out of range; " + rangeOf (ParameterIds::gain) },
        { "SwitchWord",
          { "--set", power + "=yes", good, "{out}/r.wav" },
          badArguments,
          power + "=yes is not a switch position; " + power + " takes off or on" },

        // Input
        { "MissingInput",
          { "{in}/nothing.wav", "{out}/r.wav" },
          fileProblem,
          "cannot read INPUT \"{in}/nothing.wav\": no such file" },
        { "InputIsAFolder",
          { "{in}/folder", "{out}/r.wav" },
          fileProblem,
          "cannot read INPUT \"{in}/folder\": it is a folder" },
        { "InputIsNotAudio", { "{in}/garbage.wav", "{out}/r.wav" }, fileProblem, "is not a WAV, AIFF or FLAC file" },
        { "InputHasThreeChannels",
          { "{in}/three.wav", "{out}/r.wav" },
          fileProblem,
          "has 3 channels; only mono and stereo" },

        // Presets
        { "ForeignPreset",
          { "--preset", "{in}/foreign.zlm2", good, "{out}/r.wav" },
          fileProblem,
          "preset \"{in}/foreign.zlm2\" is not a " + std::string (PresetLocation::productName) + " preset" },
        { "MissingPreset",
          { "--preset", "{in}/nothing.zlm2", good, "{out}/r.wav" },
          fileProblem,
          "cannot read preset" },
        { "PresetIsAFolder", { "--preset", "{in}/folder", good, "{out}/r.wav" }, fileProblem, "it is a folder" },
        { "ForeignPresetOverExistingOutput",
          { "--preset", "{in}/foreign.zlm2", good, "{out}/existing.wav" },
          fileProblem,
          "is not a " + std::string (PresetLocation::productName) + " preset" },

        // Output
        { "UnknownOutputFormat",
          { good, "{out}/r.mp3" },
          fileProblem,
          "cannot tell the format of OUTPUT \"{out}/r.mp3\"" },
        { "MissingOutputFolder",
          { good, "{out}/nowhere/r.wav" },
          fileProblem,
          "its folder \"{out}/nowhere\" does not exist" },
        { "OutputFolderIsAFile", { good, "{in}/good.wav/r.wav" }, fileProblem, "\"{in}/good.wav\" is not a folder" },
        { "OutputIsAFolder", { good, "{out}" }, fileProblem, "cannot write OUTPUT \"{out}\": it is a folder" },
        { "OutputIsInput", { good, good }, fileProblem, "OUTPUT \"{in}/good.wav\" is the same file as INPUT" },
        { "OutputIsInputByAnotherPath", { good, "{in}/folder/../good.wav" }, fileProblem, "is the same file as INPUT" },
        { "OutputLinksToInput", { good, "{out}/link.wav" }, fileProblem, "is the same file as INPUT" },
        { "FloatIntoFlac",
          { "--float", good, "{out}/r.flac" },
          fileProblem,
          "--float asks for 32-bit float samples, which FLAC cannot hold (it holds 16 or 24-bit)" },
        { "FloatIntoAiff", { "--float", good, "{out}/r.aiff" }, fileProblem, "which AIFF cannot hold" },
        { "FlacRefusesTheRate", { "{in}/fast.wav", "{out}/r.flac" }, fileProblem, "16-bit FLAC cannot be written at" },
        { "PlotNotPng", { "--plot", "{out}/p.jpg", good, "{out}/r.wav" }, fileProblem, "its name must end in .png" },
        { "PlotIsOutput",
          { "--plot", "{out}/r.wav", good, "{out}/r.wav" },
          fileProblem,
          "plot \"{out}/r.wav\" is the same file as OUTPUT" },
        { "PlotFolderMissing",
          { "--plot", "{out}/nowhere/p.png", good, "{out}/r.wav" },
          fileProblem,
          "cannot write plot" },
        { "DemoCopyIsOutput",
          { "--demo", "--write-input", "{out}/r.wav", "{out}/r.wav" },
          fileProblem,
          "--write-input file \"{out}/r.wav\" is the same file as OUTPUT" },
    };
}

std::string withFolders (std::string text, const std::string& in, const std::string& out)
{
    for (const auto& [token, path] : { std::pair{ std::string ("{in}"), in }, std::pair{ std::string ("{out}"), out } })
        for (auto at = text.find (token); at != std::string::npos; at = text.find (token, at + path.size()))
            text.replace (at, token.size(), path);
    return text;
}
} // namespace

// An input folder with good and bad inputs, and an output folder that already holds a file.
class BadInput : public ::testing::TestWithParam<BadInputCase>
{
protected:
    void SetUp() override
    {
        const auto in = folder / "in";
        const auto out = folder / "out";
        in.getChildFile ("folder").createDirectory();
        out.createDirectory();

        writeAudio (in.getChildFile ("good.wav"), testSignal (2, 44100.0, 0.2), 44100.0, 16);
        writeAudio (in.getChildFile ("three.wav"), testSignal (3, 44100.0, 0.1), 44100.0, 16);
        // Beyond any rate FLAC can store.
        writeAudio (in.getChildFile ("fast.wav"), testSignal (2, 44100.0, 0.01), 2000000.0, 16);
        in.getChildFile ("garbage.wav").replaceWithText ("this is text, not audio\n");
        in.getChildFile ("foreign.zlm2")
            .replaceWithText (presetText ({ { ParameterIds::gain, 0.5f } }, "SomeOtherPlugin"));

        writeAudio (out.getChildFile ("existing.wav"), testSignal (2, 44100.0, 0.05), 44100.0, 24);
        in.getChildFile ("good.wav").createSymbolicLink (out.getChildFile ("link.wav"), false);
    }

    TemporaryFolder folder;
};

TEST_P (BadInput, FailsWithOneLineAndLeavesNothingBehind)
{
    const auto& badCase = GetParam();
    const auto in = folder.path ("in");
    const auto out = folder.path ("out");

    const auto outBefore = namesIn (folder / "out");
    const auto inBefore = namesIn (folder / "in");
    const auto existingBefore = contentsOf (folder / "out/existing.wav");
    const auto inputBefore = contentsOf (folder / "in/good.wav");

    std::vector<std::string> arguments;
    for (const auto& argument : badCase.arguments)
        arguments.push_back (withFolders (argument, in, out));

    const auto result = ToolProcess::run (arguments);

    EXPECT_EQ (result.exitCode, badCase.exitCode);
    EXPECT_EQ (result.out, "");
    const auto lines = ToolProcess::lines (result.err);
    ASSERT_EQ (lines.size(), 1u) << result.err;
    EXPECT_EQ (lines[0].rfind ("dravlen2lite-render: error: ", 0), 0u) << lines[0];
    EXPECT_NE (lines[0].find (withFolders (badCase.message, in, out)), std::string::npos) << lines[0];

    EXPECT_EQ (namesIn (folder / "out"), outBefore);
    EXPECT_EQ (namesIn (folder / "in"), inBefore);
    EXPECT_EQ (contentsOf (folder / "out/existing.wav"), existingBefore);
    EXPECT_EQ (contentsOf (folder / "in/good.wav"), inputBefore);
}

INSTANTIATE_TEST_SUITE_P (Cases, BadInput, ::testing::ValuesIn (badInputCases()),
                          [] (const ::testing::TestParamInfo<BadInputCase>& tested) { return tested.param.name; });

#include "CliTestSupport.h"
#include "ToolProcess.h"

#include "core/ParameterTable.h"

#include <gtest/gtest.h>
#include <juce_graphics/juce_graphics.h>

#include <cmath>
#include <regex>
#include <sstream>

using namespace CliTesting;

namespace
{
// A row of --list-params: columns are separated by two or more spaces.
std::vector<std::string> columnsOf (const std::string& line)
{
    std::vector<std::string> columns;
    std::regex separator ("  +");
    for (std::sregex_token_iterator it (line.begin(), line.end(), separator, -1), end; it != end; ++it)
        columns.push_back (*it);
    return columns;
}

double number (const std::string& text)
{
    std::size_t used = 0;
    const auto value = std::stod (text, &used);
    EXPECT_EQ (used, text.size()) << text;
    return value;
}

double decibels (float amplitude)
{
    return 20.0 * std::log10 (static_cast<double> (amplitude));
}

// The numbers after a row label in the summary, such as "output  -1.6  -0.1  -22.0  -21.9".
std::vector<double> summaryRow (const std::string& summary, const std::string& label)
{
    for (const auto& line : ToolProcess::lines (summary))
    {
        std::istringstream in (line);
        std::string first;
        in >> first;
        if (first != label)
            continue;

        // The level rows hold only numbers; the description rows with the same label do not.
        std::vector<double> values;
        for (double value = 0.0; in >> value;)
            values.push_back (value);
        if (in.eof() && ! values.empty())
            return values;
    }
    return {};
}
} // namespace

TEST (ListParams, PrintsEveryParameterOfTheTableInOrder)
{
    const auto result = ToolProcess::run ({ "--list-params" });
    ASSERT_EQ (result.exitCode, 0) << result.err;
    EXPECT_EQ (result.err, "");

    const auto lines = ToolProcess::lines (result.out);
    const auto table = createParameterTable();
    ASSERT_EQ (lines.size(), table.size() + 1) << result.out;
    EXPECT_EQ (columnsOf (lines[0]), (std::vector<std::string>{ "id", "name", "range", "step", "default", "unit" }));

    for (size_t row = 0; row < table.size(); ++row)
    {
        const auto& data = table[row];
        SCOPED_TRACE (data.id);
        const auto columns = columnsOf (lines[row + 1]);
        ASSERT_EQ (columns.size(), data.label.isEmpty() ? 5u : 6u) << lines[row + 1];

        EXPECT_EQ (columns[0], data.id.toStdString());
        EXPECT_EQ (columns[1], data.name.toStdString());
        EXPECT_NEAR (number (columns[3]), data.range.interval, 1.0e-6);
        EXPECT_EQ (columns.size() == 6 ? columns[5] : "", data.label.toStdString());

        if (data.valueToText != nullptr)
        {
            // A switch: its words, from off to on, and its default as a word.
            EXPECT_EQ (
                columns[2],
                (data.valueToText (data.range.start) + " or " + data.valueToText (data.range.end)).toStdString());
            EXPECT_EQ (columns[4], data.valueToText (data.defaultValue).toStdString());
        }
        else
        {
            const auto to = columns[2].find (" to ");
            ASSERT_NE (to, std::string::npos) << columns[2];
            EXPECT_NEAR (number (columns[2].substr (0, to)), data.range.start, 1.0e-6);
            EXPECT_NEAR (number (columns[2].substr (to + 4)), data.range.end, 1.0e-6);
            EXPECT_NEAR (number (columns[4]), data.defaultValue, 1.0e-6);
        }
    }
}

TEST (Help, NamesEveryOptionAndExitsCleanly)
{
    for (const auto* asked : { "--help", "-h" })
    {
        const auto result = ToolProcess::run ({ asked });
        EXPECT_EQ (result.exitCode, 0);
        EXPECT_EQ (result.out.rfind ("Usage: dravlen2lite-render", 0), 0u);

        for (const auto* option : { "--set", "--preset", "--block", "--float", "--demo", "--write-input", "--plot",
                                    "--quiet", "--list-params" })
            EXPECT_NE (result.out.find (option), std::string::npos) << option;
    }
}

class DemoRender : public ::testing::Test
{
protected:
    TemporaryFolder folder;
};

TEST_F (DemoRender, WritesTheRenderThePlotAndTheSignal)
{
    const auto result = ToolProcess::run ({ "--demo", "--plot", folder.path ("plot.png"), "--write-input",
                                            folder.path ("demo-in.wav"), folder.path ("demo.wav") });
    ASSERT_EQ (result.exitCode, 0) << result.err;
    EXPECT_EQ (result.err, ""); // no progress bar without a terminal
    EXPECT_EQ (namesIn (folder.get()), (std::vector<std::string>{ "demo-in.wav", "demo.wav", "plot.png" }));

    const auto render = readAudio (folder / "demo.wav");
    const auto signal = readAudio (folder / "demo-in.wav");
    for (const auto* audio : { &render, &signal })
    {
        EXPECT_EQ (audio->samples.getNumChannels(), 2);
        EXPECT_EQ (audio->sampleRate, 44100.0);
        EXPECT_EQ (audio->bitsPerSample, 24);
        const auto seconds = audio->samples.getNumSamples() / audio->sampleRate;
        EXPECT_GE (seconds, 8.0);
        EXPECT_LE (seconds, 10.0);
    }

    const auto plot = juce::ImageFileFormat::loadFrom (folder / "plot.png");
    ASSERT_TRUE (plot.isValid());
    EXPECT_EQ (plot.getWidth(), 1200);
    EXPECT_EQ (plot.getHeight(), 700);

    // The summary's levels are the files' levels.
    const auto inputRow = summaryRow (result.out, "input");
    const auto outputRow = summaryRow (result.out, "output");
    ASSERT_EQ (inputRow.size(), 4u) << result.out;
    ASSERT_EQ (outputRow.size(), 4u) << result.out;
    for (int channel = 0; channel < 2; ++channel)
    {
        EXPECT_NEAR (inputRow[(size_t)channel],
                     decibels (signal.samples.getMagnitude (channel, 0, signal.samples.getNumSamples())), 0.06);
        EXPECT_NEAR (outputRow[(size_t)channel],
                     decibels (render.samples.getMagnitude (channel, 0, render.samples.getNumSamples())), 0.06);
        EXPECT_NEAR (outputRow[2 + (size_t)channel],
                     decibels (render.samples.getRMSLevel (channel, 0, render.samples.getNumSamples())), 0.06);
    }
    EXPECT_TRUE (std::regex_search (result.out, std::regex ("rendered 9\\.00 s in [0-9.]+ s: [0-9.]+x real time")))
        << result.out;
}

TEST_F (DemoRender, IsTheSameEveryTime)
{
    for (const auto* name : { "first.wav", "second.wav" })
        ASSERT_EQ (ToolProcess::run ({ "--demo", "--quiet", folder.path (name) }).exitCode, 0);

    EXPECT_EQ (contentsOf (folder / "first.wav"), contentsOf (folder / "second.wav"));
}

// The bar appears only on a terminal, for a signal longer than a few seconds, and not with --quiet;
// it is wiped when the render ends.
struct ProgressCase
{
    std::string name;
    bool demo;
    bool quiet;
    bool barExpected;
};

class Progress : public ::testing::TestWithParam<ProgressCase>
{
protected:
    TemporaryFolder folder;
};

TEST_P (Progress, ShowsOnATerminalForLongRendersOnly)
{
    const auto& progress = GetParam();
    std::vector<std::string> arguments;
    if (progress.demo)
        arguments.push_back ("--demo");
    else
    {
        writeAudio (folder / "short.wav", testSignal (2, 44100.0, 1.0), 44100.0, 16);
        arguments.push_back (folder.path ("short.wav"));
    }
    if (progress.quiet)
        arguments.push_back ("--quiet");
    arguments.push_back (folder.path ("out.wav"));

    const auto result = ToolProcess::run (arguments, true);
    ASSERT_EQ (result.exitCode, 0) << result.err;
    EXPECT_EQ (result.out.empty(), progress.quiet);

    if (progress.barExpected)
    {
        EXPECT_NE (result.err.find ("\rrendering ["), std::string::npos) << result.err;
        EXPECT_NE (result.err.find ("] 100%"), std::string::npos) << result.err;
        EXPECT_EQ (result.err.back(), '\r'); // wiped: the cursor is back at the start of a blank line
    }
    else
    {
        EXPECT_EQ (result.err, "");
    }
}

INSTANTIATE_TEST_SUITE_P (Cases, Progress,
                          ::testing::Values (ProgressCase{ "LongRender", true, false, true },
                                             ProgressCase{ "LongButQuiet", true, true, false },
                                             ProgressCase{ "ShortRender", false, false, false }),
                          [] (const ::testing::TestParamInfo<ProgressCase>& tested) { return tested.param.name; });

TEST (Settings, AValueBetweenStepsIsNotedAndStoredAtTheNearestStep)
{
    TemporaryFolder folder;
    writeAudio (folder / "in.wav", testSignal (2, 44100.0, 0.2), 44100.0, 16);

    const auto& amount = parameterData (ParameterIds::transients);
    const auto between = amount.range.start + amount.range.interval * 2.4f; // nearer the second step
    const auto nearest = amount.range.start + amount.range.interval * 2.0f;
    std::ostringstream typed, stored;
    typed << between;
    stored << nearest;

    const auto result = ToolProcess::run ({ "--set", std::string (ParameterIds::transients) + "=" + typed.str(),
                                            folder.path ("in.wav"), folder.path ("out.wav") });
    ASSERT_EQ (result.exitCode, 0) << result.err;
    EXPECT_NE (result.err.find ("note: " + std::string (ParameterIds::transients) + "=" + typed.str() + " is stored as "
                                + stored.str()),
               std::string::npos)
        << result.err;
    EXPECT_TRUE (std::regex_search (result.out,
                                    std::regex (std::string (ParameterIds::transients) + "=" + stored.str() + "\\s")))
        << result.out;
}

// An integer file cannot hold what the processor puts beyond full scale; a float file can.
TEST (Settings, ClippingIntoAnIntegerFileIsNoted)
{
    TemporaryFolder folder;
    writeAudio (folder / "in.wav", testSignal (2, 44100.0, 0.5), 44100.0, 16);
    const auto loud = std::string (ParameterIds::gain) + "=12";

    for (const auto floatOutput : { false, true })
    {
        SCOPED_TRACE (floatOutput ? "float" : "16-bit");
        std::vector<std::string> arguments{ "--set", loud, folder.path ("in.wav"), folder.path ("out.wav") };
        if (floatOutput)
            arguments.push_back ("--float");

        const auto result = ToolProcess::run (arguments);
        ASSERT_EQ (result.exitCode, 0) << result.err;
        const auto noted = std::regex_search (
            result.out,
            std::regex ("note: [0-9]+ output samples lie beyond full scale and are clipped in the 16-bit WAV file"));
        EXPECT_EQ (noted, ! floatOutput) << result.out;
        const auto output = readAudio (folder / "out.wav").samples;
        EXPECT_EQ (output.getMagnitude (0, output.getNumSamples()) > 1.0f, floatOutput);
    }
}

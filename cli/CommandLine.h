#pragma once

#include "cli/Outcome.h"
#include "cli/ParameterSettings.h"

#include <vector>

// What the user asked the renderer to do, read from its arguments.
struct RenderRequest
{
    enum class Action
    {
        render,
        showHelp,
        listParameters
    };

    static constexpr int defaultBlockSize = 512;
    static constexpr int maxBlockSize = 16384;

    Action action = Action::render;
    bool useDemo = false;
    juce::String inputPath; // empty with the demo signal
    juce::String outputPath;
    juce::String demoCopyPath; // where the demo signal itself is saved, if anywhere
    juce::String presetPath;
    juce::String plotPath;
    std::vector<ParameterSettings::Setting> settings; // in the order given: a later one wins
    int blockSize = defaultBlockSize;
    bool floatOutput = false;
    bool quiet = false;
};

namespace CommandLine
{
inline constexpr const char* toolName = "dravlen2lite-render";

// The exit status tells a script which kind of problem stopped the render.
enum ExitCode
{
    rendered = 0,
    fileProblem = 1,
    badArguments = 2,
    interrupted = 130 // what a shell reports for a program ended by Ctrl-C
};

// Reads the arguments after the program name. --help and --list-params answer at once; anything
// else must make a complete render request, or the answer is the one line that says what is wrong.
Outcome<RenderRequest> parse (const juce::StringArray& arguments, const ParameterSettings::Table& table);

juce::String helpText();

// "dravlen2lite-render: error: " and the message: the one line every failure prints.
juce::String errorLine (const juce::String& message);
} // namespace CommandLine

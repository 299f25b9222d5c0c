#include "cli/CommandLine.h"

#include "cli/DemoSignal.h"
#include "cli/RenderPlot.h"
#include "core/ParameterTable.h"
#include "presets/PresetLocation.h"

namespace CommandLine
{
namespace
{
const juce::StringArray flagOptions{ "--demo", "--float", "--quiet", "-q" };
const juce::StringArray valueOptions{ "--set", "--preset", "--block", "--plot", "--write-input" };
const juce::StringArray answerOptions{ "--help", "-h", "--list-params" };

std::optional<int> readBlockSize (const juce::String& text)
{
    if (text.isEmpty() || ! text.containsOnly ("0123456789") || text.length() > 6)
        return std::nullopt;

    const auto size = text.getIntValue();

    if (size < 1 || size > RenderRequest::maxBlockSize)
        return std::nullopt;

    return size;
}

void applyFlag (RenderRequest& request, const juce::String& option)
{
    if (option == "--demo")
        request.useDemo = true;
    else if (option == "--float")
        request.floatOutput = true;
    else
        request.quiet = true;
}

// Answers what is wrong with the value, or nothing.
juce::String applyValue (RenderRequest& request, const juce::String& option, const juce::String& value,
                         const ParameterSettings::Table& table)
{
    if (option == "--set")
    {
        const auto setting = ParameterSettings::parse (value, table);
        if (! setting.succeeded())
            return setting.getError();
        request.settings.push_back (*setting);
        return {};
    }

    if (option == "--block")
    {
        const auto size = readBlockSize (value);
        if (! size.has_value())
            return "--block " + value + " is not a block size; it takes a whole number from 1 to "
                   + juce::String (RenderRequest::maxBlockSize);
        request.blockSize = *size;
        return {};
    }

    if (value.isEmpty())
        return option + " needs a file name";

    if (option == "--preset")
        request.presetPath = value;
    else if (option == "--plot")
        request.plotPath = value;
    else
        request.demoCopyPath = value;
    return {};
}

juce::String checkPositionals (RenderRequest& request, const juce::StringArray& positionals)
{
    if (request.useDemo)
    {
        if (positionals.size() > 1)
            return "--demo renders the built-in signal and takes only OUTPUT, but INPUT \"" + positionals[0]
                   + "\" was given too";
        if (positionals.isEmpty())
            return "missing OUTPUT; see --help";
        request.outputPath = positionals[0];
        return {};
    }

    if (positionals.size() > 2)
        return "unexpected argument \"" + positionals[2] + "\"; give only INPUT and OUTPUT";
    if (positionals.isEmpty())
        return "missing INPUT and OUTPUT; see --help";
    if (positionals.size() == 1)
        return "missing OUTPUT; see --help";
    if (request.demoCopyPath.isNotEmpty())
        return "--write-input saves the demo signal and needs --demo";

    request.inputPath = positionals[0];
    request.outputPath = positionals[1];
    return {};
}
} // namespace

Outcome<RenderRequest> parse (const juce::StringArray& arguments, const ParameterSettings::Table& table)
{
    const auto fail = [] (const juce::String& message) { return Outcome<RenderRequest>::failure (message); };
    RenderRequest request;
    juce::StringArray positionals, optionsSeen;
    bool optionsEnded = false;

    for (int index = 0; index < arguments.size(); ++index)
    {
        const auto& argument = arguments[index];

        if (optionsEnded || ! argument.startsWith ("-") || argument == "-")
        {
            positionals.add (argument);
            continue;
        }

        if (argument == "--")
        {
            optionsEnded = true;
            continue;
        }

        // "--name=value" or "--name value".
        const auto option = argument.upToFirstOccurrenceOf ("=", false, false);
        const auto hasInlineValue = argument.containsChar ('=');

        if (! flagOptions.contains (option) && ! valueOptions.contains (option) && ! answerOptions.contains (option))
            return fail ("unknown option \"" + option + "\"; see --help");
        if (hasInlineValue && ! valueOptions.contains (option))
            return fail (option + " takes no value");

        if (answerOptions.contains (option))
        {
            request.action =
                option == "--list-params" ? RenderRequest::Action::listParameters : RenderRequest::Action::showHelp;
            return request;
        }

        if (option != "--set" && optionsSeen.contains (option))
            return fail (option + " given more than once");
        optionsSeen.add (option);

        if (flagOptions.contains (option))
        {
            applyFlag (request, option);
            continue;
        }

        if (! hasInlineValue && index + 1 >= arguments.size())
            return fail (option + " needs a value");

        const auto value = hasInlineValue ? argument.fromFirstOccurrenceOf ("=", false, false) : arguments[++index];
        if (const auto problem = applyValue (request, option, value, table); problem.isNotEmpty())
            return fail (problem);
    }

    if (const auto problem = checkPositionals (request, positionals); problem.isNotEmpty())
        return fail (problem);

    return request;
}

juce::String errorLine (const juce::String& message)
{
    return juce::String (toolName) + ": error: " + message;
}

juce::String helpText()
{
    // Written as it reads; the names in braces are filled in from the constants they stand for.
    const juce::String text = R"(Usage: {tool} [options] INPUT OUTPUT
       {tool} --demo [options] OUTPUT

Runs audio through the Dravlen 2 Lite processor, block by block, exactly as a host would.
INPUT and OUTPUT are WAV, AIFF or FLAC files; the output format follows OUTPUT's suffix
(.wav, .aif/.aiff, .flac). Mono or stereo input; the output has the input's channels, rate
and bit depth. The output is written in full to a hidden file beside it and only then moved
into place, so a failed render leaves an existing OUTPUT untouched.

Options:
  --set ID=VALUE       set a parameter in real units; repeatable, a later one wins.
                       Switches take on or off (or 1 or 0). See --list-params.
  --preset FILE        load a preset file (.{presetSuffix}) first; --set then overrides it
  --block N            block size handed to the processor (default {defaultBlock}, 1 to {maxBlock})
  --float              write 32-bit floating-point samples (WAV output only)
  --demo               render the built-in demo signal instead of INPUT
                       ({demoSeconds} s of drums, bass and pad, stereo, {demoRate} Hz, {demoBits}-bit)
  --write-input FILE   with --demo: save the demo signal itself too
  --plot FILE.png      draw input against output ({plotWidth} x {plotHeight} PNG): waveforms,
                       output level in dB over time, and the settings used
  --quiet, -q          print nothing but errors
  --list-params        print the parameters: id, name, range, step, default, unit
  --help, -h           print this help

Exit status: {rendered} rendered, {fileProblem} a file could not be read or written, {badArguments} bad arguments.

Example:
  {tool} --demo --set {transients}=75 --set {gain}=-3.5 --plot demo.png demo.wav
)";

    return text.replace ("{tool}", toolName)
        .replace ("{presetSuffix}", PresetLocation::suffix)
        .replace ("{defaultBlock}", juce::String (RenderRequest::defaultBlockSize))
        .replace ("{maxBlock}", juce::String (RenderRequest::maxBlockSize))
        .replace ("{demoSeconds}", juce::String (DemoSignal::lengthSeconds))
        .replace ("{demoRate}", juce::String (DemoSignal::sampleRate))
        .replace ("{demoBits}", juce::String (DemoSignal::bitsPerSample))
        .replace ("{plotWidth}", juce::String (RenderPlot::width))
        .replace ("{plotHeight}", juce::String (RenderPlot::height))
        .replace ("{rendered}", juce::String (rendered))
        .replace ("{fileProblem}", juce::String (fileProblem))
        .replace ("{badArguments}", juce::String (badArguments))
        .replace ("{transients}", ParameterIds::transients)
        .replace ("{gain}", ParameterIds::gain);
}
} // namespace CommandLine

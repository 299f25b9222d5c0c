#include "cli/CommandLine.h"

namespace CommandLine
{
namespace
{
// Walks the arguments once; options take their value from "--name=value" or the next argument.
class ArgumentReader
{
public:
    explicit ArgumentReader (const juce::StringArray& args)
        : arguments (args)
    {
    }

    bool hasMore() const noexcept { return index < arguments.size(); }

    juce::String next() { return arguments[index++]; }

    std::optional<juce::String> valueFor (const juce::String& option, const juce::String& inlineValue,
                                          bool hasInlineValue)
    {
        if (hasInlineValue)
            return inlineValue;
        if (hasMore())
            return next();
        error = option + " needs a value";
        return std::nullopt;
    }

    juce::String error;

private:
    const juce::StringArray& arguments;
    int index = 0;
};

std::optional<int> readBlockSize (const juce::String& text)
{
    if (text.isEmpty() || ! text.containsOnly ("0123456789") || text.length() > 6)
        return std::nullopt;

    const auto size = text.getIntValue();

    if (size < 1 || size > RenderRequest::maxBlockSize)
        return std::nullopt;

    return size;
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
    RenderRequest request;
    juce::StringArray positionals;
    juce::StringArray singleOptionsSeen;
    ArgumentReader reader (arguments);
    bool optionsEnded = false;

    const auto fail = [] (const juce::String& message) { return Outcome<RenderRequest>::failure (message); };

    while (reader.hasMore())
    {
        const auto argument = reader.next();

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

        const auto hasInlineValue = argument.containsChar ('=');
        const auto option = argument.upToFirstOccurrenceOf ("=", false, false);
        const auto inlineValue = argument.fromFirstOccurrenceOf ("=", false, false);
        const auto takesValue =
            juce::StringArray{ "--set", "--preset", "--block", "--plot", "--write-input" }.contains (option);

        if (hasInlineValue && ! takesValue)
            return fail (option + " takes no value");

        if (option == "--help" || option == "-h")
        {
            request.action = RenderRequest::Action::showHelp;
            return request;
        }

        if (option == "--list-params")
        {
            request.action = RenderRequest::Action::listParameters;
            return request;
        }

        if (option != "--set" && singleOptionsSeen.contains (option))
            return fail (option + " given more than once");
        singleOptionsSeen.add (option);

        if (option == "--demo")
            request.useDemo = true;
        else if (option == "--float")
            request.floatOutput = true;
        else if (option == "--quiet" || option == "-q")
            request.quiet = true;
        else if (! takesValue)
            return fail ("unknown option \"" + option + "\"; see --help");
        else
        {
            const auto value = reader.valueFor (option, inlineValue, hasInlineValue);
            if (! value.has_value())
                return fail (reader.error);

            if (option == "--set")
            {
                const auto setting = ParameterSettings::parse (*value, table);
                if (! setting.succeeded())
                    return fail (setting.getError());
                request.settings.push_back (*setting);
            }
            else if (option == "--block")
            {
                const auto size = readBlockSize (*value);
                if (! size.has_value())
                    return fail ("--block " + *value + " is not a block size; it takes a whole number from 1 to "
                                 + juce::String (RenderRequest::maxBlockSize));
                request.blockSize = *size;
            }
            else if (value->isEmpty())
                return fail (option + " needs a file name");
            else if (option == "--preset")
                request.presetPath = *value;
            else if (option == "--plot")
                request.plotPath = *value;
            else
                request.demoCopyPath = *value;
        }
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
    return juce::String (R"(Usage: dravlen2lite-render [options] INPUT OUTPUT
       dravlen2lite-render --demo [options] OUTPUT

Runs audio through the Dravlen 2 Lite processor, block by block, exactly as a host would.
INPUT and OUTPUT are WAV, AIFF or FLAC files; the output format follows OUTPUT's suffix
(.wav, .aif/.aiff, .flac). Mono or stereo input; the output has the input's channels, rate
and bit depth. The output is written in full to a hidden file beside it and only then moved
into place, so a failed render leaves an existing OUTPUT untouched.

Options:
  --set ID=VALUE       set a parameter in real units; repeatable, a later one wins.
                       Switches take on or off (or 1 or 0). See --list-params.
  --preset FILE        load a preset file (.zlm2) first; --set then overrides it
  --block N            block size handed to the processor (default 512, 1 to )")
           + juce::String (RenderRequest::maxBlockSize) + R"()
  --float              write 32-bit floating-point samples (WAV output only)
  --demo               render the built-in demo signal instead of INPUT
                       (9 s of drums, bass and pad, stereo, 44.1 kHz, 24-bit)
  --write-input FILE   with --demo: save the demo signal itself too
  --plot FILE.png      draw input against output (1200 x 700 PNG): waveforms,
                       output level in dB over time, and the settings used
  --quiet, -q          print nothing but errors
  --list-params        print the parameters: id, name, range, step, default, unit
  --help, -h           print this help

Exit status: 0 rendered, 1 a file could not be read or written, 2 bad arguments.

Example:
  dravlen2lite-render --demo --set transientsId=75 --set gainId=-3.5 --plot demo.png demo.wav
)";
}
} // namespace CommandLine

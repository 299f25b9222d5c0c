#include "cli/OutputPlan.h"

#include "cli/FilePaths.h"

namespace OutputPlans
{
namespace
{
struct NamedFile
{
    juce::String role;
    juce::File file;
};

juce::String quoted (const juce::File& file)
{
    return "\"" + file.getFullPathName() + "\"";
}

juce::Result checkTarget (const NamedFile& target, const std::vector<NamedFile>& taken)
{
    if (const auto writable = FilePaths::checkWritable (target.file, target.role); writable.failed())
        return writable;

    for (const auto& other : taken)
        if (FilePaths::sameFile (target.file, other.file))
            return juce::Result::fail (target.role + " " + quoted (target.file) + " is the same file as " + other.role
                                       + " " + quoted (other.file));

    return juce::Result::ok();
}

Outcome<OutputPlan::AudioTarget> audioTarget (const NamedFile& target, juce::AudioFormatManager& formats, int bits,
                                              bool floatSamples)
{
    const auto format = AudioFiles::chooseOutputFormat (formats, target.file, target.role, bits, floatSamples);
    if (! format.succeeded())
        return Outcome<OutputPlan::AudioTarget>::failure (format.getError());
    return OutputPlan::AudioTarget{ target.file, *format };
}
} // namespace

Outcome<OutputPlan> make (const RenderRequest& request, const InputSignal& input, juce::AudioFormatManager& formats)
{
    const auto fail = [] (const juce::String& message) { return Outcome<OutputPlan>::failure (message); };
    std::vector<NamedFile> taken;
    if (input.file != juce::File())
        taken.push_back ({ "INPUT", input.file });

    const NamedFile output{ "OUTPUT", FilePaths::resolve (request.outputPath) };
    if (const auto checked = checkTarget (output, taken); checked.failed())
        return fail (checked.getErrorMessage());
    taken.push_back (output);

    auto outputTarget = audioTarget (output, formats, input.bitsPerSample, request.floatOutput);
    if (! outputTarget.succeeded())
        return fail (outputTarget.getError());

    OutputPlan plan{ *outputTarget, std::nullopt, std::nullopt };

    if (request.plotPath.isNotEmpty())
    {
        const NamedFile plot{ "plot", FilePaths::resolve (request.plotPath) };
        if (const auto checked = checkTarget (plot, taken); checked.failed())
            return fail (checked.getErrorMessage());
        if (! plot.file.hasFileExtension ("png"))
            return fail ("the plot is written as PNG, so its name must end in .png: " + quoted (plot.file));
        taken.push_back (plot);
        plan.plot = plot.file;
    }

    if (request.demoCopyPath.isNotEmpty())
    {
        const NamedFile copy{ "--write-input file", FilePaths::resolve (request.demoCopyPath) };
        if (const auto checked = checkTarget (copy, taken); checked.failed())
            return fail (checked.getErrorMessage());
        auto copyTarget = audioTarget (copy, formats, input.bitsPerSample, request.floatOutput);
        if (! copyTarget.succeeded())
            return fail (copyTarget.getError());
        plan.demoCopy = *copyTarget;
    }

    return plan;
}
} // namespace OutputPlans

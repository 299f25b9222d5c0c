#include "cli/RenderJob.h"

#include "cli/FilePaths.h"
#include "cli/InputSignal.h"
#include "cli/OutputPlan.h"
#include "cli/PendingFile.h"
#include "cli/PresetLoading.h"
#include "cli/ProgressBar.h"
#include "cli/RenderPlot.h"
#include "cli/RenderSummary.h"
#include "cli/Renderer.h"
#include "core/PluginProcessor.h"

namespace RenderJob
{
namespace
{
// A value between two steps is stored at the nearer one; say so rather than render something else
// than the user believes.
void noteSnappedSettings (const RenderRequest& request, const ParameterSettings::Table& table, std::ostream& errors)
{
    for (const auto& setting : request.settings)
    {
        const auto& data = *ParameterSettings::find (table, setting.id);
        const auto stored = ParameterSettings::storedValue (data, setting.value);

        if (! juce::approximatelyEqual (stored, setting.value))
            errors << CommandLine::toolName << ": note: " << setting.id << "="
                   << ParameterSettings::formatNumber (setting.value) << " is stored as "
                   << ParameterSettings::formatValue (data, stored) << " (steps of "
                   << ParameterSettings::formatNumber (data.range.interval) << ")" << std::endl;
    }
}

juce::Result configure (TemplateEffectAudioProcessor& processor, const RenderRequest& request)
{
    if (request.presetPath.isNotEmpty())
        if (const auto loaded =
                PresetLoading::load (processor.getParameterManager(), FilePaths::resolve (request.presetPath));
            loaded.failed())
            return loaded;

    Renderer::applySettings (processor.getParameterManager(), request.settings);
    return juce::Result::ok();
}

juce::Result writeDemoCopy (const InputSignal& input, const OutputPlan::AudioTarget& target,
                            std::unique_ptr<PendingAudioFile>& pending)
{
    auto opened = PendingAudioFile::open (target.file, target.format, input.reader->sampleRate, input.numChannels());
    if (! opened.succeeded())
        return juce::Result::fail (opened.getError());

    pending = std::move (*opened);
    return pending->write (input.demo->getSamples());
}

// Draws into a pending file; nothing is moved into place here.
Outcome<std::unique_ptr<PendingFile>> preparePlot (const juce::File& target, const SignalOverview& in,
                                                   const SignalOverview& out, const InputSignal& input,
                                                   const OutputPlan& plan, const juce::StringArray& settings,
                                                   int blockSize)
{
    const auto caption = "settings: " + settings.joinIntoString ("  ") + "\nblock " + juce::String (blockSize) + ", "
                         + juce::String (input.reader->sampleRate, 0) + " Hz, "
                         + AudioFiles::describe (plan.output.format);
    const RenderPlot::Content content{ in, out, input.seconds(),
                                       "Dravlen 2 Lite: " + input.description + " to " + plan.output.file.getFileName(),
                                       caption };
    return RenderPlot::writePending (RenderPlot::draw (content), target);
}
} // namespace

int run (const RenderRequest& request, std::ostream& out, std::ostream& errors)
{
    const auto fail = [&errors] (const juce::String& message)
    {
        errors << CommandLine::errorLine (message) << std::endl;
        return CommandLine::fileProblem;
    };

    juce::AudioFormatManager formats;
    AudioFiles::registerFormats (formats);

    auto input = InputSignals::open (request, formats);
    if (! input.succeeded())
        return fail (input.getError());

    const auto plan = OutputPlans::make (request, *input, formats);
    if (! plan.succeeded())
        return fail (plan.getError());

    TemplateEffectAudioProcessor processor;
    if (const auto configured = configure (processor, request); configured.failed())
        return fail (configured.getErrorMessage());

    const auto& table = processor.getParameterTable();
    if (! request.quiet)
        noteSnappedSettings (request, table, errors);
    const auto settings = ParameterSettings::describeCurrent (table, processor.getParameterManager());

    const auto numChannels = input->numChannels();
    auto output =
        PendingAudioFile::open (plan->output.file, plan->output.format, input->reader->sampleRate, numChannels);
    if (! output.succeeded())
        return fail (output.getError());

    const auto totalSamples = input->reader->lengthInSamples;
    SignalLevels inputLevels (numChannels), outputLevels (numChannels);
    const auto plotColumns = plan->plot.has_value() ? RenderPlot::columnsNeeded() : 1;
    SignalOverview inputOverview (totalSamples, plotColumns), outputOverview (totalSamples, plotColumns);
    ProgressBar progress (errors, ProgressBar::shouldShow (request.quiet, input->seconds()), totalSamples);
    juce::int64 samplesDone = 0;

    const auto rendered =
        Renderer::render (*input->reader, processor, request.blockSize,
                          [&] (const juce::AudioBuffer<float>& in, const juce::AudioBuffer<float>& result)
                          {
                              inputLevels.add (in);
                              outputLevels.add (result);
                              inputOverview.add (in);
                              outputOverview.add (result);
                              samplesDone += in.getNumSamples();
                              progress.update (samplesDone);
                              return (*output)->write (result);
                          });
    progress.finish();

    if (rendered.outcome.failed())
        return fail (rendered.outcome.getErrorMessage());

    std::unique_ptr<PendingAudioFile> demoCopy;
    if (plan->demoCopy.has_value())
        if (const auto written = writeDemoCopy (*input, *plan->demoCopy, demoCopy); written.failed())
            return fail (written.getErrorMessage());

    std::unique_ptr<PendingFile> plot;
    if (plan->plot.has_value())
    {
        auto prepared =
            preparePlot (*plan->plot, inputOverview, outputOverview, *input, *plan, settings, request.blockSize);
        if (! prepared.succeeded())
            return fail (prepared.getError());
        plot = std::move (*prepared);
    }

    // Everything is written; only the moves into place remain.
    if (const auto finished = (*output)->finish(); finished.failed())
        return fail (finished.getErrorMessage());
    if (demoCopy != nullptr)
        if (const auto finished = demoCopy->finish(); finished.failed())
            return fail (finished.getErrorMessage());
    if (plot != nullptr)
        if (const auto moved = plot->moveIntoPlace(); moved.failed())
            return fail (moved.getErrorMessage());

    if (! request.quiet)
    {
        auto inputName = input->description;
        if (plan->demoCopy.has_value())
            inputName << " (saved as " << plan->demoCopy->file.getFullPathName() << ")";

        const RenderFacts facts{ inputName,
                                 plan->output.file.getFullPathName() + " (" + AudioFiles::describe (plan->output.format)
                                     + ")",
                                 plot != nullptr
                                     ? plan->plot->getFullPathName() + " (" + juce::String (RenderPlot::width) + " x "
                                           + juce::String (RenderPlot::height) + " PNG)"
                                     : juce::String(),
                                 input->reader->sampleRate,
                                 totalSamples,
                                 request.blockSize,
                                 settings,
                                 inputLevels,
                                 outputLevels,
                                 rendered.processingSeconds };
        out << RenderSummary::format (facts) << std::flush;
    }

    return CommandLine::rendered;
}
} // namespace RenderJob

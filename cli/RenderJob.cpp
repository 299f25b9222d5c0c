#include "cli/RenderJob.h"

#include "cli/FilePaths.h"
#include "cli/InputSignal.h"
#include "cli/Interruption.h"
#include "cli/OutputPlan.h"
#include "cli/PendingFile.h"
#include "cli/PresetLoading.h"
#include "cli/ProgressBar.h"
#include "cli/RenderPlot.h"
#include "cli/RenderSummary.h"
#include "cli/Renderer.h"
#include "core/ParameterTable.h"
#include "core/PluginProcessor.h"

#include <functional>

namespace RenderJob
{
namespace
{
// What is measured while the audio passes: levels for the summary, overviews for the plot.
struct Measurements
{
    Measurements (int numChannels, juce::int64 totalSamples, int plotColumns)
        : inputLevels (numChannels)
        , outputLevels (numChannels)
        , inputOverview (totalSamples, plotColumns)
        , outputOverview (totalSamples, plotColumns)
    {
    }

    SignalLevels inputLevels, outputLevels;
    SignalOverview inputOverview, outputOverview;
};

// A value between two steps is stored at the nearer one; say so rather than let the user believe
// the render used the typed value.
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

Renderer::Result renderInto (PendingAudioFile& output, InputSignal& input, TemplateEffectAudioProcessor& processor,
                             const RenderRequest& request, Measurements& measured, std::ostream& errors)
{
    ProgressBar progress (errors, ProgressBar::shouldShow (request.quiet, input.seconds()),
                          input.reader->lengthInSamples);
    juce::int64 samplesDone = 0;

    const auto rendered =
        Renderer::render (*input.reader, processor, request.blockSize,
                          [&] (const juce::AudioBuffer<float>& in, const juce::AudioBuffer<float>& out)
                          {
                              measured.inputLevels.add (in);
                              measured.outputLevels.add (out);
                              measured.inputOverview.add (in);
                              measured.outputOverview.add (out);
                              samplesDone += in.getNumSamples();
                              progress.update (samplesDone);
                              if (Interruption::requested())
                                  return juce::Result::fail ("interrupted; nothing was written");
                              return output.write (out);
                          });
    progress.finish();
    return rendered;
}

Outcome<std::unique_ptr<PendingAudioFile>> writeDemoCopy (const InputSignal& input,
                                                          const OutputPlan::AudioTarget& target)
{
    auto pending = PendingAudioFile::open (target.file, target.format, input.reader->sampleRate, input.numChannels());

    if (pending.succeeded())
        if (const auto written = (*pending)->write (input.demo->getSamples()); written.failed())
            return Outcome<std::unique_ptr<PendingAudioFile>>::failure (written.getErrorMessage());

    return pending;
}

juce::String plotCaption (const juce::StringArray& settings, const RenderRequest& request, const InputSignal& input,
                          const OutputPlan& plan)
{
    return "settings: " + settings.joinIntoString ("  ") + "\nblock " + juce::String (request.blockSize) + ", "
           + juce::String (input.reader->sampleRate, 0) + " Hz, " + AudioFiles::describe (plan.output.format);
}

Outcome<std::unique_ptr<PendingFile>> preparePlot (const Measurements& measured, const InputSignal& input,
                                                   const OutputPlan& plan, const juce::String& caption)
{
    const RenderPlot::Content content{ measured.inputOverview, measured.outputOverview, input.seconds(),
                                       "Dravlen 2 Lite: " + input.description + " to " + plan.output.file.getFileName(),
                                       caption };
    return RenderPlot::writePending (RenderPlot::draw (content), *plan.plot);
}

// An integer file clips what lies beyond full scale, where a host's float path would not.
juce::StringArray clipNotes (const OutputPlan& plan, const SignalLevels& outputLevels)
{
    const auto clipped = outputLevels.samplesBeyondFullScale();

    if (clipped == 0 || plan.output.format.bitsPerSample == AudioFiles::floatBits)
        return {};

    return { juce::String (clipped) + " output samples lie beyond full scale and are clipped in the "
             + AudioFiles::describe (plan.output.format) + " file; lower " + ParameterIds::gain + " or use --float" };
}

RenderFacts describe (const RenderRequest& request, const InputSignal& input, const OutputPlan& plan,
                      const juce::StringArray& settings, const Measurements& measured, double processingSeconds)
{
    auto inputName = input.description;
    if (plan.demoCopy.has_value())
        inputName << " (saved as " << plan.demoCopy->file.getFullPathName() << ")";

    juce::String plotName;
    if (plan.plot.has_value())
        plotName << plan.plot->getFullPathName() << " (" << RenderPlot::width << " x " << RenderPlot::height << " PNG)";

    return { inputName,
             plan.output.file.getFullPathName() + " (" + AudioFiles::describe (plan.output.format) + ")",
             plotName,
             input.reader->sampleRate,
             input.reader->lengthInSamples,
             request.blockSize,
             settings,
             measured.inputLevels,
             measured.outputLevels,
             processingSeconds,
             clipNotes (plan, measured.outputLevels) };
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

    // Everything goes into pending files first; a failure on the way leaves no file behind.
    auto output = PendingAudioFile::open (plan->output.file, plan->output.format, input->reader->sampleRate,
                                          input->numChannels());
    if (! output.succeeded())
        return fail (output.getError());

    Measurements measured (input->numChannels(), input->reader->lengthInSamples,
                           plan->plot.has_value() ? RenderPlot::columnsNeeded() : 1);
    const auto rendered = renderInto (**output, *input, processor, request, measured, errors);
    if (rendered.outcome.failed())
    {
        fail (rendered.outcome.getErrorMessage());
        return Interruption::requested() ? CommandLine::interrupted : CommandLine::fileProblem;
    }

    std::unique_ptr<PendingAudioFile> demoCopy;
    if (plan->demoCopy.has_value())
    {
        auto written = writeDemoCopy (*input, *plan->demoCopy);
        if (! written.succeeded())
            return fail (written.getError());
        demoCopy = std::move (*written);
    }

    std::unique_ptr<PendingFile> plot;
    if (plan->plot.has_value())
    {
        auto drawn = preparePlot (measured, *input, *plan, plotCaption (settings, request, *input, *plan));
        if (! drawn.succeeded())
            return fail (drawn.getError());
        plot = std::move (*drawn);
    }

    // Only the moves into place remain; the first that fails stops the others.
    const std::function<juce::Result()> moves[] = {
        [&] { return (*output)->finish(); },
        [&] { return demoCopy != nullptr ? demoCopy->finish() : juce::Result::ok(); },
        [&] { return plot != nullptr ? plot->moveIntoPlace() : juce::Result::ok(); },
    };
    for (const auto& move : moves)
        if (const auto moved = move(); moved.failed())
            return fail (moved.getErrorMessage());

    if (! request.quiet)
        out << RenderSummary::format (describe (request, *input, *plan, settings, measured, rendered.processingSeconds))
            << std::flush;

    return CommandLine::rendered;
}
} // namespace RenderJob

#pragma once

#include "cli/AudioFiles.h"
#include "cli/CommandLine.h"
#include "cli/InputSignal.h"

#include <optional>

// Every file a render will write, checked before any work starts: each one's folder is writable,
// no two name the same file, none is the input, and each suffix names a format that can hold the
// samples.
struct OutputPlan
{
    struct AudioTarget
    {
        juce::File file;
        AudioFiles::OutputFormat format;
    };

    AudioTarget output;
    std::optional<AudioTarget> demoCopy;
    std::optional<juce::File> plot;
};

namespace OutputPlans
{
Outcome<OutputPlan> make (const RenderRequest& request, const InputSignal& input, juce::AudioFormatManager& formats);
} // namespace OutputPlans

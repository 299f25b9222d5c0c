#pragma once

#include "cli/ParameterSettings.h"
#include "core/PluginProcessor.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <functional>

// Runs a signal through the plug-in's own processor the way a host plays it offline: prepared at
// the signal's rate and channel count, then handed one block after another, the last one shorter.
namespace Renderer
{
// Sees each block before and after processing; answers a failure to stop the render.
using BlockListener =
    std::function<juce::Result (const juce::AudioBuffer<float>& input, const juce::AudioBuffer<float>& output)>;

struct Result
{
    juce::Result outcome = juce::Result::ok();
    double processingSeconds = 0.0; // time spent inside the processor only
};

// Sets each parameter through the parameter tree, as the editor or a host would; later ones win.
void applySettings (ParameterManager& parameters, const std::vector<ParameterSettings::Setting>& settings);

Result render (juce::AudioFormatReader& input, TemplateEffectAudioProcessor& processor, int blockSize,
               const BlockListener& listener);
} // namespace Renderer

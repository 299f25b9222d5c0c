#pragma once

#include "cli/BufferReader.h"
#include "cli/CommandLine.h"
#include "cli/Outcome.h"

#include <memory>

// What the render reads: a file, or the demo signal generated in memory.
struct InputSignal
{
    std::unique_ptr<juce::AudioFormatReader> reader;
    juce::File file; // the input file; none for the demo
    juce::String description;
    int bitsPerSample = 0;              // the depth the output keeps unless asked for float
    const BufferReader* demo = nullptr; // the generated samples, when it is the demo

    double seconds() const noexcept { return static_cast<double> (reader->lengthInSamples) / reader->sampleRate; }
    int numChannels() const noexcept { return static_cast<int> (reader->numChannels); }
};

namespace InputSignals
{
Outcome<InputSignal> open (const RenderRequest& request, juce::AudioFormatManager& formats);
} // namespace InputSignals

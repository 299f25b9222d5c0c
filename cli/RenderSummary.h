#pragma once

#include "cli/SignalLevels.h"

// The few lines printed after a render: what went in and out, the settings, the levels of both
// signals per channel, and how much faster than real time the processor ran.
struct RenderFacts
{
    juce::String input; // a description, such as the path or "demo signal"
    juce::String output;
    juce::String plot; // empty without a plot
    double sampleRate = 0.0;
    juce::int64 numSamples = 0;
    int blockSize = 0;
    juce::StringArray settings; // "id=value", as typed
    const SignalLevels& inputLevels;
    const SignalLevels& outputLevels;
    double processingSeconds = 0.0;
    juce::StringArray notes; // printed last, one a line
};

namespace RenderSummary
{
juce::String format (const RenderFacts& facts);

// Audio seconds per second of processing; the higher, the faster.
double realTimeFactor (double signalSeconds, double processingSeconds) noexcept;

// One decimal place, or "-inf" for silence.
juce::String formatDecibels (double decibels);
} // namespace RenderSummary

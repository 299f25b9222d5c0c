#pragma once

#include "cli/Outcome.h"
#include "cli/PendingFile.h"
#include "cli/SignalLevels.h"

#include <juce_graphics/juce_graphics.h>

#include <memory>

// The picture of a render: the input's and the output's waveform envelopes, both signals' RMS
// level in dB over time, and the settings as a caption. Always 1200 x 700 pixels, drawn by the
// software renderer, so it looks the same with or without a display.
namespace RenderPlot
{
inline constexpr int width = 1200;
inline constexpr int height = 700;

// The overview columns the picture draws: one per pixel of its plotting width.
int columnsNeeded() noexcept;

struct Content
{
    const SignalOverview& input;
    const SignalOverview& output;
    double seconds = 0.0;
    juce::String title;
    juce::String caption;
};

juce::Image draw (const Content& content);

// The picture as a PNG in a pending file beside target, to be moved into place by the caller.
Outcome<std::unique_ptr<PendingFile>> writePending (const juce::Image& image, const juce::File& target);
} // namespace RenderPlot

#include "cli/ProgressBar.h"

#include <unistd.h>

namespace
{
constexpr int barWidth = 40;
} // namespace

ProgressBar::ProgressBar (std::ostream& outputStream, bool shouldDraw, juce::int64 total)
    : stream (outputStream)
    , enabled (shouldDraw)
    , totalSamples (std::max<juce::int64> (1, total))
{
}

bool ProgressBar::shouldShow (bool quiet, double signalSeconds)
{
    return ! quiet && signalSeconds > minimumSeconds && isatty (STDERR_FILENO) == 1;
}

void ProgressBar::update (juce::int64 samplesDone)
{
    if (! enabled)
        return;

    const auto fraction = static_cast<double> (samplesDone) / static_cast<double> (totalSamples);
    const auto percent = static_cast<int> (fraction * 100.0);

    // Redraw only when the shown number moves: a terminal is slow next to the processor.
    if (percent == lastPercent)
        return;

    lastPercent = percent;
    stream << "\rrendering " << line (fraction) << std::flush;
}

void ProgressBar::finish()
{
    if (enabled && lastPercent >= 0)
        stream << "\r" << juce::String::repeatedString (" ", 10 + line (1.0).length()) << "\r" << std::flush;
}

juce::String ProgressBar::line (double fraction)
{
    const auto clamped = juce::jlimit (0.0, 1.0, fraction);
    const auto filled = static_cast<int> (clamped * barWidth);
    const auto percent = static_cast<int> (clamped * 100.0);

    return "[" + juce::String::repeatedString ("#", filled) + juce::String::repeatedString (".", barWidth - filled)
           + "] " + juce::String (percent).paddedLeft (' ', 3) + "%";
}

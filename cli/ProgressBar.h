#pragma once

#include <juce_core/juce_core.h>

#include <ostream>

// A one-line progress bar redrawn in place on a terminal and wiped when the render is done.
class ProgressBar
{
public:
    // Only files longer than this are worth a bar.
    static constexpr double minimumSeconds = 3.0;

    // Drawn only when enabled; see shouldShow.
    ProgressBar (std::ostream& stream, bool enabled, juce::int64 totalSamples);

    // Whether a bar belongs on standard error: not silenced, a terminal there, and a long enough signal.
    static bool shouldShow (bool quiet, double signalSeconds);

    void update (juce::int64 samplesDone);
    void finish();

    // "[##########..........]  50%": the bar for a fraction from 0 to 1.
    static juce::String line (double fraction);

private:
    std::ostream& stream;
    bool enabled;
    juce::int64 totalSamples;
    int lastPercent = -1;
};

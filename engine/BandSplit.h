#pragma once

#include "FilterLowPassStereo.h"

#include <array>

// Splits a signal into four bands by three low-passes fed the same input. Each band is the difference of
// neighbouring low-pass outputs, so the bands add up to the input again whatever the filters' phase.
class BandSplit
{
public:
    static constexpr int numBands = 4;
    using Bands = std::array<double, numBands>;

    BandSplit (double lowHz, double midHz, double highHz) noexcept;

    void setSampleRate (double newSampleRate) noexcept;

    // channel: 0 left, 1 right. Lowest band first.
    Bands split (double x, int channel) noexcept
    {
        const double lo = crossoverLow.processSample (x, channel);
        const double mid = crossoverMid.processSample (x, channel);
        const double hi = crossoverHigh.processSample (x, channel);
        return { lo, mid - lo, hi - mid, x - hi };
    }

    static double sum (const Bands& bands) noexcept { return ((bands[0] + bands[1]) + bands[2]) + bands[3]; }

private:
    FilterLowPassStereo crossoverLow;
    FilterLowPassStereo crossoverMid;
    FilterLowPassStereo crossoverHigh;
};

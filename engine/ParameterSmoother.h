#pragma once

#include "DenormalGuards.h"

// A one-pole glide toward a target handed in on every step, so that no control change reaches the audio as a
// step. Covers 1 - exp(k) of a change within timeMs.
class ParameterSmoother
{
public:
    ParameterSmoother (double timeMs, double k, double startValue) noexcept;

    // Keeps the glide's length in milliseconds at the new rate.
    void setSampleRate (double newSampleRate) noexcept;
    void setTimeMs (double newTimeMs) noexcept;

    double next (double target) noexcept
    {
        if (current != target)
            current = Tarvik::Utility::guardSinglePrecision ((target - current) * coefficient + current);

        return current;
    }

    double getCurrent() const noexcept { return current; }
    double getCoefficient() const noexcept { return coefficient; }

private:
    void calculateCoefficient() noexcept;

    double sampleRate = 44100.0;
    double timeMs;
    double coefficient = 0.0;
    double current;
    double k;
};

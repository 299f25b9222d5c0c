#pragma once

#include "Biquad.h"
#include "DenormalGuards.h"

// A two-channel low-pass with one set of coefficients and one memory per channel. Every change of frequency
// or rate recomputes at once.
class FilterLowPassStereo
{
public:
    explicit FilterLowPassStereo (double initialFrequency) noexcept;

    void setFrequency (double newFrequency) noexcept;
    void setSampleRate (double newSampleRate) noexcept;

    // channel: 0 left, 1 right.
    double processSample (double x, int channel) noexcept
    {
        auto& memory = memories[channel];
        const double y = Tarvik::Utility::guardDoublePrecision (memory.output (coefficients, x));
        memory.push (x, y);
        return y;
    }

    const BiquadCoefficients& getCoefficients() const noexcept { return coefficients; }

private:
    // sqrt(1/2)
    static constexpr double q = 0.7071067811865476;

    void calculateCoefficients() noexcept;

    double sampleRate = 44100.0;
    double frequency;
    BiquadCoefficients coefficients;
    BiquadMemory memories[2];
};

#pragma once

#include "Biquad.h"
#include "DenormalGuards.h"

// A one-channel biquad. Frequency and q are collected first and take effect together at the next
// calculateCoefficients(), so changing several settings costs one recomputation.
class FilterBaseMono
{
public:
    virtual void calculateCoefficients() noexcept = 0;

    void setFrequency (double newFrequency) noexcept { frequency = newFrequency; }
    void setQ (double newQ) noexcept { q = newQ; }

    // Keeps the corner at the same frequency in Hz: recomputes at once.
    void setSampleRate (double newSampleRate) noexcept
    {
        sampleRate = newSampleRate;
        calculateCoefficients();
    }

    double processSample (double x) noexcept
    {
        const double y = Tarvik::Utility::guardSinglePrecision (memory.output (coefficients, x));
        memory.push (x, y);
        return y;
    }

    const BiquadCoefficients& getCoefficients() const noexcept { return coefficients; }

protected:
    FilterBaseMono() = default;
    ~FilterBaseMono() = default;
    FilterBaseMono (const FilterBaseMono&) = default;
    FilterBaseMono& operator= (const FilterBaseMono&) = default;

    double sampleRate = 44100.0;
    double frequency = 1000.0;
    double q = 0.707;
    BiquadCoefficients coefficients;

private:
    BiquadMemory memory;
};

class FilterHighPassMono final : public FilterBaseMono
{
public:
    void calculateCoefficients() noexcept override
    {
        coefficients = makeHighPassCoefficients (frequency, q, sampleRate);
    }
};

class FilterLowPassMono final : public FilterBaseMono
{
public:
    void calculateCoefficients() noexcept override
    {
        coefficients = makeLowPassCoefficients (frequency, q, sampleRate);
    }
};

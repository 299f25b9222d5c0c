#pragma once

// Coefficients of a second-order section, feedback and feed-forward normalised by a0; a0 itself is kept as
// computed (1 + alpha).
struct BiquadCoefficients
{
    double a0 = 0.0;
    double a1 = 0.0;
    double a2 = 0.0;
    double b0 = 0.0;
    double b1 = 0.0;
    double b2 = 0.0;
};

// The cookbook low- and high-pass designs, with a bandwidth term that ignores the frequency warping: the
// effective resonance stays the same at every corner frequency and every sample rate.
BiquadCoefficients makeLowPassCoefficients (double frequency, double q, double sampleRate) noexcept;
BiquadCoefficients makeHighPassCoefficients (double frequency, double q, double sampleRate) noexcept;

// The last two inputs and outputs of one channel, direct form I.
struct BiquadMemory
{
    double x1 = 0.0;
    double x2 = 0.0;
    double y1 = 0.0;
    double y2 = 0.0;

    double output (const BiquadCoefficients& c, double x) const noexcept
    {
        return (((c.b0 * x + c.b1 * x1) + c.b2 * x2) - c.a1 * y1) - c.a2 * y2;
    }

    void push (double x, double y) noexcept
    {
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
    }
};

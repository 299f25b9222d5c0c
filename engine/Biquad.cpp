#include "Biquad.h"

#include <cmath>

namespace
{
constexpr double twoPi = 6.283185307179586;

// ln(2)/2 rounded to single precision. The product's filters have always been tuned with this rounding, and
// the alpha term below is sensitive to it in the 8th digit.
constexpr double halfLnTwo = 0.3465735912322998;

struct Prototype
{
    double alpha;
    double cosine;
};

Prototype prototypeFor (double frequency, double q, double sampleRate) noexcept
{
    const double w = (frequency * twoPi) / sampleRate;
    const double s = std::sinh ((1.0 / q) * halfLnTwo);
    const double t = 1.0 / (s + s);
    return { std::sin (w) / (t + t), std::cos (w) };
}

BiquadCoefficients withFeedback (const Prototype& p) noexcept
{
    BiquadCoefficients c;
    c.a0 = 1.0 + p.alpha;
    c.a1 = (-2.0 * p.cosine) / c.a0;
    c.a2 = (1.0 - p.alpha) / c.a0;
    return c;
}
} // namespace

BiquadCoefficients makeLowPassCoefficients (double frequency, double q, double sampleRate) noexcept
{
    const auto p = prototypeFor (frequency, q, sampleRate);
    auto c = withFeedback (p);
    c.b0 = (0.5 * (1.0 - p.cosine)) / c.a0;
    c.b1 = (1.0 - p.cosine) / c.a0;
    c.b2 = c.b0;
    return c;
}

BiquadCoefficients makeHighPassCoefficients (double frequency, double q, double sampleRate) noexcept
{
    const auto p = prototypeFor (frequency, q, sampleRate);
    auto c = withFeedback (p);
    c.b0 = ((p.cosine + 1.0) * 0.5) / c.a0;
    c.b1 = -(p.cosine + 1.0) / c.a0;
    c.b2 = c.b0;
    return c;
}

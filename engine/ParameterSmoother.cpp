#include "ParameterSmoother.h"

#include <cmath>

namespace
{
// The millisecond factor is 0.001 rounded to single precision. Every glide of the product has been timed with
// it, so renders stay identical to earlier ones; the difference is a few parts in 10^8 of the time.
constexpr double secondsPerMillisecond = static_cast<double> (0.001f);
} // namespace

ParameterSmoother::ParameterSmoother (double initialTimeMs, double exponent, double startValue) noexcept
    : timeMs (initialTimeMs)
    , current (startValue)
    , k (exponent)
{
    calculateCoefficient();
}

void ParameterSmoother::setSampleRate (double newSampleRate) noexcept
{
    sampleRate = newSampleRate;
    calculateCoefficient();
}

void ParameterSmoother::setTimeMs (double newTimeMs) noexcept
{
    timeMs = newTimeMs;
    calculateCoefficient();
}

void ParameterSmoother::calculateCoefficient() noexcept
{
    coefficient = 1.0 - std::exp (k / ((timeMs * secondsPerMillisecond) * sampleRate));
}

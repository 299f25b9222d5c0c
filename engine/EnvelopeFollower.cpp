#include "EnvelopeFollower.h"

#include <cmath>

EnvelopeFollower::EnvelopeFollower (double initialAttackMs, double initialReleaseMs, double exponent,
                                    double startValue) noexcept
    : attackMs (initialAttackMs)
    , releaseMs (initialReleaseMs)
    , current (startValue)
    , k (exponent)
{
    calculateCoefficients();
}

void EnvelopeFollower::setSampleRate (double newSampleRate) noexcept
{
    sampleRate = newSampleRate;
    calculateCoefficients();
}

void EnvelopeFollower::setAttackMs (double newAttackMs) noexcept
{
    attackMs = newAttackMs;
    calculateCoefficients();
}

void EnvelopeFollower::setReleaseMs (double newReleaseMs) noexcept
{
    releaseMs = newReleaseMs;
    calculateCoefficients();
}

double EnvelopeFollower::coefficientFor (double timeMs) const noexcept
{
    if (timeMs == 0.0)
        return 1.0;

    return 1.0 - std::exp (k / ((timeMs * 0.001) * sampleRate));
}

void EnvelopeFollower::calculateCoefficients() noexcept
{
    attackCoefficient = coefficientFor (attackMs);
    releaseCoefficient = coefficientFor (releaseMs);
}

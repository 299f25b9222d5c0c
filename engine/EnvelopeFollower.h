#pragma once

#include "DenormalGuards.h"

// A one-pole follower that rises with one rate and falls with another. A time of 0 ms follows at once.
class EnvelopeFollower
{
public:
    EnvelopeFollower (double attackMs, double releaseMs, double k, double startValue) noexcept;

    // Keeps the attack and release lengths in milliseconds at the new rate.
    void setSampleRate (double newSampleRate) noexcept;
    void setAttackMs (double newAttackMs) noexcept;
    void setReleaseMs (double newReleaseMs) noexcept;

    // The value to use is guarded against subnormals; the stored state is left as it is so the decay keeps
    // its exact shape.
    double next (double x) noexcept
    {
        if (x == current)
            return x;

        moveToward (x);
        return Tarvik::Utility::guardDoublePrecision (current);
    }

    // For followers running on decibels, which never come near the subnormal range.
    double nextWithoutGuard (double x) noexcept
    {
        moveToward (x);
        return current;
    }

    double getCurrent() const noexcept { return current; }
    double getAttackCoefficient() const noexcept { return attackCoefficient; }
    double getReleaseCoefficient() const noexcept { return releaseCoefficient; }

private:
    void moveToward (double x) noexcept
    {
        if (x > current)
            current = current + (x - current) * attackCoefficient;
        else if (x < current)
            current = current + (x - current) * releaseCoefficient;
    }

    double coefficientFor (double timeMs) const noexcept;
    void calculateCoefficients() noexcept;

    double sampleRate = 44100.0;
    double attackMs;
    double releaseMs;
    double attackCoefficient = 1.0;
    double releaseCoefficient = 1.0;
    double current;
    double k;
};

#pragma once

#include "EnvelopeFollower.h"
#include "ParameterSmoother.h"

#include <cmath>

// Changes the level of each channel by the difference, in dB, between two envelopes of a detector signal,
// times an emphasis. Detector A drives the left channel, detector B the right; the amount cross-fades between
// the untouched and the shaped frame.
class TransientShaper
{
public:
    // Envelope 1 and envelope 2 are the pair compared: a positive emphasis raises the level where envelope 1
    // lies above envelope 2.
    struct Settings
    {
        double emphasis = 0.0;
        double envelope1AttackMs = 0.0;
        double envelope1ReleaseMs = 100.0;
        double envelope2AttackMs = 10.0;
        double envelope2ReleaseMs = 100.0;
    };

    TransientShaper() noexcept;
    explicit TransientShaper (const Settings& settings) noexcept;

    // Keeps every time constant its length in milliseconds.
    void setSampleRate (double newSampleRate) noexcept;

    // Share of the shaped signal, 0 to 1.
    void setAmount (double newAmount) noexcept { amount = newAmount; }
    double getAmount() const noexcept { return amount; }

    void process (double& left, double& right, double detectorA, double detectorB) noexcept
    {
        const double a = std::abs (detectorA);
        const double b = std::abs (detectorB);
        const double eA1 = envelopeA1.next (a);
        const double eA2 = envelopeA2.next (a);
        const double eB1 = envelopeB1.next (b);
        const double eB2 = envelopeB2.next (b);
        const double m = emphasisSmoother.next (emphasis);
        const double gainLeft = std::pow (10.0, ((decibels (eA1) - decibels (eA2)) * m) / 20.0);
        const double gainRight = std::pow (10.0, ((decibels (eB1) - decibels (eB2)) * m) / 20.0);
        const double v = amountSmoother.next (amount);

        left = left * (1.0 - v) + (gainLeft * left) * v;
        right = (1.0 - v) * right + (gainRight * right) * v;
    }

private:
    static double decibels (double envelope) noexcept
    {
        // -96 dB rounded to single precision: the shaper's floor has always been this value, a hair below
        // Tarvik::Utility::AMP_96_DB.
        constexpr double floorLinear = 1.5848931070649996e-05;
        return envelope > floorLinear ? 20.0 * std::log10 (envelope) : -96.0;
    }

    double emphasis;
    double amount = 1.0;
    EnvelopeFollower envelopeA1;
    EnvelopeFollower envelopeA2;
    EnvelopeFollower envelopeB1;
    EnvelopeFollower envelopeB2;
    ParameterSmoother emphasisSmoother;
    ParameterSmoother amountSmoother;
};

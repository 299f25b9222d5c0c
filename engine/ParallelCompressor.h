#pragma once

#include "AmplitudeConstants.h"
#include "Decibels.h"
#include "EnvelopeFollower.h"
#include "OnePoleTiming.h"
#include "ParameterSmoother.h"

#include <algorithm>
#include <cmath>

// A soft-knee compressor on the RMS level, linked across both channels, that also carries its section's mix
// of dry and compressed signal, output level and bypass.
class ParallelCompressor
{
public:
    struct Settings
    {
        double ratio = 1.0;
        double thresholdDb = 0.0;
        double kneeDb = 0.0;
        double rmsTimeMs = 30.0;
        double attackMs = 0.0;
        double releaseMs = 0.0;
        double level = 1.0;
    };

    ParallelCompressor() noexcept;
    explicit ParallelCompressor (const Settings& settings) noexcept;

    // Keeps every time constant its length in milliseconds.
    void setSampleRate (double newSampleRate) noexcept;

    // Share of the compressed signal in the mix, 0 to 1.
    void setAmount (double newAmount) noexcept { amount = newAmount; }

    // 1 passes the input, 0 the section's mix.
    void setBypass (double newBypass) noexcept { bypass = newBypass; }
    double getAmount() const noexcept { return amount; }
    double getBypass() const noexcept { return bypass; }

    void process (double& left, double& right) noexcept
    {
        const double inLeft = left;
        const double inRight = right;

        const double magnitude = (std::abs (inLeft) + std::abs (inRight)) * 0.5;
        const double rms = std::sqrt (rmsAverager.next (magnitude * magnitude));
        const double levelDb = Tarvik::Utility::flooredDecibels (rms, detectionFloor, -96.0);
        const double reductionDb = gainReduction.next (-std::min (0.0, overThreshold (levelDb)));
        const double gain = std::pow (10.0, reductionDb / -20.0);

        const double q = amountSmoother.next (amount);
        const double v = levelSmoother.next (level);
        const double b = bypassSmoother.next (bypass);

        const double mixLeft = (inLeft * (1.0 - q) + (inLeft * gain) * q) * v;
        const double mixRight = (inRight * (1.0 - q) + (inRight * gain) * q) * v;

        left = inLeft * b + mixLeft * (1.0 - b);
        right = inRight * b + mixRight * (1.0 - b);
    }

private:
    // Negative by the gain reduction wanted, in dB. Inside the knee a parabola that starts flat at its lower
    // edge and meets the straight line at its upper edge.
    double overThreshold (double levelDb) const noexcept
    {
        const double slope = 1.0 - 1.0 / ratio;

        if (kneeDb > 0.0 && kneeLowDb < levelDb && levelDb < kneeHighDb)
            return (slope * (((levelDb - kneeLowDb) / kneeDb) * 0.5)) * (kneeLowDb - levelDb);

        return (thresholdDb - levelDb) * slope;
    }

    double ratio;
    double thresholdDb;
    double kneeDb;
    double kneeLowDb;
    double kneeHighDb;
    double level;
    double amount = 1.0;
    double bypass = 0.0;
    double detectionFloor = Tarvik::Utility::AMP_96_DB;
    EnvelopeFollower gainReduction;
    ParameterSmoother rmsAverager;
    ParameterSmoother bypassSmoother{ 20.0, Tarvik::Utility::covers99Point3Percent, 0.0 };
    ParameterSmoother levelSmoother{ 20.0, Tarvik::Utility::covers99Point3Percent, 0.0 };
    ParameterSmoother amountSmoother{ 20.0, Tarvik::Utility::covers99Point3Percent, 0.0 };
};

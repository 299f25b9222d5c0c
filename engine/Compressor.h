#pragma once

#include "AmplitudeConstants.h"
#include "Decibels.h"
#include "EnvelopeFollower.h"
#include "OnePoleTiming.h"
#include "ParameterSmoother.h"

#include <algorithm>
#include <cmath>

// A hard-knee compressor linked across both channels by the mean of their magnitudes. The detector sees every
// sample as it is; the gain reduction, in decibels, is what gets smoothed.
class Compressor
{
public:
    struct Settings
    {
        double ratio = 1.0;
        double thresholdDb = 0.0;
        double attackMs = 0.0;
        double releaseMs = 0.0;
        double makeupGain = 1.0;
    };

    Compressor() noexcept;
    explicit Compressor (const Settings& settings) noexcept;

    // Keeps every time constant its length in milliseconds.
    void setSampleRate (double newSampleRate) noexcept;

    void process (double& left, double& right) noexcept
    {
        const double magnitude = (std::abs (left) + std::abs (right)) * 0.5;
        const double levelDb = Tarvik::Utility::flooredDecibels (magnitude, detectionFloor, -96.0);
        const double threshold = thresholdSmoother.next (thresholdDb);
        const double over = (threshold - levelDb) * (1.0 - 1.0 / ratio);
        const double reductionDb = gainReduction.next (-std::min (0.0, over));
        const double gain = std::pow (10.0, reductionDb / -20.0);
        const double makeup = makeupSmoother.next (makeupGain);

        left = (left * gain) * makeup;
        right = (right * gain) * makeup;
    }

private:
    double ratio;
    double thresholdDb;
    double makeupGain;
    double detectionFloor = Tarvik::Utility::AMP_96_DB;
    EnvelopeFollower gainReduction;
    ParameterSmoother makeupSmoother{ 20.0, Tarvik::Utility::covers99Point3Percent, 0.0 };
    ParameterSmoother thresholdSmoother{ 20.0, Tarvik::Utility::covers99Point3Percent, 0.0 };
};

#include "TarvikEffect.h"

#include "EngineSettings.h"
#include "InputSanitiser.h"
#include "OnePoleTiming.h"

namespace
{
namespace settings = Tarvik::EngineSettings;

ParameterSmoother controlSmoother (double startValue) noexcept
{
    return { settings::controlSmoothingMs, Tarvik::Utility::covers99Point3Percent, startValue };
}

bool isStereoChannel (int channel) noexcept
{
    return channel == 0 || channel == 1;
}
} // namespace

// The section smoothers start at 0 and power and gain at 1, so the output rises from silence over the first
// 20 ms instead of starting with a click.
TarvikEffect::TarvikEffect() noexcept
    : sidechainCrossfeed (settings::sidechainCrossfeed)
    , transientsBypassSmoother (controlSmoother (0.0))
    , sidechainCrossfeedSmoother (controlSmoother (0.0))
    , transientShaper1 (settings::transientShaper1)
    , transientShaper2 (settings::transientShaper2)
    , bandSplit (settings::crossoverLowHz, settings::crossoverMidHz, settings::crossoverHighHz)
    , multibandBypassSmoother (controlSmoother (0.0))
    , multibandAmountSmoother (controlSmoother (0.0))
    , bandCompressors{ Compressor (settings::bandCompressors[0]), Compressor (settings::bandCompressors[1]),
                       Compressor (settings::bandCompressors[2]), Compressor (settings::bandCompressors[3]) }
    , parallelCompressor (settings::parallelCompressor)
    , powerSmoother (controlSmoother (1.0))
    , gainSmoother (controlSmoother (1.0))
{
    for (auto* highPass : { &sidechainHighPassA, &sidechainHighPassB })
    {
        highPass->setFrequency (settings::sidechainHighPassHz);
        highPass->setQ (settings::sidechainQ);
        highPass->calculateCoefficients();
    }

    for (auto* lowPass : { &sidechainLowPassA, &sidechainLowPassB })
    {
        lowPass->setFrequency (settings::sidechainLowPassHz);
        lowPass->setQ (settings::sidechainQ);
        lowPass->calculateCoefficients();
    }
}

void TarvikEffect::init (double sampleRate) noexcept
{
    for (auto* smoother : { &transientsBypassSmoother, &sidechainCrossfeedSmoother, &multibandBypassSmoother,
                            &multibandAmountSmoother, &powerSmoother, &gainSmoother })
        smoother->setSampleRate (sampleRate);

    transientShaper1.setSampleRate (sampleRate);
    transientShaper2.setSampleRate (sampleRate);
    sidechainHighPassA.setSampleRate (sampleRate);
    sidechainHighPassB.setSampleRate (sampleRate);
    sidechainLowPassA.setSampleRate (sampleRate);
    sidechainLowPassB.setSampleRate (sampleRate);
    bandSplit.setSampleRate (sampleRate);

    for (auto& compressor : bandCompressors)
        compressor.setSampleRate (sampleRate);

    parallelCompressor.setSampleRate (sampleRate);

    for (int channel = 0; channel < 2; ++channel)
    {
        levelMeters[channel].setSampleRate (sampleRate);
        clipDetectors[channel].init (sampleRate);
        maxValueDetectors[channel].init (sampleRate);
    }
}

void TarvikEffect::setTransientsAmount (double share) noexcept
{
    transientShaper1.setAmount (share);
    transientShaper2.setAmount (share);
}

void TarvikEffect::process (double& left, double& right) noexcept
{
    Tarvik::Utility::sanitiseFrame (left, right);
    const Frame input{ left, right };

    const Frame x = shapeTransients (input);
    const Frame compressed = compressBands (x);

    const double a = multibandAmountSmoother.next (multibandAmount);
    const double yLeft = (1.0 - a) * x.left + a * compressed.left;
    const double yRight = (1.0 - a) * x.right + a * compressed.right;

    const double p = multibandBypassSmoother.next (multibandBypass);
    double vLeft = (1.0 - p) * yLeft + p * x.left;
    double vRight = (1.0 - p) * yRight + p * x.right;

    parallelCompressor.process (vLeft, vRight);

    const double g = gainSmoother.next (gain);
    vLeft = vLeft * g;
    vRight = vRight * g;

    const double w = powerSmoother.next (power);
    const Frame output{ vLeft * w + input.left * (1.0 - w), vRight * w + input.right * (1.0 - w) };

    left = output.left;
    right = output.right;
    meter (output);
}

TarvikEffect::Frame TarvikEffect::shapeTransients (Frame input) noexcept
{
    const double c = sidechainCrossfeedSmoother.next (sidechainCrossfeed);
    const double detectorA =
        sidechainLowPassA.processSample (sidechainHighPassA.processSample (c * input.right + (1.0 - c) * input.left));
    const double detectorB =
        sidechainLowPassB.processSample (sidechainHighPassB.processSample (c * input.left + (1.0 - c) * input.right));

    Frame shaped = input;
    transientShaper1.process (shaped.left, shaped.right, detectorA, detectorB);
    transientShaper2.process (shaped.left, shaped.right, detectorA, detectorB);

    const double b = transientsBypassSmoother.next (transientsBypass);
    return { (1.0 - b) * shaped.left + b * input.left, (1.0 - b) * shaped.right + b * input.right };
}

TarvikEffect::Frame TarvikEffect::compressBands (Frame input) noexcept
{
    auto bandsLeft = bandSplit.split (input.left, 0);
    auto bandsRight = bandSplit.split (input.right, 1);

    for (int band = 0; band < BandSplit::numBands; ++band)
        bandCompressors[band].process (bandsLeft[band], bandsRight[band]);

    return { BandSplit::sum (bandsLeft), BandSplit::sum (bandsRight) };
}

void TarvikEffect::meter (Frame output) noexcept
{
    levelMeters[0].addSample (output.left);
    levelMeters[1].addSample (output.right);
    clipDetectors[0].addSample (output.left);
    clipDetectors[1].addSample (output.right);
    maxValueDetectors[0].addSample (output.left);
    maxValueDetectors[1].addSample (output.right);
}

float TarvikEffect::getNormalizedMeterValue (int channel) const noexcept
{
    return isStereoChannel (channel) ? static_cast<float> (levelMeters[channel].getNormalizedValue()) : 0.0f;
}

bool TarvikEffect::getChannelIsClipped (int channel) const noexcept
{
    return isStereoChannel (channel) && clipDetectors[channel].isClipped();
}

float TarvikEffect::getMaxValue (int channel) const noexcept
{
    return isStereoChannel (channel) ? static_cast<float> (maxValueDetectors[channel].getMaxValueDb()) : 0.0f;
}

float TarvikEffect::getNormalizedSidewaysMeterValue (int) const noexcept
{
    return 1.0f;
}

bool TarvikEffect::getIsClipped (int) const noexcept
{
    return true;
}

TarvikEffect::Targets TarvikEffect::getTargets() const noexcept
{
    return { power,
             transientShaper1.getAmount(),
             transientsBypass,
             multibandAmount,
             multibandBypass,
             parallelCompressor.getAmount(),
             parallelCompressor.getBypass(),
             gain };
}

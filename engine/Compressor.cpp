#include "Compressor.h"

Compressor::Compressor() noexcept
    : Compressor (Settings{})
{
}

Compressor::Compressor (const Settings& settings) noexcept
    : ratio (settings.ratio)
    , thresholdDb (settings.thresholdDb)
    , makeupGain (settings.makeupGain)
    , gainReduction (settings.attackMs, settings.releaseMs, Tarvik::Utility::covers99Percent, 0.0)
{
}

void Compressor::setSampleRate (double newSampleRate) noexcept
{
    gainReduction.setSampleRate (newSampleRate);
    makeupSmoother.setSampleRate (newSampleRate);
    thresholdSmoother.setSampleRate (newSampleRate);
}

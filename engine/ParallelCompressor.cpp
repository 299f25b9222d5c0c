#include "ParallelCompressor.h"

ParallelCompressor::ParallelCompressor() noexcept
    : ParallelCompressor (Settings{})
{
}

ParallelCompressor::ParallelCompressor (const Settings& settings) noexcept
    : ratio (settings.ratio)
    , thresholdDb (settings.thresholdDb)
    , kneeDb (settings.kneeDb)
    , kneeLowDb (settings.thresholdDb - settings.kneeDb / 2.0)
    , kneeHighDb (settings.thresholdDb + settings.kneeDb / 2.0)
    , level (settings.level)
    , gainReduction (settings.attackMs, settings.releaseMs, Tarvik::Utility::covers99Percent, 0.0)
    , rmsAverager (settings.rmsTimeMs, Tarvik::Utility::covers63Percent, 0.0)
{
}

void ParallelCompressor::setSampleRate (double newSampleRate) noexcept
{
    gainReduction.setSampleRate (newSampleRate);
    rmsAverager.setSampleRate (newSampleRate);
    bypassSmoother.setSampleRate (newSampleRate);
    levelSmoother.setSampleRate (newSampleRate);
    amountSmoother.setSampleRate (newSampleRate);
}

#include "TransientShaper.h"

#include "OnePoleTiming.h"

namespace
{
constexpr double k = Tarvik::Utility::covers63Percent;
constexpr double smoothingMs = 25.0;
} // namespace

TransientShaper::TransientShaper() noexcept
    : TransientShaper (Settings{})
{
}

TransientShaper::TransientShaper (const Settings& settings) noexcept
    : emphasis (settings.emphasis)
    , envelopeA1 (settings.envelope1AttackMs, settings.envelope1ReleaseMs, k, 0.0)
    , envelopeA2 (settings.envelope2AttackMs, settings.envelope2ReleaseMs, k, 0.0)
    , envelopeB1 (settings.envelope1AttackMs, settings.envelope1ReleaseMs, k, 0.0)
    , envelopeB2 (settings.envelope2AttackMs, settings.envelope2ReleaseMs, k, 0.0)
    , emphasisSmoother (smoothingMs, k, 0.0)
    , amountSmoother (smoothingMs, k, 0.0)
{
}

void TransientShaper::setSampleRate (double newSampleRate) noexcept
{
    envelopeA1.setSampleRate (newSampleRate);
    envelopeA2.setSampleRate (newSampleRate);
    envelopeB1.setSampleRate (newSampleRate);
    envelopeB2.setSampleRate (newSampleRate);
    emphasisSmoother.setSampleRate (newSampleRate);
    amountSmoother.setSampleRate (newSampleRate);
}

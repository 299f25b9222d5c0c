#include "LevelMeter.h"

#include "AmplitudeConstants.h"
#include "OnePoleTiming.h"

namespace
{
constexpr double releaseMs = 2500.0;
} // namespace

LevelMeter::LevelMeter() noexcept
    : envelope (0.0, releaseMs, Tarvik::Utility::covers99Percent, -48.0)
    , floorLin (Tarvik::Utility::AMP_48_DB)
{
}

void LevelMeter::setSampleRate (double newSampleRate) noexcept
{
    envelope.setSampleRate (newSampleRate);
}

#include "BandSplit.h"

BandSplit::BandSplit (double lowHz, double midHz, double highHz) noexcept
    : crossoverLow (lowHz)
    , crossoverMid (midHz)
    , crossoverHigh (highHz)
{
}

void BandSplit::setSampleRate (double newSampleRate) noexcept
{
    crossoverLow.setSampleRate (newSampleRate);
    crossoverMid.setSampleRate (newSampleRate);
    crossoverHigh.setSampleRate (newSampleRate);
}

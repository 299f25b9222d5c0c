#include "FilterLowPassStereo.h"

FilterLowPassStereo::FilterLowPassStereo (double initialFrequency) noexcept
    : frequency (initialFrequency)
{
    calculateCoefficients();
}

void FilterLowPassStereo::setFrequency (double newFrequency) noexcept
{
    frequency = newFrequency;
    calculateCoefficients();
}

void FilterLowPassStereo::setSampleRate (double newSampleRate) noexcept
{
    sampleRate = newSampleRate;
    calculateCoefficients();
}

void FilterLowPassStereo::calculateCoefficients() noexcept
{
    coefficients = makeLowPassCoefficients (frequency, q, sampleRate);
}

#include "core/DisplayFeed.h"

namespace DisplayFeed
{
void prepare (juce::AudioVisualiserComponent& display, juce::AudioBuffer<float>& work, double sampleRate, int samplesPerBlock)
{
    display.setBufferSize (points);
    display.setSamplesPerBlock (samplesPerPoint (sampleRate));
    display.setNumChannels (1);
    work.setSize (1, samplesPerBlock, false, true, false);
}

void compute (const juce::AudioBuffer<float>& block, juce::AudioBuffer<float>& work) noexcept
{
    const auto numSamples = block.getNumSamples();

    work.clear();
    // Keeps the allocation when it is large enough, so a shorter block never reaches the heap.
    if (work.getNumSamples() != numSamples)
        work.setSize (1, numSamples, false, true, true);

    for (int channel = 0; channel < block.getNumChannels(); ++channel)
        work.addFrom (0, 0, block, channel, 0, numSamples);

    work.applyGain (0.5f);

    auto* samples = work.getWritePointer (0);
    for (int i = 0; i < numSamples; ++i)
        samples[i] = samples[i] < 0.0f ? -std::sqrt (-samples[i]) : std::sqrt (samples[i]);
}

void push (const juce::AudioBuffer<float>& block, juce::AudioBuffer<float>& work, juce::AudioVisualiserComponent& display) noexcept
{
    compute (block, work);
    display.pushBuffer (work);
}
} // namespace DisplayFeed

#pragma once

#include <juce_audio_utils/juce_audio_utils.h>

// Feeds a waveform display with the mid signal of a block: every channel summed and halved,
// then lifted by a signed square root so that quiet passages stay visible.
namespace DisplayFeed
{
// Sizes a display for 125 points of about 40 ms each and its work buffer for a block.
void prepare (juce::AudioVisualiserComponent& display, juce::AudioBuffer<float>& work, double sampleRate, int samplesPerBlock);

// Fills work (one channel, the block's length) with what the display is to show.
void compute (const juce::AudioBuffer<float>& block, juce::AudioBuffer<float>& work) noexcept;

void push (const juce::AudioBuffer<float>& block, juce::AudioBuffer<float>& work, juce::AudioVisualiserComponent& display) noexcept;

constexpr int points = 125;

// The single-precision 0.04 is part of the display's timing: 44100 Hz gives 1763 samples, not 1764.
constexpr int samplesPerPoint (double sampleRate) noexcept
{
    return static_cast<int> (sampleRate * static_cast<double> (0.04f));
}
} // namespace DisplayFeed

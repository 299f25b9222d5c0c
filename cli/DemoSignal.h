#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

// The built-in demo signal: four bars of a groove at 120 BPM and a one-second ending, stereo at
// 44.1 kHz. A quiet intro of hats under a swelling pad, a full bar, a sparse breakdown and a loud
// last bar with a snare fill give the processor transients, sustained tones and level changes to
// work on. Generated from a fixed seed: every call gives the same samples.
namespace DemoSignal
{
inline constexpr double sampleRate = 44100.0;
inline constexpr double lengthSeconds = 9.0;
inline constexpr int numChannels = 2;

// The bit depth the demo counts as having, and so the depth its render is written at.
inline constexpr int bitsPerSample = 24;

juce::AudioBuffer<float> generate();
} // namespace DemoSignal

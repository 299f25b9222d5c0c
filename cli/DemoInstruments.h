#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <vector>

// The sounds of the demo signal, each made as a mono sound from scratch and then placed in the
// stereo mix. Noise comes from the Random the caller hands in, so a seeded one repeats exactly.
namespace DemoInstruments
{
using Sound = std::vector<float>;

// A sine whose pitch falls fast from about 150 Hz to 48 Hz, decaying over half a second.
Sound kick (double sampleRate);

// A short tone body under a burst of bright noise.
Sound snare (double sampleRate, juce::Random& random);

// Differentiated noise: a tick when closed, a longer hiss when open.
Sound hat (double sampleRate, juce::Random& random, bool open);

// A plucked, slightly saturated note with a few harmonics.
Sound bassNote (double sampleRate, double frequency, double seconds);

// Soft band-limited saws, one per frequency, fading in and out over the chord's length.
Sound padChord (double sampleRate, const std::vector<double>& frequencies, double seconds, double detuneCents);

double noteFrequency (int midiNote) noexcept;

// Adds the sound into the mix from startSample on, at a gain and a constant-power pan
// (-1 left to 1 right); what would fall beyond the mix's end is dropped.
void place (juce::AudioBuffer<float>& mix, const Sound& sound, int startSample, float gain, float pan);
} // namespace DemoInstruments

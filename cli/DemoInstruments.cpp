#include "cli/DemoInstruments.h"

#include <cmath>

namespace DemoInstruments
{
namespace
{
constexpr double twoPi = juce::MathConstants<double>::twoPi;

Sound emptySound (double sampleRate, double seconds)
{
    return Sound (static_cast<size_t> (std::ceil (sampleRate * seconds)), 0.0f);
}

double decay (double time, double timeConstant) noexcept
{
    return std::exp (-time / timeConstant);
}

float whiteNoise (juce::Random& random) noexcept
{
    return random.nextFloat() * 2.0f - 1.0f;
}
} // namespace

Sound kick (double sampleRate)
{
    auto sound = emptySound (sampleRate, 0.5);
    double phase = 0.0;

    for (size_t i = 0; i < sound.size(); ++i)
    {
        const auto time = static_cast<double> (i) / sampleRate;
        const auto frequency = 48.0 + 100.0 * decay (time, 0.025);
        phase += twoPi * frequency / sampleRate;
        sound[i] = static_cast<float> (std::sin (phase) * decay (time, 0.16));
    }

    return sound;
}

Sound snare (double sampleRate, juce::Random& random)
{
    auto sound = emptySound (sampleRate, 0.3);
    float smoothed = 0.0f;

    for (size_t i = 0; i < sound.size(); ++i)
    {
        const auto time = static_cast<double> (i) / sampleRate;
        const auto noise = whiteNoise (random);
        smoothed += 0.25f * (noise - smoothed);
        const auto bright = noise - smoothed; // the noise less its low end
        const auto body = std::sin (twoPi * 185.0 * time) * decay (time, 0.04);
        sound[i] = static_cast<float> (0.6 * body + 0.9 * bright * decay (time, 0.07));
    }

    return sound;
}

Sound hat (double sampleRate, juce::Random& random, bool open)
{
    const auto timeConstant = open ? 0.09 : 0.012;
    auto sound = emptySound (sampleRate, open ? 0.4 : 0.08);
    float previous = 0.0f, previousDifference = 0.0f;

    for (size_t i = 0; i < sound.size(); ++i)
    {
        const auto time = static_cast<double> (i) / sampleRate;
        const auto noise = whiteNoise (random);
        const auto difference = noise - previous;
        const auto secondDifference = difference - previousDifference; // twice differentiated: mostly highs
        previous = noise;
        previousDifference = difference;
        sound[i] = static_cast<float> (0.3 * secondDifference * decay (time, timeConstant));
    }

    return sound;
}

Sound bassNote (double sampleRate, double frequency, double seconds)
{
    auto sound = emptySound (sampleRate, seconds);
    const auto attack = 0.004, release = 0.025, drive = 1.8;

    for (size_t i = 0; i < sound.size(); ++i)
    {
        const auto time = static_cast<double> (i) / sampleRate;
        const auto phase = twoPi * frequency * time;
        const auto wave = std::sin (phase) + 0.35 * std::sin (2.0 * phase) + 0.15 * std::sin (3.0 * phase);
        const auto shaped = std::tanh (drive * wave) / std::tanh (drive);

        const auto rise = std::min (1.0, time / attack);
        const auto fall = std::min (1.0, (seconds - time) / release);
        const auto body = 0.55 + 0.45 * decay (time, 0.08);
        sound[i] = static_cast<float> (shaped * body * rise * std::max (0.0, fall));
    }

    return sound;
}

Sound padChord (double sampleRate, const std::vector<double>& frequencies, double seconds, double detuneCents)
{
    constexpr int harmonics = 6;
    auto sound = emptySound (sampleRate, seconds);
    const auto detune = std::pow (2.0, detuneCents / 1200.0);
    const auto fade = 0.3;
    const auto level = 0.5 / static_cast<double> (std::max<size_t> (1, frequencies.size()));

    for (size_t i = 0; i < sound.size(); ++i)
    {
        const auto time = static_cast<double> (i) / sampleRate;
        double sum = 0.0;

        for (const auto frequency : frequencies)
            for (int k = 1; k <= harmonics; ++k)
                sum += std::sin (twoPi * frequency * detune * k * time) / k;

        const auto envelope = std::min ({ 1.0, time / fade, std::max (0.0, (seconds - time) / fade) });
        sound[i] = static_cast<float> (sum * level * envelope);
    }

    return sound;
}

double noteFrequency (int midiNote) noexcept
{
    return 440.0 * std::pow (2.0, (midiNote - 69) / 12.0);
}

void place (juce::AudioBuffer<float>& mix, const Sound& sound, int startSample, float gain, float pan)
{
    const auto angle = (static_cast<double> (pan) + 1.0) * juce::MathConstants<double>::pi / 4.0;
    const float channelGains[] = { gain * static_cast<float> (std::cos (angle)),
                                   gain * static_cast<float> (std::sin (angle)) };
    const auto available = std::max (0, mix.getNumSamples() - startSample);
    const auto length = std::min (static_cast<int> (sound.size()), available);

    if (length <= 0 || startSample < 0)
        return;

    for (int channel = 0; channel < std::min (2, mix.getNumChannels()); ++channel)
        mix.addFrom (channel, startSample, sound.data(), length, channelGains[channel]);
}
} // namespace DemoInstruments

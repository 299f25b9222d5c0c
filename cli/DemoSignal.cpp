#include "cli/DemoSignal.h"

#include "cli/DemoInstruments.h"

#include <array>

namespace DemoSignal
{
namespace
{
using namespace DemoInstruments;

constexpr double stepSeconds = 0.125; // a sixteenth note at 120 BPM
constexpr int stepsPerBar = 16;
constexpr int bars = 4;
constexpr int seed = 0x5eed;
constexpr float peakLevel = 0.5f; // -6 dBFS: the headroom of a mix before a dynamics processor

// How loud each part plays in a bar; zero leaves a part out.
struct BarPlan
{
    int chordRoot; // MIDI note of the bass; the pad plays the chord above it
    std::array<int, 3> padNotes;
    float hats, kick, snare, bass, pad;
    bool snareFill;
};

// Intro, full groove, breakdown, loud last bar.
constexpr std::array<BarPlan, bars> plan{ {
    { 33, { 57, 60, 64 }, 0.35f, 0.0f, 0.0f, 0.0f, 0.25f, false },
    { 29, { 53, 57, 60 }, 0.9f, 1.0f, 0.8f, 0.55f, 0.2f, false },
    { 36, { 55, 60, 64 }, 0.4f, 0.5f, 0.0f, 0.35f, 0.4f, false },
    { 31, { 55, 59, 62 }, 1.0f, 1.2f, 1.0f, 0.75f, 0.25f, true },
} };

int sampleAt (double seconds) noexcept
{
    return static_cast<int> (std::lround (seconds * sampleRate));
}

int stepSample (int bar, int step) noexcept
{
    return sampleAt ((bar * stepsPerBar + step) * stepSeconds);
}

// A little variation per hit, as a player would have.
float humanise (juce::Random& random, float gain) noexcept
{
    return gain * (0.9f + 0.1f * random.nextFloat());
}

void addDrums (juce::AudioBuffer<float>& mix, int bar, const BarPlan& part, juce::Random& random)
{
    const auto kickSound = kick (sampleRate);

    for (int step = 0; step < stepsPerBar; ++step)
    {
        if (part.hats > 0.0f && step % 2 == 0)
        {
            const auto open = step == 14;
            const auto accent = step % 4 == 0 ? 1.0f : 0.6f;
            // The intro's hats grow louder through the bar.
            const auto swell = part.kick > 0.0f ? 1.0f : 0.3f + 0.7f * static_cast<float> (step) / stepsPerBar;
            place (mix, hat (sampleRate, random, open), stepSample (bar, step),
                   humanise (random, part.hats * accent * swell), 0.35f);
        }

        const auto isKickStep = step == 0 || (part.snare > 0.0f && (step == 8 || step == 10));
        if (part.kick > 0.0f && isKickStep)
            place (mix, kickSound, stepSample (bar, step), humanise (random, part.kick), 0.0f);

        const auto isFillStep = part.snareFill && step >= 12;
        if (part.snare > 0.0f && (step == 4 || step == 12 || isFillStep))
        {
            const auto fillRise = isFillStep ? 0.5f + 0.5f * static_cast<float> (step - 12) / 3.0f : 1.0f;
            place (mix, snare (sampleRate, random), stepSample (bar, step), humanise (random, part.snare * fillRise),
                   -0.1f);
        }
    }
}

void addBass (juce::AudioBuffer<float>& mix, int bar, const BarPlan& part, juce::Random& random)
{
    if (part.bass <= 0.0f)
        return;

    // Eighth notes on the root, jumping an octave on the off-beats of beats two and four.
    for (int step = 0; step < stepsPerBar; step += 2)
    {
        const auto octave = (step == 6 || step == 14) ? 12 : 0;
        const auto note = bassNote (sampleRate, noteFrequency (part.chordRoot + octave), 0.22);
        place (mix, note, stepSample (bar, step), humanise (random, part.bass), 0.0f);
    }
}

void addPad (juce::AudioBuffer<float>& mix, int bar, const BarPlan& part)
{
    std::vector<double> frequencies;
    for (const auto note : part.padNotes)
        frequencies.push_back (noteFrequency (note));

    // Each chord overlaps the next a little so the changes cross-fade; two detuned copies make it wide.
    const auto seconds = stepsPerBar * stepSeconds + 0.3;
    place (mix, padChord (sampleRate, frequencies, seconds, -7.0), stepSample (bar, 0), part.pad, -0.7f);
    place (mix, padChord (sampleRate, frequencies, seconds, 7.0), stepSample (bar, 0), part.pad, 0.7f);
}

// One last hit on the downbeat after the fourth bar, left to ring out.
void addEnding (juce::AudioBuffer<float>& mix, juce::Random& random)
{
    const auto start = stepSample (bars, 0);
    place (mix, kick (sampleRate), start, 1.1f, 0.0f);
    place (mix, hat (sampleRate, random, true), start, 1.2f, 0.35f);
    place (mix, bassNote (sampleRate, noteFrequency (plan.front().chordRoot), 0.8), start, 0.7f, 0.0f);
}

void normalise (juce::AudioBuffer<float>& mix)
{
    const auto peak = mix.getMagnitude (0, mix.getNumSamples());
    if (peak > 0.0f)
        mix.applyGain (peakLevel / peak);
}
} // namespace

juce::AudioBuffer<float> generate()
{
    juce::AudioBuffer<float> mix (numChannels, sampleAt (lengthSeconds));
    mix.clear();
    juce::Random random (seed);

    for (int bar = 0; bar < bars; ++bar)
    {
        const auto& part = plan[(size_t)bar];
        addPad (mix, bar, part);
        addBass (mix, bar, part, random);
        addDrums (mix, bar, part, random);
    }

    addEnding (mix, random);
    normalise (mix);
    return mix;
}
} // namespace DemoSignal

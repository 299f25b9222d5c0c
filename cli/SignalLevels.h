#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <vector>

// Peak and RMS level of each channel of a whole signal, fed block by block.
class SignalLevels
{
public:
    explicit SignalLevels (int numChannels);

    void add (const juce::AudioBuffer<float>& block);

    int getNumChannels() const noexcept { return static_cast<int> (channels.size()); }

    // dBFS; minus infinity for silence.
    double peakDecibels (int channel) const noexcept;
    double rmsDecibels (int channel) const noexcept;

    // Samples of any channel beyond full scale: an integer file clips them.
    juce::int64 samplesBeyondFullScale() const noexcept { return beyondFullScale; }

private:
    struct Channel
    {
        float peak = 0.0f;
        double sumOfSquares = 0.0;
    };

    std::vector<Channel> channels;
    juce::int64 numSamples = 0;
    juce::int64 beyondFullScale = 0;
};

// A fixed number of columns spread evenly over a signal of known length: per column the lowest
// and highest sample of any channel and the mean square over all channels. What a plot of the
// whole signal needs, in memory that does not grow with the signal.
class SignalOverview
{
public:
    struct Column
    {
        float lowest = 0.0f;
        float highest = 0.0f;
        double meanSquare = 0.0;
    };

    SignalOverview (juce::int64 totalSamples, int numColumns);

    void add (const juce::AudioBuffer<float>& block);

    int getNumColumns() const noexcept { return static_cast<int> (columns.size()); }
    Column getColumn (int index) const noexcept;

private:
    struct Accumulator
    {
        float lowest = 0.0f;
        float highest = 0.0f;
        double sumOfSquares = 0.0;
        juce::int64 count = 0;
    };

    int columnOf (juce::int64 sample) const noexcept;

    juce::int64 totalSamples;
    juce::int64 position = 0;
    std::vector<Accumulator> columns;
};

// Decibels of an amplitude, minus infinity for silence.
double toDecibels (double amplitude) noexcept;

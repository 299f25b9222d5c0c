#include "cli/SignalLevels.h"

#include <cmath>
#include <limits>

double toDecibels (double amplitude) noexcept
{
    return amplitude > 0.0 ? 20.0 * std::log10 (amplitude) : -std::numeric_limits<double>::infinity();
}

SignalLevels::SignalLevels (int numChannels)
    : channels (static_cast<size_t> (std::max (0, numChannels)))
{
}

void SignalLevels::add (const juce::AudioBuffer<float>& block)
{
    const auto count = block.getNumSamples();

    for (int channel = 0; channel < std::min (block.getNumChannels(), getNumChannels()); ++channel)
    {
        auto& levels = channels[(size_t)channel];
        const auto* samples = block.getReadPointer (channel);

        for (int i = 0; i < count; ++i)
        {
            const auto magnitude = std::abs (samples[i]);
            levels.peak = std::max (levels.peak, magnitude);
            levels.sumOfSquares += static_cast<double> (samples[i]) * samples[i];
            beyondFullScale += magnitude > 1.0f ? 1 : 0;
        }
    }

    numSamples += count;
}

double SignalLevels::peakDecibels (int channel) const noexcept
{
    return toDecibels (channels[(size_t)channel].peak);
}

double SignalLevels::rmsDecibels (int channel) const noexcept
{
    if (numSamples == 0)
        return toDecibels (0.0);

    return toDecibels (std::sqrt (channels[(size_t)channel].sumOfSquares / static_cast<double> (numSamples)));
}

SignalOverview::SignalOverview (juce::int64 total, int numColumns)
    : totalSamples (std::max<juce::int64> (1, total))
    , columns (static_cast<size_t> (std::max (1, numColumns)))
{
}

int SignalOverview::columnOf (juce::int64 sample) const noexcept
{
    const auto column = sample * static_cast<juce::int64> (columns.size()) / totalSamples;
    return static_cast<int> (juce::jlimit<juce::int64> (0, static_cast<juce::int64> (columns.size()) - 1, column));
}

void SignalOverview::add (const juce::AudioBuffer<float>& block)
{
    for (int i = 0; i < block.getNumSamples(); ++i)
    {
        auto& column = columns[(size_t)columnOf (position + i)];

        for (int channel = 0; channel < block.getNumChannels(); ++channel)
        {
            const auto sample = block.getSample (channel, i);
            column.lowest = column.count == 0 ? sample : std::min (column.lowest, sample);
            column.highest = column.count == 0 ? sample : std::max (column.highest, sample);
            column.sumOfSquares += static_cast<double> (sample) * sample;
            ++column.count;
        }
    }

    position += block.getNumSamples();
}

SignalOverview::Column SignalOverview::getColumn (int index) const noexcept
{
    const auto& column = columns[(size_t)index];

    if (column.count == 0)
        return {};

    return { column.lowest, column.highest, column.sumOfSquares / static_cast<double> (column.count) };
}

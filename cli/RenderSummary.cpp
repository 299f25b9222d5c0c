#include "cli/RenderSummary.h"

#include <cmath>

namespace RenderSummary
{
namespace
{
constexpr int labelWidth = 10;
constexpr int numberWidth = 9;

juce::String channelNames (int numChannels)
{
    return numChannels == 1 ? "mono" : numChannels == 2 ? "stereo" : juce::String (numChannels) + " channels";
}

juce::StringArray columnTitles (int numChannels)
{
    if (numChannels == 1)
        return { "peak", "RMS" };

    juce::StringArray titles;
    for (const auto* measure : { "peak", "RMS" })
        for (const auto* side : { "L", "R" })
            titles.add (juce::String (measure) + " " + side);
    return titles;
}

juce::String row (const juce::String& label, const juce::StringArray& cells)
{
    juce::String text = label.paddedRight (' ', labelWidth);
    for (const auto& cell : cells)
        text << cell.paddedLeft (' ', numberWidth);
    return text + "\n";
}

juce::String labelled (const juce::String& label, const juce::String& value)
{
    return label.paddedRight (' ', labelWidth) + value + "\n";
}

// Words joined by spaces, broken into lines that fit a terminal, each after the label column.
juce::String wrapped (const juce::StringArray& words)
{
    constexpr int lineWidth = 80 - labelWidth;
    juce::String text, line;

    for (const auto& word : words)
    {
        if (line.isNotEmpty() && line.length() + 1 + word.length() > lineWidth)
        {
            text << line << "\n" << juce::String::repeatedString (" ", labelWidth);
            line.clear();
        }
        line << (line.isEmpty() ? "" : " ") << word;
    }

    return text + line;
}

juce::String levelRow (const juce::String& label, const SignalLevels& levels)
{
    juce::StringArray cells;
    for (int channel = 0; channel < levels.getNumChannels(); ++channel)
        cells.add (formatDecibels (levels.peakDecibels (channel)));
    for (int channel = 0; channel < levels.getNumChannels(); ++channel)
        cells.add (formatDecibels (levels.rmsDecibels (channel)));
    return row (label, cells);
}
} // namespace

double realTimeFactor (double signalSeconds, double processingSeconds) noexcept
{
    // A clock tick is the finest time there is to divide by.
    return signalSeconds / std::max (processingSeconds, 1.0e-6);
}

juce::String formatDecibels (double decibels)
{
    return std::isfinite (decibels) ? juce::String (decibels, 1) : juce::String ("-inf");
}

juce::String format (const RenderFacts& facts)
{
    const auto seconds = static_cast<double> (facts.numSamples) / facts.sampleRate;
    const auto numChannels = facts.inputLevels.getNumChannels();

    juce::String text;
    text << labelled ("input", facts.input + ", " + channelNames (numChannels) + ", "
                                   + juce::String (facts.sampleRate, 0) + " Hz, " + juce::String (seconds, 2) + " s");
    text << labelled ("output", facts.output);
    if (facts.plot.isNotEmpty())
        text << labelled ("plot", facts.plot);
    auto settingWords = facts.settings;
    settingWords.add ("(block " + juce::String (facts.blockSize) + ")");
    text << labelled ("settings", wrapped (settingWords));
    text << "\n";

    text << row ("dBFS", columnTitles (numChannels));
    text << levelRow ("input", facts.inputLevels);
    text << levelRow ("output", facts.outputLevels) << "\n";

    text << "rendered " << juce::String (seconds, 2) << " s in " << juce::String (facts.processingSeconds, 3)
         << " s: " << juce::String (realTimeFactor (seconds, facts.processingSeconds), 1) << "x real time\n";
    for (const auto& note : facts.notes)
        text << "note: " << note << "\n";
    return text;
}
} // namespace RenderSummary

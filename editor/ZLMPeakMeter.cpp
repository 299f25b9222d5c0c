#include "editor/ZLMPeakMeter.h"

namespace
{
// The bars are linear in dB from here to 0 dB; a lower peak has no number worth showing.
constexpr float floorDecibels = -48.0f;

constexpr int channelWidth = 15;
constexpr int leftX = 10;
constexpr int clipBoxTop = 15;
constexpr int clipBoxHeight = 12;
constexpr int wellTop = 30;
constexpr int textWidth = 35;
constexpr int textHeight = 15;

// A level that isn't a number in 0..1 would draw a bar outside its well.
float sanitisedLevel (float level) noexcept
{
    return level >= 0.0f ? std::min (level, 1.0f) : 0.0f;
}
} // namespace

ZLMPeakMeter::ZLMPeakMeter (const DataSource* meterSource)
    : source (meterSource)
{
}

ZLMPeakMeter::~ZLMPeakMeter() = default;

juce::String ZLMPeakMeter::peakText (float peakDecibels)
{
    if (! (peakDecibels >= floorDecibels))
        return "-inf";

    return juce::String (peakDecibels, 1);
}

void ZLMPeakMeter::readSource()
{
    if (source == nullptr)
        return;

    for (int channel = 0; channel < 2; ++channel)
        levels[(size_t)channel] = sanitisedLevel (source->getNormalizedMeterValue (channel));

    for (int channel = 0; channel < 2; ++channel)
        clipped[(size_t)channel] = source->getChannelIsClipped (channel);

    for (int channel = 0; channel < 2; ++channel)
        peaks[(size_t)channel] = source->getMaxValue (channel);
}

void ZLMPeakMeter::paint (juce::Graphics& g)
{
    const auto width = getWidth();
    const auto height = getHeight();
    const auto wellHeight = height - 45;
    const std::array<int, 2> channelX{ leftX, width - 25 };

    g.setColour (juce::Colours::black);

    for (const auto x : channelX)
    {
        g.fillRect (x, clipBoxTop, channelWidth, clipBoxHeight);
        g.fillRect (x, wellTop, channelWidth, wellHeight);
    }

    if (isEnabled())
        readSource();

    g.setColour (textColour);
    g.setFont (11.0f);
    g.drawText (peakText (peaks[0]), 0, 0, textWidth, textHeight, juce::Justification::centredTop, true);
    g.drawText (peakText (peaks[1]), width - textWidth, 0, textWidth, textHeight, juce::Justification::centredTop,
                true);

    g.setColour (clipColour);

    for (size_t channel = 0; channel < 2; ++channel)
        if (clipped[channel])
            g.fillRect (channelX[channel], clipBoxTop, channelWidth, clipBoxHeight);

    g.setColour (textColour.withAlpha (getAlpha() * 0.5f));

    for (size_t channel = 0; channel < 2; ++channel)
    {
        const auto top = static_cast<float> (wellTop) + (1.0f - levels[channel]) * static_cast<float> (wellHeight);
        const auto barHeight = std::max (0.0f, static_cast<float> (height - 15) - top);
        g.fillRect (juce::Rectangle<float> (static_cast<float> (channelX[channel]), top,
                                            static_cast<float> (channelWidth), barHeight));
    }

    g.setColour (captionColour);
    g.drawText ("Left", 0, height - textHeight, textWidth, textHeight, juce::Justification::centredBottom, true);
    g.drawText ("Right", width - textWidth, height - textHeight, textWidth, textHeight,
                juce::Justification::centredBottom, true);
}

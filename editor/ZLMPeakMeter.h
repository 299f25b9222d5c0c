#pragma once

#include "engine/MeterDataSources.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

// The two-channel output meter: a bar, a clip box and the held peak of each channel. It reads the
// engine through DataSource whenever it paints (the editor repaints it on every refresh) and keeps
// the readings, which it draws unchanged while it is disabled.
class ZLMPeakMeter : public juce::Component
{
public:
    using DataSource = PeakMeterDataSource;

    explicit ZLMPeakMeter (const DataSource* source);
    ~ZLMPeakMeter() override;

    void paint (juce::Graphics& g) override;

    // The text shown for a held peak in dB: "-inf" below the meter's floor.
    static juce::String peakText (float peakDecibels);

    juce::Colour textColour{ 0x00000000 };    // peak texts and bars
    juce::Colour captionColour{ 0x00000000 }; // "Left" and "Right"
    juce::Colour clipColour{ 0x00000000 };    // a lit clip box

private:
    void readSource();

    const DataSource* const source;
    std::array<float, 2> levels{ 0.0f, 0.0f };
    std::array<bool, 2> clipped{ false, false };
    std::array<float, 2> peaks{ -96.0f, -96.0f };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ZLMPeakMeter)
};

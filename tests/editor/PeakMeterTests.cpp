#include "EditorTestSupport.h"

#include "editor/Palette.h"
#include "editor/ZLMPeakMeter.h"

#include <array>
#include <limits>

using namespace EditorTesting;

namespace
{
class FakeSource : public ZLMPeakMeter::DataSource
{
public:
    float getNormalizedMeterValue (int channel) const noexcept override { return levels[(size_t)channel]; }
    bool getChannelIsClipped (int channel) const noexcept override { return clipped[(size_t)channel]; }
    float getMaxValue (int channel) const noexcept override { return peaks[(size_t)channel]; }

    std::array<float, 2> levels{ 0.0f, 0.0f };
    std::array<bool, 2> clipped{ false, false };
    std::array<float, 2> peaks{ -96.0f, -96.0f };
};

class PeakMeterTest : public ::testing::Test
{
protected:
    PeakMeterTest()
    {
        meter.setBounds (0, 0, 80, 230);
        meter.textColour = Palette::grey;
        meter.captionColour = Palette::caption;
        meter.clipColour = Palette::clip;
    }

    // The bar is the grey at half alpha over the black well.
    const juce::Colour bar = blend (juce::Colours::black, Palette::grey, 0.5f);
    FakeSource source;
    ZLMPeakMeter meter{ &source };
};
} // namespace

TEST_F (PeakMeterTest, SilenceShowsEmptyWellsDarkClipBoxesAndMinusInf)
{
    const auto image = render (meter);

    for (const auto x : { 17, 62 })
    {
        EXPECT_TRUE (coloursNear (image.getPixelAt (x, 20), juce::Colours::black));
        EXPECT_TRUE (coloursNear (image.getPixelAt (x, 31), juce::Colours::black));
        EXPECT_TRUE (coloursNear (image.getPixelAt (x, 214), juce::Colours::black));
    }

    EXPECT_EQ (image.getPixelAt (17, 28).getAlpha(), 0);
    EXPECT_EQ (image.getPixelAt (30, 100).getAlpha(), 0);
    EXPECT_EQ (ZLMPeakMeter::peakText (-96.0f), "-inf");
}

TEST_F (PeakMeterTest, BarsGrowUpwardWithTheLevel)
{
    source.levels = { 0.5f, 1.0f };
    const auto image = render (meter);

    // Level 0.5: (10, 122.5, 15, 92.5). Level 1 fills the well (55, 30, 15, 185).
    EXPECT_TRUE (coloursNear (image.getPixelAt (17, 121), juce::Colours::black));
    EXPECT_TRUE (coloursNear (image.getPixelAt (17, 123), bar));
    EXPECT_TRUE (coloursNear (image.getPixelAt (17, 214), bar));
    EXPECT_TRUE (coloursNear (image.getPixelAt (10, 150), bar));
    EXPECT_TRUE (coloursNear (image.getPixelAt (24, 150), bar));
    EXPECT_EQ (image.getPixelAt (25, 150).getAlpha(), 0);
    EXPECT_FALSE (coloursNear (image.getPixelAt (17, 215), bar));

    EXPECT_TRUE (coloursNear (image.getPixelAt (62, 30), bar));
    EXPECT_TRUE (coloursNear (image.getPixelAt (62, 214), bar));
}

TEST_F (PeakMeterTest, ClipLightsOnlyItsChannelsBox)
{
    source.clipped = { false, true };
    auto image = render (meter);
    EXPECT_TRUE (coloursNear (image.getPixelAt (17, 20), juce::Colours::black));
    EXPECT_TRUE (coloursNear (image.getPixelAt (62, 20), Palette::clip));
    EXPECT_TRUE (coloursNear (image.getPixelAt (55, 15), Palette::clip));
    EXPECT_TRUE (coloursNear (image.getPixelAt (69, 26), Palette::clip));

    source.clipped = { false, false };
    image = render (meter);
    EXPECT_TRUE (coloursNear (image.getPixelAt (62, 20), juce::Colours::black));
}

TEST (ZLMPeakMeter, PeakTextHasOneDecimalAndMinusInfBelowTheFloor)
{
    const struct
    {
        float peak;
        const char* text;
    } cases[]{ { -6.02f, "-6.0" },
               { -48.0f, "-48.0" },
               { -48.1f, "-inf" },
               { 0.0f, "0.0" },
               { 3.46f, "3.5" },
               { -96.0f, "-inf" },
               { std::numeric_limits<float>::quiet_NaN(), "-inf" } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.peak);
        EXPECT_EQ (ZLMPeakMeter::peakText (c.peak), c.text);
    }
}

TEST_F (PeakMeterTest, PeakTextsSitOverTheirBarsAndCaptionsUnder)
{
    source.peaks = { -6.0f, -96.0f };
    const auto image = render (meter);

    for (const auto& area : { juce::Rectangle<int> (0, 0, 35, 15), { 45, 0, 35, 15 } })
        EXPECT_GT (countInked (image, area, Palette::grey), 0);

    for (const auto& area : { juce::Rectangle<int> (0, 215, 35, 15), { 45, 215, 35, 15 } })
        EXPECT_GT (countInked (image, area, Palette::caption), 0);

    EXPECT_EQ (countInked (image, { 30, 0, 20, 230 }, Palette::grey, 1), 0);
}

TEST_F (PeakMeterTest, ReadingsOutsideTheRangeStayInTheWell)
{
    source.levels = { std::numeric_limits<float>::quiet_NaN(), 7.0f };
    const auto image = render (meter);
    EXPECT_TRUE (coloursNear (image.getPixelAt (17, 214), juce::Colours::black));
    EXPECT_TRUE (coloursNear (image.getPixelAt (62, 30), bar));
    EXPECT_EQ (image.getPixelAt (62, 28).getAlpha(), 0);
}

TEST_F (PeakMeterTest, DisabledMeterKeepsItsLastReadings)
{
    juce::Component parent;
    parent.setBounds (0, 0, 100, 300);
    parent.addAndMakeVisible (meter);
    source.levels = { 1.0f, 1.0f };
    render (meter);

    parent.setEnabled (false);
    source.levels = { 0.0f, 0.0f };
    const auto image = render (meter);
    EXPECT_TRUE (coloursNear (image.getPixelAt (17, 40), bar));
}

#include "EditorTestSupport.h"

#include "editor/Fonts.h"
#include "editor/Palette.h"
#include "editor/ZLMPluginNameButton.h"
#include "editor/ZLMPowerButton.h"

using namespace EditorTesting;

namespace
{
class SwitchTest : public ProcessorFixture
{
protected:
    SwitchTest()
    {
        power.setBounds (0, 0, 20, 20);
        power.onColour = Palette::accent;
        power.offColour = Palette::grey;
        name.setBounds (0, 0, 167, 37);
        name.text = "DRAVLEN 2";
        name.textColour = Palette::accent;
    }

    ZLMPowerButton power{ manager(), ParameterIds::transientsPower };
    ZLMPluginNameButton name{ manager(), ParameterIds::power, EditorFonts::createProductNameFont() };
};

// The rightmost column of the image that holds any inked pixel.
int rightmostInkedColumn (const juce::Image& image)
{
    for (int x = image.getWidth() - 1; x >= 0; --x)
        for (int y = 0; y < image.getHeight(); ++y)
            if (image.getPixelAt (x, y).getAlpha() > 0)
                return x;

    return -1;
}
} // namespace

TEST_F (SwitchTest, PowerButtonShowsARingAndWhenOnACentreDisc)
{
    const struct
    {
        float currentValue;
        bool discShown;
    } cases[]{ { 0.0f, false }, { 1.0f, true }, { 2.0f, true }, { 0.4f, false } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.currentValue);
        power.currentValue = c.currentValue;
        const auto image = render (power);

        // A grey ring of radius 8 around (10, 10).
        for (const auto& point : { juce::Point<float> (10, 2), { 18, 10 }, { 10, 18 }, { 2, 10 } })
        {
            EXPECT_GT (coverageAround (image, point), 60);
            EXPECT_TRUE (
                coloursNear (image.getPixelAt (juce::roundToInt (point.x), juce::roundToInt (point.y)).withAlpha (1.0f),
                             Palette::grey, 2));
        }

        // A blue disc of radius 4, nothing between it and the ring.
        EXPECT_TRUE (coloursNear (image.getPixelAt (10, 10), c.discShown ? Palette::accent : juce::Colour (0)));
        EXPECT_TRUE (coloursNear (image.getPixelAt (8, 10), c.discShown ? Palette::accent : juce::Colour (0)));
        EXPECT_EQ (image.getPixelAt (10, 4).getAlpha(), 0);
        EXPECT_EQ (image.getPixelAt (15, 10).getAlpha(), 0);
    }
}

TEST_F (SwitchTest, TinyPowerButtonsDrawNothingBeyondTheirSize)
{
    for (const auto size : { 3, 11 })
    {
        SCOPED_TRACE (size);
        power.setSize (size, size);
        power.currentValue = 1.0f;
        const auto image = render (power);
        EXPECT_EQ (countInked (image, image.getBounds(), Palette::accent, 1), 0);
    }
}

TEST_F (SwitchTest, PowerButtonChangesItsLookOnlyWhenTheShownValueChanges)
{
    set (ParameterIds::transientsPower, 0.0f);
    power.mouseDown (mouseEvent (power, { 10, 10 }));
    EXPECT_EQ (value (ParameterIds::transientsPower), 1.0f);
    EXPECT_TRUE (coloursNear (render (power).getPixelAt (10, 10), juce::Colour (0)));

    power.currentValue = value (ParameterIds::transientsPower);
    EXPECT_TRUE (coloursNear (render (power).getPixelAt (10, 10), Palette::accent));
}

TEST_F (SwitchTest, NameButtonTogglesTheMasterPower)
{
    set (ParameterIds::power, 1.0f);
    name.mouseDown (mouseEvent (name, { 20, 20 }));
    EXPECT_EQ (value (ParameterIds::power), 0.0f);
    name.mouseDown (mouseEvent (name, { 20, 20 }));
    EXPECT_EQ (value (ParameterIds::power), 1.0f);
}

TEST_F (SwitchTest, NameAndLiteAreHalfOpaqueWhileTheMasterIsOff)
{
    const struct
    {
        float currentValue;
        juce::uint8 alpha;
    } cases[]{ { 1.0f, 0xFF }, { 0.0f, 0x7F } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.currentValue);
        name.currentValue = c.currentValue;
        const auto image = render (name);
        const juce::Rectangle<int> nameArea (0, 0, 110, 37), liteArea (127, 0, 40, 37);

        // The strongest pixel of each text is the text colour at the state's alpha.
        EXPECT_GT (countInked (image, nameArea, Palette::accent, c.alpha - 2), 0);
        EXPECT_EQ (countInked (image, nameArea, Palette::accent, c.alpha + 2), 0);
        EXPECT_GT (countInked (image, liteArea, juce::Colours::white, c.alpha - 2), 0);
        EXPECT_EQ (countInked (image, liteArea, juce::Colours::white, c.alpha + 2), 0);
    }
}

TEST_F (SwitchTest, LiteIsRightAlignedWhateverTheNameLength)
{
    name.currentValue = 1.0f;
    const auto shortName = rightmostInkedColumn (render (name));
    name.text = "A VERY LONG PRODUCT NAME INDEED";
    const auto longName = rightmostInkedColumn (render (name));

    EXPECT_GE (shortName, 160);
    EXPECT_EQ (shortName, longName);
}

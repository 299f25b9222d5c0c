#include "EditorTestSupport.h"

#include "editor/Background.h"
#include "editor/Palette.h"

using namespace EditorTesting;

namespace
{
class BackgroundTest : public ::testing::Test
{
protected:
    BackgroundTest()
    {
        background.bracketColour = Palette::caption;
        background.titleColour = Palette::caption;
        background.centreLineColour = Palette::grey;
        background.setBounds (0, 0, 625, 395);
        setPower (true, true, true, true);
    }

    void setPower (bool master, bool transients, bool multiband, bool parallel)
    {
        background.mainPowerOn = master;
        background.transientsOn = master && transients;
        background.multibandOn = master && multiband;
        background.parallelOn = master && parallel;
    }

    // Whether a title's text is drawn at full strength: dimmed text never reaches the full colour.
    static bool titleIsLit (const juce::Image& image, juce::Rectangle<int> area)
    {
        EXPECT_GT (countInked (image, area, Palette::caption.withAlpha (1.0f), 0)
                       + countInked (image, area, blend (Palette::panel, Palette::caption, 0.5f), 0),
                   0);
        return countInked (image, area, Palette::caption) > 0;
    }

    const juce::Rectangle<int> transientsTitle{ 37, 368, 100, 20 }, multibandTitle{ 199, 368, 100, 20 },
        parallelTitle{ 355, 368, 111, 20 };
    const juce::Colour dimmedCentreLine = blend (Palette::panel, Palette::grey, 0x7F / 255.0f);
    // A 1-pixel line on a whole coordinate covers half of each pixel row beside it.
    const juce::Colour guideLine = blend (Palette::panel, juce::Colours::white, 0.5f * 0x33 / 255.0f);
    Background background;
};
} // namespace

TEST_F (BackgroundTest, PanelWithABlackTopBar37PixelsHigh)
{
    const auto image = render (background);
    EXPECT_TRUE (coloursNear (image.getPixelAt (300, 0), Palette::topBar, 0));
    EXPECT_TRUE (coloursNear (image.getPixelAt (5, 36), Palette::topBar, 0));
    EXPECT_TRUE (coloursNear (image.getPixelAt (5, 37), Palette::panel, 0));
    EXPECT_TRUE (coloursNear (image.getPixelAt (620, 390), Palette::panel, 0));
}

TEST_F (BackgroundTest, BracketsUnderTheDisplaysAndOverTheGain)
{
    const auto image = render (background);
    const auto bracket = blend (Palette::panel, Palette::caption, 0x7F / 255.0f);

    for (const auto& point :
         { juce::Point<int> (11, 215), { 250, 209 }, { 494, 215 }, { 511, 287 }, { 560, 281 }, { 604, 287 } })
        EXPECT_TRUE (coloursNear (image.getPixelAt (point.x, point.y), bracket)) << point.toString();

    EXPECT_TRUE (coloursNear (image.getPixelAt (11, 222), Palette::panel, 0));
    EXPECT_TRUE (coloursNear (image.getPixelAt (250, 213), Palette::panel, 0));
}

TEST_F (BackgroundTest, GuideLinesAndCentreLineDimmedByTheMasterPower)
{
    for (const auto master : { true, false })
    {
        SCOPED_TRACE (master ? "master on" : "master off");
        setPower (master, true, true, true);
        const auto image = render (background);

        EXPECT_TRUE (coloursNear (image.getPixelAt (250, 126), master ? Palette::grey : dimmedCentreLine));
        EXPECT_TRUE (coloursNear (image.getPixelAt (12, 127), master ? Palette::grey : dimmedCentreLine));

        for (const auto y : { 97, 67, 157, 187 })
        {
            EXPECT_TRUE (coloursNear (image.getPixelAt (250, y - 1), guideLine)) << y;
            EXPECT_TRUE (coloursNear (image.getPixelAt (250, y), guideLine)) << y;
        }

        EXPECT_TRUE (coloursNear (image.getPixelAt (250, 100), Palette::panel, 0));
        EXPECT_TRUE (coloursNear (image.getPixelAt (496, 127), Palette::panel, 0));
    }
}

TEST_F (BackgroundTest, TitlesDimmedBySectionAndMasterPower)
{
    const struct
    {
        const char* name;
        bool master, transients, multiband, parallel;
    } cases[]{ { "all on", true, true, true, true },
               { "multiband off", true, true, false, true },
               { "master off", false, true, true, true } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        setPower (c.master, c.transients, c.multiband, c.parallel);
        const auto image = render (background);
        EXPECT_EQ (titleIsLit (image, transientsTitle), c.master && c.transients);
        EXPECT_EQ (titleIsLit (image, multibandTitle), c.master && c.multiband);
        EXPECT_EQ (titleIsLit (image, parallelTitle), c.master && c.parallel);
        EXPECT_TRUE (coloursNear (image.getPixelAt (250, 126), c.master ? Palette::grey : dimmedCentreLine));
    }
}

TEST_F (BackgroundTest, DividersOnlyWhenAskedFor)
{
    auto image = render (background);
    EXPECT_TRUE (coloursNear (image.getPixelAt (167, 300), Palette::panel, 0));

    background.showDividers = true;
    image = render (background);
    EXPECT_FALSE (coloursNear (image.getPixelAt (166, 300), Palette::panel, 0));
    EXPECT_FALSE (coloursNear (image.getPixelAt (330, 300), Palette::panel, 0));
    EXPECT_TRUE (coloursNear (image.getPixelAt (167, 240), Palette::panel, 0));
}

TEST_F (BackgroundTest, ResizeRendersThePanelAgainKeepingAbsolutePositions)
{
    background.setBounds (0, 0, 700, 450);
    const auto image = render (background);
    EXPECT_TRUE (coloursNear (image.getPixelAt (690, 36), Palette::topBar, 0));
    EXPECT_TRUE (coloursNear (image.getPixelAt (690, 37), Palette::panel, 0));
    EXPECT_TRUE (coloursNear (image.getPixelAt (690, 440), Palette::panel, 0));
    EXPECT_TRUE (coloursNear (image.getPixelAt (250, 209), blend (Palette::panel, Palette::caption, 0x7F / 255.0f)));
}

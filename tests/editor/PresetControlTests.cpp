#include "EditorTestSupport.h"

#include "editor/Palette.h"
#include "editor/ZLMPresetButton.h"
#include "editor/ZLMPresetLabel.h"

using namespace EditorTesting;

namespace
{
std::unique_ptr<ZLMPresetButton> makeButton (int kind, int width, int height)
{
    auto button = std::make_unique<ZLMPresetButton>();
    button->kind = kind;
    button->colour = Palette::accent;
    button->setBounds (0, 0, width, height);
    return button;
}

bool inked (const juce::Image& image, int x, int y)
{
    return image.getPixelAt (x, y).getAlpha() > 200;
}
bool clear (const juce::Image& image, int x, int y)
{
    return image.getPixelAt (x, y).getAlpha() == 0;
}
} // namespace

TEST (ZLMPresetButton, DrawsTheSymbolOfItsKind)
{
    // At the editor's sizes: arrows 8 x 15, dots 18 x 15, save 16 x 16.
    const struct
    {
        int kind, width, height;
        std::vector<juce::Point<int>> inkedPixels, clearPixels;
    } cases[]{
        { ZLMPresetButton::previous, 8, 15, { { 1, 7 }, { 7, 1 }, { 7, 13 } }, { { 0, 1 }, { 0, 13 } } },
        { ZLMPresetButton::next, 8, 15, { { 6, 7 }, { 0, 1 }, { 0, 13 } }, { { 7, 1 }, { 7, 13 } } },
        { ZLMPresetButton::load,
          18,
          15,
          { { 2, 7 }, { 9, 7 }, { 15, 7 } },
          { { 5, 7 }, { 12, 7 }, { 9, 3 }, { 9, 11 } } },
        { ZLMPresetButton::save,
          16,
          16,
          { { 8, 3 }, { 8, 9 }, { 0, 12 }, { 8, 14 }, { 15, 12 } },
          { { 4, 3 }, { 0, 8 }, { 8, 12 }, { 3, 12 } } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.kind);
        const auto image = render (*makeButton (c.kind, c.width, c.height));

        for (const auto& p : c.inkedPixels)
        {
            EXPECT_TRUE (inked (image, p.x, p.y)) << p.toString();
            EXPECT_TRUE (coloursNear (image.getPixelAt (p.x, p.y).withAlpha (1.0f), juce::Colours::grey))
                << p.toString();
        }

        for (const auto& p : c.clearPixels)
            EXPECT_TRUE (clear (image, p.x, p.y)) << p.toString();
    }
}

TEST (ZLMPresetButton, UnknownKindDrawsNothing)
{
    const auto image = render (*makeButton (4, 16, 16));
    EXPECT_EQ (countInked (image, image.getBounds(), juce::Colours::grey, 1), 0);
}

TEST (ZLMPresetButton, HoverTurnsTheSymbolFromGreyToItsColour)
{
    auto button = makeButton (ZLMPresetButton::next, 8, 15);
    button->mouseEnter (mouseEvent (*button, { 2, 7 }));
    EXPECT_TRUE (coloursNear (render (*button).getPixelAt (2, 7), Palette::accent));

    button->mouseExit (mouseEvent (*button, { 20, 7 }));
    EXPECT_TRUE (coloursNear (render (*button).getPixelAt (2, 7), juce::Colours::grey));
}

TEST (ZLMPresetButton, ActsOnThePress)
{
    auto button = makeButton (ZLMPresetButton::load, 18, 15);
    button->mouseDown (mouseEvent (*button, { 2, 7 })); // no action set: nothing happens

    int presses = 0;
    button->onClick = [&presses] { ++presses; };
    button->mouseDown (mouseEvent (*button, { 2, 7 }));
    EXPECT_EQ (presses, 1);
}

TEST (ZLMPresetLabel, DrawsAFieldAndTheNameClearOfTheLoadButton)
{
    ZLMPresetLabel label;
    label.setBounds (0, 0, 227, 17);
    label.text = "Default";
    auto image = render (label);

    EXPECT_TRUE (coloursNear (image.getPixelAt (5, 8), juce::Colour (0x3F808080)));
    EXPECT_TRUE (coloursNear (image.getPixelAt (220, 8), juce::Colour (0x3F808080)));
    EXPECT_GT (countInked (image, { 60, 0, 80, 17 }, juce::Colours::grey), 0);

    label.text = juce::String::repeatedString ("Long preset name ", 10);
    image = render (label);
    EXPECT_GT (countInked (image, { 0, 0, 197, 17 }, juce::Colours::grey), 0);
    EXPECT_EQ (countInked (image, { 197, 0, 30, 17 }, juce::Colours::grey, 0x60), 0);
}

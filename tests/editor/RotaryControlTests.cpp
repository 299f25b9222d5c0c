#include "EditorTestSupport.h"

#include "editor/Palette.h"
#include "editor/RotaryLayout.h"
#include "editor/ZLMRotaryControl.h"

#include <cmath>

using namespace EditorTesting;

namespace
{
constexpr float pi = juce::MathConstants<float>::pi;

// The two layouts as the editor sets them up.
struct KnobSetup
{
    const char* name;
    const char* parameterId;
    int style, width, height, bottomInset, bipolar;
    juce::Rectangle<int> valueField;
    juce::Point<float> centre;
    float trackRadius, bodyRadius, discRadius, valueRadius, dotDiameter;
    float trackStartBrightness, valueBrightness;
};

const KnobSetup large{ "large",
                       ParameterIds::transients,
                       1,
                       150,
                       160,
                       10,
                       0,
                       { 50, 94, 50, 18 },
                       { 75.0f, 75.0f },
                       50.0f,
                       36.0f,
                       24.0f,
                       30.0f,
                       10.0f,
                       0.3f,
                       0.7f };
const KnobSetup compact{ "compact",
                         ParameterIds::gain,
                         0,
                         115,
                         115,
                         0,
                         1,
                         { 38, 76, 40, 14 },
                         { 57.5f, 57.5f },
                         33.5f,
                         24.5f,
                         16.5f,
                         20.5f,
                         7.0f,
                         0.5f,
                         0.65f };

juce::Point<float> polar (juce::Point<float> centre, float radius, float angle)
{
    return RotaryAngles::pointOnCircle (centre, radius, angle);
}

class RotaryControlTest : public ProcessorFixture
{
protected:
    std::unique_ptr<ZLMRotaryControl> makeKnob (const KnobSetup& setup, bool withTexts = false)
    {
        auto knob = std::make_unique<ZLMRotaryControl> (&manager(), setup.parameterId, ParameterManager::ParamData{});
        knob->setBounds (0, 0, setup.width, setup.height);
        knob->style = setup.style;
        knob->bottomInset = setup.bottomInset;
        knob->bipolar = setup.bipolar;
        knob->valueField.setBounds (setup.valueField);
        knob->accentColour = Palette::accent;
        knob->trackColour = Palette::grey;
        knob->bodyColour = Palette::knobBody;
        // Geometry checks leave the texts out, so glyphs can't land on a probed pixel.
        const auto textColour = withTexts ? Palette::caption : juce::Colours::transparentBlack;
        knob->captionColour = knob->valueTextColour = knob->scaleColour = textColour;
        knob->caption = setup.style == 0 ? "GAIN" : "";
        return knob;
    }

    void setNormalised (const char* id, float normalised)
    {
        const auto range = manager().parameters.getParameterRange (id);
        set (id, range.convertFrom0to1 (normalised));
    }
};
} // namespace

TEST (RotaryLayout, MatchesTheDrawingsOfBothLayouts)
{
    const auto l = RotaryLayout::create (1, 150, 160, 10, { 50, 94, 50, 18 });
    EXPECT_EQ (l.track.centre, juce::Point<float> (75.0f, 75.0f));
    EXPECT_EQ (l.track.radius, 50.0f);
    EXPECT_EQ (l.body.radius, 36.0f);
    EXPECT_EQ (l.disc.radius, 24.0f);
    EXPECT_EQ (l.discGradientTop, 51.0f);
    EXPECT_EQ (l.discGradientBottom, 99.0f);
    EXPECT_EQ (l.valueArcRadius, 30.0f);
    EXPECT_EQ (l.caption, juce::Rectangle<int> (10, 133, 130, 10));
    EXPECT_EQ (l.readout, juce::Rectangle<int> (50, 96, 50, 16));

    const auto c = RotaryLayout::create (0, 115, 115, 0, { 38, 76, 40, 14 });
    EXPECT_EQ (c.track.centre, juce::Point<float> (57.5f, 57.5f));
    EXPECT_EQ (c.track.radius, 33.5f);
    EXPECT_EQ (c.body.radius, 24.5f);
    EXPECT_EQ (c.disc.radius, 16.5f);
    EXPECT_EQ (c.discGradientTop, 41.0f);
    EXPECT_EQ (c.discGradientBottom, 74.0f);
    EXPECT_EQ (c.valueArcRadius, 20.5f);
    EXPECT_EQ (c.caption, juce::Rectangle<int> (23, 95, 70, 10));
    EXPECT_EQ (c.readout, juce::Rectangle<int> (35, 77, 44, 13));
}

TEST (RotaryLayout, SizesBelowTheInsetsClampAtZero)
{
    const auto l = RotaryLayout::create (1, 20, 20, 10, {});
    EXPECT_EQ (l.track.radius, 0.0f);
    EXPECT_EQ (l.body.radius, 0.0f);
    EXPECT_EQ (l.disc.radius, 0.0f);
    EXPECT_LT (l.valueArcRadius, 0.0f);
}

TEST_F (RotaryControlTest, TrackIsARingOfTheLayoutsRadius)
{
    for (const auto* setup : { &large, &compact })
    {
        SCOPED_TRACE (setup->name);
        auto knob = makeKnob (*setup);
        const auto image = render (*knob);

        for (const auto angle : { -pi / 2.0f, 0.0f, pi / 2.0f, -2.3f, 2.3f })
        {
            SCOPED_TRACE (angle);
            EXPECT_GT (coverageAround (image, polar (setup->centre, setup->trackRadius, angle)), 100);
            EXPECT_EQ (coverageAround (image, polar (setup->centre, setup->trackRadius + 4.0f, angle)), 0);
            EXPECT_EQ (coverageAround (image, polar (setup->centre, setup->bodyRadius + 3.0f, angle)), 0);
        }

        // The track is open at the bottom.
        EXPECT_EQ (coverageAround (image, polar (setup->centre, setup->trackRadius, pi)), 0);
    }
}

TEST_F (RotaryControlTest, TrackGradientRunsFromDarkOnTheLeftToTheTrackColourOnTheRight)
{
    auto knob = makeKnob (large);
    const auto image = render (*knob);
    EXPECT_TRUE (coloursNear (image.getPixelAt (124, 75), Palette::grey));
    EXPECT_TRUE (coloursNear (image.getPixelAt (25, 75).withAlpha (1.0f), Palette::grey.withBrightness (0.3f), 6));
}

TEST_F (RotaryControlTest, BodyAndDiscAreWedgesOpenAtTheBottom)
{
    for (const auto* setup : { &large, &compact })
    {
        SCOPED_TRACE (setup->name);
        setNormalised (setup->parameterId, 1.0f);
        auto knob = makeKnob (*setup);
        const auto image = render (*knob);

        EXPECT_TRUE (
            coloursNear (pixelAt (image, polar (setup->centre, setup->bodyRadius - 1.5f, 0.0f)), Palette::knobBody));
        EXPECT_EQ (pixelAt (image, polar (setup->centre, setup->bodyRadius + 1.5f, 0.0f)).getAlpha(), 0);
        EXPECT_EQ (pixelAt (image, polar (setup->centre, setup->bodyRadius - 1.5f, pi)).getAlpha(), 0);

        // The disc's vertical gradient: darker at its top edge, the accent colour at its bottom.
        const auto top = pixelAt (image, polar (setup->centre, setup->discRadius - 1.5f, 0.0f));
        const auto middle = pixelAt (image, setup->centre);
        EXPECT_TRUE (coloursNear (top, Palette::accent.withBrightness (0.6f), 12));
        EXPECT_GT (middle.getBrightness(), top.getBrightness());
        EXPECT_NEAR (middle.getHue(), Palette::accent.getHue(), 0.01f);
    }
}

TEST_F (RotaryControlTest, DotFollowsTheValueAroundTheTrack)
{
    const auto white = juce::Colours::white;

    for (const auto* setup : { &large, &compact })
    {
        for (const auto v : { 0.0f, 0.5f, 1.0f })
        {
            SCOPED_TRACE (juce::String (setup->name) + " at " + juce::String (v));
            setNormalised (setup->parameterId, v);
            auto knob = makeKnob (*setup);
            const auto image = render (*knob);
            const auto angle = RotaryAngles::forValue (v);
            const auto dot = polar (setup->centre, setup->valueRadius, angle);

            EXPECT_TRUE (coloursNear (pixelAt (image, dot), white));
            // Its edge: a dot of the layout's size, not larger.
            const auto justOutside = setup->dotDiameter / 2.0f + 1.5f;
            EXPECT_FALSE (coloursNear (pixelAt (image, dot.translated (justOutside, 0.0f)), white, 40));
            EXPECT_FALSE (coloursNear (pixelAt (image, dot.translated (-justOutside, 0.0f)), white, 40));

            for (const auto other : { 0.0f, 0.5f, 1.0f })
            {
                if (other != v)
                {
                    const auto elsewhere = polar (setup->centre, setup->valueRadius, RotaryAngles::forValue (other));
                    EXPECT_FALSE (coloursNear (pixelAt (image, elsewhere), white, 40));
                }
            }
        }
    }
}

TEST_F (RotaryControlTest, ValueArcRunsFromTheStartOfTheTrack)
{
    const auto arcColour = Palette::accent.withBrightness (0.7f);
    const auto at = [] (float angle) { return polar (large.centre, large.valueRadius, angle); };

    setNormalised (large.parameterId, 0.0f);
    auto knob = makeKnob (large);
    auto image = render (*knob);
    EXPECT_TRUE (coloursNear (pixelAt (image, at (-pi / 2.0f)), Palette::knobBody));
    EXPECT_TRUE (coloursNear (pixelAt (image, at (0.0f)), Palette::knobBody));

    setNormalised (large.parameterId, 1.0f);
    image = render (*knob);

    for (const auto angle : { -2.0f, -pi / 2.0f, 0.0f, pi / 2.0f })
        EXPECT_TRUE (coloursNear (pixelAt (image, at (angle)), arcColour, 8)) << angle;

    setNormalised (large.parameterId, 0.5f);
    image = render (*knob);
    EXPECT_TRUE (coloursNear (pixelAt (image, at (-pi / 2.0f)), arcColour, 8));
    EXPECT_TRUE (coloursNear (pixelAt (image, at (pi / 2.0f)), Palette::knobBody));
}

TEST_F (RotaryControlTest, BipolarArcGrowsFromTwelveOClock)
{
    const auto arcColour = Palette::accent.withBrightness (0.65f);
    const auto at = [] (float angle) { return polar (compact.centre, compact.valueRadius, angle); };
    const auto left = at (-3.0f * pi / 16.0f);
    const auto right = at (3.0f * pi / 16.0f);

    const struct
    {
        float v;
        bool leftLit, rightLit;
    } cases[]{ { 0.5f, false, false }, { 0.25f, true, false }, { 0.75f, false, true } };

    auto knob = makeKnob (compact);

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.v);
        setNormalised (compact.parameterId, c.v);
        const auto image = render (*knob);
        EXPECT_TRUE (coloursNear (pixelAt (image, left), c.leftLit ? arcColour : Palette::knobBody, 8));
        EXPECT_TRUE (coloursNear (pixelAt (image, right), c.rightLit ? arcColour : Palette::knobBody, 8));
        // Nothing beyond the value's angle.
        EXPECT_TRUE (coloursNear (pixelAt (image, at (-2.0f)), Palette::knobBody));
        EXPECT_TRUE (coloursNear (pixelAt (image, at (2.0f)), Palette::knobBody));
    }
}

TEST_F (RotaryControlTest, TextsStayInTheirRectangles)
{
    for (const auto* setup : { &large, &compact })
    {
        SCOPED_TRACE (setup->name);
        auto knob = makeKnob (*setup, true);
        const auto layout =
            RotaryLayout::create (setup->style, setup->width, setup->height, setup->bottomInset, setup->valueField);
        const auto image = render (*knob);

        EXPECT_GT (countInked (image, layout.readout, Palette::caption), 0);
        EXPECT_GT (countInked (image, layout.scaleLabels[2], Palette::caption, 0x60), 0);

        if (setup->style == 0)
        {
            EXPECT_GT (countInked (image, layout.caption, Palette::caption), 0);
        }

        knob->scaleLabels = { "", "", "", "", "" };
        knob->caption = {};
        const auto withoutLabels = render (*knob);
        EXPECT_EQ (countInked (withoutLabels, layout.scaleLabels[2], Palette::caption, 1), 0);
    }
}

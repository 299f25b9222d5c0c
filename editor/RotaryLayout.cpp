#include "editor/RotaryLayout.h"

namespace
{
// The numbers of one layout. The ring insets shrink the drawing area step by step: track, body,
// disc; each ring's offset is where its area starts.
struct RotaryStyle
{
    std::array<juce::Point<int>, 5> scaleLabelPositions;
    int margin;
    float captionHeight;
    juce::Rectangle<int> captionFromBottom; // y counts up from the knob's bottom edge
    float trackStartBrightness;
    float trackStrokeWidth;
    int bodyInset, bodyOffset;
    int discInset, discOffset;
    double valueArcInset;
    float valueArcBrightness;
    float dotDiameter;
    float readoutHeight;
    juce::Rectangle<int> readoutAdjust; // added to the value field's x, y, width, height
};

const RotaryStyle largeStyle{ { { { 8, 107 }, { 1, 46 }, { 62, 12 }, { 124, 46 }, { 117, 107 } } },
                              50,
                              16.0f,
                              { 10, 27, 130, 10 },
                              0.3f,
                              2.0f,
                              28,
                              39,
                              24,
                              51,
                              6.0,
                              0.7f,
                              10.0f,
                              14.0f,
                              { 0, 2, 0, -2 } };

const RotaryStyle compactStyle{ { { { 2, 77 }, { 0, 33 }, { 44, 11 }, { 90, 33 }, { 88, 77 } } },
                                48,
                                14.0f,
                                { 23, 20, 70, 10 },
                                0.5f,
                                1.0f,
                                18,
                                33,
                                16,
                                41,
                                4.0,
                                0.65f,
                                7.0f,
                                12.0f,
                                { -3, 1, 4, -1 } };

constexpr int scaleLabelWidth = 25;
constexpr int scaleLabelHeight = 10;

float atLeastZero (float value) noexcept
{
    return std::max (0.0f, value);
}
} // namespace

RotaryLayout RotaryLayout::create (int styleNumber, int width, int height, int bottomInset,
                                   juce::Rectangle<int> valueField)
{
    const auto& style = styleNumber != 0 ? largeStyle : compactStyle;
    RotaryLayout layout;

    for (size_t i = 0; i < layout.scaleLabels.size(); ++i)
        layout.scaleLabels[i] = { style.scaleLabelPositions[i].x, style.scaleLabelPositions[i].y, scaleLabelWidth,
                                  scaleLabelHeight };

    layout.captionHeight = style.captionHeight;
    layout.caption = { style.captionFromBottom.getX(), height - style.captionFromBottom.getY(),
                       style.captionFromBottom.getWidth(), style.captionFromBottom.getHeight() };

    const auto margin = static_cast<float> (style.margin);
    const auto w = atLeastZero (static_cast<float> (width - style.margin));
    const auto h = atLeastZero (atLeastZero (static_cast<float> (height - style.margin)) - bottomInset);
    const auto trackOffset = margin / 2.0f;

    layout.track = { { trackOffset + w / 2.0f, trackOffset + h / 2.0f }, w / 2.0f };
    layout.trackGradientStart = { trackOffset, w / 2.0f };
    layout.trackGradientEnd = { w, w / 2.0f };
    layout.trackStartBrightness = style.trackStartBrightness;
    layout.trackStrokeWidth = style.trackStrokeWidth;

    const auto w2 = atLeastZero (w - static_cast<float> (style.bodyInset));
    const auto h2 = atLeastZero (h - static_cast<float> (style.bodyInset));
    const auto bodyOffset = static_cast<float> (style.bodyOffset);
    layout.body = { { bodyOffset + w2 / 2.0f, bodyOffset + h2 / 2.0f }, w2 / 2.0f };

    const auto w3 = atLeastZero (w2 - static_cast<float> (style.discInset));
    const auto h3 = atLeastZero (h2 - static_cast<float> (style.discInset));
    const auto discOffset = static_cast<float> (style.discOffset);
    layout.disc = { { discOffset + w3 / 2.0f, discOffset + h3 / 2.0f }, w3 / 2.0f };
    layout.discGradientTop = discOffset;
    layout.discGradientBottom = discOffset + h3;

    layout.valueArcRadius = static_cast<float> (static_cast<double> (w2) / 2.0 - style.valueArcInset);
    layout.valueArcBrightness = style.valueArcBrightness;
    layout.dotDiameter = style.dotDiameter;

    const auto& adjust = style.readoutAdjust;
    layout.readout = { valueField.getX() + adjust.getX(), valueField.getY() + adjust.getY(),
                       std::max (0, valueField.getWidth() + adjust.getWidth()),
                       std::max (0, valueField.getHeight() + adjust.getHeight()) };
    layout.readoutHeight = style.readoutHeight;

    return layout;
}

juce::Justification RotaryLayout::scaleLabelJustification (size_t index) noexcept
{
    if (index < 2)
        return juce::Justification::centredRight;

    if (index == 2)
        return juce::Justification::centred;

    return juce::Justification::centredLeft;
}

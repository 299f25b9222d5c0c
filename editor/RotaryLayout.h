#pragma once

#include <juce_graphics/juce_graphics.h>

#include <array>

// Where a knob draws its parts, in the knob's own coordinates. The two layouts differ only in their
// numbers: the large one of the amount knobs and the compact one of the gain knob.
struct RotaryLayout
{
    struct Circle
    {
        juce::Point<float> centre;
        float radius = 0.0f;
    };

    std::array<juce::Rectangle<int>, 5> scaleLabels;
    juce::Rectangle<int> caption;
    float captionHeight = 0.0f;

    Circle track;
    juce::Point<float> trackGradientStart, trackGradientEnd;
    float trackStartBrightness = 0.0f;
    float trackStrokeWidth = 0.0f;

    Circle body;
    Circle disc;
    float discGradientTop = 0.0f, discGradientBottom = 0.0f;

    float valueArcRadius = 0.0f; // around the track's centre; the dot runs on it around the disc's
    float valueArcBrightness = 0.0f;
    float dotDiameter = 0.0f;

    juce::Rectangle<int> readout;
    float readoutHeight = 0.0f;

    // The large layout (style non-zero) and the compact one (style 0), for a knob of the given size
    // whose value field has the given bounds.
    static RotaryLayout create (int style, int width, int height, int bottomInset, juce::Rectangle<int> valueField);

    // How each scale label sits in its rectangle: start and left right-aligned, top centred,
    // right and end left-aligned.
    static juce::Justification scaleLabelJustification (size_t index) noexcept;
};

// Angles in radians, 0 at 12 o'clock, clockwise: the track is open at the bottom.
namespace RotaryAngles
{
inline constexpr float start = -2.3561945f; // -3pi/4
inline constexpr float end = 2.3561945f;
inline constexpr float span = 4.712389f; // 3pi/2

inline float forValue (float normalisedValue) noexcept
{
    return start + normalisedValue * span;
}

inline juce::Point<float> pointOnCircle (juce::Point<float> centre, float radius, float angle) noexcept
{
    return { centre.x + radius * std::sin (angle), centre.y - radius * std::cos (angle) };
}
} // namespace RotaryAngles

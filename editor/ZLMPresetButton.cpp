#include "editor/ZLMPresetButton.h"

namespace
{
constexpr float dotSize = 4.5f;

void fillTriangle (juce::Graphics& g, juce::Point<float> a, juce::Point<float> b, juce::Point<float> c)
{
    juce::Path triangle;
    triangle.addTriangle (a, b, c);
    g.fillPath (triangle);
}
} // namespace

ZLMPresetButton::ZLMPresetButton() = default;

ZLMPresetButton::~ZLMPresetButton() = default;

void ZLMPresetButton::mouseEnter (const juce::MouseEvent&)
{
    isMouseOver = true;
    repaint();
}

void ZLMPresetButton::mouseExit (const juce::MouseEvent&)
{
    isMouseOver = false;
    repaint();
}

void ZLMPresetButton::mouseDown (const juce::MouseEvent&)
{
    if (onClick != nullptr)
        onClick();
}

void ZLMPresetButton::paint (juce::Graphics& g)
{
    g.setColour (isMouseOver ? colour : juce::Colours::grey);

    // Halves in integer arithmetic, as the symbols are laid out on whole pixels.
    const auto w = static_cast<float> (getWidth());
    const auto h = static_cast<float> (getHeight());
    const auto halfW = static_cast<float> (getWidth() / 2);
    const auto halfH = static_cast<float> (getHeight() / 2);

    switch (kind)
    {
    case previous:
        fillTriangle (g, { w, 0.0f }, { 0.0f, halfH }, { w, h });
        break;

    case next:
        fillTriangle (g, { 0.0f, 0.0f }, { w, halfH }, { 0.0f, h });
        break;

    case load:
        for (const auto x : { 0.0f, halfW - dotSize / 2.0f, w - dotSize })
            g.fillEllipse (x, halfH - dotSize / 2.0f, dotSize, dotSize);
        break;

    case save:
        drawSaveSymbol (g, w, h);
        break;

    default:
        break;
    }
}

void ZLMPresetButton::drawSaveSymbol (juce::Graphics& g, float w, float h) const
{
    const auto halfW = static_cast<float> (getWidth() / 2);
    const juce::PathStrokeType stroke (2.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt);

    juce::Path tray;
    tray.startNewSubPath (1.0f, h - 6.0f);
    tray.lineTo (1.0f, h - 1.0f);
    tray.lineTo (w - 1.0f, h - 1.0f);
    tray.lineTo (w - 1.0f, h - 6.0f);
    g.strokePath (tray, stroke);

    juce::Path stem;
    stem.startNewSubPath (halfW, 1.0f);
    stem.lineTo (halfW, 7.0f);
    g.strokePath (stem, stroke);

    fillTriangle (g, { halfW - 4.0f, 7.0f }, { halfW + 4.0f, 7.0f }, { halfW, 12.0f });
}

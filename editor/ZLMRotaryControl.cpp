#include "editor/ZLMRotaryControl.h"

#include "core/NumberText.h"

#include "editor/RotaryLayout.h"

namespace
{
constexpr juce::uint8 scaleAlpha = 0xA6;
constexpr int maximumTypedCharacters = 6;
const char* const typeableCharacters = "-.0987654321";

void strokeArc (juce::Graphics& g, juce::Point<float> centre, float radius, float from, float to, float width)
{
    if (radius <= 0.0f)
        return;

    juce::Path arc;
    arc.addCentredArc (centre.x, centre.y, radius, radius, 0.0f, from, to, true);
    g.strokePath (arc, juce::PathStrokeType (width, juce::PathStrokeType::curved, juce::PathStrokeType::butt));
}

// A disc with its bottom quarter cut out, matching the track's opening.
void fillWedge (juce::Graphics& g, const RotaryLayout::Circle& circle)
{
    const auto r = circle.radius;
    juce::Path wedge;
    wedge.addPieSegment (circle.centre.x - r, circle.centre.y - r, 2.0f * r, 2.0f * r, RotaryAngles::start,
                         RotaryAngles::end, 0.0f);
    g.fillPath (wedge);
}
} // namespace

ZLMRotaryControl::ZLMRotaryControl (ParameterManager* parameterManager, juce::String id,
                                    ParameterManager::ParamData data)
    : ParameterComponentContinuous (*parameterManager, std::move (id))
    , paramData (std::move (data))
{
    valueField.setColour (juce::TextEditor::backgroundColourId, juce::Colours::transparentWhite);
    valueField.setColour (juce::TextEditor::textColourId, juce::Colours::white);
    valueField.setColour (juce::TextEditor::highlightColourId, juce::Colours::lightgrey.withAlpha ((juce::uint8)0x7F));
    valueField.setColour (juce::TextEditor::highlightedTextColourId, juce::Colours::white);
    valueField.setColour (juce::TextEditor::outlineColourId, juce::Colours::transparentWhite);
    valueField.setColour (juce::TextEditor::focusedOutlineColourId, juce::Colours::transparentWhite);
    valueField.setFont (juce::Font (12.0f));
    valueField.setJustification (juce::Justification::centred);
    valueField.setInputRestrictions (maximumTypedCharacters, typeableCharacters);
    valueField.setMultiLine (false);
    valueField.setWantsKeyboardFocus (true);
    valueField.setSelectAllWhenFocused (true);
    valueField.addListener (this);
    addChildComponent (valueField);

    setWantsKeyboardFocus (true);
}

ZLMRotaryControl::~ZLMRotaryControl()
{
    valueField.removeListener (this);
}

void ZLMRotaryControl::mouseDoubleClick (const juce::MouseEvent& event)
{
    if (! isEnabled())
        return;

    if (valueField.getBounds().contains (event.x, event.y))
        openValueField();
    else
        resetToDefault();
}

void ZLMRotaryControl::openValueField()
{
    showValueText = false;
    repaint();
    valueField.setVisible (true);
    valueField.setText (formatValue (getLiveValue()), juce::dontSendNotification);
    // Focusing selects the old text, so typing replaces it.
    valueField.grabKeyboardFocus();
}

void ZLMRotaryControl::textEditorReturnKeyPressed (juce::TextEditor&)
{
    commitValueField();
}

void ZLMRotaryControl::textEditorFocusLost (juce::TextEditor&)
{
    commitValueField();
}

void ZLMRotaryControl::commitValueField()
{
    // Hiding the focused field takes its focus away, which reports here a second time.
    if (! valueField.isVisible())
        return;

    showValueText = true;
    repaint();
    valueField.setVisible (false);
    clampAndUpdateParameter (static_cast<float> (leadingNumber (valueField.getText().toStdString())));
}

juce::String ZLMRotaryControl::readoutText (float value) const
{
    const auto useOwnText = style == 0 && paramData.valueToText != nullptr;
    return (useOwnText ? paramData.valueToText (value) : formatValue (value)) + getUnitLabel();
}

void ZLMRotaryControl::drawComponent (juce::Graphics& g, float v)
{
    const auto layout = RotaryLayout::create (style, getWidth(), getHeight(), bottomInset, valueField.getBounds());

    g.setFont (10.0f);
    g.setColour (scaleColour.withAlpha (scaleAlpha));

    for (size_t i = 0; i < scaleLabels.size(); ++i)
        g.drawText (scaleLabels[i], layout.scaleLabels[i], RotaryLayout::scaleLabelJustification (i), true);

    g.setFont (layout.captionHeight);
    g.setColour (captionColour);
    g.drawText (caption, layout.caption, juce::Justification::centred, true);

    g.setGradientFill ({ trackColour.withBrightness (layout.trackStartBrightness), layout.trackGradientStart,
                         trackColour, layout.trackGradientEnd, false });
    strokeArc (g, layout.track.centre, layout.track.radius, RotaryAngles::start, RotaryAngles::end,
               layout.trackStrokeWidth);

    g.setColour (bodyColour);
    fillWedge (g, layout.body);

    g.setGradientFill ({ accentColour.withBrightness (0.6f),
                         { layout.disc.centre.x, layout.discGradientTop },
                         accentColour,
                         { layout.disc.centre.x, layout.discGradientBottom },
                         false });
    fillWedge (g, layout.disc);

    const auto angle = RotaryAngles::forValue (v);
    const auto arcFrom = bipolar == 0 ? RotaryAngles::start : (v > 0.5f ? 0.0f : angle);
    const auto arcTo = bipolar == 0 ? angle : (v > 0.5f ? angle : 0.0f);
    g.setColour (accentColour.withBrightness (layout.valueArcBrightness));
    strokeArc (g, layout.track.centre, layout.valueArcRadius, arcFrom, arcTo, 2.0f);

    const auto dot = RotaryAngles::pointOnCircle (layout.disc.centre, layout.valueArcRadius, angle);
    g.setColour (juce::Colours::white);
    g.fillEllipse (juce::Rectangle<float> (layout.dotDiameter, layout.dotDiameter).withCentre (dot));

    if (showValueText)
    {
        g.setColour (valueTextColour);
        g.setFont (layout.readoutHeight);
        g.drawText (readoutText (getLiveValue()), layout.readout, juce::Justification::centred, true);
    }
}

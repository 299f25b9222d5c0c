#include "editor/ZLMPowerButton.h"

ZLMPowerButton::ZLMPowerButton (ParameterManager& parameterManager, juce::String id)
    : ParameterComponentDiscrete (parameterManager, std::move (id))
{
}

ZLMPowerButton::~ZLMPowerButton() = default;

void ZLMPowerButton::drawComponent (juce::Graphics& g, int state)
{
    const auto w = static_cast<float> (std::max (0, getWidth() - 4));
    const auto h = static_cast<float> (std::max (0, getHeight() - 4));

    juce::Path ring;
    ring.addEllipse (2.0f, 2.0f, w, h);
    g.setColour (offColour);
    g.strokePath (ring, juce::PathStrokeType (1.0f, juce::PathStrokeType::curved, juce::PathStrokeType::butt));

    const auto w2 = std::max (0.0f, w - 8.0f);
    const auto h2 = std::max (0.0f, h - 8.0f);
    g.setColour (state != 0 ? onColour : onColour.withAlpha ((juce::uint8)0));
    g.fillEllipse (6.0f, 6.0f, w2, h2);
}

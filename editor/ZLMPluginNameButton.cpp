#include "editor/ZLMPluginNameButton.h"

#include "editor/Palette.h"

ZLMPluginNameButton::ZLMPluginNameButton (ParameterManager& parameterManager, juce::String id, juce::Font nameFont)
    : ParameterComponentDiscrete (parameterManager, std::move (id))
    , font (std::move (nameFont))
{
}

ZLMPluginNameButton::~ZLMPluginNameButton() = default;

void ZLMPluginNameButton::drawComponent (juce::Graphics& g, int state)
{
    const auto on = state != 0;
    const auto area = getLocalBounds();

    g.setFont (font.withHeight (22.0f));
    g.setColour (on ? textColour : textColour.withAlpha (Palette::dimmedAlphaByte));
    g.drawText (text, area, juce::Justification::centredLeft, true);

    g.setColour (on ? juce::Colours::white : juce::Colours::white.withAlpha (Palette::dimmedAlphaByte));
    g.drawText ("Lite", area, juce::Justification::centredRight, true);
}

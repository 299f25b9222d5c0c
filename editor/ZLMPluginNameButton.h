#pragma once

#include "editor/ParameterComponentDiscrete.h"

// The product name in the top bar, which doubles as the master power switch: the name and "Lite"
// are drawn at half opacity while the master power is off.
class ZLMPluginNameButton : public ParameterComponentDiscrete
{
public:
    ZLMPluginNameButton (ParameterManager& manager, juce::String parameterId, juce::Font font);
    ~ZLMPluginNameButton() override;

    void drawComponent (juce::Graphics& g, int state) override;

    juce::String text{ "MyLogo" };
    juce::Colour textColour{ juce::Colours::white };

private:
    const juce::Font font;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ZLMPluginNameButton)
};

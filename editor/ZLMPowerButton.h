#pragma once

#include "editor/ParameterComponentDiscrete.h"

// A section's round power switch: a ring, and a filled centre while the section is on.
class ZLMPowerButton : public ParameterComponentDiscrete
{
public:
    ZLMPowerButton (ParameterManager& manager, juce::String parameterId);
    ~ZLMPowerButton() override;

    void drawComponent (juce::Graphics& g, int state) override;

    juce::Colour onColour{ 0x00000000 };  // the centre while on
    juce::Colour offColour{ 0x00000000 }; // the ring, in both states

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ZLMPowerButton)
};

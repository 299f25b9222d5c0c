#pragma once

#include "core/ParameterManager.h"

#include <juce_gui_basics/juce_gui_basics.h>

// A control bound to a stepped parameter: a click steps the parameter to its next state. The
// control shows currentValue, which the editor's refresh copies in from the parameter; the look
// therefore changes on the refresh after a click, never on the click itself.
class ParameterComponentDiscrete : public juce::Component
{
public:
    ParameterComponentDiscrete (ParameterManager& manager, juce::String parameterId);
    ~ParameterComponentDiscrete() override;

    void mouseDown (const juce::MouseEvent& event) override;
    void paint (juce::Graphics& g) override;

    // Draws the control in state 0, 1, ...
    virtual void drawComponent (juce::Graphics& g, int state) = 0;

    const juce::String& getParameterId() const noexcept { return parameterId; }

    // The value shown, in real units; only the editor's refresh writes it.
    float currentValue = 0.0f;
    int numStates = 2;

private:
    ParameterManager* const manager;
    const juce::String parameterId;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ParameterComponentDiscrete)
};

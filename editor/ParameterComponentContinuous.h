#pragma once

#include "core/ParameterManager.h"

#include <juce_gui_basics/juce_gui_basics.h>

// A control bound to a continuous parameter: a vertical drag sets it (250 pixels cover the whole
// range, up increases), a double-click resets it to its default. It always draws and starts from the
// live parameter value; shownValue only tells the editor's refresh whether a repaint is due.
class ParameterComponentContinuous : public juce::Component
{
public:
    ParameterComponentContinuous (ParameterManager& manager, juce::String parameterId);
    ~ParameterComponentContinuous() override;

    void mouseDown (const juce::MouseEvent& event) override;
    void mouseDrag (const juce::MouseEvent& event) override;
    void mouseDoubleClick (const juce::MouseEvent& event) override;
    void paint (juce::Graphics& g) override;

    // Draws the control for a value in 0..1.
    virtual void drawComponent (juce::Graphics& g, float normalisedValue) = 0;

    // Clamps a real value to the parameter's range and sets the parameter.
    void clampAndUpdateParameter (float rawValue);

    const juce::String& getParameterId() const noexcept { return parameterId; }
    int getNumDecimals() const noexcept { return numDecimals; }

    // The decimal places a value text needs for a parameter stepping by interval.
    static int decimalsForInterval (float interval) noexcept;

    // The real value last shown; the editor's refresh keeps it.
    float shownValue = 0.0f;

protected:
    float getLiveValue() const;
    juce::NormalisableRange<float> getRange() const;
    juce::String formatValue (float value) const;
    juce::String getUnitLabel() const;
    void resetToDefault();

private:
    ParameterManager* const manager;
    const juce::String parameterId;
    float dragStartValue = 0.0f;
    int numDecimals = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ParameterComponentContinuous)
};

#include "editor/ParameterComponentDiscrete.h"

ParameterComponentDiscrete::ParameterComponentDiscrete (ParameterManager& parameterManager, juce::String id)
    : manager (&parameterManager)
    , parameterId (std::move (id))
{
}

ParameterComponentDiscrete::~ParameterComponentDiscrete() = default;

void ParameterComponentDiscrete::mouseDown (const juce::MouseEvent&)
{
    // A switched-off section's controls (or those inside a disabled parent) must not react.
    if (! isEnabled())
        return;

    auto next = static_cast<double> (manager->getRawValue (parameterId)) + 1.0;

    if (next >= numStates)
        next -= numStates;

    auto value = static_cast<float> (static_cast<int> (next + 0.5));
    const auto maximum = manager->getRawMaxValue (parameterId);
    const auto minimum = manager->getRawMinValue (parameterId);

    if (value > maximum)
        value = maximum;
    else if (value < minimum)
        value = minimum;

    manager->setRawValue (parameterId, value);
}

void ParameterComponentDiscrete::paint (juce::Graphics& g)
{
    // Rounded to the nearest state; a value that is no number (or no sensible state) draws state 0
    // rather than converting undefinedly.
    const auto rounded = currentValue + 0.5f;
    const auto state = rounded >= 0.0f && rounded < 1000.0f ? static_cast<int> (rounded) : 0;
    drawComponent (g, state);
}

#include "editor/ParameterComponentContinuous.h"

namespace
{
// Pixels of vertical travel for the whole normalised range.
constexpr double dragPixelsPerRange = 250.0;

// Past this, 10 to the power n no longer fits the 32-bit integer the count is formed in.
constexpr int maximumDecimals = 6;
} // namespace

ParameterComponentContinuous::ParameterComponentContinuous (ParameterManager& parameterManager, juce::String id)
    : manager (&parameterManager)
    , parameterId (std::move (id))
{
    dragStartValue = manager->getRawDefaultValue (parameterId);
    numDecimals = decimalsForInterval (getRange().interval);
    shownValue = getLiveValue();
}

ParameterComponentContinuous::~ParameterComponentContinuous() = default;

int ParameterComponentContinuous::decimalsForInterval (float interval) noexcept
{
    // No step (or a nonsensical one): a value text with whole numbers.
    if (! (interval > 0.0f) || interval >= 1.0f)
        return 0;

    int decimals = 1;
    int power = 10;

    while (static_cast<float> (power) * interval < 1.0f && decimals < maximumDecimals)
    {
        ++decimals;
        power *= 10;
    }

    return decimals;
}

void ParameterComponentContinuous::mouseDown (const juce::MouseEvent&)
{
    if (! isEnabled())
        return;

    dragStartValue = getLiveValue();
}

void ParameterComponentContinuous::mouseDrag (const juce::MouseEvent& event)
{
    if (! isEnabled())
        return;

    // The whole distance since the press sets the value, so returning to the start restores it.
    const auto dy = event.y - event.getMouseDownY();
    const auto range = getRange();
    const auto normalised = static_cast<double> (range.convertTo0to1 (dragStartValue)) + dy / -dragPixelsPerRange;
    const auto limited = static_cast<float> (std::max (0.0, std::min (1.0, normalised)));

    clampAndUpdateParameter (range.convertFrom0to1 (limited));
}

void ParameterComponentContinuous::mouseDoubleClick (const juce::MouseEvent&)
{
    if (! isEnabled())
        return;

    resetToDefault();
}

void ParameterComponentContinuous::paint (juce::Graphics& g)
{
    drawComponent (g, getRange().convertTo0to1 (getLiveValue()));
}

void ParameterComponentContinuous::clampAndUpdateParameter (float rawValue)
{
    const auto maximum = manager->getRawMaxValue (parameterId);
    const auto minimum = manager->getRawMinValue (parameterId);
    auto value = rawValue;

    if (value > maximum)
        value = maximum;
    else if (value < minimum)
        value = minimum;

    manager->setRawValue (parameterId, value);
}

float ParameterComponentContinuous::getLiveValue() const
{
    return manager->getRawValue (parameterId);
}

juce::NormalisableRange<float> ParameterComponentContinuous::getRange() const
{
    return manager->parameters.getParameterRange (parameterId);
}

juce::String ParameterComponentContinuous::formatValue (float value) const
{
    return juce::String (value, numDecimals);
}

juce::String ParameterComponentContinuous::getUnitLabel() const
{
    if (const auto* parameter = manager->parameters.getParameter (parameterId))
        return parameter->getLabel();

    return {};
}

void ParameterComponentContinuous::resetToDefault()
{
    clampAndUpdateParameter (manager->getRawDefaultValue (parameterId));
}

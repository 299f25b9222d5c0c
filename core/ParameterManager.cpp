#include "core/ParameterManager.h"

#include "core/NumberText.h"

namespace
{
juce::String defaultValueToText (float value)
{
    return juce::String (value, 2);
}

float defaultTextToValue (const juce::String& text)
{
    const auto value = leadingNumber (text.toStdString());
    return std::isfinite (value) ? static_cast<float> (value) : (value > 0.0 ? 3.0e38f : -3.0e38f);
}
} // namespace

// Parameters are registered one by one while the owner is built, so the tree is created
// empty and given its state afterwards.
JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
ParameterManager::ParameterManager (juce::AudioProcessor& owner, CallbackListener& listener)
    : parameters (owner, nullptr),
      callbackListener (listener)
{
}
JUCE_END_IGNORE_WARNINGS_GCC_LIKE

ParameterManager::~ParameterManager()
{
    for (const auto& id : registeredIds)
        parameters.removeParameterListener (id, this);
}

void ParameterManager::addNew (ParamData data)
{
    auto valueToText = data.valueToText ? std::move (data.valueToText) : defaultValueToText;
    auto textToValue = data.textToValue ? std::move (data.textToValue) : defaultTextToValue;

    // The tree's own parameter class tells the host the number of steps of the interval.
    auto attributes = juce::AudioProcessorValueTreeStateParameterAttributes()
                          .withLabel (data.label)
                          .withStringFromValueFunction ([valueToText] (float value, int) { return valueToText (value); })
                          .withValueFromStringFunction (textToValue)
                          .withCategory (juce::AudioProcessorParameter::genericParameter)
                          .withAutomatable (true)
                          .withMeta (false)
                          .withDiscrete (false)
                          .withBoolean (false);

    auto parameter = std::make_unique<juce::AudioProcessorValueTreeState::Parameter> (juce::ParameterID { data.id, 1 },
                                                                                      data.name,
                                                                                      data.range,
                                                                                      data.defaultValue,
                                                                                      attributes);

    JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
    if (parameters.createAndAddParameter (std::move (parameter)) == nullptr)
        return;
    JUCE_END_IGNORE_WARNINGS_GCC_LIKE

    parameters.addParameterListener (data.id, this);
    registeredIds.add (data.id);

    // Every id can be pending at once; with the room reserved now, recording and delivering
    // changes never touches the heap on the audio thread.
    changedIds.ensureStorageAllocated (registeredIds.size());
    changedIds.add (data.id);
}

void ParameterManager::parameterChanged (const juce::String& parameterID, float)
{
    const juce::ScopedLock lock (changedIdsLock);
    changedIds.addIfNotAlreadyThere (parameterID);
}

void ParameterManager::update()
{
    const juce::ScopedTryLock lock (changedIdsLock);

    if (! lock.isLocked())
        return;

    const auto count = changedIds.size();

    for (int i = 0; i < count; ++i)
        callbackListener.onParameterChanged (changedIds.getReference (i));

    changedIds.clearQuick();
}

void ParameterManager::setRawValue (const juce::String& parameterID, float rawValue)
{
    if (auto* parameter = parameters.getParameter (parameterID))
        parameter->setValueNotifyingHost (parameter->convertTo0to1 (rawValue));
}

// The getters answer 0 for an id that was never registered rather than crash a caller.
float ParameterManager::getRawValue (const juce::String& parameterID) const
{
    const auto* value = parameters.getRawParameterValue (parameterID);
    return value != nullptr ? value->load() : 0.0f;
}

float ParameterManager::getRawDefaultValue (const juce::String& parameterID) const
{
    const auto* parameter = parameters.getParameter (parameterID);

    if (parameter == nullptr)
        return 0.0f;

    const auto& range = parameter->getNormalisableRange();
    const auto proportion = parameter->getDefaultValue();

    // Back through the range without snapping to the interval.
    const auto unskewed = range.skew == 1.0f ? proportion : std::pow (proportion, 1.0f / range.skew);
    return range.start + (range.end - range.start) * unskewed;
}

float ParameterManager::getRawMinValue (const juce::String& parameterID) const
{
    const auto* parameter = parameters.getParameter (parameterID);
    return parameter != nullptr ? parameter->getNormalisableRange().start : 0.0f;
}

float ParameterManager::getRawMaxValue (const juce::String& parameterID) const
{
    const auto* parameter = parameters.getParameter (parameterID);
    return parameter != nullptr ? parameter->getNormalisableRange().end : 0.0f;
}

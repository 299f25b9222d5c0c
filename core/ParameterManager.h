#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <functional>

// Owns the host-visible parameter tree and hands parameter changes to the audio thread.
// Whatever thread changes a parameter only records its id; the audio thread delivers the
// recorded ids to one listener at the start of each block, in order of first change, each once.
class ParameterManager : public juce::AudioProcessorValueTreeState::Listener
{
public:
    // Describes one parameter in real units; a default record is a 0-to-1 switch, default 0.
    struct ParamData
    {
        juce::String id;
        juce::String name;
        juce::String label;
        juce::NormalisableRange<float> range { 0.0f, 1.0f, 1.0f };
        float defaultValue = 0.0f;
        std::function<juce::String (float)> valueToText;
        std::function<float (const juce::String&)> textToValue;
    };

    class CallbackListener
    {
    public:
        virtual ~CallbackListener() = default;
        virtual void onParameterChanged (juce::String parameterID) = 0;
    };

    ParameterManager (juce::AudioProcessor& owner, CallbackListener& listener);
    ~ParameterManager() override;

    // Only while the owner is being constructed, before the tree is given its state.
    void addNew (ParamData data);

    void parameterChanged (const juce::String& parameterID, float newValue) override;

    // Audio thread: never waits for the lock; what could not be delivered stays for the next call.
    void update();

    void setRawValue (const juce::String& parameterID, float rawValue);
    float getRawValue (const juce::String& parameterID) const;
    float getRawDefaultValue (const juce::String& parameterID) const;
    float getRawMinValue (const juce::String& parameterID) const;
    float getRawMaxValue (const juce::String& parameterID) const;

    juce::AudioProcessorValueTreeState parameters;

private:
    juce::Array<juce::String> changedIds;
    juce::CriticalSection changedIdsLock;
    CallbackListener& callbackListener;
    juce::StringArray registeredIds;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ParameterManager)
};

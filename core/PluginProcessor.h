#pragma once

#include "core/ParameterManager.h"
#include "engine/TarvikEffect.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_audio_utils/juce_audio_utils.h>

#include <vector>

class TemplateEffectAudioProcessor : public juce::AudioProcessor,
                                     public ParameterManager::CallbackListener
{
public:
    TemplateEffectAudioProcessor();
    ~TemplateEffectAudioProcessor() override;

    const juce::String getName() const override;
    void prepareToPlay (double sampleRate, int samplesPerBlock) override;
    void releaseResources() override;
    void processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;
    using juce::AudioProcessor::processBlock;

    double getTailLengthSeconds() const override;
    bool acceptsMidi() const override;
    bool producesMidi() const override;
    bool isMidiEffect() const override;

    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override;

    int getNumPrograms() override;
    int getCurrentProgram() override;
    void setCurrentProgram (int index) override;
    const juce::String getProgramName (int index) override;
    void changeProgramName (int index, const juce::String& newName) override;

    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;

    void onParameterChanged (juce::String parameterID) override;

    ParameterManager& getParameterManager() noexcept { return parameterManager; }
    const PeakMeterDataSource& getMeterSource() const noexcept { return effect; }
    // Read only on the audio thread, or once it has stopped.
    TarvikEffect::Targets getEngineTargets() const noexcept { return effect.getTargets(); }
    const std::vector<ParameterManager::ParamData>& getParameterTable() const noexcept { return parameterTable; }
    juce::AudioVisualiserComponent& getInputVisualiser() noexcept { return inputVisualiser; }
    juce::AudioVisualiserComponent& getOutputVisualiser() noexcept { return outputVisualiser; }

private:
    void restore (juce::ValueTree newState);

    TarvikEffect effect;
    ParameterManager parameterManager { *this, *this };
    const std::vector<ParameterManager::ParamData> parameterTable;
    juce::AudioVisualiserComponent outputVisualiser { 1 };
    juce::AudioBuffer<float> outputVisualiserBuffer;
    juce::AudioVisualiserComponent inputVisualiser { 1 };
    juce::AudioBuffer<float> inputVisualiserBuffer;
    const juce::String stateTag { "Dravlen_2_Lite" };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TemplateEffectAudioProcessor)
};

#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

class TemplateEffectAudioProcessor;

class TemplateEffectAudioProcessorEditor : public juce::AudioProcessorEditor
{
public:
    explicit TemplateEffectAudioProcessorEditor (TemplateEffectAudioProcessor& processor);
    ~TemplateEffectAudioProcessorEditor() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    TemplateEffectAudioProcessor& processor;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TemplateEffectAudioProcessorEditor)
};

#include "editor/PluginEditor.h"

#include "core/PluginProcessor.h"

TemplateEffectAudioProcessorEditor::TemplateEffectAudioProcessorEditor (TemplateEffectAudioProcessor& p)
    : AudioProcessorEditor (p), processor (p)
{
    addAndMakeVisible (processor.getInputVisualiser());
    addAndMakeVisible (processor.getOutputVisualiser());
    setSize (625, 395);
}

TemplateEffectAudioProcessorEditor::~TemplateEffectAudioProcessorEditor()
{
    // The displays belong to the processor and outlive this window.
    removeChildComponent (&processor.getInputVisualiser());
    removeChildComponent (&processor.getOutputVisualiser());
}

void TemplateEffectAudioProcessorEditor::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF10161D));
}

void TemplateEffectAudioProcessorEditor::resized()
{
    processor.getInputVisualiser().setBounds (0, 70, getWidth(), getHeight() - 140);
    processor.getOutputVisualiser().setBounds (0, 70, getWidth(), getHeight() - 140);
}

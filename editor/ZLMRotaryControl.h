#pragma once

#include "editor/ParameterComponentContinuous.h"
#include "editor/ZLMTextEditor.h"

#include <array>

// The editor's knob: a 270-degree track, a value arc, a pointer dot, five scale labels, a caption
// and a readout. Double-clicking the readout opens a field for typing a value; double-clicking
// anywhere else resets the parameter. The owner sets the look, the layout and valueField's bounds.
class ZLMRotaryControl : public ParameterComponentContinuous, private juce::TextEditor::Listener
{
public:
    ZLMRotaryControl (ParameterManager* manager, juce::String parameterId, ParameterManager::ParamData paramData);
    ~ZLMRotaryControl() override;

    void mouseDoubleClick (const juce::MouseEvent& event) override;
    void drawComponent (juce::Graphics& g, float normalisedValue) override;

    bool isEditingValue() const noexcept { return ! showValueText; }

    ParameterManager::ParamData paramData;
    juce::Colour accentColour{ juce::Colours::grey };
    juce::Colour trackColour{ juce::Colours::lightgrey };
    juce::Colour bodyColour{ juce::Colours::lightgrey };
    juce::Colour captionColour{ juce::Colours::lightgrey };
    juce::Colour valueTextColour{ juce::Colours::lightgrey };
    juce::Colour scaleColour{ juce::Colours::lightgrey };
    juce::String caption{ "VOLUME" };
    std::array<juce::String, 5> scaleLabels{ "0", "25", "50", "75", "100" };
    int style = 1;       // 1: large layout, 0: compact layout
    int bottomInset = 0; // pixels taken off the drawing height
    int bipolar = 0;     // non-zero: the value arc grows from 12 o'clock
    ZLMTextEditor valueField;

private:
    void textEditorReturnKeyPressed (juce::TextEditor&) override;
    void textEditorFocusLost (juce::TextEditor&) override;

    void openValueField();
    void commitValueField();
    juce::String readoutText (float value) const;

    bool showValueText = true;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ZLMRotaryControl)
};

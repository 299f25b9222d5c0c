#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The single-line field a knob opens for typing a value. It behaves like the framework's text
// editor, except that it ignores the mouse while it or one of its parents is disabled, so a
// switched-off section's field can't be edited.
class ZLMTextEditor : public juce::TextEditor
{
public:
    ZLMTextEditor();
    ~ZLMTextEditor() override;

    void mouseDown (const juce::MouseEvent& event) override;
    void mouseDrag (const juce::MouseEvent& event) override;
    void mouseDoubleClick (const juce::MouseEvent& event) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ZLMTextEditor)
};

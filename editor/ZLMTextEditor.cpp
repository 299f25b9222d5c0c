#include "editor/ZLMTextEditor.h"

ZLMTextEditor::ZLMTextEditor() = default;

ZLMTextEditor::~ZLMTextEditor() = default;

void ZLMTextEditor::mouseDown (const juce::MouseEvent& event)
{
    if (isEnabled())
        juce::TextEditor::mouseDown (event);
}

void ZLMTextEditor::mouseDrag (const juce::MouseEvent& event)
{
    if (isEnabled())
        juce::TextEditor::mouseDrag (event);
}

void ZLMTextEditor::mouseDoubleClick (const juce::MouseEvent& event)
{
    if (isEnabled())
        juce::TextEditor::mouseDoubleClick (event);
}

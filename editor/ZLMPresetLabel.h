#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The field in the top bar that shows the current preset's name. Its rightmost 30 pixels stay free
// of text for the load button that sits there.
class ZLMPresetLabel : public juce::Component
{
public:
    ZLMPresetLabel();
    ~ZLMPresetLabel() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    juce::String text;

    static constexpr int loadButtonSpace = 30;
};

#include "editor/ZLMPresetLabel.h"

ZLMPresetLabel::ZLMPresetLabel()
{
    setInterceptsMouseClicks (false, false);
}

ZLMPresetLabel::~ZLMPresetLabel() = default;

void ZLMPresetLabel::paint (juce::Graphics& g)
{
    g.setColour (juce::Colours::grey.withAlpha ((juce::uint8)0x3F));
    g.fillRoundedRectangle (getLocalBounds().toFloat(), 2.0f);

    g.setColour (juce::Colours::grey);
    g.setFont (14.0f);
    g.drawText (text, 0, 0, std::max (0, getWidth() - loadButtonSpace), getHeight(), juce::Justification::centred,
                true);
}

void ZLMPresetLabel::resized() {}

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// One of the preset selector's small symbol buttons. It acts on the press, with any mouse button,
// and draws its symbol in colour while the pointer is over it, grey otherwise.
class ZLMPresetButton : public juce::Component
{
public:
    enum Kind
    {
        previous = 0, // left arrow
        next = 1,     // right arrow
        load = 2,     // three dots
        save = 3      // arrow into a tray
    };

    ZLMPresetButton();
    ~ZLMPresetButton() override;

    void mouseEnter (const juce::MouseEvent& event) override;
    void mouseExit (const juce::MouseEvent& event) override;
    void mouseDown (const juce::MouseEvent& event) override;
    void paint (juce::Graphics& g) override;

    bool isHighlighted() const noexcept { return isMouseOver; }

    int kind = previous;
    juce::Colour colour{ juce::Colours::white }; // the symbol while the pointer is over it
    std::function<void()> onClick;

private:
    void drawSaveSymbol (juce::Graphics& g, float w, float h) const;

    bool isMouseOver = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ZLMPresetButton)
};

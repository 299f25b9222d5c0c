#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The bottom-most layer of the editor: the panel, the top bar, the brackets, the guide lines behind
// the waveform displays and the section titles. The static part is rendered once per size into
// cachedImage, so the paint of every refresh tick only blits it and draws what the power flags dim.
class Background : public juce::Component
{
public:
    Background();
    ~Background() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    juce::Colour bracketColour{ juce::Colours::white };
    juce::Colour titleColour{ juce::Colours::white };
    juce::Colour centreLineColour{ juce::Colours::white };

    // Written by the editor's refresh; each section flag is already and-ed with the master power.
    bool mainPowerOn = true;
    bool transientsOn = false;
    bool multibandOn = false;
    bool parallelOn = false;

    // The two vertical section dividers; nothing switches them at run time.
    bool showDividers = false;

    static constexpr int topBarHeight = 37;

private:
    void paintTitles (juce::Graphics& g) const;
    static void paintDividers (juce::Graphics& g);
    void paintGuideLines (juce::Graphics& g) const;

    juce::Image cachedImage;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Background)
};

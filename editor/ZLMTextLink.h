#pragma once

#include "editor/WebLinks.h"

#include <juce_gui_basics/juce_gui_basics.h>

// A line of text that opens a web page when pressed with any mouse button, and brightens while the
// pointer is over it. The logo and the full-version link are two of these.
class ZLMTextLink : public juce::Component
{
public:
    ZLMTextLink (juce::String text, juce::URL page, juce::Font font);
    ~ZLMTextLink() override;

    void mouseEnter (const juce::MouseEvent& event) override;
    void mouseExit (const juce::MouseEvent& event) override;
    void mouseDown (const juce::MouseEvent& event) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

    const juce::String& getText() const noexcept { return text; }
    const juce::URL& getPage() const noexcept { return page; }
    bool isHighlighted() const noexcept { return isMouseOver; }

    juce::Colour colour{ juce::Colours::white };
    WebLinks::Opener openPage{ WebLinks::openInDefaultBrowser };

private:
    const juce::String text;
    const juce::URL page;
    const juce::Font font;
    bool isMouseOver = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ZLMTextLink)
};

// The maker's name; opens the maker's home page.
class ZLMCompanyLogo : public ZLMTextLink
{
public:
    explicit ZLMCompanyLogo (juce::Font font);
};

// "Get Full Version"; opens the full edition's product page.
class ZLMBuyLink : public ZLMTextLink
{
public:
    explicit ZLMBuyLink (juce::Font font);
};

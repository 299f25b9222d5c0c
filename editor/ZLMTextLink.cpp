#include "editor/ZLMTextLink.h"

namespace
{
constexpr juce::uint8 restingAlpha = 0xA6;
}

ZLMTextLink::ZLMTextLink (juce::String linkText, juce::URL linkPage, juce::Font linkFont)
    : text (std::move (linkText))
    , page (std::move (linkPage))
    , font (std::move (linkFont))
{
}

ZLMTextLink::~ZLMTextLink() = default;

void ZLMTextLink::mouseEnter (const juce::MouseEvent&)
{
    isMouseOver = true;
    repaint();
}

void ZLMTextLink::mouseExit (const juce::MouseEvent&)
{
    isMouseOver = false;
    repaint();
}

void ZLMTextLink::mouseDown (const juce::MouseEvent&)
{
    if (openPage != nullptr)
        openPage (page);
}

void ZLMTextLink::paint (juce::Graphics& g)
{
    g.setFont (font.withHeight (16.0f));
    g.setColour (isMouseOver ? colour : colour.withAlpha (restingAlpha));
    g.drawText (text, getLocalBounds(), juce::Justification::centredLeft, true);
}

void ZLMTextLink::resized() {}

ZLMCompanyLogo::ZLMCompanyLogo (juce::Font logoFont)
    : ZLMTextLink (juce::String::fromUTF8 ("ZOLMERTON \xc2\xae"), juce::URL (WebLinks::makerHomePage),
                   std::move (logoFont))
{
}

ZLMBuyLink::ZLMBuyLink (juce::Font linkFont)
    : ZLMTextLink ("Get Full Version", juce::URL (WebLinks::fullVersionPage), std::move (linkFont))
{
}

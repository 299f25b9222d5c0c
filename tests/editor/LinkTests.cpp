#include "EditorTestSupport.h"

#include "editor/Fonts.h"
#include "editor/Palette.h"
#include "editor/ZLMTextLink.h"

using namespace EditorTesting;

namespace
{
struct LinkCase
{
    const char* name;
    std::function<std::unique_ptr<ZLMTextLink> (juce::Font)> make;
    juce::Colour colour;
    const char* page;
};

const LinkCase linkCases[]{
    { "logo", [] (juce::Font f) { return std::make_unique<ZLMCompanyLogo> (f); }, Palette::grey,
      WebLinks::makerHomePage },
    { "buy link", [] (juce::Font f) { return std::make_unique<ZLMBuyLink> (f); }, Palette::accent,
      WebLinks::fullVersionPage },
};

std::unique_ptr<ZLMTextLink> makeLink (const LinkCase& c, juce::Array<juce::URL>& opened)
{
    auto link = c.make (EditorFonts::createDisplayFont());
    link->setBounds (0, 0, 100, 30);
    link->colour = c.colour;
    link->openPage = [&opened] (const juce::URL& url) { opened.add (url); };
    return link;
}
} // namespace

TEST (TextLinks, ShowTheirTexts)
{
    const auto font = EditorFonts::createDisplayFont();
    EXPECT_EQ (ZLMCompanyLogo (font).getText(), juce::String::fromUTF8 ("ZOLMERTON \xc2\xae"));
    EXPECT_EQ (ZLMBuyLink (font).getText(), "Get Full Version");
}

TEST (TextLinks, BrightenWhileThePointerIsOver)
{
    for (const auto& c : linkCases)
    {
        SCOPED_TRACE (c.name);
        juce::Array<juce::URL> opened;
        auto link = makeLink (c, opened);

        // At rest the text is drawn at alpha 0xA6: no pixel reaches the full colour.
        auto image = render (*link);
        EXPECT_GT (countInked (image, image.getBounds(), c.colour, 0xA6 - 2), 0);
        EXPECT_EQ (countInked (image, image.getBounds(), c.colour, 0xA6 + 2), 0);

        link->mouseEnter (mouseEvent (*link, { 5, 5 }));
        image = render (*link);
        EXPECT_GT (countInked (image, image.getBounds(), c.colour, 0xFF), 0);

        link->mouseExit (mouseEvent (*link, { 200, 5 }));
        image = render (*link);
        EXPECT_EQ (countInked (image, image.getBounds(), c.colour, 0xA6 + 2), 0);
    }
}

TEST (TextLinks, PressOpensTheirPageAtOnce)
{
    for (const auto& c : linkCases)
    {
        SCOPED_TRACE (c.name);
        juce::Array<juce::URL> opened;
        auto link = makeLink (c, opened);
        link->mouseDown (mouseEvent (*link, { 5, 5 }));
        ASSERT_EQ (opened.size(), 1);
        EXPECT_EQ (opened[0].toString (false), c.page);
        EXPECT_TRUE (opened[0].toString (false).startsWith ("https://"));
    }
}

TEST (TextLinks, TooLongTextEndsInsideTheComponent)
{
    juce::Array<juce::URL> opened;
    auto link = makeLink (linkCases[1], opened);
    link->setBounds (0, 0, 40, 30);
    const auto image = render (*link);
    EXPECT_GT (countInked (image, image.getBounds(), Palette::accent, 0x60), 0);
}

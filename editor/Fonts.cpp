#include "editor/Fonts.h"

#include "DravlenFonts.h"

namespace
{
// Wrapped in a font of the framework's default height; each component sets the height it draws at.
juce::Font fontFromData (const char* data, int size)
{
    return juce::Font (juce::Typeface::createSystemTypefaceFor (data, static_cast<size_t> (size)));
}
} // namespace

// The design's faces are proprietary. Roboto Condensed Bold stands in for Haettenschweiler and
// DejaVu Sans Bold for Verdana Pro Black: both are libre, shipped by Debian, and close in weight
// and width.
juce::Font EditorFonts::createDisplayFont()
{
    return fontFromData (DravlenFonts::RobotoCondensedBold_ttf, DravlenFonts::RobotoCondensedBold_ttfSize);
}

juce::Font EditorFonts::createProductNameFont()
{
    return fontFromData (DravlenFonts::DejaVuSansBold_ttf, DravlenFonts::DejaVuSansBold_ttfSize);
}

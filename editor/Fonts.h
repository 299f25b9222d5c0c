#pragma once

#include <juce_graphics/juce_graphics.h>

// The two embedded typefaces. All other text uses the framework's default sans-serif face.
namespace EditorFonts
{
// The heavy condensed display face of the maker's logo and the full-version link.
juce::Font createDisplayFont();

// The heavy sans face of the product name.
juce::Font createProductNameFont();
} // namespace EditorFonts

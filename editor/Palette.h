#pragma once

#include <juce_graphics/juce_graphics.h>

// The editor's fixed palette. Every component takes its colours from here, so the look is changed
// in one place.
namespace Palette
{
inline const juce::Colour accent{ 0xFF2988FF };
inline const juce::Colour grey{ 0xFF808080 };
inline const juce::Colour caption{ 0xFF878A8D };
inline const juce::Colour knobBody{ 0xFF374042 };
inline const juce::Colour panel{ 0xFF10161D };
inline const juce::Colour topBar{ 0xFF000000 };
inline const juce::Colour clip{ 0xFFFF0000 };

// Switched-off sections and disabled controls are drawn at half opacity.
inline constexpr float dimmedAlpha = 0.5f;
inline constexpr juce::uint8 dimmedAlphaByte = 0x7F;
} // namespace Palette

#pragma once

#include "core/ParameterManager.h"

#include <juce_core/juce_core.h>

namespace PresetLoading
{
// Applies a preset file to the parameters through the plug-in's own preset reader. A file that
// cannot be read, or that is not a preset of this product, fails with one line and changes nothing.
juce::Result load (ParameterManager& parameters, const juce::File& file);
} // namespace PresetLoading

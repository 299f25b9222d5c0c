#pragma once

#include "engine/TarvikEffect.h"

#include <juce_core/juce_core.h>

// Turns one parameter's value, in real units, into the engine target it drives. An id that is
// not one of the eight changes nothing.
void applyParameterToEngine (TarvikEffect& engine, const juce::String& parameterID, double value) noexcept;

#pragma once

#include "core/ParameterManager.h"

#include <vector>

// The parameter ids are stored in saved states and preset files: they must never change.
namespace ParameterIds
{
inline constexpr const char* power = "powerId";
inline constexpr const char* transients = "transientsId";
inline constexpr const char* transientsPower = "transientsPowerId";
inline constexpr const char* multiband = "multibandId";
inline constexpr const char* multibandPower = "multibandPowerId";
inline constexpr const char* parallel = "parallelId";
inline constexpr const char* parallelPower = "parallelPowerId";
inline constexpr const char* gain = "gainId";
} // namespace ParameterIds

// The eight parameters, in the order the host lists them.
std::vector<ParameterManager::ParamData> createParameterTable();

// Text conversions of the four switches: "on" from 0.5 up, and only the exact text "on" reads as on.
juce::String switchValueToText (float value);
float switchTextToValue (const juce::String& text);

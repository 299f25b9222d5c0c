#pragma once

#include <cmath>

// How the processor turns parameter values, in real units, into the engine's targets.
namespace Tarvik::ParameterMapping
{
// Switches count as on from 0.5 upwards. Returns 1 for on.
inline double switchOn (double value) noexcept
{
    return value >= 0.5 ? 1.0 : 0.0;
}

// The engine's bypass targets are the inverse of the power switches: 1 for a switched-off section.
inline double bypassFromPowerSwitch (double value) noexcept
{
    return value < 0.5 ? 1.0 : 0.0;
}

inline double shareFromPercent (double percent) noexcept
{
    return percent / 100.0;
}

inline double gainFromDecibels (double decibels) noexcept
{
    return std::pow (10.0, decibels / 20.0);
}
} // namespace Tarvik::ParameterMapping

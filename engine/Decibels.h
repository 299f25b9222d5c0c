#pragma once

#include <cmath>

namespace Tarvik::Utility
{
// 20·log10 of a non-negative magnitude, or floorDecibels at and below floorLinear, so silence reads a finite
// level instead of minus infinity.
inline double flooredDecibels (double magnitude, double floorLinear, double floorDecibels) noexcept
{
    return magnitude > floorLinear ? 20.0 * std::log10 (magnitude) : floorDecibels;
}
} // namespace Tarvik::Utility

#pragma once

#include <cmath>

namespace Tarvik::Utility
{
// Recursive state that decays toward zero would otherwise linger in the subnormal range, where arithmetic is
// many times slower on common CPUs; the guards replace such a value by an exact zero instead.

// The smallest normal single-precision value: state that only ever feeds single-precision audio is flushed
// here.
inline constexpr double singlePrecisionGuardBound = 1.175494351e-38;

// A hair below the smallest normal double (2.2250738585072014e-308).
inline constexpr double doublePrecisionGuardBound = 2.22507e-308;

inline double flushBelow (double value, double bound) noexcept
{
    // Zero itself (of either sign) and NaN pass unchanged.
    return (std::abs (value) < bound && value != 0.0) ? 0.0 : value;
}

inline double guardSinglePrecision (double value) noexcept
{
    return flushBelow (value, singlePrecisionGuardBound);
}

inline double guardDoublePrecision (double value) noexcept
{
    return flushBelow (value, doublePrecisionGuardBound);
}
} // namespace Tarvik::Utility

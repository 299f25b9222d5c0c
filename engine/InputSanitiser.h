#pragma once

#include <algorithm>
#include <cmath>

namespace Tarvik::Utility
{
// +120 dBFS: far above any real signal, yet low enough that every square, sum and gain inside the chain stays
// finite. Without a limit, a single NaN, infinity or overflowing square would stay in the recursive filters
// and followers for good and silence the plug-in until it is reloaded.
inline constexpr double inputMagnitudeLimit = 1.0e6;

inline double sanitiseSample (double x) noexcept
{
    if (!std::isfinite (x))
        return 0.0;

    return std::clamp (x, -inputMagnitudeLimit, inputMagnitudeLimit);
}

// Ordinary frames pass bit for bit through one well-predicted branch.
inline void sanitiseFrame (double& left, double& right) noexcept
{
    const bool ordinary = (std::abs (left) <= inputMagnitudeLimit) & (std::abs (right) <= inputMagnitudeLimit);

    if (ordinary)
        return;

    left = sanitiseSample (left);
    right = sanitiseSample (right);
}
} // namespace Tarvik::Utility

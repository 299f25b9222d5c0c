#pragma once

namespace Tarvik::Utility
{
// Exponent numerators k of the one-pole coefficient 1 - exp(k / (time × rate)), named after the share of a
// step the smoother or follower covers within its time.
inline constexpr double covers63Percent = -1.00239343;
inline constexpr double covers99Percent = -4.605;
inline constexpr double covers99Point3Percent = -5.0;
} // namespace Tarvik::Utility

#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace TestSignals
{
inline constexpr double pi = 3.141592653589793;

// Reproducible white noise in [-amplitude, amplitude].
class Noise
{
public:
    explicit Noise (double amplitudeToUse, std::uint32_t seed = 1)
        : generator (seed)
        , distribution (-amplitudeToUse, amplitudeToUse)
    {
    }

    double operator()() { return distribution (generator); }

private:
    std::mt19937 generator;
    std::uniform_real_distribution<double> distribution;
};

inline double sine (double amplitude, double frequency, double sampleRate, long frame)
{
    return amplitude * std::sin (2.0 * pi * frequency * static_cast<double> (frame) / sampleRate);
}

inline long framesFor (double seconds, double sampleRate)
{
    return std::lround (seconds * sampleRate);
}

inline double decibels (double gain)
{
    return 20.0 * std::log10 (gain);
}

inline bool sameBits (double a, double b)
{
    return std::memcmp (&a, &b, sizeof (double)) == 0;
}

// Agreement to the given number of significant digits: within half a unit of the last digit.
inline ::testing::AssertionResult agreesToSignificantDigits (double actual, double expected, int digits)
{
    const double unit = std::pow (10.0, std::floor (std::log10 (std::abs (expected))) - (digits - 1));

    if (std::abs (actual - expected) <= 0.5 * unit)
        return ::testing::AssertionSuccess();

    return ::testing::AssertionFailure() << actual << " differs from " << expected << " in the first " << digits
                                         << " significant digits";
}
// Names each instance of a parameterised test after its case's name field.
template <typename Case> std::string nameOfCase (const ::testing::TestParamInfo<Case>& testInfo)
{
    return testInfo.param.name;
}
} // namespace TestSignals

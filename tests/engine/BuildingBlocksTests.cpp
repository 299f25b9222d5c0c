#include "TestSignals.h"

#include "engine/AmplitudeConstants.h"
#include "engine/Decibels.h"
#include "engine/DenormalGuards.h"
#include "engine/EnvelopeFollower.h"
#include "engine/OnePoleTiming.h"
#include "engine/ParameterSmoother.h"

#include <cmath>
#include <limits>

namespace
{
namespace utility = Tarvik::Utility;

TEST (AmplitudeConstants, EachIsTheLinearLevelOfItsDecibelStep)
{
    const double constants[] = { utility::AMP_6_DB,  utility::AMP_12_DB, utility::AMP_18_DB, utility::AMP_24_DB,
                                 utility::AMP_30_DB, utility::AMP_36_DB, utility::AMP_42_DB, utility::AMP_48_DB,
                                 utility::AMP_54_DB, utility::AMP_60_DB, utility::AMP_66_DB, utility::AMP_72_DB,
                                 utility::AMP_78_DB, utility::AMP_84_DB, utility::AMP_90_DB, utility::AMP_96_DB };

    for (int step = 0; step < 16; ++step)
    {
        const int decibels = -6 * (step + 1);
        SCOPED_TRACE (decibels);
        EXPECT_DOUBLE_EQ (constants[step], std::pow (10.0, decibels / 20.0));
        EXPECT_EQ (utility::amplitudeConstantFor (decibels), constants[step]);
    }

    EXPECT_EQ (utility::AMP_48_DB, 0.003981071705534973);
    EXPECT_EQ (utility::AMP_96_DB, 1.584893192461114e-05);
}

struct GuardCase
{
    const char* name;
    double (*guard) (double);
    double input;
    double expected;
};

class DenormalGuard : public ::testing::TestWithParam<GuardCase>
{
};

TEST_P (DenormalGuard, FlushesOnlyValuesStrictlyInsideItsBound)
{
    const auto& c = GetParam();
    EXPECT_TRUE (TestSignals::sameBits (c.guard (c.input), c.expected)) << c.input << " became " << c.guard (c.input);
}

constexpr double smallestNormalDouble = std::numeric_limits<double>::min();

INSTANTIATE_TEST_SUITE_P (
    Bounds, DenormalGuard,
    ::testing::Values (
        GuardCase{ "singleTinyPositive", utility::guardSinglePrecision, 1.0e-39, 0.0 },
        GuardCase{ "singleTinyNegative", utility::guardSinglePrecision, -1.0e-39, 0.0 },
        GuardCase{ "singleJustBelowBound", utility::guardSinglePrecision, 1.175494350e-38, 0.0 },
        GuardCase{ "singleAtBound", utility::guardSinglePrecision, 1.175494351e-38, 1.175494351e-38 },
        GuardCase{ "singleAboveBound", utility::guardSinglePrecision, -1.2e-38, -1.2e-38 },
        GuardCase{ "singleKeepsNegativeZero", utility::guardSinglePrecision, -0.0, -0.0 },
        GuardCase{ "doubleSubnormal", utility::guardDoublePrecision, 1.0e-310, 0.0 },
        GuardCase{ "doubleSubnormalNegative", utility::guardDoublePrecision, -4.9e-324, 0.0 },
        GuardCase{ "doubleJustBelowBound", utility::guardDoublePrecision, 2.225069e-308, 0.0 },
        GuardCase{ "doubleSmallestNormal", utility::guardDoublePrecision, smallestNormalDouble, smallestNormalDouble },
        GuardCase{ "doubleLeavesSinglePrecisionRange", utility::guardDoublePrecision, 1.0e-39, 1.0e-39 }),
    TestSignals::nameOfCase<DenormalGuard::ParamType>);

TEST (FlooredDecibels, ReadsTheFloorAtAndBelowTheLinearFloor)
{
    EXPECT_EQ (utility::flooredDecibels (0.0, utility::AMP_96_DB, -96.0), -96.0);
    EXPECT_EQ (utility::flooredDecibels (utility::AMP_96_DB, utility::AMP_96_DB, -96.0), -96.0);
    EXPECT_NEAR (utility::flooredDecibels (0.5, utility::AMP_96_DB, -96.0), -6.020599913279624, 1e-14);
    EXPECT_EQ (utility::flooredDecibels (1.0, utility::AMP_96_DB, -96.0), 0.0);
}

struct CoefficientCase
{
    double timeMs;
    double k;
    double sampleRate;
    double expected;
};

TEST (ParameterSmoother, CoefficientsUseTheSinglePrecisionMillisecond)
{
    const CoefficientCase cases[] = {
        { 20.0, utility::covers99Point3Percent, 44100.0, 0.005652895885512876 },
        { 25.0, utility::covers63Percent, 44100.0, 0.0009087871494385391 },
        { 151.0, utility::covers63Percent, 44100.0, 0.00015051852969727442 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.timeMs);
        ParameterSmoother smoother (c.timeMs, c.k, 0.0);
        EXPECT_DOUBLE_EQ (smoother.getCoefficient(), c.expected);

        smoother.setSampleRate (44100.0);
        EXPECT_EQ (smoother.getCoefficient(), ParameterSmoother (c.timeMs, c.k, 0.0).getCoefficient());
    }
}

class SmootherAtRate : public ::testing::TestWithParam<double>
{
};

// A switch moved at any host rate glides over the same 20 ms.
TEST_P (SmootherAtRate, CoversNinetyNinePointThreePercentInTwentyMilliseconds)
{
    const double sampleRate = GetParam();
    ParameterSmoother smoother (20.0, utility::covers99Point3Percent, 0.0);
    smoother.setSampleRate (sampleRate);

    const long frames = TestSignals::framesFor (0.020, sampleRate);
    double value = 0.0;

    for (long i = 0; i < frames; ++i)
        value = smoother.next (1.0);

    EXPECT_NEAR (1.0 - value, std::exp (-5.0), 1e-8);
}

INSTANTIATE_TEST_SUITE_P (HostRates, SmootherAtRate, ::testing::Values (44100.0, 48000.0, 96000.0));

TEST (ParameterSmoother, LandsExactlyOnZeroThroughTheGuard)
{
    ParameterSmoother smoother (20.0, utility::covers99Point3Percent, 1.0);
    double value = 1.0;
    long steps = 0;

    while (value != 0.0 && steps < 100000)
    {
        value = smoother.next (0.0);
        ++steps;
        ASSERT_TRUE (value == 0.0 || value >= utility::singlePrecisionGuardBound) << value;
    }

    EXPECT_EQ (value, 0.0);
    EXPECT_EQ (smoother.next (0.0), 0.0);
}

TEST (ParameterSmoother, SettlesWithinRoundingOfANonZeroTarget)
{
    ParameterSmoother smoother (20.0, utility::covers99Point3Percent, 0.0);
    double value = 0.0;

    for (int i = 0; i < 44100; ++i)
        value = smoother.next (0.5);

    EXPECT_NEAR (value, 0.5, 1e-13);
}

TEST (EnvelopeFollower, CoefficientsAtFortyFourPointOneKilohertz)
{
    const CoefficientCase cases[] = {
        { 50.0, utility::covers99Percent, 44100.0, 0.0020862561103415223 },
        { 100.0, utility::covers99Percent, 44100.0, 0.0010436726815038488 },
        { 40.0, utility::covers99Percent, 44100.0, 0.0026071397103142324 },
        { 90.0, utility::covers99Percent, 44100.0, 0.0011595690541604808 },
        { 30.0, utility::covers99Percent, 44100.0, 0.0034746749204643823 },
        { 80.0, utility::covers99Percent, 44100.0, 0.0013044206117232005 },
        { 20.0, utility::covers99Percent, 44100.0, 0.005207482243159367 },
        { 70.0, utility::covers99Percent, 44100.0, 0.0014906274625688942 },
        { 49.0, utility::covers99Percent, 44100.0, 0.00212878741546052 },
        { 2500.0, utility::covers99Percent, 44100.0, 4.176783518272664e-05 },
        { 2500.0, utility::covers99Percent, 48000.0, 3.837426368913377e-05 },
        { 100.0, utility::covers63Percent, 44100.0, 0.00022727426679569618 },
        { 10.0, utility::covers63Percent, 44100.0, 0.002270419664484602 },
        { 20.0, utility::covers63Percent, 44100.0, 0.0011358549154367736 },
        { 70.0, utility::covers63Percent, 44100.0, 0.00032466171098499697 },
        { 3.5, utility::covers63Percent, 44100.0, 0.006473246184863779 },
        { 0.0, utility::covers63Percent, 44100.0, 1.0 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (::testing::Message() << c.timeMs << " ms at " << c.sampleRate << " Hz, k " << c.k);
        EnvelopeFollower attack (c.timeMs, 0.0, c.k, 0.0);
        EnvelopeFollower release (0.0, c.timeMs, c.k, 0.0);
        attack.setSampleRate (c.sampleRate);
        release.setSampleRate (c.sampleRate);
        EXPECT_DOUBLE_EQ (attack.getAttackCoefficient(), c.expected);
        EXPECT_DOUBLE_EQ (release.getReleaseCoefficient(), c.expected);
    }
}

TEST (EnvelopeFollower, InstantAttackRisesAtOnceAndFallsAtTheReleaseRate)
{
    EnvelopeFollower follower (0.0, 100.0, utility::covers99Percent, 0.0);

    EXPECT_EQ (follower.next (0.75), 0.75);
    EXPECT_EQ (follower.next (1.0), 1.0);
    EXPECT_EQ (follower.next (0.0), 1.0 - follower.getReleaseCoefficient());
    EXPECT_EQ (follower.next (2.0), 2.0) << "a rise after a fall is instant too";
}

TEST (EnvelopeFollower, GuardsTheValueUsedButKeepsTheStoredState)
{
    EnvelopeFollower follower (0.0, 0.0, utility::covers99Percent, 0.0);

    EXPECT_EQ (follower.next (1.0e-310), 0.0);
    EXPECT_EQ (follower.getCurrent(), 1.0e-310);
}

class FollowerAtRate : public ::testing::TestWithParam<double>
{
};

TEST_P (FollowerAtRate, ReleaseCoversNinetyNinePercentInItsTime)
{
    const double sampleRate = GetParam();
    EnvelopeFollower follower (0.0, 100.0, utility::covers99Percent, 0.0);
    follower.setSampleRate (sampleRate);
    follower.next (1.0);

    double value = 1.0;
    const long frames = TestSignals::framesFor (0.100, sampleRate);

    for (long i = 0; i < frames; ++i)
        value = follower.next (0.0);

    EXPECT_NEAR (value, std::exp (-4.605), 1e-8);
}

INSTANTIATE_TEST_SUITE_P (HostRates, FollowerAtRate, ::testing::Values (44100.0, 48000.0, 96000.0));
} // namespace

#include "RealtimeWatch.h"
#include "EngineTestSupport.h"

#include "engine/BandSplit.h"
#include "engine/Compressor.h"
#include "engine/EnvelopeFollower.h"
#include "engine/FilterLowPassStereo.h"
#include "engine/FilterMono.h"
#include "engine/InputSanitiser.h"
#include "engine/LevelMeter.h"
#include "engine/ParallelCompressor.h"
#include "engine/ParameterSmoother.h"
#include "engine/TransientShaper.h"

#include <cmath>
#include <limits>
#include <type_traits>

namespace
{
using namespace EngineTestSupport;

struct BurstCase
{
    const char* name;
    double value;
};

class InputBurst : public ::testing::TestWithParam<BurstCase>
{
};

// After a burst of broken input the engine keeps producing finite audio and returns to what an engine that
// never saw the burst produces.
TEST_P (InputBurst, EngineRecovers)
{
    TarvikEffect hit;
    TarvikEffect clean;
    double lastDifference = 0.0;

    for (long i = 0; i < 12 * 44100; ++i)
    {
        const auto in = music (44100.0, i);
        const bool inBurst = i >= 22050 && i < 22050 + 441;
        const auto a = process (hit, inBurst ? Frame{ GetParam().value, in.right } : in);
        const auto b = process (clean, in);

        ASSERT_TRUE (std::isfinite (a.left) && std::isfinite (a.right)) << "frame " << i;
        lastDifference = std::max (std::abs (a.left - b.left), std::abs (a.right - b.right));

        if (i == 22050 + 441 + 441)
        {
            ASSERT_TRUE (std::isfinite (hit.getNormalizedMeterValue (0)));
            ASSERT_TRUE (std::isfinite (hit.getMaxValue (0)));
        }
    }

    EXPECT_LT (lastDifference, 1e-6);
}

INSTANTIATE_TEST_SUITE_P (BrokenInput, InputBurst,
                          ::testing::Values (BurstCase{ "nan", std::numeric_limits<double>::quiet_NaN() },
                                             BurstCase{ "positiveInfinity", std::numeric_limits<double>::infinity() },
                                             BurstCase{ "negativeInfinity", -std::numeric_limits<double>::infinity() },
                                             BurstCase{ "squareOverflows", 1.0e300 },
                                             BurstCase{ "negativeHuge", -1.0e300 }),
                          TestSignals::nameOfCase<InputBurst::ParamType>);

TEST (InputSanitiser, LeavesOrdinarySamplesBitForBit)
{
    const double ordinary[] = { 0.0, -0.0, 1.0e-310, -4.9e-324, 0.5, -1.0, 3.75, 1.0e6, -1.0e6, -123456.789 };

    for (const double value : ordinary)
    {
        SCOPED_TRACE (value);
        double left = value;
        double right = -value;
        Tarvik::Utility::sanitiseFrame (left, right);
        EXPECT_TRUE (TestSignals::sameBits (left, value));
        EXPECT_TRUE (TestSignals::sameBits (right, -value));
    }
}

TEST (InputSanitiser, ZeroesNonFiniteAndLimitsHugeSamples)
{
    const struct
    {
        double in;
        double expected;
    } cases[] = {
        { std::numeric_limits<double>::quiet_NaN(), 0.0 }, { std::numeric_limits<double>::infinity(), 0.0 },
        { -std::numeric_limits<double>::infinity(), 0.0 }, { 1.0e300, 1.0e6 },
        { -std::numeric_limits<double>::max(), -1.0e6 },   { 1.0000001e6, 1.0e6 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.in);
        double broken = c.in;
        double ordinary = 0.25;
        Tarvik::Utility::sanitiseFrame (broken, ordinary);
        EXPECT_EQ (broken, c.expected);
        EXPECT_EQ (ordinary, 0.25) << "the other channel is left alone";

        ordinary = -0.75;
        broken = c.in;
        Tarvik::Utility::sanitiseFrame (ordinary, broken);
        EXPECT_EQ (broken, c.expected);
        EXPECT_EQ (ordinary, -0.75);
    }
}

TEST (TarvikEffect, NeitherAllocatesNorWaits)
{
    if (! RealtimeWatch::countsAllocations())
        GTEST_SKIP() << "this sanitizer owns operator new; the plain build counts allocations";

    {
        const RealtimeWatch probe;
        int* volatile memory = new int[16];
        delete[] memory;
        ASSERT_EQ (probe.allocations(), 1u) << "the watch must see allocations";
    }

    const RealtimeWatch watch;
    {
        TarvikEffect effect;
        effect.init (48000.0);
        TestSignals::Noise noise (0.5);
        double left = 0.0;
        double right = 0.0;

        for (int i = 0; i < 48000; ++i)
        {
            if (i == 1000)
            {
                effect.setPower (1.0);
                effect.setTransientsAmount (0.3);
                effect.setTransientsBypass (0.0);
                effect.setMultibandAmount (0.7);
                effect.setMultibandBypass (0.0);
                effect.setParallelAmount (0.4);
                effect.setParallelBypass (1.0);
                effect.setGain (0.8);
            }

            left = 0.9 * noise() + (i == 20000 ? std::numeric_limits<double>::quiet_NaN() : 0.0);
            right = noise();
            effect.process (left, right);
        }

        effect.init (96000.0);
        EXPECT_GE (effect.getNormalizedMeterValue (0) + effect.getMaxValue (1), -100.0f);
    }

    EXPECT_EQ (watch.allocations(), 0u);
    EXPECT_EQ (watch.deallocations(), 0u);
    EXPECT_EQ (watch.blockingLocks(), 0u);
}

// Every stage is held by value and releases nothing; only the interfaces' virtual destructors stand between
// the engine and a trivial destructor.
template <typename... Types> constexpr bool allTriviallyDestructible = (std::is_trivially_destructible_v<Types> && ...);

TEST (TarvikEffect, HoldsOnlyTriviallyDestructibleStages)
{
    EXPECT_TRUE ((allTriviallyDestructible<ParameterSmoother, EnvelopeFollower, FilterHighPassMono, FilterLowPassMono,
                                           FilterLowPassStereo, BandSplit, Compressor, ParallelCompressor,
                                           TransientShaper, LevelMeter, Tarvik::Metering::ClipDetector<2>,
                                           Tarvik::Metering::MaxValueDetector<2, -96>>));
    EXPECT_TRUE (std::is_nothrow_default_constructible_v<TarvikEffect>);
    EXPECT_TRUE (std::has_virtual_destructor_v<TarvikEffect>);
}
} // namespace

#include "AllocationCounter.h"
#include "TestSignals.h"

#include "engine/BandSplit.h"
#include "engine/Compressor.h"
#include "engine/EnvelopeFollower.h"
#include "engine/FilterLowPassStereo.h"
#include "engine/FilterMono.h"
#include "engine/InputSanitiser.h"
#include "engine/LevelMeter.h"
#include "engine/ParallelCompressor.h"
#include "engine/ParameterMapping.h"
#include "engine/ParameterSmoother.h"
#include "engine/TarvikEffect.h"
#include "engine/TransientShaper.h"

#include <cmath>
#include <functional>
#include <limits>
#include <type_traits>
#include <vector>

namespace
{
using TestSignals::framesFor;

struct Frame
{
    double left;
    double right;
};

Frame process (TarvikEffect& effect, Frame in)
{
    effect.process (in.left, in.right);
    return in;
}

// Two tones per channel that land in different bands of the split.
Frame music (double sampleRate, long frame)
{
    return { TestSignals::sine (0.3, 110.0, sampleRate, frame) + TestSignals::sine (0.2, 2200.0, sampleRate, frame),
             TestSignals::sine (0.3, 440.0, sampleRate, frame) + TestSignals::sine (0.1, 6000.0, sampleRate, frame) };
}

TEST (TarvikEffect, SilenceInGivesSilenceOut)
{
    TarvikEffect effect;

    for (int i = 0; i < 44100; ++i)
    {
        const auto out = process (effect, { 0.0, 0.0 });
        ASSERT_EQ (out.left, 0.0);
        ASSERT_EQ (out.right, 0.0);
    }

    EXPECT_EQ (effect.getNormalizedMeterValue (0), 0.0f);
    EXPECT_EQ (effect.getMaxValue (1), -96.0f);
}

TEST (TarvikEffect, OutputRisesFromSilenceAfterConstruction)
{
    TarvikEffect effect;
    TestSignals::Noise noise (0.5);

    // The parallel section's level starts at 0 and has covered one smoother step on the first frame.
    const Frame in{ noise(), noise() };
    const auto first = process (effect, in);
    EXPECT_LT (std::abs (first.left), 0.006 * std::abs (in.left));
    EXPECT_LT (std::abs (first.right), 0.006 * std::abs (in.right));

    double sumOfSquares = 0.0;

    for (int i = 1; i < 8820; ++i)
    {
        const auto out = process (effect, { noise(), noise() });

        if (i >= 4410)
            sumOfSquares += out.left * out.left;
    }

    EXPECT_GT (std::sqrt (sumOfSquares / 4410.0), 0.05);
}

TEST (TarvikEffect, PowerOffPassesTheInputBitForBitOnceSettled)
{
    TarvikEffect effect;
    effect.setPower (0.0);
    TestSignals::Noise noise (1.0);

    for (int i = 0; i < 22050; ++i)
        process (effect, { noise(), noise() });

    for (int i = 0; i < 44100; ++i)
    {
        const Frame in{ noise(), noise() };
        const auto out = process (effect, in);
        ASSERT_TRUE (TestSignals::sameBits (out.left, in.left)) << "frame " << i;
        ASSERT_TRUE (TestSignals::sameBits (out.right, in.right)) << "frame " << i;
    }
}

TEST (TarvikEffect, ProcessesMusicWhenPowered)
{
    TarvikEffect effect;
    double largestChange = 0.0;

    for (long i = 0; i < 44100; ++i)
    {
        const auto in = music (44100.0, i);
        const auto out = process (effect, in);
        largestChange = std::max (largestChange, std::abs (out.left - in.left));
    }

    EXPECT_GT (largestChange, 0.05);
}

// The output gain and the master cross-fade sit after every stage, so an engine whose control moves differs
// from an identical engine only by the control's glide; the glide can be read off exactly.
struct GlideCase
{
    const char* name;
    double sampleRate;
    std::function<void (TarvikEffect&)> move;
    std::function<double (Frame in, Frame steady, Frame moved)> glideValue;
    double from;
    double to;
};

class ControlGlide : public ::testing::TestWithParam<GlideCase>
{
};

TEST_P (ControlGlide, CoversNinetyNinePointThreePercentInTwentyMilliseconds)
{
    const auto& c = GetParam();
    TarvikEffect steady;
    TarvikEffect moving;
    steady.init (c.sampleRate);
    moving.init (c.sampleRate);

    const long settle = framesFor (0.5, c.sampleRate);
    const long twentyMs = framesFor (0.020, c.sampleRate);
    long frame = 0;

    for (; frame < settle; ++frame)
    {
        const auto in = music (c.sampleRate, frame);
        process (steady, in);
        process (moving, in);
    }

    c.move (moving);
    double value = c.from;

    for (long i = 0; i < twentyMs; ++i, ++frame)
    {
        const auto in = music (c.sampleRate, frame);
        value = c.glideValue (in, process (steady, in), process (moving, in));
    }

    const double remaining = (value - c.to) / (c.from - c.to);
    EXPECT_NEAR (remaining, std::exp (-5.0), 1e-6);
}

double gainRatio (Frame, Frame steady, Frame moved)
{
    return moved.left / steady.left;
}

double processedShare (Frame in, Frame steady, Frame moved)
{
    return (moved.left - in.left) / (steady.left - in.left);
}

INSTANTIATE_TEST_SUITE_P (
    HostRates, ControlGlide,
    ::testing::Values (
        GlideCase{ "gainAt44k1", 44100.0, [] (auto& e) { e.setGain (0.5); }, gainRatio, 1.0, 0.5 },
        GlideCase{ "gainAt48k", 48000.0, [] (auto& e) { e.setGain (0.5); }, gainRatio, 1.0, 0.5 },
        GlideCase{ "gainAt96k", 96000.0, [] (auto& e) { e.setGain (0.5); }, gainRatio, 1.0, 0.5 },
        GlideCase{ "powerAt44k1", 44100.0, [] (auto& e) { e.setPower (0.0); }, processedShare, 1.0, 0.0 },
        GlideCase{ "powerAt96k", 96000.0, [] (auto& e) { e.setPower (0.0); }, processedShare, 1.0, 0.0 }),
    TestSignals::nameOfCase<ControlGlide::ParamType>);

// Every control reaches the audio through a smoother: right after a move the output has hardly left the path
// of an engine whose control stayed, and the difference grows over the following milliseconds.
struct MoveCase
{
    const char* name;
    std::function<void (TarvikEffect&)> move;
};

class ControlMove : public ::testing::TestWithParam<MoveCase>
{
};

TEST_P (ControlMove, ProducesNoStep)
{
    TarvikEffect steady;
    TarvikEffect moving;
    TestSignals::Noise noise (0.7);
    double firstFramesDifference = 0.0;
    double laterDifference = 0.0;

    for (long i = 0; i < 44100 + 1323; ++i)
    {
        if (i == 44100)
            GetParam().move (moving);

        const Frame in{ noise(), noise() };
        const auto a = process (steady, in);
        const auto b = process (moving, in);
        const double difference = std::max (std::abs (a.left - b.left), std::abs (a.right - b.right));

        if (i >= 44100 && i < 44100 + 5)
            firstFramesDifference = std::max (firstFramesDifference, difference);
        else if (i >= 44100 + 441)
            laterDifference = std::max (laterDifference, difference);
    }

    EXPECT_GT (laterDifference, 1e-3);
    EXPECT_LT (firstFramesDifference, 0.05 * laterDifference);
}

INSTANTIATE_TEST_SUITE_P (
    Controls, ControlMove,
    ::testing::Values (MoveCase{ "power", [] (auto& e) { e.setPower (0.0); } },
                       MoveCase{ "gain", [] (auto& e) { e.setGain (2.0); } },
                       MoveCase{ "transientsAmount", [] (auto& e) { e.setTransientsAmount (0.0); } },
                       MoveCase{ "transientsBypass", [] (auto& e) { e.setTransientsBypass (1.0); } },
                       MoveCase{ "multibandAmount", [] (auto& e) { e.setMultibandAmount (0.0); } },
                       MoveCase{ "multibandBypass", [] (auto& e) { e.setMultibandBypass (1.0); } },
                       MoveCase{ "parallelAmount", [] (auto& e) { e.setParallelAmount (0.0); } },
                       MoveCase{ "parallelBypass", [] (auto& e) { e.setParallelBypass (1.0); } }),
    TestSignals::nameOfCase<ControlMove::ParamType>);

// Each section switched off through its amount and through its bypass passes its input, so both give the same
// output; and with the section active the output differs.
struct SectionCase
{
    const char* name;
    std::function<void (TarvikEffect&)> zeroAmount;
    std::function<void (TarvikEffect&)> bypass;
};

class SectionSwitch : public ::testing::TestWithParam<SectionCase>
{
protected:
    // Largest difference between the outputs of two engines on the same noise, once the start-up glide has
    // left the compressors' memories: the parallel compressor's mean square takes seconds to forget it.
    static double largestDifference (TarvikEffect& a, TarvikEffect& b)
    {
        TestSignals::Noise noise (0.7);
        double largest = 0.0;

        for (int i = 0; i < 7 * 44100; ++i)
        {
            const Frame in{ noise(), noise() };
            const auto outA = process (a, in);
            const auto outB = process (b, in);

            if (i >= 6 * 44100)
                largest = std::max ({ largest, std::abs (outA.left - outB.left), std::abs (outA.right - outB.right) });
        }

        return largest;
    }
};

TEST_P (SectionSwitch, AmountZeroAndBypassBothPassTheSection)
{
    TarvikEffect byAmount;
    TarvikEffect byBypass;
    GetParam().zeroAmount (byAmount);
    GetParam().bypass (byBypass);
    EXPECT_LT (largestDifference (byAmount, byBypass), 1e-12);
}

TEST_P (SectionSwitch, ActiveSectionChangesTheOutput)
{
    TarvikEffect active;
    TarvikEffect bypassed;
    GetParam().bypass (bypassed);
    EXPECT_GT (largestDifference (active, bypassed), 1e-3);
}

INSTANTIATE_TEST_SUITE_P (Sections, SectionSwitch,
                          ::testing::Values (SectionCase{ "transients", [] (auto& e) { e.setTransientsAmount (0.0); },
                                                          [] (auto& e) { e.setTransientsBypass (1.0); } },
                                             SectionCase{ "multiband", [] (auto& e) { e.setMultibandAmount (0.0); },
                                                          [] (auto& e) { e.setMultibandBypass (1.0); } },
                                             SectionCase{ "parallel", [] (auto& e) { e.setParallelAmount (0.0); },
                                                          [] (auto& e) { e.setParallelBypass (1.0); } }),
                          TestSignals::nameOfCase<SectionSwitch::ParamType>);

TEST (TarvikEffect, GainScalesTheOutput)
{
    TarvikEffect unity;
    TarvikEffect halved;
    halved.setGain (Tarvik::ParameterMapping::gainFromDecibels (-6.0));

    for (long i = 0; i < 44100; ++i)
    {
        const auto in = music (44100.0, i);
        const auto a = process (unity, in);
        const auto b = process (halved, in);

        if (i > 22050)
        {
            ASSERT_NEAR (b.left, a.left * std::pow (10.0, -6.0 / 20.0), 1e-12) << "frame " << i;
        }
    }
}

// With the compressors out of the way, a hit on one channel alone changes the other channel's level through
// the cross-fed detector.
struct CrossfeedCase
{
    const char* name;
    bool hitOnRight;
};

class Crossfeed : public ::testing::TestWithParam<CrossfeedCase>
{
};

TEST_P (Crossfeed, AHitOnOneChannelShapesTheOther)
{
    const bool hitOnRight = GetParam().hitOnRight;
    TarvikEffect withHit;
    TarvikEffect without;

    for (auto* effect : { &withHit, &without })
    {
        effect->setMultibandBypass (1.0);
        effect->setParallelBypass (1.0);
    }

    double largestRatio = 0.0;

    for (long i = 0; i < 44100; ++i)
    {
        const double steady = TestSignals::sine (0.01, 300.0, 44100.0, i);
        const double hit = i >= 22050 ? TestSignals::sine (0.5, 200.0, 44100.0, i) : 0.0;

        const auto a = process (withHit, hitOnRight ? Frame{ steady, hit } : Frame{ hit, steady });
        const auto b = process (without, hitOnRight ? Frame{ steady, 0.0 } : Frame{ 0.0, steady });

        const double shapedWithHit = hitOnRight ? a.left : a.right;
        const double shapedWithout = hitOnRight ? b.left : b.right;

        if (i < 22050)
        {
            ASSERT_EQ (shapedWithHit, shapedWithout) << "frame " << i;
        }
        else if (i < 22050 + 441 && std::abs (shapedWithout) > 0.002)
        {
            largestRatio = std::max (largestRatio, shapedWithHit / shapedWithout);
        }
    }

    EXPECT_GT (largestRatio, 2.0);
}

// A detector takes 74 % of the opposite channel and 26 % of its own: with the opposite channel at -26/74 of
// the own one, the detector is silent and the own channel passes the shapers untouched, however much it
// moves.
TEST_P (Crossfeed, OppositeChannelCountsSeventyFourPercent)
{
    const bool ownIsLeft = GetParam().hitOnRight;
    TarvikEffect effect;
    effect.setMultibandBypass (1.0);
    effect.setParallelBypass (1.0);
    TestSignals::Noise noise (0.8);

    for (long i = 0; i < 3 * 44100; ++i)
    {
        const double burst = (i % 8820) < 2205 ? 1.0 : 0.05;
        const double own = burst * noise();
        const double opposite = -(0.26 / 0.74) * own;
        const auto out = process (effect, ownIsLeft ? Frame{ own, opposite } : Frame{ opposite, own });

        if (i >= 2 * 44100)
        {
            ASSERT_NEAR (ownIsLeft ? out.left : out.right, own, 1e-12) << "frame " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P (Channels, Crossfeed,
                          ::testing::Values (CrossfeedCase{ "rightDrivesLeft", true },
                                             CrossfeedCase{ "leftDrivesRight", false }),
                          TestSignals::nameOfCase<Crossfeed::ParamType>);

TEST (TarvikEffect, InitClearsNoState)
{
    TarvikEffect reinitialised;
    TarvikEffect untouched;
    TestSignals::Noise noise (0.8);

    for (int i = 0; i < 44100; ++i)
    {
        if (i == 11025)
            reinitialised.init (44100.0);

        const Frame in{ noise(), noise() };
        const auto a = process (reinitialised, in);
        const auto b = process (untouched, in);
        ASSERT_TRUE (TestSignals::sameBits (a.left, b.left)) << "frame " << i;
        ASSERT_TRUE (TestSignals::sameBits (a.right, b.right)) << "frame " << i;
    }

    EXPECT_EQ (reinitialised.getMaxValue (0), untouched.getMaxValue (0));
    EXPECT_EQ (reinitialised.getNormalizedMeterValue (1), untouched.getNormalizedMeterValue (1));
}

// The same music at another host rate keeps its level through the chain: crossovers, detector filters and
// time constants all follow the rate.
class HostRate : public ::testing::TestWithParam<double>
{
};

Frame settledRms (double sampleRate)
{
    TarvikEffect effect;
    effect.init (sampleRate);

    const long total = framesFor (3.0, sampleRate);
    const long measured = framesFor (1.0, sampleRate);
    double left = 0.0;
    double right = 0.0;

    for (long i = 0; i < total; ++i)
    {
        const auto out = process (effect, music (sampleRate, i));

        if (i >= total - measured)
        {
            left += out.left * out.left;
            right += out.right * out.right;
        }
    }

    return { std::sqrt (left / measured), std::sqrt (right / measured) };
}

TEST_P (HostRate, SettledLevelMatchesFortyFourPointOneKilohertz)
{
    const auto reference = settledRms (44100.0);
    const auto atRate = settledRms (GetParam());

    EXPECT_NEAR (TestSignals::decibels (atRate.left), TestSignals::decibels (reference.left), 0.05);
    EXPECT_NEAR (TestSignals::decibels (atRate.right), TestSignals::decibels (reference.right), 0.05);
}

// Level of the left output in 10 ms windows around a half-second tone burst: the onset shows the shapers'
// envelopes, the body the compressors' attack and the parallel compressor's averaging, the end their release.
std::vector<double> burstEnvelopeDb (double sampleRate)
{
    TarvikEffect effect;
    effect.init (sampleRate);

    const long onset = framesFor (0.5, sampleRate);
    const long end = framesFor (1.0, sampleRate);
    const long window = framesFor (0.010, sampleRate);
    std::vector<double> levels;
    double sumOfSquares = 0.0;

    for (long i = 0; i < end + onset; ++i)
    {
        const bool inBurst = i >= onset && i < end;
        const double x =
            inBurst ? TestSignals::sine (0.5, 200.0, sampleRate, i) + TestSignals::sine (0.3, 2000.0, sampleRate, i)
                    : TestSignals::sine (0.01, 200.0, sampleRate, i);
        const auto out = process (effect, { x, 0.7 * x });

        if (i >= onset - 4 * window)
        {
            sumOfSquares += out.left * out.left;

            if ((i - onset) % window == window - 1)
            {
                levels.push_back (10.0 * std::log10 (sumOfSquares / static_cast<double> (window)));
                sumOfSquares = 0.0;
            }
        }
    }

    return levels;
}

TEST_P (HostRate, ToneBurstEnvelopeMatchesFortyFourPointOneKilohertz)
{
    const auto reference = burstEnvelopeDb (44100.0);
    const auto atRate = burstEnvelopeDb (GetParam());
    ASSERT_EQ (atRate.size(), reference.size());

    for (std::size_t i = 0; i < reference.size(); ++i)
        EXPECT_NEAR (atRate[i], reference[i], 0.2) << "window " << i;
}

INSTANTIATE_TEST_SUITE_P (Rates, HostRate, ::testing::Values (48000.0, 96000.0));

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

TEST (ParameterMapping, SwitchesAreOnFromOneHalfUpwards)
{
    using namespace Tarvik::ParameterMapping;
    EXPECT_EQ (switchOn (0.5), 1.0);
    EXPECT_EQ (switchOn (0.49), 0.0);
    EXPECT_EQ (bypassFromPowerSwitch (0.5), 0.0);
    EXPECT_EQ (bypassFromPowerSwitch (0.49), 1.0);
    EXPECT_EQ (shareFromPercent (50.0), 0.5);
    EXPECT_EQ (gainFromDecibels (0.0), 1.0);
    EXPECT_EQ (gainFromDecibels (-6.0), std::pow (10.0, -6.0 / 20.0));
}

TEST (TarvikEffect, AllocatesNothing)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer supplies its own operator new, which the counter cannot see";
#endif

    {
        const AllocationCounter probe;
        int* volatile memory = new int[16];
        delete[] memory;
        ASSERT_EQ (probe.allocationsSinceStart(), 1u) << "the counter must see allocations";
    }

    const AllocationCounter counter;
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

    EXPECT_EQ (counter.allocationsSinceStart(), 0u);
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

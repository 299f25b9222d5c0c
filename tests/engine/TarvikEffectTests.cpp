#include "EngineTestSupport.h"

#include "engine/ParameterMapping.h"

#include <cmath>
#include <functional>

namespace
{
using namespace EngineTestSupport;

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
} // namespace

#include "EngineTestSupport.h"

#include <cmath>
#include <vector>

namespace
{
using namespace EngineTestSupport;
using TestSignals::framesFor;

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
} // namespace

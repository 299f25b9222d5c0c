#include "TestSignals.h"

#include "engine/Compressor.h"
#include "engine/EngineSettings.h"
#include "engine/ParallelCompressor.h"

#include <cmath>

namespace
{
namespace settings = Tarvik::EngineSettings;

constexpr double sampleRate = 44100.0;

double amplitudeOf (double decibels)
{
    return std::pow (10.0, decibels / 20.0);
}

// Feeds a constant frame and returns the gain reduction, in dB, that the last frame received on the left.
template <typename Stage>
double reductionAfter (Stage& stage, double left, double right, long frames, double makeup = 1.0)
{
    double outLeft = left;

    for (long i = 0; i < frames; ++i)
    {
        double l = left;
        double r = right;
        stage.process (l, r);
        outLeft = l;
    }

    return -TestSignals::decibels (outLeft / (left * makeup));
}

struct BandCase
{
    int band;
    double expectedReductionDb;
};

class BandCompressor : public ::testing::TestWithParam<BandCase>
{
protected:
    const Compressor::Settings& bandSettings() const { return settings::bandCompressors[GetParam().band]; }
    Compressor compressor{ bandSettings() };
};

TEST_P (BandCompressor, LeavesALevelBelowThresholdUntouchedApartFromMakeup)
{
    const double level = amplitudeOf (bandSettings().thresholdDb - 20.0);
    TestSignals::Noise noise (level);

    for (int i = 0; i < 44100; ++i)
    {
        double left = noise();
        double right = noise();
        const double inLeft = left;
        const double inRight = right;
        compressor.process (left, right);

        if (i > 22050)
        {
            ASSERT_NEAR (left, inLeft * bandSettings().makeupGain, 1e-13) << "frame " << i;
            ASSERT_NEAR (right, inRight * bandSettings().makeupGain, 1e-13) << "frame " << i;
        }
    }
}

// Ten dB over the threshold becomes 10 × (1 - 1/ratio) dB of reduction; for the top band, 8.75 dB.
TEST_P (BandCompressor, SettlesToTheRatioAboveThreshold)
{
    const double level = amplitudeOf (bandSettings().thresholdDb + 10.0);
    const double reduction = reductionAfter (compressor, level, -level, 88200, bandSettings().makeupGain);
    EXPECT_NEAR (reduction, GetParam().expectedReductionDb, 1e-9);
}

// The detector reads the mean of both magnitudes, so one loud channel compresses both.
TEST_P (BandCompressor, LinksTheChannelsByTheirMeanMagnitude)
{
    const double level = amplitudeOf (bandSettings().thresholdDb + 10.0);
    const double reduction = reductionAfter (compressor, 2.0 * level, 0.0, 88200, bandSettings().makeupGain);
    EXPECT_NEAR (reduction, GetParam().expectedReductionDb, 1e-9);
}

TEST_P (BandCompressor, ReductionRisesWithTheAttackAndFallsWithTheRelease)
{
    const auto& s = bandSettings();
    const double quiet = amplitudeOf (s.thresholdDb - 20.0);
    const double loud = amplitudeOf (s.thresholdDb + 10.0);
    const double full = GetParam().expectedReductionDb;
    const double leftAfterItsTime = std::exp (-4.605);

    reductionAfter (compressor, quiet, quiet, 44100);

    const auto attackFrames = TestSignals::framesFor (s.attackMs * 0.001, sampleRate);
    EXPECT_NEAR (reductionAfter (compressor, loud, loud, attackFrames, s.makeupGain), full * (1.0 - leftAfterItsTime),
                 1e-6);

    reductionAfter (compressor, loud, loud, 88200);

    const auto releaseFrames = TestSignals::framesFor (s.releaseMs * 0.001, sampleRate);
    EXPECT_NEAR (reductionAfter (compressor, quiet, quiet, releaseFrames, s.makeupGain), full * leftAfterItsTime, 1e-6);
}

INSTANTIATE_TEST_SUITE_P (EngineBands, BandCompressor,
                          ::testing::Values (BandCase{ 0, 5.0 }, BandCase{ 1, 7.5 }, BandCase{ 2, 25.0 / 3.0 },
                                             BandCase{ 3, 8.75 }),
                          [] (const auto& testInfo) { return "band" + std::to_string (testInfo.param.band); });

TEST (Compressor, SilenceStaysSilentAndFinite)
{
    Compressor compressor (settings::bandCompressors[3]);

    for (int i = 0; i < 4410; ++i)
    {
        double left = 0.0;
        double right = 0.0;
        compressor.process (left, right);
        ASSERT_EQ (left, 0.0);
        ASSERT_EQ (right, 0.0);
    }
}

struct KneeCase
{
    const char* name;
    double kneeDb;
    double levelDb;
    double expectedReductionDb;
};

class ParallelKnee : public ::testing::TestWithParam<KneeCase>
{
};

// Constant magnitude, so the RMS level equals it once the averager has settled.
TEST_P (ParallelKnee, ReductionAtASettledRmsLevel)
{
    const auto& c = GetParam();
    auto compressorSettings = settings::parallelCompressor;
    compressorSettings.kneeDb = c.kneeDb;
    ParallelCompressor compressor (compressorSettings);

    const double level = amplitudeOf (c.levelDb);
    EXPECT_NEAR (reductionAfter (compressor, level, -level, 8 * 44100), c.expectedReductionDb, 1e-9);
}

const double parallelSlope = 1.0 - 1.0 / 6.8;

INSTANTIATE_TEST_SUITE_P (
    EngineSettings, ParallelKnee,
    ::testing::Values (KneeCase{ "wellBelowKnee", 5.0, -30.0, 0.0 }, KneeCase{ "kneeLowerEdge", 5.0, -22.5, 0.0 },
                       KneeCase{ "insideKneeAtThreshold", 5.0, -20.0, parallelSlope * 2.5 * 2.5 / 10.0 },
                       KneeCase{ "kneeUpperEdge", 5.0, -17.5, parallelSlope * 2.5 },
                       KneeCase{ "straightLineAboveKnee", 5.0, -10.0, parallelSlope * 10.0 },
                       KneeCase{ "noKneeAtThreshold", 0.0, -20.0, 0.0 },
                       KneeCase{ "noKneeAboveThreshold", 0.0, -18.0, parallelSlope * 2.0 }),
    TestSignals::nameOfCase<ParallelKnee::ParamType>);

TEST (ParallelCompressor, KneeExampleIsAboutHalfADecibel)
{
    EXPECT_NEAR (0.8529411764705882 * 2.5 * 2.5 / 10.0, 0.533, 0.0005);
    EXPECT_NEAR (parallelSlope, 0.8529411764705882, 1e-16);
}

class ParallelMix : public ::testing::Test
{
protected:
    // Runs loud noise, well into compression, and returns the largest deviation from input × expectedGain
    // after the smoothers have settled.
    double largestDeviation (double expectedGain)
    {
        TestSignals::Noise noise (0.9);
        double largest = 0.0;

        for (int i = 0; i < 2 * 44100; ++i)
        {
            double left = noise();
            double right = noise();
            const double inLeft = left;
            const double inRight = right;
            compressor.process (left, right);

            if (i > 44100)
                largest = std::max (
                    { largest, std::abs (left - inLeft * expectedGain), std::abs (right - inRight * expectedGain) });
        }

        return largest;
    }

    ParallelCompressor compressor{ settings::parallelCompressor };
};

TEST_F (ParallelMix, CompressesLoudNoiseWhenActive)
{
    EXPECT_GT (largestDeviation (1.0), 0.1);
}

TEST_F (ParallelMix, AmountZeroPassesTheInputTimesTheLevel)
{
    compressor.setAmount (0.0);
    EXPECT_LT (largestDeviation (1.0), 1e-13);
}

// The bypass smoother settles within rounding of 1 (about 1e-14 short), so the dry signal comes through to
// that precision, whatever the amount.
TEST_F (ParallelMix, BypassPassesTheInput)
{
    compressor.setAmount (1.0);
    compressor.setBypass (1.0);
    EXPECT_LT (largestDeviation (1.0), 1e-13);
}
} // namespace

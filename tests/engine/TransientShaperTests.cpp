#include "TestSignals.h"

#include "engine/EngineSettings.h"
#include "engine/TransientShaper.h"

#include <cmath>

namespace
{
namespace settings = Tarvik::EngineSettings;

struct Frame
{
    double left;
    double right;
};

Frame shape (TransientShaper& shaper, Frame in, double detectorA, double detectorB)
{
    shaper.process (in.left, in.right, detectorA, detectorB);
    return in;
}

// Lets the emphasis and amount smoothers settle on a silent detector.
void settle (TransientShaper& shaper)
{
    for (int i = 0; i < 2 * 44100; ++i)
        shape (shaper, { 1.0, 1.0 }, 0.0, 0.0);
}

struct OnsetCase
{
    double sampleRate;
    double detectorValue;
    // Share of the step the second envelope covers on the first frame: its attack coefficient.
    double slowAttackCoefficient;
};

class ShaperOnset : public ::testing::TestWithParam<OnsetCase>
{
};

// On the frame a detector jumps from silence, the first envelope holds the full value and the second only its
// attack coefficient times it, so the gain is that ratio in dB times the emphasis of 0.5.
TEST_P (ShaperOnset, FirstShaperBoostsTheOnsetByTheEnvelopeRatio)
{
    const auto& c = GetParam();
    TransientShaper shaper (settings::transientShaper1);
    shaper.setSampleRate (c.sampleRate);
    settle (shaper);

    const double differenceDb = -20.0 * std::log10 (c.slowAttackCoefficient);
    const double expectedGain = std::pow (10.0, (differenceDb * 0.5) / 20.0);

    const auto left = shape (shaper, { 0.5, 0.25 }, c.detectorValue, 0.0);
    EXPECT_NEAR (left.left / 0.5, expectedGain, 1e-9 * expectedGain);
    EXPECT_NEAR (left.right, 0.25, 1e-15) << "detector A must not touch the right channel";

    TransientShaper mirrored (settings::transientShaper1);
    mirrored.setSampleRate (c.sampleRate);
    settle (mirrored);

    const auto right = shape (mirrored, { 0.5, 0.25 }, 0.0, c.detectorValue);
    EXPECT_NEAR (right.right / 0.25, expectedGain, 1e-9 * expectedGain);
    EXPECT_NEAR (right.left, 0.5, 1e-15) << "detector B must not touch the left channel";
}

INSTANTIATE_TEST_SUITE_P (Onsets, ShaperOnset,
                          ::testing::Values (OnsetCase{ 44100.0, 1.0, 0.0011358549154367736 },
                                             OnsetCase{ 44100.0, 0.25, 0.0011358549154367736 },
                                             OnsetCase{ 96000.0, 1.0,
                                                        1.0 - std::exp (-1.00239343 / (0.020 * 96000.0)) }));

TEST (TransientShaper, OnsetFiguresForAFullScaleDetector)
{
    const double differenceDb = -20.0 * std::log10 (0.0011358549154367736);
    EXPECT_NEAR (differenceDb, 58.89354276421117, 1e-12);

    TransientShaper shaper (settings::transientShaper1);
    settle (shaper);
    EXPECT_NEAR (shape (shaper, { 1.0, 1.0 }, 1.0, 1.0).left, 29.671436263309662, 1e-10);
}

TEST (TransientShaper, FirstShaperBoostFadesAsTheSlowEnvelopeCatchesUp)
{
    TransientShaper shaper (settings::transientShaper1);
    settle (shaper);

    double previous = shape (shaper, { 1.0, 1.0 }, 1.0, 1.0).left;

    for (int i = 0; i < 882; ++i)
    {
        const double gain = shape (shaper, { 1.0, 1.0 }, 1.0, 1.0).left;
        ASSERT_LT (gain, previous) << "frame " << i;
        previous = gain;
    }

    EXPECT_LT (previous, 1.6);
}

// Both of its envelopes rise at once and the second falls faster, so its difference never turns negative.
TEST (TransientShaper, SecondShaperNeverRaisesTheLevel)
{
    TransientShaper shaper (settings::transientShaper2);
    TestSignals::Noise noise (1.0);
    TestSignals::Noise audio (1.0, 7);
    bool cut = false;

    for (int i = 0; i < 4 * 44100; ++i)
    {
        // Bursts of 50 ms every 200 ms, so the envelopes rise and fall.
        const double burst = (i % 8820) < 2205 ? 1.0 : 0.001;
        const Frame in{ audio(), audio() };
        const auto out = shape (shaper, in, burst * noise(), burst * noise());

        ASSERT_LE (std::abs (out.left), std::abs (in.left) * (1.0 + 1e-15)) << "frame " << i;
        ASSERT_LE (std::abs (out.right), std::abs (in.right) * (1.0 + 1e-15)) << "frame " << i;
        cut = cut || std::abs (out.left) < 0.9 * std::abs (in.left);
    }

    EXPECT_TRUE (cut) << "the second shaper should dip the tails";
}

struct PassCase
{
    const char* name;
    TransientShaper::Settings settings;
    double amount;
    double detectorLevel;
};

class ShaperPass : public ::testing::TestWithParam<PassCase>
{
};

TEST_P (ShaperPass, OutputEqualsInput)
{
    const auto& c = GetParam();
    TransientShaper shaper (c.settings);
    shaper.setAmount (c.amount);
    TestSignals::Noise noise (1.0);

    for (int i = 0; i < 44100; ++i)
    {
        const Frame in{ noise(), noise() };
        const auto out = shape (shaper, in, c.detectorLevel * noise(), c.detectorLevel * noise());
        ASSERT_NEAR (out.left, in.left, 1e-15) << "frame " << i;
        ASSERT_NEAR (out.right, in.right, 1e-15) << "frame " << i;
    }
}

INSTANTIATE_TEST_SUITE_P (Neutral, ShaperPass,
                          ::testing::Values (PassCase{ "amountZero", settings::transientShaper1, 0.0, 1.0 },
                                             PassCase{ "emphasisZero", TransientShaper::Settings{}, 1.0, 1.0 },
                                             PassCase{ "silentDetector", settings::transientShaper1, 1.0, 0.0 }),
                          TestSignals::nameOfCase<ShaperPass::ParamType>);

// An amount that never left 0 keeps the smoother at exactly 0, so the frame passes bit for bit.
TEST (TransientShaper, AmountZeroFromTheStartPassesBitForBit)
{
    TransientShaper shaper (settings::transientShaper1);
    shaper.setAmount (0.0);
    TestSignals::Noise noise (1.0);

    for (int i = 0; i < 44100; ++i)
    {
        const Frame in{ noise(), noise() };
        const auto out = shape (shaper, in, noise(), noise());
        ASSERT_TRUE (TestSignals::sameBits (out.left, in.left)) << "frame " << i;
        ASSERT_TRUE (TestSignals::sameBits (out.right, in.right)) << "frame " << i;
    }
}
} // namespace

#include "TestSignals.h"

#include "engine/BandSplit.h"
#include "engine/EngineSettings.h"
#include "engine/FilterLowPassStereo.h"
#include "engine/FilterMono.h"

#include <cmath>
#include <complex>
#include <functional>

namespace
{
namespace settings = Tarvik::EngineSettings;

template <typename Filter> Filter makeMonoFilter (double frequency, double sampleRate = 44100.0)
{
    Filter filter;
    filter.setFrequency (frequency);
    filter.setQ (settings::sidechainQ);
    filter.calculateCoefficients();
    filter.setSampleRate (sampleRate);
    return filter;
}

FilterLowPassStereo makeStereoFilter (double frequency, double sampleRate = 44100.0)
{
    FilterLowPassStereo filter (frequency);
    filter.setSampleRate (sampleRate);
    return filter;
}

double magnitudeAt (const BiquadCoefficients& c, double frequency, double sampleRate)
{
    const auto z1 = std::polar (1.0, -2.0 * TestSignals::pi * frequency / sampleRate);
    const auto z2 = z1 * z1;
    return std::abs ((c.b0 + c.b1 * z1 + c.b2 * z2) / (1.0 + c.a1 * z1 + c.a2 * z2));
}

struct FilterCase
{
    const char* name;
    std::function<BiquadCoefficients (double sampleRate)> coefficientsAt;
    double frequency;
    // The resonance the bandwidth term gives: 1 / (2 sinh (ln 2 / (2 q))).
    double cornerMagnitude;
    BiquadCoefficients expectedAt44k1;
};

const double monoCornerMagnitude = 1.0 / (2.0 * std::sinh (0.3465735912322998 / 0.707));
const double stereoCornerMagnitude = 1.9608235380285122 / 2.0;

const FilterCase filterCases[] = {
    { "highPass49",
      [] (double rate) { return makeMonoFilter<FilterHighPassMono> (49.0, rate).getCoefficients(); },
      49.0,
      monoCornerMagnitude,
      { 1.00356095166, -1.99285480179, 0.992903367442, 0.996439542308, -1.99287908462, 0.996439542308 } },
    { "lowPass1000",
      [] (double rate) { return makeMonoFilter<FilterLowPassMono> (1000.0, rate).getCoefficients(); },
      1000.0,
      monoCornerMagnitude,
      { 1.07242745306, -1.84603157996, 0.864928013821, 0.00472410846587, 0.00944821693174, 0.00472410846587 } },
    { "stereoLowPass149",
      [] (double rate) { return makeStereoFilter (149.0, rate).getCoefficients(); },
      149.0,
      stereoCornerMagnitude,
      { 1.01082571065, -1.97813463741, 0.978580460447, 0.000111455758886, 0.000222911517772, 0.000111455758886 } },
    { "stereoLowPass1041",
      [] (double rate) { return makeStereoFilter (1041.0, rate).getCoefficients(); },
      1041.0,
      stereoCornerMagnitude,
      { 1.07536332589, -1.83941762517, 0.859836533238, 0.00510472701783, 0.0102094540357, 0.00510472701783 } },
    { "stereoLowPass3000",
      [] (double rate) { return makeStereoFilter (3000.0, rate).getCoefficients(); },
      3000.0,
      stereoCornerMagnitude,
      { 1.21140667105, -1.5024436185, 0.650973242757, 0.0371324060638, 0.0742648121277, 0.0371324060638 } },
};

class FilterDesign : public ::testing::TestWithParam<FilterCase>
{
};

TEST_P (FilterDesign, CoefficientsAtFortyFourPointOneKilohertzToTwelveDigits)
{
    const auto& c = GetParam();
    const auto actual = c.coefficientsAt (44100.0);
    const auto& expected = c.expectedAt44k1;

    EXPECT_TRUE (TestSignals::agreesToSignificantDigits (actual.a0, expected.a0, 12)) << "a0";
    EXPECT_TRUE (TestSignals::agreesToSignificantDigits (actual.a1, expected.a1, 12)) << "a1";
    EXPECT_TRUE (TestSignals::agreesToSignificantDigits (actual.a2, expected.a2, 12)) << "a2";
    EXPECT_TRUE (TestSignals::agreesToSignificantDigits (actual.b0, expected.b0, 12)) << "b0";
    EXPECT_TRUE (TestSignals::agreesToSignificantDigits (actual.b1, expected.b1, 12)) << "b1";
    EXPECT_TRUE (TestSignals::agreesToSignificantDigits (actual.b2, expected.b2, 12)) << "b2";
}

// The corner stays at the same frequency in Hz, with the same resonance, at every host rate.
TEST_P (FilterDesign, CornerKeepsItsFrequencyAndResonanceAtEveryRate)
{
    const auto& c = GetParam();

    for (const double rate : { 44100.0, 48000.0, 88200.0, 96000.0, 192000.0 })
    {
        SCOPED_TRACE (rate);
        EXPECT_NEAR (magnitudeAt (c.coefficientsAt (rate), c.frequency, rate), c.cornerMagnitude, 1e-9);
    }

    const double octaveBelowAt44k1 = magnitudeAt (c.coefficientsAt (44100.0), c.frequency / 2.0, 44100.0);
    const double octaveBelowAt96k = magnitudeAt (c.coefficientsAt (96000.0), c.frequency / 2.0, 96000.0);
    EXPECT_NEAR (TestSignals::decibels (octaveBelowAt96k), TestSignals::decibels (octaveBelowAt44k1), 0.1);
}

INSTANTIATE_TEST_SUITE_P (EngineFilters, FilterDesign, ::testing::ValuesIn (filterCases),
                          TestSignals::nameOfCase<FilterDesign::ParamType>);

TEST (FilterBaseMono, NewSettingsTakeEffectOnlyWhenCoefficientsAreRecalculated)
{
    auto reference = makeMonoFilter<FilterLowPassMono> (1000.0);
    auto changed = makeMonoFilter<FilterLowPassMono> (1000.0);
    changed.setFrequency (4000.0);
    changed.setQ (2.0);

    TestSignals::Noise noise (1.0);

    for (int i = 0; i < 256; ++i)
    {
        const double x = noise();
        ASSERT_EQ (changed.processSample (x), reference.processSample (x)) << "frame " << i;
    }

    changed.calculateCoefficients();
    const double x = noise();
    EXPECT_NE (changed.processSample (x), reference.processSample (x));
}

TEST (SidechainDetector, ConstantInputSettlesToZero)
{
    auto highPass = makeMonoFilter<FilterHighPassMono> (settings::sidechainHighPassHz);
    auto lowPass = makeMonoFilter<FilterLowPassMono> (settings::sidechainLowPassHz);
    double out = 1.0;

    for (int i = 0; i < 44100; ++i)
        out = lowPass.processSample (highPass.processSample (0.8));

    EXPECT_LT (std::abs (out), 1e-12);
}

TEST (FilterLowPassStereo, ChannelsDoNotInteract)
{
    FilterLowPassStereo filter (1041.0);
    TestSignals::Noise noise (1.0);

    for (int i = 0; i < 4096; ++i)
    {
        filter.processSample (noise(), 0);
        ASSERT_EQ (filter.processSample (0.0, 1), 0.0) << "frame " << i;
    }
}

BandSplit makeEngineBandSplit()
{
    return { settings::crossoverLowHz, settings::crossoverMidHz, settings::crossoverHighHz };
}

TEST (BandSplit, UntouchedBandsAddUpToTheInput)
{
    auto split = makeEngineBandSplit();
    TestSignals::Noise noise (1.0);

    for (int i = 0; i < 44100; ++i)
    {
        const double left = noise();
        const double right = 0.25 * noise();
        ASSERT_NEAR (BandSplit::sum (split.split (left, 0)), left, 1e-15) << "frame " << i;
        ASSERT_NEAR (BandSplit::sum (split.split (right, 1)), right, 1e-15) << "frame " << i;
    }
}

TEST (BandSplit, ConstantInputSettlesIntoTheLowestBand)
{
    auto split = makeEngineBandSplit();
    BandSplit::Bands bands{};

    for (int i = 0; i < 44100; ++i)
        bands = split.split (0.6, 0);

    EXPECT_NEAR (bands[0], 0.6, 1e-12);
    EXPECT_NEAR (bands[1], 0.0, 1e-12);
    EXPECT_NEAR (bands[2], 0.0, 1e-12);
    EXPECT_NEAR (bands[3], 0.0, 1e-12);
}
} // namespace

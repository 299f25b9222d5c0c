#include "TestSignals.h"

#include "engine/LevelMeter.h"
#include "engine/MeterDetectors.h"
#include "engine/TarvikEffect.h"

#include <cmath>

namespace
{
using ClipDetector = Tarvik::Metering::ClipDetector<2>;
using MaxValueDetector = Tarvik::Metering::MaxValueDetector<2, -96>;

TEST (LevelMeter, ReadsTheMagnitudeOfNegativeSamples)
{
    LevelMeter positive;
    LevelMeter negative;
    positive.addSample (0.5);
    negative.addSample (-0.5);

    EXPECT_NEAR (negative.getValueDb(), -6.020599913279624, 1e-12);
    EXPECT_EQ (negative.getValueDb(), positive.getValueDb());
}

TEST (LevelMeter, RisesAtOnceAndFallsOverTwoAndAHalfSeconds)
{
    LevelMeter meter;
    EXPECT_EQ (meter.getNormalizedValue(), 0.0);

    meter.addSample (1.0);
    EXPECT_EQ (meter.getValueDb(), 0.0);
    EXPECT_EQ (meter.getNormalizedValue(), 1.0);

    for (int i = 0; i < 110250; ++i)
        meter.addSample (0.0);

    const double expected = -48.0 + 48.0 * std::pow (1.0 - 4.176783518272664e-05, 110250);
    EXPECT_NEAR (meter.getValueDb(), expected, 1e-9);
    EXPECT_NEAR (meter.getValueDb(), -47.52, 0.001);
    EXPECT_NEAR (meter.getNormalizedValue(), 0.010, 0.0005);
}

TEST (LevelMeter, NewRateChangesTheReleaseButNotTheReading)
{
    LevelMeter meter;
    meter.addSample (0.25);
    const double reading = meter.getValueDb();

    EXPECT_DOUBLE_EQ (meter.getReleaseCoefficient(), 4.176783518272664e-05);
    meter.setSampleRate (48000.0);
    EXPECT_DOUBLE_EQ (meter.getReleaseCoefficient(), 3.837426368913377e-05);
    EXPECT_EQ (meter.getValueDb(), reading);
}

struct HoldCase
{
    double sampleRate;
    int holdFrames;
};

class DetectorHold : public ::testing::TestWithParam<HoldCase>
{
protected:
    void SetUp() override
    {
        clip.init (GetParam().sampleRate);
        maximum.init (GetParam().sampleRate);
    }

    ClipDetector clip;
    MaxValueDetector maximum;
};

TEST_P (DetectorHold, ClipFlagHoldsForTwoSecondsAfterTheLastOverload)
{
    clip.addSample (1.0);
    clip.addSample (-1.0);
    EXPECT_FALSE (clip.isClipped()) << "full scale itself is not a clip";

    clip.addSample (-1.0000001);
    EXPECT_TRUE (clip.isClipped());

    // The overload brought the counter to 1; it clears on the frame that brings it to the hold period.
    for (int i = 0; i < GetParam().holdFrames - 2; ++i)
    {
        clip.addSample (0.5);
        ASSERT_TRUE (clip.isClipped()) << "frame " << i;
    }

    clip.addSample (0.5);
    EXPECT_FALSE (clip.isClipped());
}

TEST_P (DetectorHold, MaximumHoldsForTwoSecondsThenFallsToTheFloor)
{
    EXPECT_EQ (maximum.getMaxValueDb(), -96.0);
    maximum.addSample (-0.5);

    for (int i = 0; i < GetParam().holdFrames - 2; ++i)
    {
        maximum.addSample (i % 2 == 0 ? 0.25 : 0.0);
        ASSERT_NEAR (maximum.getMaxValueDb(), -6.020599913279624, 1e-12) << "frame " << i;
    }

    maximum.addSample (0.0);
    EXPECT_EQ (maximum.getMaxValueDb(), -96.0);

    maximum.addSample (0.25);
    EXPECT_NEAR (maximum.getMaxValueDb(), -12.041199826559248, 1e-12) << "after the reset the next level counts";
}

TEST_P (DetectorHold, AHigherLevelRestartsTheHold)
{
    maximum.addSample (0.25);

    for (int i = 0; i < GetParam().holdFrames / 2; ++i)
        maximum.addSample (0.0);

    maximum.addSample (0.5);

    for (int i = 0; i < GetParam().holdFrames - 2; ++i)
        maximum.addSample (0.0);

    EXPECT_NEAR (maximum.getMaxValueDb(), -6.020599913279624, 1e-12);
}

INSTANTIATE_TEST_SUITE_P (HostRates, DetectorHold,
                          ::testing::Values (HoldCase{ 44100.0, 88200 }, HoldCase{ 48000.0, 96000 },
                                             HoldCase{ 96000.0, 192000 }));

TEST (MeterDetectors, NewRateKeepsTheReadings)
{
    ClipDetector clip;
    MaxValueDetector maximum;
    clip.addSample (2.0);
    maximum.addSample (0.5);

    clip.init (48000.0);
    maximum.init (48000.0);

    EXPECT_TRUE (clip.isClipped());
    EXPECT_NEAR (maximum.getMaxValueDb(), -6.020599913279624, 1e-12);
}

TEST (MeterDataSource, FreshEngineReadsTheFloors)
{
    TarvikEffect effect;

    for (const int channel : { 0, 1 })
    {
        SCOPED_TRACE (channel);
        EXPECT_EQ (effect.getNormalizedMeterValue (channel), 0.0f);
        EXPECT_EQ (effect.getMaxValue (channel), -96.0f);
        EXPECT_FALSE (effect.getChannelIsClipped (channel));
    }
}

class MeterDataSourceChannels : public ::testing::Test
{
protected:
    // Power off, so the output equals the input and the meters see exactly what goes in.
    MeterDataSourceChannels()
    {
        effect.setPower (0.0);

        for (int i = 0; i < 44100; ++i)
            process (0.0, 0.0);
    }

    void process (double left, double right) { effect.process (left, right); }

    TarvikEffect effect;
};

TEST_F (MeterDataSourceChannels, EachChannelReadsItsOwnOutput)
{
    process (1.5, 0.5);

    EXPECT_EQ (effect.getNormalizedMeterValue (0), 1.0f);
    EXPECT_NEAR (effect.getNormalizedMeterValue (1), 1.0 - 6.020599913279624 / 48.0, 1e-6);
    EXPECT_TRUE (effect.getChannelIsClipped (0));
    EXPECT_FALSE (effect.getChannelIsClipped (1));
    EXPECT_NEAR (effect.getMaxValue (0), 3.5218251811136247, 1e-5);
    EXPECT_NEAR (effect.getMaxValue (1), -6.0206, 1e-4);
}

TEST_F (MeterDataSourceChannels, OtherChannelsReadSilentAndUnclipped)
{
    process (1.5, -1.5);

    for (const int channel : { 2, -1 })
    {
        SCOPED_TRACE (channel);
        EXPECT_EQ (effect.getNormalizedMeterValue (channel), 0.0f);
        EXPECT_FALSE (effect.getChannelIsClipped (channel));
        EXPECT_EQ (effect.getMaxValue (channel), 0.0f);
    }
}

TEST_F (MeterDataSourceChannels, SidewaysMeterAnswersAConstant)
{
    for (const int channel : { -1, 0, 1, 2 })
    {
        SCOPED_TRACE (channel);
        EXPECT_EQ (effect.getNormalizedSidewaysMeterValue (channel), 1.0f);
        EXPECT_TRUE (effect.getIsClipped (channel));
    }
}
} // namespace

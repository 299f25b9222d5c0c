#include "core/DisplayFeed.h"
#include "core/EngineParameterMapping.h"
#include "core/PluginProcessor.h"

#include <gtest/gtest.h>

TEST (Processor, AnswersTheHostsQuestions)
{
    TemplateEffectAudioProcessor processor;
    EXPECT_EQ (processor.getName(), "Dravlen 2 Lite");
    EXPECT_EQ (processor.getTailLengthSeconds(), 0.0);
    EXPECT_FALSE (processor.acceptsMidi());
    EXPECT_FALSE (processor.producesMidi());
    EXPECT_FALSE (processor.isMidiEffect());
    EXPECT_TRUE (processor.hasEditor());
    EXPECT_EQ (processor.getLatencySamples(), 0);

    processor.setCurrentProgram (3);
    processor.changeProgramName (0, "anything");
    EXPECT_EQ (processor.getNumPrograms(), 1);
    EXPECT_EQ (processor.getCurrentProgram(), 0);
    EXPECT_EQ (processor.getProgramName (0), "");
}

TEST (Processor, BusesDefaultToStereoAndAcceptMonoAndStereo)
{
    TemplateEffectAudioProcessor processor;
    EXPECT_EQ (processor.getBus (true, 0)->getName(), "Input");
    EXPECT_EQ (processor.getBus (false, 0)->getName(), "Output");
    EXPECT_EQ (processor.getMainBusNumInputChannels(), 2);
    EXPECT_EQ (processor.getMainBusNumOutputChannels(), 2);

    for (const auto& set : { juce::AudioChannelSet::mono(), juce::AudioChannelSet::stereo() })
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (set);
        layout.outputBuses.add (set);
        EXPECT_TRUE (processor.checkBusesLayoutSupported (layout)) << set.getDescription();
    }
}

TEST (DisplayFeed, PointsCoverFortyMillisecondsInSinglePrecision)
{
    EXPECT_EQ (DisplayFeed::samplesPerPoint (44100.0), 1763);
    EXPECT_EQ (DisplayFeed::samplesPerPoint (48000.0), 1919);
}

TEST (DisplayFeed, ShowsTheHalvedSumLiftedBySignedSquareRoot)
{
    struct Case { std::vector<float> channels; float shown; };
    const Case cases[] = {
        { { 0.5f, -0.5f }, 0.0f },
        { { -0.25f, -0.25f }, -0.5f },
        { { 0.0625f, 0.0625f }, 0.25f },
        { { 0.125f }, 0.25f }, // one channel: half its level
        { { 0.5f, 0.5f, 1.0f }, 1.0f }, // every channel counts
    };

    juce::AudioBuffer<float> work;
    for (const auto& c : cases)
    {
        const auto numChannels = static_cast<int> (c.channels.size());
        juce::AudioBuffer<float> block (numChannels, 3);
        for (int ch = 0; ch < numChannels; ++ch)
            juce::FloatVectorOperations::fill (block.getWritePointer (ch), c.channels[(size_t) ch], 3);

        DisplayFeed::compute (block, work);

        ASSERT_EQ (work.getNumChannels(), 1);
        ASSERT_EQ (work.getNumSamples(), 3);
        for (int i = 0; i < 3; ++i)
            EXPECT_FLOAT_EQ (work.getSample (0, i), c.shown);
    }
}

TEST (DisplayFeed, ShorterBlockKeepsTheAllocation)
{
    juce::AudioBuffer<float> work (1, 512);
    const auto* storage = work.getReadPointer (0);

    juce::AudioBuffer<float> block (2, 100);
    block.clear();
    DisplayFeed::compute (block, work);

    EXPECT_EQ (work.getNumSamples(), 100);
    EXPECT_EQ (work.getReadPointer (0), storage);
}

namespace
{
// An engine driven the way the processor drives its own: every parameter's default delivered,
// then initialised at the rate.
void prepareReference (TarvikEffect& engine, TemplateEffectAudioProcessor& processor, double sampleRate)
{
    for (const auto& data : processor.getParameterTable())
        applyParameterToEngine (engine, data.id, data.defaultValue);
    engine.init (sampleRate);
}

// Runs the reference engine over a stereo input and checks the processor wrote the same floats.
void expectSameAsReference (TarvikEffect& reference, const juce::AudioBuffer<float>& input, const juce::AudioBuffer<float>& output)
{
    for (int i = 0; i < input.getNumSamples(); ++i)
    {
        double left = input.getSample (0, i), right = input.getSample (1, i);
        reference.process (left, right);
        ASSERT_EQ (output.getSample (0, i), static_cast<float> (left)) << "sample " << i;
        ASSERT_EQ (output.getSample (1, i), static_cast<float> (right)) << "sample " << i;
    }
}

juce::AudioBuffer<float> noiseBlock (int numChannels, int numSamples, int seed)
{
    juce::Random random (seed);
    juce::AudioBuffer<float> block (numChannels, numSamples);
    for (int ch = 0; ch < numChannels; ++ch)
        for (int i = 0; i < numSamples; ++i)
            block.setSample (ch, i, random.nextFloat() * 2.0f - 1.0f);
    return block;
}
} // namespace

class ProcessorChannels : public ::testing::TestWithParam<int>
{
};

TEST_P (ProcessorChannels, ChannelZeroRunsAsDualMonoAndOthersPassUntouched)
{
    const auto numChannels = GetParam();
    TemplateEffectAudioProcessor processor;
    processor.prepareToPlay (44100.0, 256);
    TarvikEffect reference;
    prepareReference (reference, processor, 44100.0);
    juce::MidiBuffer midi;

    for (int blockIndex = 0; blockIndex < 8; ++blockIndex)
    {
        auto block = noiseBlock (numChannels, 256, blockIndex);
        if (blockIndex % 3 == 1)
            block.clear(); // silence still advances the engine
        const auto input = block;

        processor.processBlock (block, midi);

        for (int i = 0; i < block.getNumSamples(); ++i)
        {
            double left = input.getSample (0, i), right = left;
            reference.process (left, right);
            ASSERT_EQ (block.getSample (0, i), static_cast<float> (left)) << "block " << blockIndex << " sample " << i;
        }

        for (int ch = 1; ch < numChannels; ++ch)
            for (int i = 0; i < block.getNumSamples(); ++i)
                ASSERT_EQ (block.getSample (ch, i), input.getSample (ch, i));
    }
}

INSTANTIATE_TEST_SUITE_P (MonoAndMultichannel, ProcessorChannels, ::testing::Values (1, 3, 4));

TEST (Processor, StereoFramesRunThroughTheEngineInDoublePrecision)
{
    TemplateEffectAudioProcessor processor;
    processor.prepareToPlay (48000.0, 300);
    TarvikEffect reference;
    prepareReference (reference, processor, 48000.0);
    juce::MidiBuffer midi;

    for (int blockIndex = 0; blockIndex < 6; ++blockIndex)
    {
        auto block = noiseBlock (2, 300, 10 + blockIndex);
        const auto input = block;
        processor.processBlock (block, midi);

        expectSameAsReference (reference, input, block);
    }
}

TEST (Processor, ParameterChangesReachTheEngineAtTheNextBlock)
{
    TemplateEffectAudioProcessor processor;
    processor.prepareToPlay (44100.0, 128);
    TarvikEffect reference;
    prepareReference (reference, processor, 44100.0);
    juce::MidiBuffer midi;

    processor.getParameterManager().setRawValue ("gainId", -12.0f);
    processor.getParameterManager().setRawValue ("multibandPowerId", 0.0f);
    applyParameterToEngine (reference, "gainId", -12.0);
    applyParameterToEngine (reference, "multibandPowerId", 0.0);

    auto block = noiseBlock (2, 128, 99);
    const auto input = block;
    processor.processBlock (block, midi);

    expectSameAsReference (reference, input, block);
}

TEST (Processor, BlockWithoutChannelsIsHarmless)
{
    TemplateEffectAudioProcessor processor;
    processor.prepareToPlay (44100.0, 64);
    juce::AudioBuffer<float> empty (0, 64);
    juce::MidiBuffer midi;
    processor.processBlock (empty, midi);
    SUCCEED();
}

#include "RealtimeWatch.h"
#include "core/ParameterTable.h"
#include "core/PluginProcessor.h"

#include <gtest/gtest.h>

#include <random>

namespace
{
constexpr int maxBlockSize = 512;

void fillWithNoise (juce::AudioBuffer<float>& buffer, std::mt19937& random)
{
    std::uniform_real_distribution<float> sample (-1.0f, 1.0f);
    for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
        for (int i = 0; i < buffer.getNumSamples(); ++i)
            buffer.setSample (ch, i, sample (random));
}
} // namespace

TEST (RealtimeSafety, ProcessBlockNeitherAllocatesNorWaits)
{
    TemplateEffectAudioProcessor processor;
    processor.prepareToPlay (44100.0, maxBlockSize);

    auto& manager = processor.getParameterManager();
    const auto& table = processor.getParameterTable();

    std::mt19937 random (1234);
    std::uniform_int_distribution<int> blockLength (1, maxBlockSize);
    std::uniform_int_distribution<size_t> whichParameter (0, table.size() - 1);
    std::uniform_real_distribution<float> proportion (0.0f, 1.0f);

    juce::AudioBuffer<float> storage (2, maxBlockSize);
    juce::MidiBuffer midi;

    for (int block = 0; block < 400; ++block)
    {
        // Parameter changes arrive between blocks, as from the editor or the host.
        for (int change = 0; change < block % 3; ++change)
        {
            const auto& data = table[whichParameter (random)];
            manager.setRawValue (data.id, data.range.convertFrom0to1 (proportion (random)));
        }

        juce::AudioBuffer<float> buffer (storage.getArrayOfWritePointers(), 2, blockLength (random));
        fillWithNoise (buffer, random);

        const RealtimeWatch watch;
        processor.processBlock (buffer, midi);

        ASSERT_EQ (watch.allocations(), 0u) << "block " << block;
        ASSERT_EQ (watch.deallocations(), 0u) << "block " << block;
        ASSERT_EQ (watch.blockingLocks(), 0u) << "block " << block;
    }
}

TEST (RealtimeSafety, RecordingAndDeliveringChangesStayOffTheHeap)
{
    TemplateEffectAudioProcessor processor;
    processor.prepareToPlay (44100.0, maxBlockSize);
    auto& manager = processor.getParameterManager();

    for (int round = 0; round < 3; ++round)
    {
        const RealtimeWatch watch;
        for (const auto& data : processor.getParameterTable())
            manager.parameterChanged (data.id, 0.0f);
        manager.update();

        EXPECT_EQ (watch.allocations(), 0u) << "round " << round;
        EXPECT_EQ (watch.deallocations(), 0u) << "round " << round;
    }
}

TEST (RealtimeSafety, WatchSeesAnAllocation)
{
    if (! RealtimeWatch::countsAllocations())
        GTEST_SKIP() << "this sanitizer owns operator new; the plain build counts allocations";

    const RealtimeWatch watch;
    auto owned = std::make_unique<int> (3);
    EXPECT_EQ (watch.allocations(), 1u);
}

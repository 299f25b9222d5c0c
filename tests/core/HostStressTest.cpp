#include "core/PluginProcessor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <atomic>
#include <random>
#include <thread>

// Works the processor the way a strict plug-in validator does: many rates and block sizes,
// re-preparing mid-stream, automation every block, state saved and restored while running, and
// hostile input. The output must stay finite and within a sane bound throughout.

namespace
{
// Full-scale input, +48 dB of output gain and the section makeups stay well below this.
constexpr float saneBound = 4096.0f;

enum class Input { silence, noise, dc, nanBursts };

class StressSource
{
public:
    StressSource (Input kindIn, unsigned seed) : kind (kindIn), random (seed) {}

    void fill (juce::AudioBuffer<float>& buffer)
    {
        std::uniform_real_distribution<float> sample (-1.0f, 1.0f);
        for (int i = 0; i < buffer.getNumSamples(); ++i, ++position)
            for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
                buffer.setSample (ch, i, next (sample));
    }

private:
    float next (std::uniform_real_distribution<float>& sample)
    {
        switch (kind)
        {
            case Input::silence: return 0.0f;
            case Input::noise: return sample (random);
            case Input::dc: return 0.9f;
            case Input::nanBursts:
                if (position % 4000 < 40)
                    return position % 3 == 0 ? std::numeric_limits<float>::quiet_NaN() : std::numeric_limits<float>::infinity();
                return sample (random);
        }
        return 0.0f;
    }

    Input kind;
    std::mt19937 random;
    long position = 0;
};

void expectSane (const juce::AudioBuffer<float>& buffer, const std::string& where)
{
    for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
        for (int i = 0; i < buffer.getNumSamples(); ++i)
        {
            const auto x = buffer.getSample (ch, i);
            ASSERT_TRUE (std::isfinite (x) && std::abs (x) < saneBound) << where << " ch " << ch << " sample " << i << ": " << x;
        }
}

void automateRandomParameter (TemplateEffectAudioProcessor& processor, std::mt19937& random)
{
    const auto& parameters = processor.getParameters();
    std::uniform_int_distribution<int> which (0, parameters.size() - 1);
    std::uniform_real_distribution<float> proportion (0.0f, 1.0f);
    parameters[which (random)]->setValueNotifyingHost (proportion (random));
}

class HostStress : public ::testing::TestWithParam<std::tuple<double, int>>
{
};
} // namespace

TEST_P (HostStress, EveryInputStaysFiniteAndBounded)
{
    const auto [sampleRate, blockSize] = GetParam();
    const auto blocksPerRun = std::max (4, static_cast<int> (0.25 * sampleRate) / blockSize);

    for (const auto input : { Input::silence, Input::noise, Input::dc, Input::nanBursts })
    {
        TemplateEffectAudioProcessor processor;
        processor.prepareToPlay (sampleRate, blockSize);
        StressSource source (input, 17);
        std::mt19937 random (5);
        juce::AudioBuffer<float> buffer (2, blockSize);
        juce::MidiBuffer midi;

        for (int block = 0; block < blocksPerRun; ++block)
        {
            automateRandomParameter (processor, random);
            source.fill (buffer);
            processor.processBlock (buffer, midi);
            expectSane (buffer, "input " + std::to_string ((int) input) + " block " + std::to_string (block));
            if (HasFatalFailure())
                return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P (RatesAndBlockSizes,
                          HostStress,
                          ::testing::Combine (::testing::Values (44100.0, 48000.0, 88200.0, 96000.0, 192000.0),
                                              ::testing::Values (1, 7, 64, 512, 4096)),
                          [] (const auto& info) {
                              return std::to_string ((int) std::get<0> (info.param)) + "Hz_"
                                     + std::to_string (std::get<1> (info.param));
                          });

TEST (HostStressRun, VaryingBlocksReprepareAndStateRestoreMidStream)
{
    TemplateEffectAudioProcessor processor;
    processor.prepareToPlay (44100.0, 1024);
    StressSource source (Input::noise, 3);
    std::mt19937 random (9);
    std::uniform_int_distribution<int> blockLength (1, 1024);
    juce::AudioBuffer<float> storage (2, 1024);
    juce::MidiBuffer midi;
    juce::MemoryBlock state;

    for (int block = 0; block < 600; ++block)
    {
        if (block == 200)
            processor.prepareToPlay (96000.0, 1024); // the host changes the rate mid-stream
        if (block == 400)
            processor.prepareToPlay (44100.0, 1024);
        if (block % 50 == 10)
            processor.getStateInformation (state);
        if (block % 50 == 35)
            processor.setStateInformation (state.getData(), static_cast<int> (state.getSize()));

        automateRandomParameter (processor, random);
        juce::AudioBuffer<float> buffer (storage.getArrayOfWritePointers(), 2, blockLength (random));
        source.fill (buffer);
        processor.processBlock (buffer, midi);
        expectSane (buffer, "block " + std::to_string (block));
        if (HasFatalFailure())
            return;
    }
}

TEST (HostStressRun, FiftyInstancesComeAndGo)
{
    juce::AudioBuffer<float> buffer (2, 256);
    juce::MidiBuffer midi;

    for (int i = 0; i < 50; ++i)
    {
        auto processor = std::make_unique<TemplateEffectAudioProcessor>();
        processor->prepareToPlay (48000.0, 256);
        StressSource (Input::noise, (unsigned) i).fill (buffer);
        processor->processBlock (buffer, midi);
        expectSane (buffer, "instance " + std::to_string (i));
        processor->releaseResources();
    }
}

TEST (HostStressRun, EditorOpensAndClosesWhileAudioRuns)
{
    TemplateEffectAudioProcessor processor;
    processor.prepareToPlay (48000.0, 256);
    std::atomic<bool> stop { false };
    std::atomic<bool> sane { true };

    std::thread audio ([&] {
        StressSource source (Input::noise, 11);
        juce::AudioBuffer<float> buffer (2, 256);
        juce::MidiBuffer midi;
        while (! stop.load())
        {
            source.fill (buffer);
            processor.processBlock (buffer, midi);
            for (int ch = 0; ch < 2; ++ch)
                if (! std::isfinite (buffer.getMagnitude (ch, 0, 256)))
                    sane.store (false);
        }
    });

    for (int i = 0; i < 10; ++i)
    {
        std::unique_ptr<juce::AudioProcessorEditor> editor (processor.createEditorIfNeeded());
        ASSERT_NE (editor, nullptr);
        const auto snapshot = editor->createComponentSnapshot (editor->getLocalBounds());
        EXPECT_EQ (snapshot.getWidth(), 625);
    }

    stop.store (true);
    audio.join();
    EXPECT_TRUE (sane.load());
}

#include "core/PluginProcessor.h"

#include <benchmark/benchmark.h>

// The whole processBlock as a host calls it: parameter delivery, both display feeds and the
// engine, per stereo frame, at 44.1 kHz.
static void processBlock (benchmark::State& state)
{
    const juce::ScopedJuceInitialiser_GUI juceInitialiser;
    const auto blockSize = static_cast<int> (state.range (0));

    TemplateEffectAudioProcessor processor;
    processor.prepareToPlay (44100.0, blockSize);

    juce::AudioBuffer<float> buffer (2, blockSize);
    juce::Random random (3);
    juce::MidiBuffer midi;

    for (auto _ : state)
    {
        state.PauseTiming();
        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < blockSize; ++i)
                buffer.setSample (ch, i, random.nextFloat() - 0.5f);
        state.ResumeTiming();

        processor.processBlock (buffer, midi);
        benchmark::DoNotOptimize (buffer.getReadPointer (0));
    }

    const auto frames = static_cast<double> (state.iterations()) * blockSize;
    state.SetItemsProcessed (static_cast<int64_t> (frames));
    state.counters["ns_per_frame"] = benchmark::Counter (frames, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["x_realtime_44k1"] = benchmark::Counter (frames / 44100.0, benchmark::Counter::kIsRate);
}

BENCHMARK (processBlock)->Arg (64)->Arg (512)->Arg (4096)->Unit (benchmark::kMicrosecond);

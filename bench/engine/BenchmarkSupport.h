#pragma once

#include <benchmark/benchmark.h>
#include <cstdint>
#include <random>
#include <vector>

// Every benchmark runs blocks of frames from the same recorded noise, so the stages see audio that keeps
// their smoothers and followers moving, and reports its cost per frame and as a real-time factor at 44.1 kHz.
namespace BenchmarkSupport
{
inline constexpr int framesPerBlock = 4096;

struct StereoBlock
{
    std::vector<double> left;
    std::vector<double> right;
};

inline const StereoBlock& noiseBlock()
{
    static const StereoBlock block = []
    {
        std::mt19937 generator (1);
        std::uniform_real_distribution<double> distribution (-0.5, 0.5);
        StereoBlock b;

        for (int i = 0; i < framesPerBlock; ++i)
        {
            b.left.push_back (distribution (generator));
            b.right.push_back (distribution (generator));
        }

        return b;
    }();

    return block;
}

// time_per_frame: time per stereo frame (a step, for the mono building blocks).
// realtime_x_44k1: how many times faster than real time at 44.1 kHz on one core (the library prints it as a
// rate, "/s").
// cpu_per_audio_second: processing time one second of 44.1 kHz audio costs.
inline void reportPerFrame (benchmark::State& state)
{
    const auto frames = static_cast<double> (state.iterations()) * framesPerBlock;
    state.SetItemsProcessed (static_cast<std::int64_t> (frames));
    state.counters["time_per_frame"] =
        benchmark::Counter (frames, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["realtime_x_44k1"] = benchmark::Counter (frames / 44100.0, benchmark::Counter::kIsRate);
    state.counters["cpu_per_audio_second"] =
        benchmark::Counter (frames / 44100.0, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
} // namespace BenchmarkSupport

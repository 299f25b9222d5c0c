#include "BenchmarkSupport.h"

#include "engine/EnvelopeFollower.h"
#include "engine/OnePoleTiming.h"
#include "engine/ParameterSmoother.h"

#include <cmath>

namespace
{
using BenchmarkSupport::framesPerBlock;

// One step per frame toward a target that jumps every 64 frames, so the step is never skipped.
void parameterSmoother (benchmark::State& state)
{
    const auto& noise = BenchmarkSupport::noiseBlock();
    ParameterSmoother smoother (20.0, Tarvik::Utility::covers99Point3Percent, 0.0);

    for (auto _ : state)
    {
        for (int i = 0; i < framesPerBlock; ++i)
            benchmark::DoNotOptimize (smoother.next (noise.left[i & ~63]));
    }

    BenchmarkSupport::reportPerFrame (state);
}

void envelopeFollower (benchmark::State& state)
{
    const auto& noise = BenchmarkSupport::noiseBlock();
    EnvelopeFollower follower (10.0, 100.0, Tarvik::Utility::covers63Percent, 0.0);

    for (auto _ : state)
    {
        for (int i = 0; i < framesPerBlock; ++i)
            benchmark::DoNotOptimize (follower.next (std::abs (noise.left[i])));
    }

    BenchmarkSupport::reportPerFrame (state);
}
} // namespace

BENCHMARK (parameterSmoother);
BENCHMARK (envelopeFollower);

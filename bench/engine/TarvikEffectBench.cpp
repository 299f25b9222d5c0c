#include "BenchmarkSupport.h"

#include "engine/TarvikEffect.h"

namespace
{
using BenchmarkSupport::framesPerBlock;

// The whole chain as the processor drives it: one call per stereo frame through the Effect interface.
void tarvikEffect (benchmark::State& state)
{
    const auto& noise = BenchmarkSupport::noiseBlock();
    TarvikEffect engine;
    Effect& effect = engine;
    effect.init (44100.0);

    for (auto _ : state)
    {
        for (int i = 0; i < framesPerBlock; ++i)
        {
            double left = noise.left[i];
            double right = noise.right[i];
            effect.process (left, right);
            benchmark::DoNotOptimize (left);
            benchmark::DoNotOptimize (right);
        }
    }

    BenchmarkSupport::reportPerFrame (state);
    state.counters["meter_left"] = engine.getNormalizedMeterValue (0);
}
} // namespace

BENCHMARK (tarvikEffect);

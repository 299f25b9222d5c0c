#include "BenchmarkSupport.h"

#include "engine/BandSplit.h"
#include "engine/EngineSettings.h"
#include "engine/FilterLowPassStereo.h"
#include "engine/FilterMono.h"
#include "engine/LevelMeter.h"
#include "engine/MeterDetectors.h"

namespace
{
namespace settings = Tarvik::EngineSettings;
using BenchmarkSupport::framesPerBlock;

// Runs one stereo frame per call of processFrame (left, right) over the noise block.
template <typename ProcessFrame> void runStereo (benchmark::State& state, ProcessFrame&& processFrame)
{
    const auto& noise = BenchmarkSupport::noiseBlock();

    for (auto _ : state)
    {
        for (int i = 0; i < framesPerBlock; ++i)
        {
            double left = noise.left[i];
            double right = noise.right[i];
            processFrame (left, right);
            benchmark::DoNotOptimize (left);
            benchmark::DoNotOptimize (right);
        }
    }

    BenchmarkSupport::reportPerFrame (state);
}

// Both transient detectors: a high-pass then a low-pass each.
void sidechainFilters (benchmark::State& state)
{
    FilterHighPassMono highPasses[2];
    FilterLowPassMono lowPasses[2];

    for (int detector = 0; detector < 2; ++detector)
    {
        highPasses[detector].setFrequency (settings::sidechainHighPassHz);
        highPasses[detector].calculateCoefficients();
        lowPasses[detector].setFrequency (settings::sidechainLowPassHz);
        lowPasses[detector].calculateCoefficients();
    }

    runStereo (state,
               [&] (double& left, double& right)
               {
                   left = lowPasses[0].processSample (highPasses[0].processSample (left));
                   right = lowPasses[1].processSample (highPasses[1].processSample (right));
               });
}

void filterLowPassStereo (benchmark::State& state)
{
    FilterLowPassStereo filter (settings::crossoverMidHz);
    runStereo (state,
               [&] (double& left, double& right)
               {
                   left = filter.processSample (left, 0);
                   right = filter.processSample (right, 1);
               });
}

void bandSplit (benchmark::State& state)
{
    BandSplit split (settings::crossoverLowHz, settings::crossoverMidHz, settings::crossoverHighHz);
    runStereo (state,
               [&] (double& left, double& right)
               {
                   left = BandSplit::sum (split.split (left, 0));
                   right = BandSplit::sum (split.split (right, 1));
               });
}

void compressor (benchmark::State& state)
{
    Compressor c (settings::bandCompressors[3]);
    runStereo (state, [&] (double& left, double& right) { c.process (left, right); });
}

void parallelCompressor (benchmark::State& state)
{
    ParallelCompressor c (settings::parallelCompressor);
    runStereo (state, [&] (double& left, double& right) { c.process (left, right); });
}

// Detectors are the frame itself, so every envelope moves.
void transientShaper (benchmark::State& state)
{
    TransientShaper shaper (settings::transientShaper1);
    runStereo (state, [&] (double& left, double& right) { shaper.process (left, right, left, right); });
}

// The engine's output metering: level, clip and maximum for both channels.
void meters (benchmark::State& state)
{
    LevelMeter levels[2];
    Tarvik::Metering::ClipDetector<2> clips[2];
    Tarvik::Metering::MaxValueDetector<2, -96> maxima[2];

    runStereo (state,
               [&] (double& left, double& right)
               {
                   levels[0].addSample (left);
                   levels[1].addSample (right);
                   clips[0].addSample (left);
                   clips[1].addSample (right);
                   maxima[0].addSample (left);
                   maxima[1].addSample (right);
               });
}
} // namespace

BENCHMARK (sidechainFilters);
BENCHMARK (filterLowPassStereo);
BENCHMARK (bandSplit);
BENCHMARK (compressor);
BENCHMARK (parallelCompressor);
BENCHMARK (transientShaper);
BENCHMARK (meters);

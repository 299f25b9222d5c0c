#pragma once

#include "BandSplit.h"
#include "Compressor.h"
#include "Effect.h"
#include "FilterMono.h"
#include "LevelMeter.h"
#include "MeterDataSources.h"
#include "MeterDetectors.h"
#include "ParallelCompressor.h"
#include "ParameterSmoother.h"
#include "TransientShaper.h"

// The sound engine: transient shaping, four-band compression, parallel compression, output gain and a master
// cross-fade against the input, then the output meters. One stereo frame at a time, in place.
//
// Every stage advances on every frame, bypassed or not, so a section switched back on resumes with warm
// state, and every control reaches the audio through a smoother.
class TarvikEffect final : public Effect, public PeakMeterDataSource, public SidewaysMeterDataSource
{
public:
    TarvikEffect() noexcept;

    // Every filter, follower and smoother keeps its frequency in Hz and its time in ms at the new rate.
    // Clears no state.
    void init (double sampleRate) noexcept override;

    void process (double& left, double& right) noexcept override;

    // Targets, written by the processor's parameter mapping.
    void setPower (double processedShare) noexcept { power = processedShare; }
    void setTransientsAmount (double share) noexcept;
    void setTransientsBypass (double bypassed) noexcept { transientsBypass = bypassed; }
    void setMultibandAmount (double share) noexcept { multibandAmount = share; }
    void setMultibandBypass (double bypassed) noexcept { multibandBypass = bypassed; }
    void setParallelAmount (double share) noexcept { parallelCompressor.setAmount (share); }
    void setParallelBypass (double bypassed) noexcept { parallelCompressor.setBypass (bypassed); }
    void setGain (double linearGain) noexcept { gain = linearGain; }

    // The targets as last set, before smoothing: what the controls ask of the engine.
    struct Targets
    {
        double power, transientsAmount, transientsBypass, multibandAmount, multibandBypass, parallelAmount,
            parallelBypass, gain;
    };
    Targets getTargets() const noexcept;

    // Channel 0 is left, 1 right; other channels read as silent and unclipped.
    float getNormalizedMeterValue (int channel) const noexcept override;
    bool getChannelIsClipped (int channel) const noexcept override;
    float getMaxValue (int channel) const noexcept override;

    // No meter of this product shows these; they answer a constant.
    float getNormalizedSidewaysMeterValue (int channel) const noexcept override;
    bool getIsClipped (int channel) const noexcept override;

private:
    struct Frame
    {
        double left;
        double right;
    };

    Frame shapeTransients (Frame input) noexcept;
    Frame compressBands (Frame input) noexcept;
    void meter (Frame output) noexcept;

    double transientsBypass = 0.0;
    double sidechainCrossfeed;
    ParameterSmoother transientsBypassSmoother;
    ParameterSmoother sidechainCrossfeedSmoother;
    TransientShaper transientShaper1;
    TransientShaper transientShaper2;
    FilterHighPassMono sidechainHighPassA;
    FilterHighPassMono sidechainHighPassB;
    FilterLowPassMono sidechainLowPassA;
    FilterLowPassMono sidechainLowPassB;

    double multibandBypass = 0.0;
    double multibandAmount = 1.0;
    BandSplit bandSplit;
    ParameterSmoother multibandBypassSmoother;
    ParameterSmoother multibandAmountSmoother;
    Compressor bandCompressors[BandSplit::numBands];

    ParallelCompressor parallelCompressor;

    ParameterSmoother powerSmoother;
    double power = 1.0;
    double gain = 1.0;
    ParameterSmoother gainSmoother;

    LevelMeter levelMeters[2];
    Tarvik::Metering::ClipDetector<2> clipDetectors[2];
    Tarvik::Metering::MaxValueDetector<2, -96> maxValueDetectors[2];
};

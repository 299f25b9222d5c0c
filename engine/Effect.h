#pragma once

// The interface the processor drives its sound engine through: one stereo frame at a time,
// in double precision, in place.
class Effect
{
public:
    virtual ~Effect() = default;

    // Hands the engine the host's sample rate; called from prepareToPlay, never per block.
    virtual void init (double sampleRate) noexcept = 0;

    virtual void process (double& left, double& right) noexcept = 0;
};

#pragma once

#include "TestSignals.h"

#include "engine/TarvikEffect.h"

namespace EngineTestSupport
{
struct Frame
{
    double left;
    double right;
};

inline Frame process (TarvikEffect& effect, Frame in)
{
    effect.process (in.left, in.right);
    return in;
}

// Two tones per channel that land in different bands of the split.
inline Frame music (double sampleRate, long frame)
{
    return { TestSignals::sine (0.3, 110.0, sampleRate, frame) + TestSignals::sine (0.2, 2200.0, sampleRate, frame),
             TestSignals::sine (0.3, 440.0, sampleRate, frame) + TestSignals::sine (0.1, 6000.0, sampleRate, frame) };
}
} // namespace EngineTestSupport

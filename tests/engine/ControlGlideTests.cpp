#include "EngineTestSupport.h"

#include <cmath>
#include <functional>

namespace
{
using namespace EngineTestSupport;
using TestSignals::framesFor;

// The output gain and the master cross-fade sit after every stage, so an engine whose control moves differs
// from an identical engine only by the control's glide; the glide can be read off exactly.
struct GlideCase
{
    const char* name;
    double sampleRate;
    std::function<void (TarvikEffect&)> move;
    std::function<double (Frame in, Frame steady, Frame moved)> glideValue;
    double from;
    double to;
};

class ControlGlide : public ::testing::TestWithParam<GlideCase>
{
};

TEST_P (ControlGlide, CoversNinetyNinePointThreePercentInTwentyMilliseconds)
{
    const auto& c = GetParam();
    TarvikEffect steady;
    TarvikEffect moving;
    steady.init (c.sampleRate);
    moving.init (c.sampleRate);

    const long settle = framesFor (0.5, c.sampleRate);
    const long twentyMs = framesFor (0.020, c.sampleRate);
    long frame = 0;

    for (; frame < settle; ++frame)
    {
        const auto in = music (c.sampleRate, frame);
        process (steady, in);
        process (moving, in);
    }

    c.move (moving);
    double value = c.from;

    for (long i = 0; i < twentyMs; ++i, ++frame)
    {
        const auto in = music (c.sampleRate, frame);
        value = c.glideValue (in, process (steady, in), process (moving, in));
    }

    const double remaining = (value - c.to) / (c.from - c.to);
    EXPECT_NEAR (remaining, std::exp (-5.0), 1e-6);
}

double gainRatio (Frame, Frame steady, Frame moved)
{
    return moved.left / steady.left;
}

double processedShare (Frame in, Frame steady, Frame moved)
{
    return (moved.left - in.left) / (steady.left - in.left);
}

INSTANTIATE_TEST_SUITE_P (
    HostRates, ControlGlide,
    ::testing::Values (
        GlideCase{ "gainAt44k1", 44100.0, [] (auto& e) { e.setGain (0.5); }, gainRatio, 1.0, 0.5 },
        GlideCase{ "gainAt48k", 48000.0, [] (auto& e) { e.setGain (0.5); }, gainRatio, 1.0, 0.5 },
        GlideCase{ "gainAt96k", 96000.0, [] (auto& e) { e.setGain (0.5); }, gainRatio, 1.0, 0.5 },
        GlideCase{ "powerAt44k1", 44100.0, [] (auto& e) { e.setPower (0.0); }, processedShare, 1.0, 0.0 },
        GlideCase{ "powerAt96k", 96000.0, [] (auto& e) { e.setPower (0.0); }, processedShare, 1.0, 0.0 }),
    TestSignals::nameOfCase<ControlGlide::ParamType>);

// Every control reaches the audio through a smoother: right after a move the output has hardly left the path
// of an engine whose control stayed, and the difference grows over the following milliseconds.
struct MoveCase
{
    const char* name;
    std::function<void (TarvikEffect&)> move;
};

class ControlMove : public ::testing::TestWithParam<MoveCase>
{
};

TEST_P (ControlMove, ProducesNoStep)
{
    TarvikEffect steady;
    TarvikEffect moving;
    TestSignals::Noise noise (0.7);
    double firstFramesDifference = 0.0;
    double laterDifference = 0.0;

    for (long i = 0; i < 44100 + 1323; ++i)
    {
        if (i == 44100)
            GetParam().move (moving);

        const Frame in{ noise(), noise() };
        const auto a = process (steady, in);
        const auto b = process (moving, in);
        const double difference = std::max (std::abs (a.left - b.left), std::abs (a.right - b.right));

        if (i >= 44100 && i < 44100 + 5)
            firstFramesDifference = std::max (firstFramesDifference, difference);
        else if (i >= 44100 + 441)
            laterDifference = std::max (laterDifference, difference);
    }

    EXPECT_GT (laterDifference, 1e-3);
    EXPECT_LT (firstFramesDifference, 0.05 * laterDifference);
}

INSTANTIATE_TEST_SUITE_P (
    Controls, ControlMove,
    ::testing::Values (MoveCase{ "power", [] (auto& e) { e.setPower (0.0); } },
                       MoveCase{ "gain", [] (auto& e) { e.setGain (2.0); } },
                       MoveCase{ "transientsAmount", [] (auto& e) { e.setTransientsAmount (0.0); } },
                       MoveCase{ "transientsBypass", [] (auto& e) { e.setTransientsBypass (1.0); } },
                       MoveCase{ "multibandAmount", [] (auto& e) { e.setMultibandAmount (0.0); } },
                       MoveCase{ "multibandBypass", [] (auto& e) { e.setMultibandBypass (1.0); } },
                       MoveCase{ "parallelAmount", [] (auto& e) { e.setParallelAmount (0.0); } },
                       MoveCase{ "parallelBypass", [] (auto& e) { e.setParallelBypass (1.0); } }),
    TestSignals::nameOfCase<ControlMove::ParamType>);
} // namespace

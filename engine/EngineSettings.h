#pragma once

#include "Compressor.h"
#include "ParallelCompressor.h"
#include "TransientShaper.h"

// The fixed voicing of the sound engine. Times are in ms, levels in dB unless named linear.
namespace Tarvik::EngineSettings
{
// Share of the opposite channel in each transient detector, so a hit on one side still shapes the other.
inline constexpr double sidechainCrossfeed = 0.74;

// The detectors listen to the band where drum hits carry their energy.
inline constexpr double sidechainHighPassHz = 49.0;
inline constexpr double sidechainLowPassHz = 1000.0;
inline constexpr double sidechainQ = 0.707;

// transientShaper1 lifts onsets: its second envelope rises 20 ms behind the first.
inline constexpr TransientShaper::Settings transientShaper1{ 0.5, 0.0, 100.0, 20.0, 100.0 };

// transientShaper2 dips the tail: its second envelope falls within 3.5 ms, the first over 70 ms.
inline constexpr TransientShaper::Settings transientShaper2{ -0.0625, 0.0, 70.0, 0.0, 3.5 };

inline constexpr double crossoverLowHz = 149.0;
inline constexpr double crossoverMidHz = 1041.0;
inline constexpr double crossoverHighHz = 3000.0;

// Lowest band first. Makeup gains: +6, +3, +3 and +7 dB.
inline constexpr Compressor::Settings bandCompressors[] = {
    { 2.0, -5.0, 50.0, 100.0, 1.9952623149688795 },
    { 4.0, -10.0, 40.0, 90.0, 1.4125375446227544 },
    { 6.0, -15.0, 30.0, 80.0, 1.4125375446227544 },
    { 8.0, -20.0, 20.0, 70.0, 2.2387211385683394 },
};

inline constexpr ParallelCompressor::Settings parallelCompressor{ 6.8, -20.0, 5.0, 151.0, 49.0, 70.0, 1.0 };

// Every switch, amount and the output gain glides over 20 ms, covering 99.3 % of a change.
inline constexpr double controlSmoothingMs = 20.0;
} // namespace Tarvik::EngineSettings

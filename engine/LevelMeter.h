#pragma once

#include "EnvelopeFollower.h"

#include <algorithm>
#include <atomic>
#include <cmath>

// A level reading in dB with an instant rise and a 2.5 s fall. The envelope runs on decibels, so the reading
// falls by a constant share of its distance per frame, as a meter needle is expected to.
// The editor reads valueDb and floorDb from another thread; both are written whole.
class LevelMeter
{
public:
    LevelMeter() noexcept;

    // Keeps the fall time at 2.5 s; the reading stays as it is.
    void setSampleRate (double newSampleRate) noexcept;

    void addSample (double x) noexcept
    {
        const double magnitude = std::abs (x);
        const double floor = floorDb.load (std::memory_order_relaxed);
        const double level = magnitude < floorLin ? floor : 20.0 * std::log10 (magnitude);
        valueDb.store (envelope.nextWithoutGuard (level), std::memory_order_relaxed);
    }

    double getValueDb() const noexcept { return valueDb.load (std::memory_order_relaxed); }
    double getFloorDb() const noexcept { return floorDb.load (std::memory_order_relaxed); }

    // 0 at the floor, 1 at 0 dB and above, linear in dB between.
    double getNormalizedValue() const noexcept { return 1.0 - std::min (getValueDb(), 0.0) / getFloorDb(); }

    double getReleaseCoefficient() const noexcept { return envelope.getReleaseCoefficient(); }

private:
    static_assert (std::atomic<double>::is_always_lock_free, "meter readings must cross threads without a lock");

    std::atomic<double> valueDb{ -48.0 };
    EnvelopeFollower envelope;
    std::atomic<double> floorDb{ -48.0 };
    double floorLin;
};

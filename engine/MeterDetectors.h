#pragma once

#include "AmplitudeConstants.h"

#include <atomic>
#include <cmath>

namespace Tarvik::Metering
{
// Counts frames toward a hold period of HoldSeconds; a detector restarts the count when it sees something new
// and starts a new loop once the period has passed without.
template <int HoldSeconds> class Counter
{
public:
    // Keeps the hold period in seconds; the current count and reading stay as they are.
    virtual void init (double sampleRate) noexcept { holdFrames = HoldSeconds * static_cast<int> (sampleRate); }

    virtual void newLoopStarted() noexcept = 0;

protected:
    Counter() = default;
    ~Counter() = default;
    Counter (const Counter&) = default;
    Counter& operator= (const Counter&) = default;

    void restartHold() noexcept { counter = 1; }
    void countFrame() noexcept { ++counter; }

    void startNewLoopIfHoldHasPassed() noexcept
    {
        if (counter >= holdFrames)
        {
            counter = 0;
            newLoopStarted();
        }
    }

private:
    int counter = 0;
    int holdFrames = HoldSeconds * 44100;
};

// Raises a flag on any sample beyond full scale and holds it for HoldSeconds after the last one.
// The editor reads the flag from another thread; it is written whole.
template <int HoldSeconds> class ClipDetector final : public Counter<HoldSeconds>
{
public:
    void addSample (double x) noexcept
    {
        if (std::abs (x) > 1.0)
        {
            clipped.store (true, std::memory_order_relaxed);
            this->restartHold();
        }
        else
        {
            this->countFrame();
        }

        this->startNewLoopIfHoldHasPassed();
    }

    void newLoopStarted() noexcept override { clipped.store (false, std::memory_order_relaxed); }

    bool isClipped() const noexcept { return clipped.load (std::memory_order_relaxed); }

private:
    static_assert (std::atomic<bool>::is_always_lock_free, "meter readings must cross threads without a lock");

    std::atomic<bool> clipped{ false };
};

// Holds the highest level in dB until HoldSeconds have passed without a higher one, then falls to FloorDb.
// The editor reads maxValueDb and floorDb from another thread; both are written whole.
template <int HoldSeconds, int FloorDb> class MaxValueDetector final : public Counter<HoldSeconds>
{
public:
    static_assert (Tarvik::Utility::hasAmplitudeConstant (FloorDb), "the floor must be a 6 dB step");

    void addSample (double x) noexcept
    {
        const double magnitude = std::abs (x);
        const double level = magnitude < floorLin ? getFloorDb() : 20.0 * std::log10 (magnitude);

        if (level > getMaxValueDb())
        {
            maxValueDb.store (level, std::memory_order_relaxed);
            this->restartHold();
        }
        else
        {
            this->countFrame();
        }

        this->startNewLoopIfHoldHasPassed();
    }

    void newLoopStarted() noexcept override
    {
        maxValueDb.store (static_cast<double> (FloorDb), std::memory_order_relaxed);
    }

    double getMaxValueDb() const noexcept { return maxValueDb.load (std::memory_order_relaxed); }
    double getFloorDb() const noexcept { return floorDb.load (std::memory_order_relaxed); }

private:
    static_assert (std::atomic<double>::is_always_lock_free, "meter readings must cross threads without a lock");

    std::atomic<double> maxValueDb{ static_cast<double> (FloorDb) };
    std::atomic<double> floorDb{ static_cast<double> (FloorDb) };
    double floorLin = Tarvik::Utility::amplitudeConstantFor (FloorDb);
};
} // namespace Tarvik::Metering

#pragma once

#include <cstddef>

// Counts what the calling thread does that a real-time thread must not: heap allocations and
// releases (through the global operator new/delete and malloc family of the test binary) and
// waits on a mutex (pthread_mutex_lock; try-locks are fine). Only the thread that opened a
// watch is counted, so other threads may allocate freely meanwhile.
class RealtimeWatch
{
public:
    RealtimeWatch() noexcept;
    ~RealtimeWatch();

    RealtimeWatch (const RealtimeWatch&) = delete;
    RealtimeWatch& operator= (const RealtimeWatch&) = delete;

    std::size_t allocations() const noexcept;
    std::size_t deallocations() const noexcept;
    std::size_t blockingLocks() const noexcept;

    // False when the binary was built with a sanitizer that owns these functions itself.
    static bool countsLocks() noexcept;
    static bool countsAllocations() noexcept;
};

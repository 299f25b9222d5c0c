#pragma once

#include <cstddef>

// Counts the calls of the global operator new in this test binary, so a test can show that a piece of code
// allocates nothing.
class AllocationCounter
{
public:
    AllocationCounter() noexcept;

    // Allocations made since construction, by any code on any thread.
    std::size_t allocationsSinceStart() const noexcept;

private:
    std::size_t start;
};

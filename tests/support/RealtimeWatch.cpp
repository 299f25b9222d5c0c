#include "RealtimeWatch.h"

#include <cstdlib>
#include <dlfcn.h>
#include <new>
#include <pthread.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define DRAVLEN_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define DRAVLEN_SANITIZED 1
#endif
#endif

// ThreadSanitizer's runtime defines the global operator new and delete itself.
#if defined(__SANITIZE_THREAD__)
#define DRAVLEN_OWNS_NEW 0
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define DRAVLEN_OWNS_NEW 0
#endif
#endif
#ifndef DRAVLEN_OWNS_NEW
#define DRAVLEN_OWNS_NEW 1
#endif

namespace
{
struct Counts
{
    bool watching = false;
    std::size_t allocations = 0, deallocations = 0, blockingLocks = 0;
};

thread_local Counts counts;

[[maybe_unused]] void* countedAllocation (std::size_t size)
{
    if (counts.watching)
        ++counts.allocations;

    if (auto* p = std::malloc (size == 0 ? 1 : size))
        return p;

    throw std::bad_alloc();
}

[[maybe_unused]] void countedRelease (void* p) noexcept
{
    if (p != nullptr && counts.watching)
        ++counts.deallocations;

    std::free (p);
}
} // namespace

RealtimeWatch::RealtimeWatch() noexcept
{
    counts = {};
    counts.watching = true;
}

RealtimeWatch::~RealtimeWatch() { counts.watching = false; }

std::size_t RealtimeWatch::allocations() const noexcept { return counts.allocations; }
std::size_t RealtimeWatch::deallocations() const noexcept { return counts.deallocations; }
std::size_t RealtimeWatch::blockingLocks() const noexcept { return counts.blockingLocks; }

#if DRAVLEN_OWNS_NEW
bool RealtimeWatch::countsAllocations() noexcept { return true; }

void* operator new (std::size_t size) { return countedAllocation (size); }
void* operator new[] (std::size_t size) { return countedAllocation (size); }
void* operator new (std::size_t size, const std::nothrow_t&) noexcept
{
    try { return countedAllocation (size); } catch (...) { return nullptr; }
}
void* operator new[] (std::size_t size, const std::nothrow_t&) noexcept
{
    try { return countedAllocation (size); } catch (...) { return nullptr; }
}
void operator delete (void* p) noexcept { countedRelease (p); }
void operator delete[] (void* p) noexcept { countedRelease (p); }
void operator delete (void* p, std::size_t) noexcept { countedRelease (p); }
void operator delete[] (void* p, std::size_t) noexcept { countedRelease (p); }
#else
bool RealtimeWatch::countsAllocations() noexcept { return false; }
#endif

#ifndef DRAVLEN_SANITIZED
bool RealtimeWatch::countsLocks() noexcept { return true; }

// Interposes the C library's blocking lock for this binary; the real one is looked up once.
extern "C" int pthread_mutex_lock (pthread_mutex_t* mutex)
{
    using LockFunction = int (*) (pthread_mutex_t*);
    static const auto realLock = reinterpret_cast<LockFunction> (dlsym (RTLD_NEXT, "pthread_mutex_lock"));

    if (counts.watching)
        ++counts.blockingLocks;

    return realLock (mutex);
}
#else
bool RealtimeWatch::countsLocks() noexcept { return false; }
#endif

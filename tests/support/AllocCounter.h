#pragma once

#include <atomic>

// Counts heap allocations made by any thread while an instance lives.
class AllocCounter
{
public:
    AllocCounter();
    AllocCounter(const AllocCounter&) = delete;
    AllocCounter& operator=(const AllocCounter&) = delete;
    ~AllocCounter();
    long get() const;
};

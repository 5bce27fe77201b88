// Replaces the global allocation functions for the whole test program; they only count while a
// test holds an AllocCounter, so every other test is unaffected.
#include "support/AllocCounter.h"

#include <cstddef>
#include <cstdlib>
#include <new>

namespace
{

std::atomic<bool> counting{false};
std::atomic<long> nbr_alloc{0};

void* alloc(std::size_t size, std::size_t align = 0)
{
    if (counting.load(std::memory_order_relaxed))
    {
        nbr_alloc.fetch_add(1, std::memory_order_relaxed);
    }
    if (size == 0)
    {
        size = 1;
    }
    void* p = nullptr;
    if (align > alignof(std::max_align_t))
    {
        const std::size_t rounded = (size + align - 1) / align * align;
        p = std::aligned_alloc(align, rounded);
    }
    else
    {
        p = std::malloc(size);
    }
    return p;
}

} // namespace

void* operator new(std::size_t size)
{
    void* p = alloc(size);
    if (p == nullptr)
    {
        throw std::bad_alloc();
    }
    return p;
}
void* operator new[](std::size_t size)
{
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return alloc(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return alloc(size);
}
void* operator new(std::size_t size, std::align_val_t al)
{
    void* p = alloc(size, std::size_t(al));
    if (p == nullptr)
    {
        throw std::bad_alloc();
    }
    return p;
}
void* operator new[](std::size_t size, std::align_val_t al)
{
    return operator new(size, al);
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept
{
    std::free(p);
}

AllocCounter::AllocCounter()
{
    nbr_alloc = 0;
    counting = true;
}

AllocCounter::~AllocCounter()
{
    counting = false;
}

long AllocCounter::get() const
{
    return nbr_alloc.load();
}

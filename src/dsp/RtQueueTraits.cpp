#include "dsp/RtQueueTraits.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>

namespace dsp
{

namespace
{
constexpr uint32_t kNone = 0xFFFFFFFFu;

struct Pool
{
    alignas(64) unsigned char mem[RtQueueTraits::kNbrSlots][RtQueueTraits::kSlotSize];
    std::atomic<uint32_t> next[RtQueueTraits::kNbrSlots];
    // Free list head: slot index in the low half, a change count in the high half against ABA.
    std::atomic<uint64_t> head{kNone};
    // Slots never handed out yet follow this one; the free list holds the returned ones.
    std::atomic<uint32_t> fresh{0};
};

// At namespace scope, ready once the library is loaded: no guard to pass on first use.
Pool g_pool;

Pool& pool()
{
    return g_pool;
}

void* take()
{
    Pool& p = pool();
    uint64_t h = p.head.load(std::memory_order_acquire);
    while (uint32_t(h) != kNone)
    {
        const uint32_t i = uint32_t(h);
        const uint64_t n =
            (h & 0xFFFFFFFF00000000ull) + (1ull << 32) + p.next[i].load(std::memory_order_relaxed);
        if (p.head.compare_exchange_weak(h, n, std::memory_order_acq_rel, std::memory_order_acquire))
            return p.mem[i];
    }
    // Never counted past the reserve, so the count cannot wrap round onto slots in use.
    uint32_t i = p.fresh.load(std::memory_order_relaxed);
    while (i < uint32_t(RtQueueTraits::kNbrSlots))
        if (p.fresh.compare_exchange_weak(i, i + 1, std::memory_order_relaxed))
            return p.mem[i];
    return nullptr;
}

void give(uint32_t i)
{
    Pool& p = pool();
    uint64_t h = p.head.load(std::memory_order_acquire);
    for (;;)
    {
        p.next[i].store(uint32_t(h), std::memory_order_relaxed);
        const uint64_t n = (h & 0xFFFFFFFF00000000ull) + (1ull << 32) + i;
        if (p.head.compare_exchange_weak(h, n, std::memory_order_acq_rel, std::memory_order_acquire))
            return;
    }
}
} // namespace

void* RtQueueTraits::malloc(size_t size)
{
    if (size <= kSlotSize)
        if (void* slot = take())
            return slot;
    return std::malloc(size);
}

void RtQueueTraits::free(void* ptr)
{
    const auto first = reinterpret_cast<uintptr_t>(&pool().mem[0][0]);
    const auto c = reinterpret_cast<uintptr_t>(ptr);
    if (c >= first && c < first + sizeof(pool().mem))
        give(uint32_t((c - first) / kSlotSize));
    else
        std::free(ptr);
}

} // namespace dsp

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

// Constant-initialised: no guard to pass on first use, whichever thread that is.
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
    const uint32_t i = p.fresh.fetch_add(1, std::memory_order_relaxed);
    return i < uint32_t(RtQueueTraits::kNbrSlots) ? p.mem[i] : nullptr;
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
    auto* const first = &pool().mem[0][0];
    auto* const c = static_cast<unsigned char*>(ptr);
    if (c >= first && c < first + sizeof(pool().mem))
        give(uint32_t((c - first) / kSlotSize));
    else
        std::free(ptr);
}

} // namespace dsp

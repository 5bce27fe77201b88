#include "dsp/RtQueueTraits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <set>
#include <thread>
#include <utility>
#include <vector>

using dsp::RtQueueTraits;

TEST(RtQueueTraits, SmallRequestsComeBackToTheReserveLargeOnesGoToTheHeap)
{
    void* a = RtQueueTraits::malloc(100);
    void* b = RtQueueTraits::malloc(RtQueueTraits::kSlotSize);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_GE(std::abs(static_cast<char*>(a) - static_cast<char*>(b)),
              std::ptrdiff_t(RtQueueTraits::kSlotSize));
    RtQueueTraits::free(b);
    // The slot just returned is the next one handed out.
    void* c = RtQueueTraits::malloc(8);
    EXPECT_EQ(c, b);
    void* big = RtQueueTraits::malloc(RtQueueTraits::kSlotSize + 1);
    ASSERT_NE(big, nullptr);
    static_cast<char*>(big)[RtQueueTraits::kSlotSize] = 1;
    RtQueueTraits::free(big);
    RtQueueTraits::free(c);
    RtQueueTraits::free(a);
}

TEST(RtQueueTraits, ThreadsNeverShareASlotAndThePastTheReserveRequestsStillSucceed)
{
    // Four threads take and return slots at once; every live slot has one owner.
    constexpr int kThreads = 4;
    constexpr int kHeld = 40;
    std::atomic<int> nbr_shared{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back(
            [&nbr_shared, t]
            {
                std::vector<unsigned char*> held;
                for (int round = 0; round < 2000; ++round)
                {
                    auto* p = static_cast<unsigned char*>(RtQueueTraits::malloc(64));
                    std::fill(p, p + 64, static_cast<unsigned char>(t + 1));
                    held.push_back(p);
                    if (int(held.size()) == kHeld)
                    {
                        for (auto* q : held)
                        {
                            if (std::any_of(q, q + 64, [t](unsigned char x) { return x != t + 1; }))
                                ++nbr_shared;
                            RtQueueTraits::free(q);
                        }
                        held.clear();
                    }
                }
                for (auto* q : held)
                    RtQueueTraits::free(q);
            });
    for (auto& th : threads)
        th.join();
    EXPECT_EQ(nbr_shared.load(), 0);

    // Holding more than the reserve: the rest comes from the heap, and all of it goes back.
    std::vector<void*> all;
    for (int i = 0; i < RtQueueTraits::kNbrSlots + 10; ++i)
        all.push_back(RtQueueTraits::malloc(32));
    EXPECT_EQ(std::set<void*>(all.begin(), all.end()).size(), all.size());
    EXPECT_TRUE(std::none_of(all.begin(), all.end(), [](void* p) { return p == nullptr; }));
    for (void* p : all)
        RtQueueTraits::free(p);
}

TEST(RtQueueTraits, AQueueCarriesItemsFromANewThread)
{
    moodycamel::ConcurrentQueue<std::pair<int, double>, RtQueueTraits> queue(192);
    std::thread producer(
        [&queue]
        {
            for (int i = 0; i < 500; ++i)
                queue.enqueue({i, 0.5 * i});
        });
    producer.join();
    std::pair<int, double> item;
    int expected = 0;
    while (queue.try_dequeue(item))
    {
        EXPECT_EQ(item.first, expected);
        EXPECT_EQ(item.second, 0.5 * expected);
        ++expected;
    }
    EXPECT_EQ(expected, 500);
}

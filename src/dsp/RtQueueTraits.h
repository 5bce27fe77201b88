#pragma once

#include <concurrentqueue/concurrentqueue.h>

#include <cstddef>

namespace dsp
{

// Memory of the change queues. A queue takes a little memory the first time a thread sends
// through it, and the audio thread does (host automation, MIDI-learned controllers): requests of
// that size come from slots reserved up front, handed out and back without locks. Larger ones (a
// queue's initial blocks, made on the message thread) and any past the reserve use the heap.
class RtQueueTraits : public moodycamel::ConcurrentQueueDefaultTraits
{
public:
    static constexpr size_t kSlotSize = 1024;
    static constexpr int kNbrSlots = 512;

    static void* malloc(size_t size);
    static void free(void* ptr);
};

} // namespace dsp

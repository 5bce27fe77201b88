#pragma once

#include "zun/piapi/ParamCateg.h"

#include <cstdint>

namespace zun
{
namespace piapi
{

enum EventType
{
    EventType_PARAM = 2, // parameter change
    EventType_PROC = 4   // processing request
};

// One timestamped event. Plain record: the engine owns the storage. Fields that do not apply to
// the event's type carry no meaning.
class EventTs
{
public:
    static EventTs make_param(int index, float val, ParamCateg categ = ParamCateg_GLOBAL, int note = 0)
    {
        EventTs e;
        e.type = EventType_PARAM;
        e.categ = categ;
        e.note = note;
        e.index = index;
        e.val = val;
        return e;
    }

    static EventTs make_proc(bool steady, bool full_reset)
    {
        EventTs e;
        e.type = EventType_PROC;
        e.steady = steady;
        e.full_reset = full_reset;
        return e;
    }

    // Sample offset inside the call; blocks apply every event at the start of the call.
    int32_t timestamp = 0;
    int32_t type = 0; // EventType; other codes are ignored

    // Parameter change
    int32_t categ = ParamCateg_GLOBAL;
    int32_t note = 0;
    int32_t index = 0;
    float val = 0; // normalised, 0..1

    // Processing request
    bool steady = false;     // jump every parameter to its target
    bool full_reset = false; // clear the whole internal state
};

} // namespace piapi
} // namespace zun

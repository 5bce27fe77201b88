#pragma once

#include "zun/piapi/ParamStateSet.h"
#include "zun/piapi/PluginInterface.h"

namespace zun
{
namespace piapi
{

// Applies a call's events to a block's parameter states and keeps track of processing
// requests: those of the call's events, and those the block made for the next call.
class ParamProcSimple
{
public:
    explicit ParamProcSimple(ParamStateSet& set) : _set(set) {}
    ParamProcSimple(const ParamProcSimple&) = delete;
    ParamProcSimple& operator=(const ParamProcSimple&) = delete;
    virtual ~ParamProcSimple() = default;

    // Takes the pending requests, applies the events in order, and makes the states steady when
    // requested. The caller then runs ParamStateSet::process_block.
    void handle_msg(const PluginInterface::ProcInfo& proc);

    // Requests that apply to the current call.
    bool is_req_steady_state() const { return _steady; }
    bool is_full_reset() const { return _full_reset; }

    // Requests for the next call.
    void req_steady() { _pending_steady = true; }
    void req_all()
    {
        _pending_steady = true;
        _pending_full_reset = true;
    }

private:
    ParamStateSet& _set;
    bool _steady = false;
    bool _full_reset = false;
    bool _pending_steady = false;
    bool _pending_full_reset = false;
};

} // namespace piapi
} // namespace zun

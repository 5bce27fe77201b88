#pragma once

#include "zun/piapi/EventTs.h"
#include "zun/piapi/PluginInterface.h"

#include <algorithm>
#include <vector>

namespace adsr_test
{

// Feeds a block one chunk at a time, the way the engine does: one input channel and the chunk's
// events.
class ChunkRunner
{
public:
    using ProcInfo = zun::piapi::PluginInterface::ProcInfo;
    using EventTs = zun::piapi::EventTs;

    ChunkRunner()
    {
        _proc.src_arr = _src_arr;
        _proc.dst_arr = _dst_arr;
        _proc.nbr_chn_in = 1;
        _proc.nbr_chn_out = 1;
    }

    void add_event(const EventTs& evt) { _evt_list.push_back(evt); }

    // Runs block over n samples of src (which must hold at least n samples, or 1 when n is 0),
    // with the events added since the last call.
    void run(zun::piapi::PluginInterface& block, const float* src, int n)
    {
        _out.assign(size_t(std::max(n, 1)), 0.f);
        _src_arr[0] = src;
        _dst_arr[0] = _out.data();
        _evt_ptr_arr.clear();
        for (const EventTs& e : _evt_list)
        {
            _evt_ptr_arr.push_back(&e);
        }
        _proc.evt_arr = _evt_ptr_arr.data();
        _proc.nbr_evt = int(_evt_ptr_arr.size());
        _proc.nbr_spl = n;
        block.process_block(_proc);
        _evt_list.clear();
        _proc.evt_arr = nullptr;
        _proc.nbr_evt = 0;
    }

    // Runs a constant input.
    void run_const(zun::piapi::PluginInterface& block, float x, int n)
    {
        _const.assign(size_t(std::max(n, 1)), x);
        run(block, _const.data(), n);
    }

    ProcInfo& use_proc() { return _proc; }

private:
    ProcInfo _proc;
    const float* _src_arr[1] = {nullptr};
    float* _dst_arr[1] = {nullptr};
    std::vector<float> _out;
    std::vector<float> _const;
    std::vector<EventTs> _evt_list;
    std::vector<const EventTs*> _evt_ptr_arr;
};

} // namespace adsr_test

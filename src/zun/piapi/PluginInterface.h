#pragma once

#include "zun/piapi/EventTs.h"
#include "zun/piapi/ParamCateg.h"

namespace zun
{
namespace piapi
{

// Processing contract of every DSP block.
class PluginInterface
{
public:
    enum State
    {
        State_CREATED = 0, // constructed, not reset yet
        State_ACTIVE = 1   // reset at least once
    };

    // Everything for one processing call, filled by the engine.
    class ProcInfo
    {
    public:
        float* const* dst_arr = nullptr;       // one buffer per output channel
        const float* const* src_arr = nullptr; // one buffer per input channel
        float* const* sig_arr = nullptr;       // one per declared signal port; null when none
        int nbr_chn_in = 0;
        int nbr_chn_out = 0;
        int aux_flag = 0;
        int nbr_spl = 0; // never above the maximum block length of the last reset
        const EventTs* const* evt_arr = nullptr;
        int nbr_evt = 0;
    };

    PluginInterface() = default;
    PluginInterface(const PluginInterface&) = default;
    PluginInterface& operator=(const PluginInterface&) = default;
    virtual ~PluginInterface() = default;

    int get_state() const { return do_get_state(); }
    // Target (normalised) value of parameter index.
    double get_param_val(ParamCateg categ, int note, int index) const
    {
        return do_get_param_val(categ, note, index);
    }
    // Allocates what processing needs for calls of at most max_block_len frames; writes the
    // latency in frames. Returns 0.
    int reset(double sample_freq, int max_block_len, int& latency)
    {
        return do_reset(sample_freq, max_block_len, latency);
    }
    // Clears internal buffers once, at the start of the next process_block.
    void clean_quick() { do_clean_quick(); }
    void process_block(ProcInfo& proc) { do_process_block(proc); }

protected:
    virtual int do_get_state() const = 0;
    virtual double do_get_param_val(ParamCateg categ, int note, int index) const = 0;
    virtual int do_reset(double sample_freq, int max_block_len, int& latency) = 0;
    virtual void do_clean_quick() = 0;
    virtual void do_process_block(ProcInfo& proc) = 0;
};

} // namespace piapi
} // namespace zun

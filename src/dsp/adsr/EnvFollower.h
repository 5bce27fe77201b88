#pragma once

#include "dsp/LfoModuleDesc.h"
#include "dsp/adsr/EnvFollowerRms.h"
#include "zun/piapi/ParamProcSimple.h"
#include "zun/piapi/ParamStateSet.h"
#include "zun/piapi/PluginInterface.h"
#include "zun/util/NotificationFlag.h"
#include "zun/util/NotificationFlagCascadeSingle.h"

namespace dsp
{

// The "Env Follower" waveform of one modulator slot: an RMS follower on input channel 0, with the
// slot's follower parameters (32..41) read from the engine's shared modulator state set. It is
// analysed every chunk whatever the slot's waveform. Audio thread only, except construction.
class EnvFollower : public zun::piapi::PluginInterface
{
public:
    // Sizes mod_states to desc if no one did before (existing states are kept), writes the slot's
    // follower defaults and observes them. Both must outlive the follower.
    EnvFollower(zun::piapi::ParamStateSet& mod_states, const LfoModuleDesc& desc, int slot);
    EnvFollower(const EnvFollower&) = delete;
    EnvFollower& operator=(const EnvFollower&) = delete;
    ~EnvFollower() override;

    // Level after the last chunk times gain; may exceed 1.
    float get_val() const { return _last_val * _gain; }
    void update_param(bool force);
    void clear_buffers();
    // Analysis only: nothing is written to the outputs.
    void process_block_audio(ProcInfo& proc);

    const EnvFollowerRms& use_follower() const { return _follower; }
    int get_slot() const { return _slot; }

protected:
    int do_get_state() const override { return _state; }
    // Target normalised value of the shared state index.
    double do_get_param_val(zun::piapi::ParamCateg categ, int note, int index) const override;
    int do_reset(double sample_freq, int max_block_len, int& latency) override;
    void do_clean_quick() override { _quick_clean = true; }
    void do_process_block(ProcInfo& proc) override;

private:
    int _state = State_CREATED;
    zun::piapi::ParamStateSet& _mod_states;
    const LfoModuleDesc& _desc;
    int _slot;
    int _base;
    zun::piapi::ParamProcSimple _proc;
    float _sample_freq = 44100;
    float _inv_fs = 1.f / 44100;
    float _gain = 1.0f;
    bool _quick_clean = false;
    float _last_val = 0;
    zun::util::NotificationFlag _flag;
    zun::util::NotificationFlagCascadeSingle _flag_param;
    EnvFollowerRms _follower;
};

} // namespace dsp

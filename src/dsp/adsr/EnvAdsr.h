#pragma once

#include "dsp/LfoModuleDesc.h"
#include "dsp/adsr/AdsrLin.h"
#include "dsp/adsr/EventGenerator.h"
#include "zun/piapi/ParamProcSimple.h"
#include "zun/piapi/ParamStateSet.h"
#include "zun/piapi/PluginInterface.h"
#include "zun/util/NotificationFlag.h"
#include "zun/util/NotificationFlagCascadeSingle.h"

namespace dsp
{

// The "ADSR" waveform of one modulator slot: a linear envelope started by the event generator's
// transients, with the slot's envelope parameters (17..31) read from the engine's shared
// modulator state set. Audio thread only, except construction.
class EnvAdsr : public zun::piapi::PluginInterface, public EventGenerator::Listener
{
public:
    // Sizes mod_states to desc if no one did before (existing states are kept), writes the slot's
    // envelope defaults, observes them and registers with gen at the slot's index. All three
    // must outlive the envelope.
    EnvAdsr(zun::piapi::ParamStateSet& mod_states, const LfoModuleDesc& desc, EventGenerator& gen, int slot);
    EnvAdsr(const EnvAdsr&) = delete;
    EnvAdsr& operator=(const EnvAdsr&) = delete;
    ~EnvAdsr() override;

    // Envelope value times gain, for the last processed chunk.
    float get_val() const { return float(_adsr.get_val()) * _gain; }
    void update_adsr();
    void update_param(bool force);
    void clear_buffers();

    const AdsrLin& use_adsr() const { return _adsr; }
    int get_slot() const { return _slot; }
    float get_velo_sens() const { return _velo_sens; }

protected:
    // PluginInterface
    int do_get_state() const override { return _state; }
    // Target normalised value of the shared state index.
    double do_get_param_val(zun::piapi::ParamCateg categ, int note, int index) const override;
    int do_reset(double sample_freq, int max_block_len, int& latency) override;
    void do_clean_quick() override { _quick_clean = true; }
    void do_process_block(ProcInfo& proc) override;

    // EventGenerator::Listener
    void do_value_changed(float event) override;

private:
    int _state = State_CREATED;
    zun::piapi::ParamStateSet& _mod_states;
    const LfoModuleDesc& _desc;
    int _slot;
    int _base;
    zun::piapi::ParamProcSimple _proc;
    float _sample_freq = 44100;
    float _inv_fs = 1.f / 44100;
    bool _quick_clean = false;
    zun::util::NotificationFlag _flag;
    zun::util::NotificationFlagCascadeSingle _flag_param;
    EventGenerator& _gen;
    AdsrLin _adsr;
    float _gain = 1.0f;
    float _velo_sens = 0;
    float _last_evt = 0;
    bool _evt_pending = false;
};

} // namespace dsp

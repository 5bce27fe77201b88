#pragma once

#include "dsp/LfoModule.h"
#include "dsp/LfoModuleDesc.h"
#include "dsp/adsr/EnvAdsr.h"
#include "dsp/adsr/EnvFollower.h"
#include "dsp/processor.h"
#include "zun/piapi/ParamStateSet.h"
#include "zun/piapi/PluginInterface.h"
#include "zun/util/NotificationFlag.h"
#include "zun/util/NotificationFlagCascadeSingle.h"

class PluginEngine;

// One modulator slot: an LFO, an audio-triggered ADSR and an envelope follower, of which the
// waveform control picks one. Output 0 carries the slot's value (centred on 0.5), output 1 the
// LFO phase.
class PluginModulator : public zun::piapi::PluginInterface, public Processor
{
public:
    static constexpr int kNbrParam = dsp::LfoModuleDesc::NBR_PARAM_PER_SLOT;

    PluginModulator(PluginEngine* engine, int slot);
    ~PluginModulator() override;

    const dsp::LfoModuleDesc& get_param_desc() const { return *_desc; }
    zun::piapi::ParamStateSet& get_param_state_set() { return *_states; }

    void update_param(bool force);
    double get_val() const { return _lfo.get_val(); }
    double get_phase() const { return _lfo.get_phase(); }
    void correct_to_time(unsigned long samples) { _lfo.correct_to_time(samples); }
    void process() override {}

    int get_slot() const { return _slot; }
    int get_waveform() const { return _waveform; }
    const dsp::LfoModule& use_lfo() const { return _lfo; }
    const dsp::EnvAdsr& use_envelope() const { return _envelope; }
    const dsp::EnvFollower& use_follower() const { return _follower; }

protected:
    int do_get_state() const override { return _state; }
    double do_get_param_val(zun::piapi::ParamCateg categ, int note, int index) const override;
    int do_reset(double sample_freq, int max_block_size, int& latency) override;
    void do_clean_quick() override {}
    void do_process_block(ProcInfo& proc) override;

private:
    enum Group
    {
        Group_PERIOD = 0,
        Group_CHAOS_PD,
        Group_PHASE,
        Group_SNH_SMOOTH,
        Group_WAVEFORM,
        Group_STEPS,
        Group_NBR_ELT
    };

    double tgt(int j) const { return _states->get_val_tgt_nat(_base + j); }
    void observe(Group g, int j) { _states->add_observer(_base + j, _group_flags[g]); }

    PluginEngine* _engine;
    int _slot;
    int _base;
    int _state = State_CREATED;
    int _waveform = 0;
    bool _follower_on = false;
    dsp::LfoModule _lfo;
    dsp::EnvAdsr _envelope;
    dsp::EnvFollower _follower;
    const dsp::LfoModuleDesc* _desc;
    zun::piapi::ParamStateSet* _states;
    float _sample_freq = 44100;
    float _inv_sample_freq = 1.0f / 44100;
    zun::util::NotificationFlag _change_flag;
    zun::util::NotificationFlagCascadeSingle _master_flag;
    zun::util::NotificationFlagCascadeSingle _group_flags[Group_NBR_ELT];
};

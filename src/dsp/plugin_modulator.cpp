#include "dsp/plugin_modulator.h"

#include "dsp/plugin_engine.h"

#include <cmath>

using Desc = dsp::LfoModuleDesc;

PluginModulator::PluginModulator(PluginEngine* engine, int slot)
    : zun::piapi::PluginInterface(), Processor(0, 2, false), _engine(engine), _slot(slot),
      _base(kNbrParam * slot), _envelope(engine->get_mod_param_state_set(), engine->get_mod_param_desc(),
                                         engine->get_event_generator(), slot),
      _follower(engine->get_mod_param_state_set(), engine->get_mod_param_desc(), slot),
      _desc(&engine->get_mod_param_desc()), _states(&engine->get_mod_param_state_set())
{
    // Built here, off the audio thread, so that switching to "Step Seq" never allocates.
    _lfo.set_step_seq(true);
    _states->init(zun::piapi::ParamCateg_GLOBAL, _desc->use_desc_set());

    const auto& ds = _desc->use_desc_set();
    const double defaults[] = {1, 1, 14, 1, 120, 0, 0, 0, 0, 0.5, 0, 0, 0, 0, 0, 0, 2};
    for (int j = 0; j < int(sizeof(defaults) / sizeof(defaults[0])); ++j)
        _states->set_val_nat(ds, _base + j, defaults[j]);

    for (int j : {Desc::Param_LFO_GAIN, Desc::Param_LFO_PERIOD_S, Desc::Param_LFO_PERIOD_BEATS,
                  Desc::Param_LFO_TEMPO_SWITCH, Desc::Param_UNUSED})
        observe(Group_PERIOD, j);
    for (int j : {Desc::Param_CHAOS, Desc::Param_PHASE_DIST, Desc::Param_PHASE_DIST_OFS})
        observe(Group_CHAOS_PD, j);
    observe(Group_PHASE, Desc::Param_PHASE);
    for (int j : {Desc::Param_SNH, Desc::Param_SMOOTH, Desc::Param_SIGN, Desc::Param_POLARITY})
        observe(Group_SNH_SMOOTH, j);
    for (int j : {Desc::Param_WAVEFORM, Desc::Param_VAR_TIME, Desc::Param_VAR_SHAPE})
        observe(Group_WAVEFORM, j);
    observe(Group_STEPS, Desc::Param_PHASE);
    observe(Group_STEPS, Desc::Param_NBR_STEPS);
    for (int k = 0; k < 32; ++k)
    {
        _states->set_val_nat(ds, _base + Desc::Param_STEP_0 + k, 0.0);
        observe(Group_STEPS, Desc::Param_STEP_0 + k);
    }

    for (auto& f : _group_flags)
        f.add_observer(_master_flag);
    _master_flag.add_observer(_change_flag);

    const int src_id = PluginEngine::getModulationSourceId(slot);
    engine->registerModulationSource(src_id, output(0));
    engine->registerModulationSource(src_id + Desc::Param_PHASE, output(1));
    engine->setModulationControl(src_id, output(0));
}

PluginModulator::~PluginModulator()
{
    for (int j = 0; j < kNbrParam; ++j)
        for (auto& f : _group_flags)
            _states->remove_observer(_base + j, f);
}

double PluginModulator::do_get_param_val(zun::piapi::ParamCateg, int, int index) const
{
    if (index < 0 || index >= _states->get_nbr_param())
        return 0.0;
    return _states->use_state(index).get_val_tgt();
}

int PluginModulator::do_reset(double sample_freq, int max_block_size, int& latency)
{
    latency = 0;
    _sample_freq = float(sample_freq);
    _inv_sample_freq = float(1.0 / sample_freq);
    _states->set_sample_freq(sample_freq);
    _states->clear_buffers();
    _lfo.set_sample_freq(sample_freq);
    int lat = 0;
    _envelope.reset(sample_freq, max_block_size, lat);
    _follower.reset(sample_freq, max_block_size, lat);
    for (auto& f : _group_flags)
        f.set();
    update_param(true);
    _state = State_ACTIVE;
    return 0;
}

void PluginModulator::update_param(bool force)
{
    if (!_change_flag.get_state() && !force)
        return;
    _change_flag.reset();
    _master_flag.reset();

    auto take = [this, force](Group g)
    {
        const bool set = _group_flags[g].get_state();
        _group_flags[g].reset();
        return set || force;
    };

    if (take(Group_PERIOD))
    {
        _lfo.set_period(float(tgt(Desc::Param_LFO_PERIOD_S)));
        _lfo.set_input_gain(tgt(Desc::Param_LFO_GAIN));
    }
    if (take(Group_CHAOS_PD))
    {
        _lfo.set_chaos(float(tgt(Desc::Param_CHAOS)));
        _lfo.set_phase_dist(float(tgt(Desc::Param_PHASE_DIST)));
        _lfo.set_phase_dist_offset(float(tgt(Desc::Param_PHASE_DIST_OFS)));
    }
    if (take(Group_PHASE))
    {
        float p = float(tgt(Desc::Param_PHASE));
        if (p >= 1.0f)
            p = 0.0f;
        _lfo.set_phase(p);
    }
    if (take(Group_SNH_SMOOTH))
    {
        _lfo.set_snh(float(tgt(Desc::Param_SNH)));
        _lfo.set_smooth(float(tgt(Desc::Param_SMOOTH)));
        _lfo.set_sign(tgt(Desc::Param_SIGN) >= 0.5);
        _lfo.set_polarity(tgt(Desc::Param_POLARITY) >= 0.5);
    }
    if (take(Group_WAVEFORM))
    {
        _waveform = int(std::floor(tgt(Desc::Param_WAVEFORM) + 0.5));
        if (_waveform == dsp::LfoModule::Type_ADSR || _waveform == dsp::LfoModule::Type_ENV_FOLLOWER)
            return; // the steps flag stays set for the next update
        if (_waveform >= 0 && _waveform < dsp::LfoModule::Type_ADSR)
            _lfo.set_type(dsp::LfoModule::Type(_waveform));
        _lfo.set_variation(0, float(tgt(Desc::Param_VAR_TIME)));
        _lfo.set_variation(1, float(tgt(Desc::Param_VAR_SHAPE)));
    }
    if (take(Group_STEPS))
    {
        if (zun::lfo::OscStepSeq* seq = _lfo.use_step_seq())
        {
            seq->set_nbr_steps(int(float(tgt(Desc::Param_NBR_STEPS))));
            for (int k = 0; k < 32; ++k)
                seq->set_val(k, float(tgt(Desc::Param_STEP_0 + k)));
        }
    }
}

void PluginModulator::do_process_block(ProcInfo& proc)
{
    // Every slot sees the whole shared list but applies only its own parameters: each slot
    // observes only those, so the states end the same as if every slot applied every event.
    for (int i = 0; i < proc.nbr_evt; ++i)
    {
        const zun::piapi::EventTs* e = proc.evt_arr[i];
        if (e != nullptr && e->type == zun::piapi::EventType_PARAM && e->index >= _base &&
            e->index < _base + kNbrParam)
            _states->set_val(e->index, e->val);
    }
    _states->process_block(proc.nbr_spl);
    update_param(false);

    _lfo.tick(proc.nbr_spl);
    _envelope.process_block(proc);
    // The follower's per-sample analysis is the slots' largest cost: it runs only while the slot
    // outputs it, and starts from silence when the slot switches to it.
    const bool follow = (_waveform == dsp::LfoModule::Type_ENV_FOLLOWER);
    if (follow)
    {
        if (!_follower_on)
            _follower.clear_buffers();
        _follower.process_block(proc);
    }
    _follower_on = follow;

    float v;
    if (_waveform == dsp::LfoModule::Type_ADSR)
        v = _envelope.get_val() * 0.5f + 0.5f;
    else if (_waveform == dsp::LfoModule::Type_ENV_FOLLOWER)
        v = _follower.get_val() + 0.5f;
    else
        v = (float(_lfo.get_val()) + 1.0f) * 0.5f;
    output(0)->set(0, v);
    output(1)->set(0, _lfo.get_phase());
}

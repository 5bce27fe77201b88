#include "dsp/adsr/EnvAdsr.h"

namespace dsp
{

namespace
{

constexpr int first_param = LfoModuleDesc::Param_ADSR_GAIN;
constexpr int last_param = LfoModuleDesc::Param_ADSR_RLS_SWITCH;

} // namespace

EnvAdsr::EnvAdsr(zun::piapi::ParamStateSet& mod_states, const LfoModuleDesc& desc, EventGenerator& gen,
                 int slot)
    : _mod_states(mod_states), _desc(desc), _slot(slot), _base(LfoModuleDesc::get_lfo_base(slot)),
      _proc(mod_states), _gen(gen)
{
    _mod_states.init(zun::piapi::ParamCateg_GLOBAL, _desc.use_desc_set());
    for (int j = first_param; j <= last_param; ++j)
    {
        _mod_states.set_val_nat(_desc.use_desc_set(), _base + j, LfoModuleDesc::get_default_nat(j));
        _mod_states.add_observer(_base + j, _flag_param);
    }
    _flag_param.add_observer(_flag);
    _gen.register_trig_event(this, _slot);
}

EnvAdsr::~EnvAdsr()
{
    if (_gen.get_listener(_slot) == this)
    {
        _gen.unregister_trig_event(_slot);
    }
    for (int j = first_param; j <= last_param; ++j)
    {
        _mod_states.remove_observer(_base + j, _flag_param);
    }
}

void EnvAdsr::update_adsr()
{
    if (_last_evt > 0)
    {
        _adsr.note_on();
    }
    else if (_last_evt < -0.5f)
    {
        _adsr.note_off();
    }
}

void EnvAdsr::update_param(bool force)
{
    if (!_flag.get_state() && !force)
    {
        return;
    }
    _flag.reset();
    _flag_param.reset();
    auto val = [this](int j) { return float(_mod_states.get_val_end_nat(_base + j)); };
    _gain = val(LfoModuleDesc::Param_ADSR_GAIN);
    _velo_sens = val(LfoModuleDesc::Param_ADSR_VELO_SENS);
    _adsr.set_attack_time(val(LfoModuleDesc::Param_ADSR_ATK_S));
    _adsr.set_decay_time(val(LfoModuleDesc::Param_ADSR_DCY_S));
    _adsr.set_sustain_time(val(LfoModuleDesc::Param_ADSR_SUS_S));
    _adsr.set_sustain_level(val(LfoModuleDesc::Param_ADSR_SUS_LVL));
    _adsr.set_release_time(val(LfoModuleDesc::Param_ADSR_RLS_S));
}

void EnvAdsr::clear_buffers()
{
    _adsr.clear_buffers();
}

double EnvAdsr::do_get_param_val(zun::piapi::ParamCateg categ, int note, int index) const
{
    (void)note;
    if (categ != zun::piapi::ParamCateg_GLOBAL || index < 0 || index >= _mod_states.get_nbr_param())
    {
        return 0;
    }
    return _mod_states.use_state(index).get_val_tgt();
}

int EnvAdsr::do_reset(double sample_freq, int max_block_len, int& latency)
{
    (void)max_block_len;
    latency = 0;
    _sample_freq = float(sample_freq);
    _inv_fs = 1.f / _sample_freq;
    _mod_states.set_sample_freq(sample_freq);
    _mod_states.clear_buffers();
    _adsr.set_sample_freq(_sample_freq);
    _adsr.clear_buffers();
    // A transient in the first chunk then starts with the slot's times rather than the defaults.
    update_param(true);
    _proc.req_steady();
    _state = State_ACTIVE;
    return 0;
}

void EnvAdsr::do_process_block(ProcInfo& proc)
{
    _proc.handle_msg(proc);
    _mod_states.process_block(proc.nbr_spl);
    if (_evt_pending)
    {
        _evt_pending = false;
        update_adsr();
    }
    update_param(false);
    if (_proc.is_full_reset() || _quick_clean)
    {
        _quick_clean = false;
        clear_buffers();
    }
    if (proc.nbr_spl > 0)
    {
        _adsr.skip_block(proc.nbr_spl);
    }
}

void EnvAdsr::do_value_changed(float event)
{
    // Chunks without a transient report 0, so every new transient gives a new +1.
    if (event != _last_evt)
    {
        _last_evt = event;
        _evt_pending = true;
    }
}

} // namespace dsp

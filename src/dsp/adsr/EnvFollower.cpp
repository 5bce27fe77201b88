#include "dsp/adsr/EnvFollower.h"

namespace dsp
{

namespace
{

constexpr int first_param = LfoModuleDesc::Param_ENVF_GAIN;
constexpr int last_param = LfoModuleDesc::Param_ENVF_HOLD_SWITCH;

} // namespace

EnvFollower::EnvFollower(zun::piapi::ParamStateSet& mod_states, const LfoModuleDesc& desc, int slot)
    : _mod_states(mod_states), _desc(desc), _slot(slot), _base(LfoModuleDesc::get_lfo_base(slot)),
      _proc(mod_states)
{
    _mod_states.init(zun::piapi::ParamCateg_GLOBAL, _desc.use_desc_set());
    for (int j = first_param; j <= last_param; ++j)
    {
        _mod_states.set_val_nat(_desc.use_desc_set(), _base + j, LfoModuleDesc::get_default_nat(j));
        _mod_states.add_observer(_base + j, _flag_param);
    }
    _flag_param.add_observer(_flag);
}

EnvFollower::~EnvFollower()
{
    for (int j = first_param; j <= last_param; ++j)
    {
        _mod_states.remove_observer(_base + j, _flag_param);
    }
}

void EnvFollower::update_param(bool force)
{
    if (!_flag.get_state() && !force)
    {
        return;
    }
    _flag.reset();
    _flag_param.reset();
    auto val = [this](int j) { return float(_mod_states.get_val_end_nat(_base + j)); };
    _gain = val(LfoModuleDesc::Param_ENVF_GAIN);
    _follower.set_attack_time(val(LfoModuleDesc::Param_ENVF_ATK_S));
    _follower.set_hold_time(val(LfoModuleDesc::Param_ENVF_HOLD_S));
    _follower.set_release_time(val(LfoModuleDesc::Param_ENVF_RLS_S));
}

void EnvFollower::clear_buffers()
{
    _follower.clear_buffers();
    _last_val = 0;
}

void EnvFollower::process_block_audio(ProcInfo& proc)
{
    if (proc.nbr_spl <= 0 || proc.nbr_chn_in <= 0 || proc.src_arr == nullptr || proc.src_arr[0] == nullptr)
    {
        return;
    }
    _last_val = _follower.analyse_block(proc.src_arr[0], proc.nbr_spl);
}

double EnvFollower::do_get_param_val(zun::piapi::ParamCateg categ, int note, int index) const
{
    (void)note;
    if (categ != zun::piapi::ParamCateg_GLOBAL || index < 0 || index >= _mod_states.get_nbr_param())
    {
        return 0;
    }
    return _mod_states.use_state(index).get_val_tgt();
}

int EnvFollower::do_reset(double sample_freq, int max_block_len, int& latency)
{
    (void)max_block_len;
    latency = 0;
    _sample_freq = float(sample_freq);
    _inv_fs = 1.f / _sample_freq;
    _mod_states.set_sample_freq(sample_freq);
    _mod_states.clear_buffers();
    _follower.set_sample_freq(_sample_freq);
    update_param(true);
    clear_buffers();
    _proc.req_steady();
    _state = State_ACTIVE;
    return 0;
}

void EnvFollower::do_process_block(ProcInfo& proc)
{
    _proc.handle_msg(proc);
    _mod_states.process_block(proc.nbr_spl);
    update_param(false);
    if (_proc.is_full_reset() || _quick_clean)
    {
        _quick_clean = false;
        clear_buffers();
    }
    process_block_audio(proc);
}

} // namespace dsp

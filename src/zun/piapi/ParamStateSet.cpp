#include "zun/piapi/ParamStateSet.h"

namespace zun
{
namespace piapi
{

void ParamStateSet::init(ParamCateg categ, const ParamDescSet& desc_set)
{
    _categ = categ;
    const int nbr_param = desc_set.get_nbr_param(categ);
    _state_arr.resize(size_t(nbr_param));
    if (_changed.get_nbr_elt() != nbr_param)
    {
        _changed.set_nbr_elt(nbr_param);
    }
    for (int index = 0; index < nbr_param; ++index)
    {
        const param::ParamDescInterface* desc = desc_set.get_param_ptr(categ, index);
        if (desc != nullptr)
        {
            _state_arr[size_t(index)].set_desc(*desc);
        }
    }
}

void ParamStateSet::set_sample_freq(double fs)
{
    for (auto& state : _state_arr)
    {
        state.set_sample_freq(fs);
        state.clear_buffers();
    }
    _changed.fill();
}

void ParamStateSet::clear_buffers()
{
    for (auto& state : _state_arr)
    {
        state.clear_buffers();
    }
    _changed.fill();
}

void ParamStateSet::set_steady_state()
{
    for (auto& state : _state_arr)
    {
        if (state.is_ramping())
        {
            state.use_notifier().notify_observers();
        }
        state.clear_buffers();
    }
}

void ParamStateSet::set_ramp_time(int index, double t)
{
    if (is_valid(index))
    {
        _state_arr[size_t(index)].set_ramp_time(t);
    }
}

void ParamStateSet::set_val(int index, double nrm)
{
    if (!is_valid(index))
    {
        return;
    }
    // The modulation passes resend unchanged values every chunk: a settled state that already
    // holds the value needs neither a notification nor a tick.
    ParamState& state = _state_arr[size_t(index)];
    const double lim = (nrm >= 0) ? (nrm > 1 ? 1.0 : nrm) : 0.0;
    if (!_changed.get_bit(index) && !state.is_ramping() && !state.use_ramp().is_ramping() &&
        state.get_val_tgt() == lim && state.get_val_end() == lim)
    {
        return;
    }
    state.set_val(nrm);
    _changed.fill_bit(index);
}

void ParamStateSet::set_val_nat(const ParamDescSet& desc_set, int index, double nat)
{
    const param::ParamDescInterface* desc = desc_set.get_param_ptr(ParamCateg(_categ), index);
    if (desc == nullptr)
    {
        return;
    }
    set_val(index, desc->conv_nat_to_nrm(nat));
}

void ParamStateSet::process_block(int nbr_spl)
{
    long pos = _changed.get_next_bit_set_from(0);
    while (pos >= 0)
    {
        ParamState& state = _state_arr[size_t(pos)];
        state.tick(nbr_spl);
        // The ramp test covers empty blocks, after which a running ramp spans no change yet.
        if (!state.is_ramping() && !state.use_ramp().is_ramping())
        {
            _changed.clear_bit(pos);
        }
        pos = _changed.get_next_bit_set_from(pos + 1);
    }
}

double ParamStateSet::get_val_beg_nat(int index) const
{
    return is_valid(index) ? conv_nrm_to_nat(index, _state_arr[size_t(index)].get_val_beg()) : 0.0;
}

double ParamStateSet::get_val_end_nat(int index) const
{
    return is_valid(index) ? conv_nrm_to_nat(index, _state_arr[size_t(index)].get_val_end()) : 0.0;
}

double ParamStateSet::get_val_tgt_nat(int index) const
{
    return is_valid(index) ? conv_nrm_to_nat(index, _state_arr[size_t(index)].get_val_tgt()) : 0.0;
}

void ParamStateSet::add_observer(int index, util::ObserverInterface& observer)
{
    if (is_valid(index))
    {
        _state_arr[size_t(index)].use_notifier().add_observer(observer);
    }
}

void ParamStateSet::remove_observer(int index, util::ObserverInterface& observer)
{
    if (is_valid(index))
    {
        _state_arr[size_t(index)].use_notifier().remove_observer(observer);
    }
}

double ParamStateSet::conv_nrm_to_nat(int index, double nrm) const
{
    const param::ParamDescInterface* desc = _state_arr[size_t(index)].get_desc_ptr();
    return (desc != nullptr) ? desc->conv_nrm_to_nat(nrm) : nrm;
}

} // namespace piapi
} // namespace zun

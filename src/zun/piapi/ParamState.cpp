#include "zun/piapi/ParamState.h"

namespace zun
{
namespace piapi
{

void ParamState::set_sample_freq(double fs)
{
    _ramp.set_sample_freq(fs);
}

void ParamState::set_ramp_time(double t)
{
    _ramp.set_inertia_time(t);
}

void ParamState::set_val(double nrm)
{
    if (!(nrm >= 0))
    {
        nrm = 0;
    }
    else if (nrm > 1)
    {
        nrm = 1;
    }
    _ramp.set_val(nrm);
    _notifier.notify_observers();
}

void ParamState::tick(int nbr_spl)
{
    if (_ramp.is_ramping())
    {
        _val_beg = _ramp.get_val();
        _ramp.tick(nbr_spl);
        _val_end = _ramp.get_val();
        _notifier.notify_observers();
    }
    else
    {
        const double tgt = _ramp.get_target_val();
        _val_end = tgt;
        if (_val_beg != tgt)
        {
            _val_beg = tgt;
            _notifier.notify_observers();
        }
    }
}

void ParamState::clear_buffers()
{
    _ramp.clear_buffers();
    _val_beg = _ramp.get_target_val();
    _val_end = _val_beg;
    _notifier.notify_observers();
}

} // namespace piapi
} // namespace zun

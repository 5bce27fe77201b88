#include "dsp/ParamInertia.h"

#include <cmath>

namespace dsp
{

void ParamInertia::set_time(float t)
{
    _time = (std::isfinite(t) && t > 0) ? t : 0.f;
}

void ParamInertia::set_sample_freq(float fs)
{
    if (!(fs > 0) || !std::isfinite(fs))
    {
        return;
    }
    _step *= double(_sample_freq / fs);
    _sample_freq = fs;
}

void ParamInertia::set_val(float v)
{
    _target = v;
    if (_time != 0)
    {
        _start = float(_cur);
        _step = double((v - _start) / (_time * _sample_freq));
        // A step that vanishes in single precision (tiny change, huge time) would leave the
        // value short of its target for good: arrive at once instead.
        if (_step != 0 && std::isfinite(_step))
        {
            return;
        }
    }
    snap();
}

void ParamInertia::tick(long nbr_spl)
{
    if (_step == 0 || nbr_spl <= 0)
    {
        return;
    }
    _cur += double(nbr_spl) * _step;
    if ((_cur - _target) * _step >= 0)
    {
        snap();
    }
}

void ParamInertia::snap()
{
    _cur = _target;
    _start = _target;
    _step = 0;
}

} // namespace dsp

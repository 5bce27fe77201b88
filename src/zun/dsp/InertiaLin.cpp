#include "zun/dsp/InertiaLin.h"

#include <cmath>
#include <limits>

namespace zun
{
namespace dsp
{

namespace
{

double compute_inv_len(double fs, double t)
{
    return (t > 0) ? 1.0 / (fs * t) : std::numeric_limits<double>::infinity();
}

} // namespace

void InertiaLin::set_sample_freq(double fs)
{
    if (!(fs > 0) || !std::isfinite(fs))
    {
        return;
    }
    _step *= _sample_freq / fs;
    _sample_freq = fs;
    _inv_len = compute_inv_len(fs, _inertia_time);
}

void InertiaLin::set_inertia_time(double t)
{
    _inertia_time = (std::isfinite(t) && t > 0) ? t : 0.0;
    _inv_len = compute_inv_len(_sample_freq, _inertia_time);
}

void InertiaLin::set_val(double v)
{
    if (_inertia_time == 0)
    {
        _start = v;
        _target = v;
        _cur = v;
        _step = 0;
        return;
    }
    const double new_step = (v - _cur) * _inv_len;
    // A steeper ramp already heading the same way is kept, so that a run of small moves does
    // not slow down a large one.
    if (_target == _start || new_step * _step <= 0 || std::abs(new_step) > std::abs(_step))
    {
        _step = new_step;
    }
    _start = _cur;
    _target = v;
    // A step that vanishes (huge ramp time) would never arrive: jump instead.
    if (_step == 0)
    {
        _start = v;
        _cur = v;
    }
}

void InertiaLin::tick(long nbr_spl)
{
    if (_step == 0 || nbr_spl <= 0)
    {
        return;
    }
    _cur += double(nbr_spl) * _step;
    if ((_cur - _target) * _step >= 0)
    {
        clear_buffers();
    }
}

void InertiaLin::clear_buffers()
{
    _start = _target;
    _cur = _target;
    _step = 0;
}

} // namespace dsp
} // namespace zun

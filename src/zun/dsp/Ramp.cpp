#include "zun/dsp/Ramp.h"

namespace zun
{
namespace dsp
{

void Ramp::set_len(int nbr_spl)
{
    if (nbr_spl < 0)
    {
        nbr_spl = 0;
    }
    if (nbr_spl == _len)
    {
        return;
    }
    _len = nbr_spl;
    _inv_len = (nbr_spl > 0) ? 1.f / float(nbr_spl) : 0.f;
    if (_remaining > 0 && _step != 0)
    {
        _step = (_target - _cur) * _inv_len;
        _remaining = nbr_spl;
    }
}

void Ramp::set_target(float v)
{
    _target = v;
    _step = (v - _cur) * _inv_len;
    _remaining = _len;
}

void Ramp::tick(int nbr_spl)
{
    _val_beg = _cur;
    if (nbr_spl < 0)
    {
        nbr_spl = 0;
    }
    if (_remaining > 0)
    {
        _cur += float(nbr_spl) * _step;
        _remaining -= nbr_spl;
    }
    // Checked outside the running case too, so that a zero length (or a ramp whose length was
    // cut to 0) still lands on its target.
    if (_remaining <= 0)
    {
        _remaining = 0;
        _step = 0;
        _cur = _target;
    }
}

void Ramp::clear_buffers()
{
    _val_beg = _target;
    _cur = _target;
    _step = 0;
    _remaining = 0;
}

} // namespace dsp
} // namespace zun

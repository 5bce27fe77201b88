#include "dsp/adsr/AdsrLin.h"

#include <algorithm>
#include <cmath>

namespace dsp
{

void AdsrLin::note_on() noexcept
{
    _section = Section_ATTACK;
    _remaining = conv_time_to_len(_attack_time);
    _step = (1 - _val) / double(_remaining);
}

void AdsrLin::kill_ramps() noexcept
{
    if (_section == Section_IDLE || _section == Section_ATTACK)
    {
        _val = 0;
        _step = 1 / double(_remaining);
    }
}

void AdsrLin::process_block(float* out, long n) noexcept
{
    n = std::max(n, 1L);
    for (long i = 0; i < n; ++i)
    {
        tick_one();
        out[i] = float(_val);
    }
}

void AdsrLin::process_block_mul(float* buf, long n) noexcept
{
    n = std::max(n, 1L);
    for (long i = 0; i < n; ++i)
    {
        tick_one();
        buf[i] *= float(_val);
    }
}

void AdsrLin::skip_block(long n) noexcept
{
    n = std::max(n, 1L);
    while (n > 0)
    {
        const int64_t k = std::max<int64_t>(std::min<int64_t>(n, _remaining), 1);
        _val += double(k) * _step;
        n -= long(k);
        _remaining -= k;
        if (_remaining <= 0)
        {
            set_next_section();
        }
    }
}

void AdsrLin::clear_buffers() noexcept
{
    _val = 0;
    _step = 0;
    _remaining = _len_inf;
    _section = Section_IDLE;
}

int64_t AdsrLin::conv_time_to_len(float t) const noexcept
{
    // Single precision on purpose: 0.01 s at 44100 Hz is 441 samples, not 440.
    const float len = t * _sample_freq;
    if (!(len >= 1))
    {
        return 1;
    }
    return int64_t(std::min(len, 1e15f));
}

void AdsrLin::set_next_section() noexcept
{
    switch (_section)
    {
    case Section_ATTACK:
        _section = Section_DECAY;
        _remaining = conv_time_to_len(_decay_time);
        _val = 1;
        _step = (double(_sustain_level) - 1) / double(_remaining);
        break;
    case Section_DECAY:
        _section = Section_SUSTAIN;
        _remaining = conv_time_to_len(_sustain_time);
        _val = _sustain_level;
        _step = 0;
        break;
    case Section_SUSTAIN:
        if (std::fabs(_val) < 1e-9)
        {
            clear_buffers();
        }
        else
        {
            _section = Section_RELEASE;
            _remaining = conv_time_to_len(_release_time);
            _step = -_val / double(_remaining);
        }
        break;
    case Section_RELEASE:
        clear_buffers();
        break;
    case Section_IDLE:
    default:
        _remaining = _len_inf;
        break;
    }
}

} // namespace dsp

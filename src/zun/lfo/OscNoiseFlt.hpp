#pragma once

#include "zun/lfo/Approx.h"
#include "zun/lfo/OscTools.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace zun
{
namespace lfo
{

template <int NP>
OscNoiseFlt<NP>::OscNoiseFlt() noexcept
{
    update_period();
}

template <int NP>
void OscNoiseFlt<NP>::update_period() noexcept
{
    const double rate = _phase_gen.get_sample_freq() / _interval;
    const double period = std::max(_phase_gen.get_period(), 1e-9);
    const double f = std::max(std::min(0.4375 * rate, 1 / period), 1e-9);
    const double x = f / rate;
    // One-pole coefficient for a cut-off at x cycles per update. It is formed from e = 1 - cos in
    // double precision: in single precision cos rounds to 1 for periods of some seconds, and the
    // filter would freeze.
    const double e = 1 - Approx::sin_2pi_dbl(x + 0.25);
    _coef = std::sqrt(std::max(e * (2 + e), 0.0)) - e;
    _gain = std::sqrt(rate / (2 * f));
}

template <int NP>
void OscNoiseFlt<NP>::gen_new_val() noexcept
{
    _raw = (2 * _rnd.gen_uniform() - 1) * _gain;
    double in = _raw;
    for (int p = 0; p < NP; ++p)
    {
        _state_arr[p] += (in - _state_arr[p]) * _coef;
        in = _state_arr[p];
    }
}

template <int NP>
void OscNoiseFlt<NP>::do_set_sample_freq(double fs) noexcept
{
    double e = std::floor(std::log2(fs) - 9.5 + 0.5);
    e = (e > 0) ? std::min(e, 20.0) : 0;
    _interval = int32_t(1) << int(e);
    _counter = std::min(_counter, _interval - 1);
    _phase_gen.set_sample_freq(fs);
    update_period();
}

template <int NP>
void OscNoiseFlt<NP>::do_set_period(double period) noexcept
{
    _phase_gen.set_period(period);
    update_period();
}

template <int NP>
void OscNoiseFlt<NP>::do_set_phase(double phase) noexcept
{
    _phase_gen.set_phase(phase);
}

template <int NP>
void OscNoiseFlt<NP>::do_set_chaos(double) noexcept
{
}

template <int NP>
void OscNoiseFlt<NP>::do_set_phase_dist(double) noexcept
{
}

template <int NP>
void OscNoiseFlt<NP>::do_set_phase_dist_offset(double) noexcept
{
}

template <int NP>
void OscNoiseFlt<NP>::do_set_sign(bool) noexcept
{
}

template <int NP>
void OscNoiseFlt<NP>::do_set_polarity(bool) noexcept
{
}

template <int NP>
void OscNoiseFlt<NP>::do_set_variation(int, double) noexcept
{
}

template <int NP>
bool OscNoiseFlt<NP>::do_is_using_variation(int) const noexcept
{
    return false;
}

template <int NP>
void OscNoiseFlt<NP>::do_tick(long n) noexcept
{
    _phase_gen.tick(n);
    if (n <= 0)
    {
        return;
    }
    long cnt = long(_counter) + n;
    while (cnt >= _interval)
    {
        cnt -= _interval;
        gen_new_val();
    }
    _counter = int32_t(cnt);
}

template <int NP>
double OscNoiseFlt<NP>::do_get_val() const noexcept
{
    return OscTools::limit(_state_arr[NP - 1], _val_min, _val_max);
}

template <int NP>
double OscNoiseFlt<NP>::do_get_phase() const noexcept
{
    return _phase_gen.get_phase();
}

template <int NP>
void OscNoiseFlt<NP>::do_clear_buffers() noexcept
{
    _raw = 0;
    std::fill(std::begin(_state_arr), std::end(_state_arr), 0.0);
    _counter = 0;
    _rnd.set_state(1);
}

template <int NP>
void OscNoiseFlt<NP>::do_correct_to_time(unsigned long t) noexcept
{
    _phase_gen.correct_to_time(t);
}

} // namespace lfo
} // namespace zun

#include "zun/lfo/PhaseGenChaos.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zun
{
namespace lfo
{

void PhaseGenChaos::set_sample_freq(double fs) noexcept
{
    _gen.set_sample_freq(fs);
    update_wait_len();
    _wait_cnt = 0;
}

// The wait count survives a period change: a period modulated every chunk would otherwise keep
// restarting the wait and no event would ever come.
void PhaseGenChaos::set_period(double period) noexcept
{
    _gen.set_period(period);
    update_wait_len();
}

void PhaseGenChaos::set_phase(double phase) noexcept
{
    _gen.set_phase(phase);
}

void PhaseGenChaos::set_chaos(double amount) noexcept
{
    const double a = std::floor(256 * amount);
    _amount = (a >= 1) ? int32_t(std::min(a, 256.0)) : 0;
    if (_amount <= 0)
    {
        stop_event();
    }
}

void PhaseGenChaos::clear_buffers() noexcept
{
    stop_event();
    _wait_cnt = 0;
}

void PhaseGenChaos::correct_to_time(unsigned long t) noexcept
{
    _gen.correct_to_time(t);
}

void PhaseGenChaos::tick(long n) noexcept
{
    _gen.tick(n);
    if (_amount <= 0 || n <= 0)
    {
        return;
    }
    long rem = n;
    while (rem > 0)
    {
        if (_active)
        {
            const long k = std::min(long(_evt_len) - _evt_pos, rem);
            _evt_pos += int32_t(k);
            rem -= k;
            if (_evt_pos >= _evt_len)
            {
                stop_event();
            }
        }
        else
        {
            // The wait may already be over when a period change shortened it.
            const long k = std::max(std::min(long(_wait_len) - _wait_cnt, rem), 0L);
            _wait_cnt += int32_t(k);
            rem -= k;
            if (_wait_cnt >= _wait_len)
            {
                start_event();
            }
        }
    }
    if (_active)
    {
        update_offset();
    }
}

double PhaseGenChaos::get_phase() const noexcept
{
    double p = _gen.get_phase();
    if (_offset != 0)
    {
        p += _offset + 1;
        while (p >= 1)
        {
            p -= 1;
        }
    }
    return p;
}

void PhaseGenChaos::update_wait_len() noexcept
{
    const double len = PhaseGen::conv_period_to_len(double(float(_gen.get_period())), _gen.get_sample_freq());
    const double w = std::floor(len * double(0.6666667f) + 0.5);
    _wait_len = int32_t(std::clamp(w, 1.0, double(std::numeric_limits<int32_t>::max())));
}

void PhaseGenChaos::start_event() noexcept
{
    const uint32_t x1 = _rnd.draw();
    const float u = float(x1) * (1.f / 2147483648.f);
    const uint32_t x2 = _rnd.draw();
    // Duration factor, 0.25 to 4 periods, biased towards short events.
    const float o = ((2.1875f * u + 1.25f) * u + 0.3125f) * u + 0.25f;
    const float len = float(PhaseGen::conv_period_to_len(_gen.get_period(), _gen.get_sample_freq()));
    _ramp_step = double(2.f / (len * o));
    // Smallest sample count that takes the ramp past +1.
    const double evt_len = std::floor(2.0 / _ramp_step) + 1;
    _evt_len = int32_t(std::clamp(evt_len, 1.0, double(std::numeric_limits<int32_t>::max())));
    _evt_pos = 0;
    _ramp = -1;
    _wait_cnt = 0;
    _active = true;
    _shape = (int32_t(x2 & 0xFF) < _amount) ? Shape_SKIP : Shape_BUMP;
    if (_shape == Shape_SKIP)
    {
        // A skip shorter than one period always goes forward.
        _negative = (o < 1.f) ? 0 : int32_t(_rnd.draw() & 1);
    }
    else
    {
        const float b = float(_rnd.draw()) * (1.f / 2147483648.f);
        _bump_amp = double(b * b);
        _negative = int32_t(_rnd.draw() & 1);
    }
    update_offset();
}

// The wait count is left alone: it is already 0 at the end of an event, and switching the chaos
// off and on again continues the wait.
void PhaseGenChaos::stop_event() noexcept
{
    _active = false;
    _evt_pos = 0;
    _ramp = 0;
    _ramp_step = 0;
    _offset = 0;
}

void PhaseGenChaos::update_offset() noexcept
{
    _ramp = -1.0 + double(_evt_pos) * _ramp_step;
    const float r = float(_ramp);
    const float q = r * r;
    double off = 0;
    if (_shape == Shape_SKIP)
    {
        off = 0.25 * _ramp * (3.0 - double(q)) + 0.5;
    }
    else
    {
        const float h = 1.f - q;
        off = double(h * h) * _bump_amp;
    }
    _offset = (_negative != 0) ? -off : off;
}

} // namespace lfo
} // namespace zun

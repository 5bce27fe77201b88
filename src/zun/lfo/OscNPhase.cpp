#include "zun/lfo/OscNPhase.h"
#include "zun/lfo/Approx.h"
#include "zun/lfo/OscTools.h"
#include "zun/lfo/PhaseGen.h"

#include <cmath>

namespace zun
{
namespace lfo
{

OscNPhase::OscNPhase(bool biphase) noexcept : _biphase(biphase)
{
    update_period();
}

void OscNPhase::update_period() noexcept
{
    _ratio = Approx::fast_exp2(8.f * float(_var[0]));
    if (_biphase)
    {
        _nbr_phases = 2;
        _phase_shift = _var[1];
    }
    else
    {
        _nbr_phases = int32_t(std::floor(6 * _var[1] + 2 + 0.5));
        _phase_shift = double(1.f / float(_nbr_phases));
    }
    const double len = PhaseGen::conv_period_to_len(_period, _sample_freq);
    _phase_step = 1 / (_nbr_phases * len);
    if (_biphase)
    {
        _phase_step *= 2;
    }
    _step_cnt_inc = double(_ratio) / len;
    if (_step_cnt >= _nbr_phases)
    {
        _step_cnt = std::fmod(_step_cnt, double(_nbr_phases));
    }
}

void OscNPhase::do_set_sample_freq(double fs) noexcept
{
    _sample_freq = fs;
    update_period();
}

void OscNPhase::do_set_period(double period) noexcept
{
    _period = period;
    update_period();
}

void OscNPhase::do_set_phase(double phase) noexcept
{
    _phase = PhaseGen::wrap(phase);
    _reset_phase = _phase;
    _step_cnt = std::fmod(_nbr_phases * (double(_ratio) * _phase), double(_nbr_phases));
}

void OscNPhase::do_set_chaos(double amount) noexcept
{
    (void)amount;
}

void OscNPhase::do_set_phase_dist(double amount) noexcept
{
    _phase_dist.set(amount);
}

void OscNPhase::do_set_phase_dist_offset(double offset) noexcept
{
    _phase_dist.set_offset(offset);
}

void OscNPhase::do_set_sign(bool invert) noexcept
{
    _invert = invert;
}

void OscNPhase::do_set_polarity(bool unipolar) noexcept
{
    _unipolar = unipolar;
}

void OscNPhase::do_set_variation(int index, double value) noexcept
{
    if (index == 0 || index == 1)
    {
        _var[index] = OscTools::limit(value, 0, 1);
        update_period();
    }
}

bool OscNPhase::do_is_using_variation(int index) const noexcept
{
    return index == 0 || index == 1;
}

void OscNPhase::do_tick(long n) noexcept
{
    const double len = double(n) + _time_corr;
    _time_corr = 0;
    _phase += len * _phase_step;
    if (_phase >= 1)
    {
        _phase -= std::floor(_phase);
    }
    _step_cnt += len * _step_cnt_inc;
    if (_step_cnt >= _nbr_phases)
    {
        _step_cnt = std::fmod(_step_cnt, double(_nbr_phases));
    }
}

double OscNPhase::do_get_val() const noexcept
{
    double a = std::floor(_step_cnt) * _phase_shift + _phase;
    while (a >= 1)
    {
        a -= 1;
    }
    a = _phase_dist.apply(a);
    const double v = double(Approx::sin_2pi_flt(float(a)));
    return OscTools::shape_output(v, _invert, _unipolar);
}

double OscNPhase::do_get_phase() const noexcept
{
    return _phase;
}

void OscNPhase::do_clear_buffers() noexcept
{
    // Nothing runs here but the phases, which the owner sets.
}

// Both the phase and the step counter restart from where set_phase put them, so the output
// follows the host position like the other waveforms.
void OscNPhase::do_correct_to_time(unsigned long t) noexcept
{
    _time_corr = double(t);
    _phase = _reset_phase;
    _step_cnt = std::fmod(_nbr_phases * (double(_ratio) * _reset_phase), double(_nbr_phases));
}

} // namespace lfo
} // namespace zun

#include "zun/lfo/OscStepSeq.h"
#include "zun/lfo/OscTools.h"

#include <algorithm>
#include <cmath>

namespace zun
{
namespace lfo
{

void OscStepSeq::set_nbr_steps(int nbr_steps) noexcept
{
    _nbr_steps = int32_t(std::clamp(nbr_steps, 1, _max_nbr_steps));
}

void OscStepSeq::set_val(int index, float value) noexcept
{
    if (index >= 0 && index < _max_nbr_steps)
    {
        _step_arr[index]._val = (value >= -1.f) ? std::min(value, 1.f) : -1.f;
    }
}

void OscStepSeq::set_curve(int index, Curve curve) noexcept
{
    if (index >= 0 && index < _max_nbr_steps)
    {
        _step_arr[index]._curve = curve;
    }
}

double OscStepSeq::map_pos(double pos, Curve curve) noexcept
{
    int nbr_smooth = 0;
    switch (curve)
    {
    case Curve_HOLD:
        return 0;
    case Curve_SMOOTH_5:
        nbr_smooth = 5;
        break;
    case Curve_SMOOTH_3:
        nbr_smooth = 3;
        break;
    case Curve_SMOOTH_1:
        nbr_smooth = 1;
        break;
    default:
        return pos;
    }
    for (int i = 0; i < nbr_smooth; ++i)
    {
        pos = smooth(pos);
    }
    return pos;
}

void OscStepSeq::do_set_sample_freq(double fs) noexcept
{
    _phase_gen.set_sample_freq(fs);
}

void OscStepSeq::do_set_period(double period) noexcept
{
    _phase_gen.set_period(period);
}

void OscStepSeq::do_set_phase(double phase) noexcept
{
    _phase_gen.set_phase(phase);
}

void OscStepSeq::do_set_chaos(double amount) noexcept
{
    _phase_gen.set_chaos(amount);
}

void OscStepSeq::do_set_phase_dist(double amount) noexcept
{
    _phase_dist.set(amount);
}

void OscStepSeq::do_set_phase_dist_offset(double offset) noexcept
{
    _phase_dist.set_offset(offset);
}

void OscStepSeq::do_set_sign(bool invert) noexcept
{
    _invert = invert;
}

void OscStepSeq::do_set_polarity(bool unipolar) noexcept
{
    _unipolar = unipolar;
}

void OscStepSeq::do_set_variation(int index, double value) noexcept
{
    (void)index;
    (void)value;
}

bool OscStepSeq::do_is_using_variation(int index) const noexcept
{
    (void)index;
    return false;
}

void OscStepSeq::do_tick(long n) noexcept
{
    _phase_gen.tick(n);
}

double OscStepSeq::do_get_val() const noexcept
{
    const double a = _phase_dist.apply(_phase_gen.get_phase());
    const double pos = _nbr_steps * a;
    // Rounding can land N * a on N itself for a just below 1.
    const int b = std::min(int(pos), _nbr_steps - 1);
    const int c = (b + 1 < _nbr_steps) ? b + 1 : 0;
    const double x = OscTools::limit(pos - b, 0, 1);
    const double v_b = double(_step_arr[b]._val);
    const double v_c = double(_step_arr[c]._val);
    const double v = v_b + (v_c - v_b) * map_pos(x, _step_arr[c]._curve);
    return OscTools::shape_output(v, _invert, _unipolar);
}

double OscStepSeq::do_get_phase() const noexcept
{
    return _phase_gen.get_phase();
}

void OscStepSeq::do_clear_buffers() noexcept
{
    _phase_gen.clear_buffers();
}

void OscStepSeq::do_correct_to_time(unsigned long t) noexcept
{
    _phase_gen.correct_to_time(t);
}

} // namespace lfo
} // namespace zun

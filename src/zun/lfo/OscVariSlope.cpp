#include "zun/lfo/OscVariSlope.h"
#include "zun/lfo/OscTools.h"

#include <algorithm>

namespace zun
{
namespace lfo
{

void OscVariSlope::do_set_sample_freq(double fs) noexcept
{
    _phase_gen.set_sample_freq(fs);
}

void OscVariSlope::do_set_period(double period) noexcept
{
    _phase_gen.set_period(period);
}

void OscVariSlope::do_set_phase(double phase) noexcept
{
    _phase_gen.set_phase(phase);
}

void OscVariSlope::do_set_chaos(double amount) noexcept
{
    _phase_gen.set_chaos(amount);
}

void OscVariSlope::do_set_phase_dist(double amount) noexcept
{
    _phase_dist.set(amount);
}

void OscVariSlope::do_set_phase_dist_offset(double offset) noexcept
{
    _phase_dist.set_offset(offset);
}

void OscVariSlope::do_set_sign(bool invert) noexcept
{
    _invert = invert;
}

void OscVariSlope::do_set_polarity(bool unipolar) noexcept
{
    _unipolar = unipolar;
}

void OscVariSlope::do_set_variation(int index, double value) noexcept
{
    if (index == 0 || index == 1)
    {
        _var[index] = OscTools::limit(value, 0, 1);
        update_slopes();
    }
}

bool OscVariSlope::do_is_using_variation(int index) const noexcept
{
    return index == 0 || index == 1;
}

void OscVariSlope::do_tick(long n) noexcept
{
    _phase_gen.tick(n);
}

double OscVariSlope::do_get_val() const noexcept
{
    const double a = _phase_dist.apply(_phase_gen.get_phase());
    const double m = _var[0];
    const double v = (a < m) ? 1 - _slope_1 * a : _slope_2 * a + _intercept_2;
    return OscTools::shape_output(v, _invert, _unipolar);
}

double OscVariSlope::do_get_phase() const noexcept
{
    return _phase_gen.get_phase();
}

void OscVariSlope::do_clear_buffers() noexcept
{
    _phase_gen.clear_buffers();
}

void OscVariSlope::do_correct_to_time(unsigned long t) noexcept
{
    _phase_gen.correct_to_time(t);
}

void OscVariSlope::update_slopes() noexcept
{
    const double m = _var[0];
    const double k = 2 * (1 - _var[1]);
    _slope_1 = k / std::max(m, 1e-9);
    _slope_2 = k / std::max(1 - m, 1e-9);
    _intercept_2 = -1 - _slope_2 * m;
}

} // namespace lfo
} // namespace zun

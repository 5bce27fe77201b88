#include "zun/lfo/OscTri.h"
#include "zun/lfo/OscTools.h"

#include <cmath>

namespace zun
{
namespace lfo
{

void OscTri::do_set_sample_freq(double fs) noexcept
{
    _phase_gen.set_sample_freq(fs);
}

void OscTri::do_set_period(double period) noexcept
{
    _phase_gen.set_period(period);
}

void OscTri::do_set_phase(double phase) noexcept
{
    _phase_gen.set_phase(phase);
}

void OscTri::do_set_chaos(double amount) noexcept
{
    _phase_gen.set_chaos(amount);
}

void OscTri::do_set_phase_dist(double amount) noexcept
{
    _phase_dist.set(amount);
}

void OscTri::do_set_phase_dist_offset(double offset) noexcept
{
    _phase_dist.set_offset(offset);
}

void OscTri::do_set_sign(bool invert) noexcept
{
    _invert = invert;
}

void OscTri::do_set_polarity(bool unipolar) noexcept
{
    _unipolar = unipolar;
}

void OscTri::do_set_variation(int index, double value) noexcept
{
    (void)index;
    (void)value;
}

bool OscTri::do_is_using_variation(int index) const noexcept
{
    (void)index;
    return false;
}

void OscTri::do_tick(long n) noexcept
{
    _phase_gen.tick(n);
}

double OscTri::do_get_val() const noexcept
{
    const double a = _phase_dist.apply(_phase_gen.get_phase());
    const double b = std::fabs(a - 0.5);
    if (_unipolar)
    {
        return _invert ? 2 * b : 1 - 2 * b;
    }
    return _invert ? 4 * b - 1 : 1 - 4 * b;
}

double OscTri::do_get_phase() const noexcept
{
    return _phase_gen.get_phase();
}

void OscTri::do_clear_buffers() noexcept
{
    _phase_gen.clear_buffers();
}

void OscTri::do_correct_to_time(unsigned long t) noexcept
{
    _phase_gen.correct_to_time(t);
}

} // namespace lfo
} // namespace zun

#include "zun/lfo/OscSine.h"
#include "zun/lfo/Approx.h"
#include "zun/lfo/OscTools.h"

namespace zun
{
namespace lfo
{

void OscSine::do_set_sample_freq(double fs) noexcept
{
    _phase_gen.set_sample_freq(fs);
}

void OscSine::do_set_period(double period) noexcept
{
    _phase_gen.set_period(period);
}

void OscSine::do_set_phase(double phase) noexcept
{
    _phase_gen.set_phase(phase);
}

void OscSine::do_set_chaos(double amount) noexcept
{
    _phase_gen.set_chaos(amount);
}

void OscSine::do_set_phase_dist(double amount) noexcept
{
    _phase_dist.set(amount);
}

void OscSine::do_set_phase_dist_offset(double offset) noexcept
{
    _phase_dist.set_offset(offset);
}

void OscSine::do_set_sign(bool invert) noexcept
{
    _invert = invert;
}

void OscSine::do_set_polarity(bool unipolar) noexcept
{
    _unipolar = unipolar;
}

void OscSine::do_set_variation(int index, double value) noexcept
{
    (void)index;
    (void)value;
}

bool OscSine::do_is_using_variation(int index) const noexcept
{
    (void)index;
    return false;
}

void OscSine::do_tick(long n) noexcept
{
    _phase_gen.tick(n);
}

double OscSine::do_get_val() const noexcept
{
    const double a = _phase_dist.apply(_phase_gen.get_phase());
    const double v = double(Approx::sin_2pi_flt(float(a)));
    return OscTools::shape_output(v, _invert, _unipolar);
}

double OscSine::do_get_phase() const noexcept
{
    return _phase_gen.get_phase();
}

void OscSine::do_clear_buffers() noexcept
{
    _phase_gen.clear_buffers();
}

void OscSine::do_correct_to_time(unsigned long t) noexcept
{
    _phase_gen.correct_to_time(t);
}

} // namespace lfo
} // namespace zun

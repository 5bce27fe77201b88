#include "zun/lfo/OscSaw.h"
#include "zun/lfo/OscTools.h"

namespace zun
{
namespace lfo
{

void OscSaw::do_set_sample_freq(double fs) noexcept
{
    _phase_gen.set_sample_freq(fs);
}

void OscSaw::do_set_period(double period) noexcept
{
    _phase_gen.set_period(period);
}

void OscSaw::do_set_phase(double phase) noexcept
{
    _phase_gen.set_phase(phase);
}

void OscSaw::do_set_chaos(double amount) noexcept
{
    _phase_gen.set_chaos(amount);
}

void OscSaw::do_set_phase_dist(double amount) noexcept
{
    _phase_dist.set(amount);
}

void OscSaw::do_set_phase_dist_offset(double offset) noexcept
{
    _phase_dist.set_offset(offset);
}

void OscSaw::do_set_sign(bool invert) noexcept
{
    _invert = invert;
}

void OscSaw::do_set_polarity(bool unipolar) noexcept
{
    _unipolar = unipolar;
}

void OscSaw::do_set_variation(int index, double value) noexcept
{
    (void)index;
    (void)value;
}

bool OscSaw::do_is_using_variation(int index) const noexcept
{
    (void)index;
    return false;
}

void OscSaw::do_tick(long n) noexcept
{
    _phase_gen.tick(n);
}

double OscSaw::do_get_val() const noexcept
{
    const double a = _phase_dist.apply(_phase_gen.get_phase());
    if (_unipolar)
    {
        return _invert ? 1 - a : a;
    }
    return _invert ? 1 - 2 * a : 2 * a - 1;
}

double OscSaw::do_get_phase() const noexcept
{
    return _phase_gen.get_phase();
}

void OscSaw::do_clear_buffers() noexcept
{
    _phase_gen.clear_buffers();
}

void OscSaw::do_correct_to_time(unsigned long t) noexcept
{
    _phase_gen.correct_to_time(t);
}

} // namespace lfo
} // namespace zun

#include "zun/lfo/OscSquare.h"
#include "zun/lfo/OscTools.h"

namespace zun
{
namespace lfo
{

void OscSquare::do_set_sample_freq(double fs) noexcept
{
    _phase_gen.set_sample_freq(fs);
}

void OscSquare::do_set_period(double period) noexcept
{
    _phase_gen.set_period(period);
}

void OscSquare::do_set_phase(double phase) noexcept
{
    _phase_gen.set_phase(phase);
}

void OscSquare::do_set_chaos(double amount) noexcept
{
    _phase_gen.set_chaos(amount);
}

void OscSquare::do_set_phase_dist(double amount) noexcept
{
    _phase_dist.set(amount);
}

void OscSquare::do_set_phase_dist_offset(double offset) noexcept
{
    _phase_dist.set_offset(offset);
}

void OscSquare::do_set_sign(bool invert) noexcept
{
    _invert = invert;
    update_time_values();
}

void OscSquare::do_set_polarity(bool unipolar) noexcept
{
    _unipolar = unipolar;
    update_time_values();
}

void OscSquare::do_set_variation(int index, double value) noexcept
{
    (void)index;
    (void)value;
}

bool OscSquare::do_is_using_variation(int index) const noexcept
{
    (void)index;
    return false;
}

void OscSquare::do_tick(long n) noexcept
{
    _phase_gen.tick(n);
}

double OscSquare::do_get_val() const noexcept
{
    const double a = _phase_dist.apply(_phase_gen.get_phase());
    return double((a < 0.5) ? _val_first : _val_second);
}

double OscSquare::do_get_phase() const noexcept
{
    return _phase_gen.get_phase();
}

void OscSquare::do_clear_buffers() noexcept
{
    _phase_gen.clear_buffers();
}

void OscSquare::do_correct_to_time(unsigned long t) noexcept
{
    _phase_gen.correct_to_time(t);
}

void OscSquare::update_time_values() noexcept
{
    const float low = _unipolar ? 0.f : -1.f;
    _val_first = _invert ? low : 1.f;
    _val_second = _invert ? 1.f : low;
}

} // namespace lfo
} // namespace zun

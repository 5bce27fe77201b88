#include "zun/lfo/OscSquare.h"
#include "zun/lfo/OscTools.h"

namespace zun
{
namespace lfo
{

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

double OscSquare::do_get_val() const noexcept
{
    const double a = get_dist_phase();
    return double((a < 0.5) ? _val_first : _val_second);
}

void OscSquare::update_time_values() noexcept
{
    const float low = _unipolar ? 0.f : -1.f;
    _val_first = _invert ? low : 1.f;
    _val_second = _invert ? 1.f : low;
}

} // namespace lfo
} // namespace zun

#include "zun/lfo/OscVariSlope.h"
#include "zun/lfo/OscTools.h"

#include <algorithm>

namespace zun
{
namespace lfo
{

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

double OscVariSlope::do_get_val() const noexcept
{
    const double a = get_dist_phase();
    const double m = _var[0];
    const double v = (a < m) ? 1 - _slope_1 * a : _slope_2 * a + _intercept_2;
    return OscTools::shape_output(v, _invert, _unipolar);
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

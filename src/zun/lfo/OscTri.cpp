#include "zun/lfo/OscTri.h"
#include "zun/lfo/OscTools.h"

#include <cmath>

namespace zun
{
namespace lfo
{

double OscTri::do_get_val() const noexcept
{
    const double a = get_dist_phase();
    const double b = std::fabs(a - 0.5);
    if (_unipolar)
    {
        return _invert ? 2 * b : 1 - 2 * b;
    }
    return _invert ? 4 * b - 1 : 1 - 4 * b;
}

} // namespace lfo
} // namespace zun

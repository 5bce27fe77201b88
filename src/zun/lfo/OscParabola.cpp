#include "zun/lfo/OscParabola.h"
#include "zun/lfo/OscTools.h"

namespace zun
{
namespace lfo
{

double OscParabola::do_get_val() const noexcept
{
    const double a = get_dist_phase();
    const float b = float(2 * a - 1);
    const double v = double(1.f - 2.f * b * b);
    return OscTools::shape_output(v, _invert, _unipolar);
}

} // namespace lfo
} // namespace zun

#include "zun/lfo/OscSine.h"
#include "zun/lfo/Approx.h"
#include "zun/lfo/OscTools.h"

namespace zun
{
namespace lfo
{

double OscSine::do_get_val() const noexcept
{
    const double a = get_dist_phase();
    const double v = double(Approx::sin_2pi_flt(float(a)));
    return OscTools::shape_output(v, _invert, _unipolar);
}

} // namespace lfo
} // namespace zun

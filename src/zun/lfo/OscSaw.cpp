#include "zun/lfo/OscSaw.h"
#include "zun/lfo/OscTools.h"

namespace zun
{
namespace lfo
{

double OscSaw::do_get_val() const noexcept
{
    const double a = get_dist_phase();
    if (_unipolar)
    {
        return _invert ? 1 - a : a;
    }
    return _invert ? 1 - 2 * a : 2 * a - 1;
}

} // namespace lfo
} // namespace zun

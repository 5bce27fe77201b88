#include "zun/param/MapPseudoExp.h"

#include <cmath>

namespace zun
{
namespace param
{

double MapPseudoExp::conv_norm_to_nat(double norm) const
{
    const double x = 2 * norm - 1;
    return SCALE * x * x * x;
}

double MapPseudoExp::conv_nat_to_norm(double nat) const
{
    if (nat == 0)
        return 0.5;
    const float c = float(std::exp(std::log(std::fabs(nat) / SCALE) / 3));
    if (nat > 0)
        return (1 + double(c)) / 2;
    if (nat < 0)
        return (1 - double(c)) / 2;
    return nat; // NaN
}

} // namespace param
} // namespace zun

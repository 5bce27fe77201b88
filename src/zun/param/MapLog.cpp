#include "zun/param/MapLog.h"

#include <cmath>

namespace zun
{
namespace param
{

void MapLog::config(double val_min, double val_max)
{
    if (!(val_min > 0) || !(val_max > 0))
        return;
    _b = std::log(val_min);
    _a = std::log(val_max) - _b;
    // A single-point range maps everything to normalised 0.
    _inv_a = (_a != 0) ? 1 / _a : 0;
}

double MapLog::conv_norm_to_nat(double norm) const
{
    return std::exp(norm * _a + _b);
}

double MapLog::conv_nat_to_norm(double nat) const
{
    return (std::log(nat) - _b) * _inv_a;
}

} // namespace param
} // namespace zun

#include "dsp/plugin_common.h"

#include <cmath>

const ParameterDetails* ParameterDetailsLookup::getDetails(int id) const
{
    const auto it = _details.find(id);
    return it == _details.end() ? nullptr : &it->second;
}

double WavePath::getValueAt(double x) const
{
    if (x < curve_min)
        return 0.0;
    if (x > curve_max)
        return 1.0;
    if (type < 0 || type >= Type_NBR_ELT)
        return 0.0;
    const double lo = curve_min;
    const double span = double(curve_max) - lo;
    if (!(span > 0.0))
        return 1.0;
    const double t = (x - lo) / span;
    switch (int(type))
    {
    case Type_LINEAR:
        return t;
    case Type_SQUARE:
        return t * std::fabs(t);
    case Type_CUBIC:
        return t * t * t;
    default:
        break;
    }
    const float u = float(1.0 - std::fabs(t));
    const float r = (int(type) == Type_SQUARE_INV) ? 1.0f - u * u : 1.0f - u * u * u;
    return double(std::copysign(r, float(t)));
}

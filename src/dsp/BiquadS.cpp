#include "dsp/BiquadS.h"

#include <cmath>

namespace dsp
{

void BiquadS::transform_s_to_z()
{
    double ratio = double(_freq) / double(_sample_freq);
    if (!(ratio >= MIN_FREQ_RATIO)) // also catches NaN
    {
        ratio = MIN_FREQ_RATIO;
    }
    else if (ratio > MAX_FREQ_RATIO)
    {
        ratio = MAX_FREQ_RATIO;
    }

    const double pi = 3.141592653589793;
    const double k = 1.0 / std::tan(pi * ratio);
    const double kk = k * k;
    const double b0s = _s_eq_b[0];
    const double b1s = _s_eq_b[1];
    const double b2s = _s_eq_b[2];
    const double a0s = _s_eq_a[0];
    const double a1s = _s_eq_a[1];
    const double a2s = _s_eq_a[2];
    const double l = 1.0 / (a1s * k + a2s * kk + a0s);

    const float b0 = float((b1s * k + b2s * kk + b0s) * l);
    const float b1 = float(2 * (b0s - b2s * kk) * l);
    const float b2 = float((b2s * kk + b0s - b1s * k) * l);
    const float a1 = float(2 * (a0s - a2s * kk) * l);
    const float a2 = float((a2s * kk + a0s - a1s * k) * l);
    if (std::isfinite(b0) && std::isfinite(b1) && std::isfinite(b2) && std::isfinite(a1) && std::isfinite(a2))
    {
        set_z_eq(b0, b1, b2, a1, a2);
    }
}

void BiquadS::copy_s_eq(const BiquadS& other)
{
    copy_z_eq(other);
    for (int k = 0; k < 3; ++k)
    {
        _s_eq_b[k] = other._s_eq_b[k];
        _s_eq_a[k] = other._s_eq_a[k];
    }
    _sample_freq = other._sample_freq;
    _freq = other._freq;
}

void BiquadS::set_s_eq(float b0, float b1, float b2, float a0, float a1, float a2)
{
    _s_eq_b[0] = b0;
    _s_eq_b[1] = b1;
    _s_eq_b[2] = b2;
    _s_eq_a[0] = a0;
    _s_eq_a[1] = a1;
    _s_eq_a[2] = a2;
}

} // namespace dsp

#pragma once

namespace zun
{
namespace dsp
{

template <int XMIN, int XMAX, class F>
void InterpFncFiniteAsym<XMIN, XMAX, F>::init_coef()
{
    // The local static's guarded initialisation makes concurrent first calls wait for one build.
    static const bool done = (build(), true);
    (void)done;
}

template <int XMIN, int XMAX, class F>
float InterpFncFiniteAsym<XMIN, XMAX, F>::process_sample(float x)
{
    const float t = x - float(XMIN);
    // Written so that NaN takes the first branch: a non-finite index must never be converted.
    if (!(t >= 0))
    {
        return _val_min;
    }
    if (t >= float(NBR_SEG))
    {
        return _val_max;
    }
    const float* c = _coef[int(t)];
    return ((c[3] * x + c[2]) * x + c[1]) * x + c[0];
}

template <int XMIN, int XMAX, class F>
void InterpFncFiniteAsym<XMIN, XMAX, F>::process_block(float* dst, const float* src, long nbr_spl, float gain)
{
    for (long pos = 0; pos < nbr_spl; ++pos)
    {
        dst[pos] = process_sample(src[pos] * gain);
    }
}

template <int XMIN, int XMAX, class F>
void InterpFncFiniteAsym<XMIN, XMAX, F>::build()
{
    const F fnc{};
    constexpr double h = 1.0 / 2048;
    double y[NBR_SEG + 1];
    double d[NBR_SEG + 1];
    for (int k = 0; k <= NBR_SEG; ++k)
    {
        const double x = double(k + XMIN);
        y[k] = fnc(x);
        d[k] = (fnc(x + h) - fnc(x - h)) / (2 * h);
    }
    for (int k = 0; k < NBR_SEG; ++k)
    {
        const double delta = y[k + 1] - y[k];
        const double a2 = 3 * delta - 2 * d[k] - d[k + 1];
        const double a3 = d[k] + d[k + 1] - 2 * delta;
        const double u = double(k + XMIN);
        _coef[k][3] = float(a3);
        _coef[k][2] = float(a2 - 3 * a3 * u);
        _coef[k][1] = float(d[k] - 2 * a2 * u + 3 * a3 * u * u);
        _coef[k][0] = float(y[k] - d[k] * u + a2 * u * u - a3 * u * u * u);
    }
    _val_min = float(y[0]);
    _val_max = float(y[NBR_SEG]);
    _built_flag = true;
}

} // namespace dsp
} // namespace zun

#include "dsp/adsr/EnvFollowerPeak.h"

#include <algorithm>

namespace dsp
{

void EnvFollowerPeak::process_block(float* dst, const float* src, long n) noexcept
{
    n = std::max(n, 1L);
    for (long i = 0; i < n; ++i)
    {
        _core.step(EnvFollowerCore::MeasAbs::conv(src[i]));
        dst[i] = _core.get_env();
    }
    _core.clear_denormal();
}

float EnvFollowerPeak::analyse_block(const float* src, long n) noexcept
{
    n = std::max(n, 1L);
    _core.run<EnvFollowerCore::MeasAbs>(src, n - 1);
    _core.clear_denormal();
    _core.step(EnvFollowerCore::MeasAbs::conv(src[n - 1]));
    return _core.get_env();
}

void EnvFollowerPeak::constant_block(float x, long n) noexcept
{
    n = std::max(n, 1L);
    const float m = EnvFollowerCore::MeasAbs::conv(x);
    for (long i = 0; i < n; ++i)
    {
        _core.step(m);
    }
    _core.clear_denormal();
}

} // namespace dsp

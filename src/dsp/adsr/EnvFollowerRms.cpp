#include "dsp/adsr/EnvFollowerRms.h"

#include <algorithm>

namespace dsp
{

void EnvFollowerRms::process_block(float* dst, const float* src, long n) noexcept
{
    n = std::max(n, 1L);
    for (long i = 0; i < n; ++i)
    {
        _core.step(EnvFollowerCore::MeasSqr::conv(src[i]));
        dst[i] = std::sqrt(_core.get_env());
    }
    _core.clear_denormal();
}

float EnvFollowerRms::analyse_block(const float* src, long n) noexcept
{
    return std::sqrt(analyse_block_no_sqrt(src, n));
}

void EnvFollowerRms::constant_block(float x, long n) noexcept
{
    n = std::max(n, 1L);
    const float m = EnvFollowerCore::MeasSqr::conv(x);
    for (long i = 0; i < n; ++i)
    {
        _core.step(m);
    }
    _core.clear_denormal();
}

void EnvFollowerRms::process_block_no_sqrt(float* dst, const float* src, long n) noexcept
{
    n = std::max(n, 1L);
    for (long i = 0; i < n; ++i)
    {
        _core.step(EnvFollowerCore::MeasSqr::conv(src[i]));
        dst[i] = _core.get_env();
    }
    _core.clear_denormal();
}

float EnvFollowerRms::analyse_block_no_sqrt(const float* src, long n) noexcept
{
    n = std::max(n, 1L);
    _core.run<EnvFollowerCore::MeasSqr>(src, n - 1);
    _core.clear_denormal();
    _core.step(EnvFollowerCore::MeasSqr::conv(src[n - 1]));
    return _core.get_env();
}

} // namespace dsp

#include "zun/dsp/BasicMixingSse.h"

#include "zun/dsp/BasicMixingFpu.h"

#include <cassert>
#include <cstdint>

#if defined(__SSE__) || defined(__x86_64__)
#include <xmmintrin.h>
#define ZUN_DSP_MIX_SSE 1
#endif

namespace zun
{
namespace dsp
{

#if defined(ZUN_DSP_MIX_SSE)

namespace
{

inline bool is_aligned(const void* ptr)
{
    return (reinterpret_cast<uintptr_t>(ptr) & 15) == 0;
}

inline void copy_vec(float* dst, const float* src, long nbr_vec_spl, float vol)
{
    if (vol == 0)
    {
        const __m128 zero = _mm_setzero_ps();
        for (long pos = 0; pos < nbr_vec_spl; pos += 4)
        {
            _mm_store_ps(dst + pos, zero);
        }
    }
    else if (vol == 1)
    {
        if (dst != src)
        {
            for (long pos = 0; pos < nbr_vec_spl; pos += 4)
            {
                _mm_store_ps(dst + pos, _mm_load_ps(src + pos));
            }
        }
    }
    else
    {
        const __m128 v = _mm_set1_ps(vol);
        for (long pos = 0; pos < nbr_vec_spl; pos += 4)
        {
            _mm_store_ps(dst + pos, _mm_mul_ps(_mm_load_ps(src + pos), v));
        }
    }
}

} // namespace

bool BasicMixingSse::is_available()
{
    return true;
}

void BasicMixingSse::copy_1_1_v(float* dst, const float* src, long nbr_spl, float vol)
{
    assert(is_aligned(dst) && is_aligned(src));
    const long nbr_vec_spl = nbr_spl & ~3L;
    copy_vec(dst, src, nbr_vec_spl, vol);
    BasicMixingFpu::copy_1_1_v(dst + nbr_vec_spl, src + nbr_vec_spl, nbr_spl - nbr_vec_spl, vol);
}

void BasicMixingSse::copy_2_2_v(float* dst_1, float* dst_2, const float* src_1, const float* src_2,
                                long nbr_spl, float vol)
{
    copy_1_1_v(dst_1, src_1, nbr_spl, vol);
    copy_1_1_v(dst_2, src_2, nbr_spl, vol);
}

void BasicMixingSse::scale_2_v(float* data_1, float* data_2, long nbr_spl, float vol)
{
    if (vol != 1)
    {
        copy_1_1_v(data_1, data_1, nbr_spl, vol);
        copy_1_1_v(data_2, data_2, nbr_spl, vol);
    }
}

#else // no SSE in this build: the scalar routines stand in, and set-up never picks them

bool BasicMixingSse::is_available()
{
    return false;
}

void BasicMixingSse::copy_1_1_v(float* dst, const float* src, long nbr_spl, float vol)
{
    BasicMixingFpu::copy_1_1_v(dst, src, nbr_spl, vol);
}

void BasicMixingSse::copy_2_2_v(float* dst_1, float* dst_2, const float* src_1, const float* src_2,
                                long nbr_spl, float vol)
{
    BasicMixingFpu::copy_2_2_v(dst_1, dst_2, src_1, src_2, nbr_spl, vol);
}

void BasicMixingSse::scale_2_v(float* data_1, float* data_2, long nbr_spl, float vol)
{
    BasicMixingFpu::scale_2_v(data_1, data_2, nbr_spl, vol);
}

#endif

} // namespace dsp
} // namespace zun

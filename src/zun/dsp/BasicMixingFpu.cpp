#include "zun/dsp/BasicMixingFpu.h"

namespace zun
{
namespace dsp
{

void BasicMixingFpu::copy_1_1_v(float* dst, const float* src, long nbr_spl, float vol)
{
    if (vol == 0)
    {
        for (long pos = 0; pos < nbr_spl; ++pos)
        {
            dst[pos] = 0;
        }
    }
    else if (vol == 1)
    {
        if (dst != src)
        {
            for (long pos = 0; pos < nbr_spl; ++pos)
            {
                dst[pos] = src[pos];
            }
        }
    }
    else
    {
        for (long pos = 0; pos < nbr_spl; ++pos)
        {
            dst[pos] = src[pos] * vol;
        }
    }
}

void BasicMixingFpu::copy_2_2_v(float* dst_1, float* dst_2, const float* src_1, const float* src_2,
                                long nbr_spl, float vol)
{
    copy_1_1_v(dst_1, src_1, nbr_spl, vol);
    copy_1_1_v(dst_2, src_2, nbr_spl, vol);
}

void BasicMixingFpu::scale_2_v(float* data_1, float* data_2, long nbr_spl, float vol)
{
    if (vol != 1)
    {
        copy_1_1_v(data_1, data_1, nbr_spl, vol);
        copy_1_1_v(data_2, data_2, nbr_spl, vol);
    }
}

} // namespace dsp
} // namespace zun

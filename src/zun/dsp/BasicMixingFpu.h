#pragma once

namespace zun
{
namespace dsp
{

// Scalar mixing routines: buffers of any alignment. A gain of exactly 0 writes zeros, whatever
// the input (non-finite samples included); exactly 1 copies, or leaves a scaled buffer alone.
class BasicMixingFpu
{
public:
    static void copy_1_1_v(float* dst, const float* src, long nbr_spl, float vol);
    static void copy_2_2_v(float* dst_1, float* dst_2, const float* src_1, const float* src_2, long nbr_spl,
                           float vol);
    static void scale_2_v(float* data_1, float* data_2, long nbr_spl, float vol);
};

} // namespace dsp
} // namespace zun

#pragma once

namespace zun
{
namespace dsp
{

// The routines of BasicMixingFpu, four samples at a time. Every buffer must start on a 16-byte
// boundary; any length is fine. Only usable where CpuId reports SSE.
class BasicMixingSse
{
public:
    // False when this build has no SSE code (another architecture).
    static bool is_available();

    static void copy_1_1_v(float* dst, const float* src, long nbr_spl, float vol);
    static void copy_2_2_v(float* dst_1, float* dst_2, const float* src_1, const float* src_2, long nbr_spl,
                           float vol);
    static void scale_2_v(float* data_1, float* data_2, long nbr_spl, float vol);
};

} // namespace dsp
} // namespace zun

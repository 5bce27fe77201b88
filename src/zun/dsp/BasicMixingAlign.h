#pragma once

#include "zun/dsp/BasicMixing.h"

#include <atomic>

namespace zun
{
namespace dsp
{

// The routines of BasicMixing for buffers that all start on a 16-byte boundary: vectorised
// when the processor has SSE, the scalar ones otherwise. Same results either way.
class BasicMixingAlign
{
public:
    typedef BasicMixing::Table Table;

    // Filled on the first call, safely from concurrent threads; read-only afterwards.
    static const BasicMixingAlign& use_instance();
    static void setup() { use_instance(); }
    static bool is_ready() { return _state.load(std::memory_order_acquire) == 1; }

    const Table& use_table() const { return _table; }

    // dst[i] = src[i] * vol
    static void copy_1_1_v(float* dst, const float* src, long nbr_spl, float vol)
    {
        use_instance()._table._copy_1_1_v(dst, src, nbr_spl, vol);
    }
    static void copy_2_2_v(float* dst_1, float* dst_2, const float* src_1, const float* src_2, long nbr_spl,
                           float vol)
    {
        use_instance()._table._copy_2_2_v(dst_1, dst_2, src_1, src_2, nbr_spl, vol);
    }
    // data[i] *= vol
    static void scale_2_v(float* data_1, float* data_2, long nbr_spl, float vol)
    {
        use_instance()._table._scale_2_v(data_1, data_2, nbr_spl, vol);
    }

private:
    BasicMixingAlign();
    void setup_internal();

    Table _table;
    static std::atomic<int> _state;
};

} // namespace dsp
} // namespace zun

#pragma once

#include <cstdint>

namespace zun
{
namespace archi
{

class CpuId;

namespace x86
{

// The cpuid instruction and the decoding of its answers into a CpuId.
class CpuIdx86
{
public:
    struct Regs
    {
        uint32_t _eax = 0;
        uint32_t _ebx = 0;
        uint32_t _ecx = 0;
        uint32_t _edx = 0;
    };

    // False when the leaf is beyond what the processor reports, or on another architecture;
    // the registers are then zero.
    static bool call(Regs& regs, uint32_t leaf);

    // leaf_1: basic leaf 1; ext_1 and ext_7: leaves 0x80000001 and 0x80000007, all zero when
    // not available.
    static void decode(CpuId& info, const Regs& leaf_1, const Regs& ext_1, const Regs& ext_7);

    static void read(CpuId& info);
};

} // namespace x86
} // namespace archi
} // namespace zun

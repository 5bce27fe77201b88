#include "zun/archi/CpuId.h"
#include "zun/archi/x86/CpuIdx86.h"

#include <gtest/gtest.h>

using zun::archi::CpuId;
using zun::archi::x86::CpuIdx86;

namespace
{

CpuIdx86::Regs regs(uint32_t eax, uint32_t ecx, uint32_t edx)
{
    CpuIdx86::Regs r;
    r._eax = eax;
    r._ecx = ecx;
    r._edx = edx;
    return r;
}

} // namespace

TEST(CpuId, DecodesSignatureAndFlags)
{
    struct Case
    {
        uint32_t sig;
        int family;
        int model;
        int stepping;
    };
    // Extended model counts for families 6 and 15 only; extended family for 15 only.
    const Case cases[] = {
        {0x000806F8, 6, 0x8F, 8},    // family 6 with an extended model
        {0x00A20F10, 0x19, 0x21, 0}, // family 15 + 10
        {0x00000F29, 15, 2, 9},
        {0x00050543, 5, 4, 3}, // extended model ignored below family 6
    };
    for (const auto& c : cases)
    {
        CpuId info;
        CpuIdx86::decode(info, regs(c.sig, 0, 0), CpuIdx86::Regs(), CpuIdx86::Regs());
        EXPECT_EQ(info.get_family(), c.family) << std::hex << c.sig;
        EXPECT_EQ(info.get_model(), c.model) << std::hex << c.sig;
        EXPECT_EQ(info.get_stepping(), c.stepping) << std::hex << c.sig;
    }

    CpuId info;
    CpuIdx86::decode(info, regs(0x00A20F10, 1u << 13, (1u << 23) | (1u << 26)), regs(0, 0, 1u << 31),
                     CpuIdx86::Regs());
    EXPECT_TRUE(info.has_mmx());
    EXPECT_FALSE(info.has_sse());
    EXPECT_TRUE(info.has_sse2());
    EXPECT_FALSE(info.has_sse3());
    EXPECT_TRUE(info.has_cmpxchg16b());
    EXPECT_TRUE(info.has_3dnow());
    // Family 0x19 must report the invariant counter itself.
    EXPECT_FALSE(info.has_invariant_tsc());
    CpuIdx86::decode(info, regs(0x00A20F10, 1, 1u << 25), CpuIdx86::Regs(), regs(0, 0, 1u << 8));
    EXPECT_TRUE(info.has_sse());
    EXPECT_TRUE(info.has_sse3());
    EXPECT_FALSE(info.has_mmx());
    EXPECT_TRUE(info.has_invariant_tsc());
    // Up to family 14 it is assumed.
    CpuIdx86::decode(info, regs(0x000806F8, 0, 0), CpuIdx86::Regs(), CpuIdx86::Regs());
    EXPECT_TRUE(info.has_invariant_tsc());
}

#if defined(__x86_64__) || defined(__i386__)
TEST(CpuId, AgreesWithTheCompilersView)
{
    const auto& cpu = CpuId::use_instance();
    EXPECT_EQ(&cpu, &CpuId::use_instance());
    EXPECT_EQ(cpu.has_mmx(), __builtin_cpu_supports("mmx") != 0);
    EXPECT_EQ(cpu.has_sse(), __builtin_cpu_supports("sse") != 0);
    EXPECT_EQ(cpu.has_sse2(), __builtin_cpu_supports("sse2") != 0);
    EXPECT_EQ(cpu.has_sse3(), __builtin_cpu_supports("sse3") != 0);
    EXPECT_GT(cpu.get_family(), 0);
}
#endif

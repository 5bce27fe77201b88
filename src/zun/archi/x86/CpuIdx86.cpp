#include "zun/archi/x86/CpuIdx86.h"

#include "zun/archi/CpuId.h"

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#define ZUN_ARCHI_X86 1
#endif

namespace zun
{
namespace archi
{
namespace x86
{

bool CpuIdx86::call(Regs& regs, uint32_t leaf)
{
    regs = Regs();
#if defined(ZUN_ARCHI_X86)
    unsigned int a = 0;
    unsigned int b = 0;
    unsigned int c = 0;
    unsigned int d = 0;
    // Checks the highest leaf of the basic or the extended range first.
    if (__get_cpuid(leaf, &a, &b, &c, &d) == 0)
    {
        return false;
    }
    regs._eax = a;
    regs._ebx = b;
    regs._ecx = c;
    regs._edx = d;
    return true;
#else
    (void)leaf;
    return false;
#endif
}

void CpuIdx86::decode(CpuId& info, const Regs& leaf_1, const Regs& ext_1, const Regs& ext_7)
{
    const uint32_t sig = leaf_1._eax;
    const int base_family = int((sig >> 8) & 0x0F);
    const int base_model = int((sig >> 4) & 0x0F);
    info._stepping = int(sig & 0x0F);
    info._family = base_family;
    if (base_family == 0x0F)
    {
        info._family += int((sig >> 20) & 0xFF);
    }
    info._model = base_model;
    if (base_family == 0x06 || base_family == 0x0F)
    {
        info._model += int((sig >> 16) & 0x0F) << 4;
    }

    info._mmx_flag = ((leaf_1._edx >> 23) & 1) != 0;
    info._sse_flag = ((leaf_1._edx >> 25) & 1) != 0;
    info._sse2_flag = ((leaf_1._edx >> 26) & 1) != 0;
    info._sse3_flag = ((leaf_1._ecx >> 0) & 1) != 0;
    info._cx16_flag = ((leaf_1._ecx >> 13) & 1) != 0;
    info._3dnow_flag = ((ext_1._edx >> 31) & 1) != 0;
    // Older families do not report the flag; their counter is taken as invariant.
    info._inv_tsc_flag = (info._family <= 14) || ((ext_7._edx >> 8) & 1) != 0;
}

void CpuIdx86::read(CpuId& info)
{
    Regs leaf_1;
    Regs ext_1;
    Regs ext_7;
    if (!call(leaf_1, 1))
    {
        return; // no cpuid: nothing to report
    }
    call(ext_1, 0x80000001u);
    call(ext_7, 0x80000007u);
    decode(info, leaf_1, ext_1, ext_7);
}

} // namespace x86
} // namespace archi
} // namespace zun

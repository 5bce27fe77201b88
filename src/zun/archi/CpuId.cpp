#include "zun/archi/CpuId.h"

#include "zun/archi/x86/CpuIdx86.h"

namespace zun
{
namespace archi
{

CpuId::CpuId()
{
    x86::CpuIdx86::read(*this);
}

const CpuId& CpuId::use_instance()
{
    static const CpuId instance;
    return instance;
}

} // namespace archi
} // namespace zun

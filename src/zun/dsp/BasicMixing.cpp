#include "zun/dsp/BasicMixing.h"

#include "zun/dsp/BasicMixingFpu.h"
#include "zun/odbg/LogMgr.h"

namespace zun
{
namespace dsp
{

std::atomic<int> BasicMixing::_state(0);

BasicMixing::BasicMixing()
{
    setup_internal();
}

const BasicMixing& BasicMixing::use_instance()
{
    // Function-local static: its construction is the guarded one-time set-up.
    static const BasicMixing instance;
    return instance;
}

void BasicMixing::setup_internal()
{
    auto& log = odbg::LogMgr::use_instance();
    _table._copy_1_1_v = &BasicMixingFpu::copy_1_1_v;
    _table._copy_2_2_v = &BasicMixingFpu::copy_2_2_v;
    _table._scale_2_v = &BasicMixingFpu::scale_2_v;
    log.print(odbg::LogMgr::Level_INFO, "setup_internal(): Using classic FPU instruction set.");
    _state.store(1, std::memory_order_release);
    log.print(odbg::LogMgr::Level_INFO, "setup_internal(): Mixing routines ready to use.");
}

} // namespace dsp
} // namespace zun

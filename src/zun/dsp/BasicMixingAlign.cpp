#include "zun/dsp/BasicMixingAlign.h"

#include "zun/archi/CpuId.h"
#include "zun/dsp/BasicMixingSse.h"
#include "zun/odbg/LogMgr.h"

namespace zun
{
namespace dsp
{

std::atomic<int> BasicMixingAlign::_state(0);

BasicMixingAlign::BasicMixingAlign()
{
    setup_internal();
}

const BasicMixingAlign& BasicMixingAlign::use_instance()
{
    static const BasicMixingAlign instance;
    return instance;
}

void BasicMixingAlign::setup_internal()
{
    auto& log = odbg::LogMgr::use_instance();
    _table = BasicMixing::use_instance().use_table();
    if (archi::CpuId::use_instance().has_sse() && BasicMixingSse::is_available())
    {
        _table._copy_1_1_v = &BasicMixingSse::copy_1_1_v;
        _table._copy_2_2_v = &BasicMixingSse::copy_2_2_v;
        _table._scale_2_v = &BasicMixingSse::scale_2_v;
        log.print(odbg::LogMgr::Level_INFO, "setup_internal(): Using SSE instruction set for aligned data.");
    }
    else
    {
        log.print(odbg::LogMgr::Level_INFO,
                  "setup_internal(): Using default instruction set for aligned data.");
    }
    _state.store(1, std::memory_order_release);
    log.print(odbg::LogMgr::Level_INFO, "setup_internal(): Mixing routines ready to use for aligned data.");
}

} // namespace dsp
} // namespace zun

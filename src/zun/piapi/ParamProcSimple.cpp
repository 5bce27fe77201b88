#include "zun/piapi/ParamProcSimple.h"

namespace zun
{
namespace piapi
{

void ParamProcSimple::handle_msg(const PluginInterface::ProcInfo& proc)
{
    _steady = _pending_steady;
    _full_reset = _pending_full_reset;
    _pending_steady = false;
    _pending_full_reset = false;

    if (proc.evt_arr != nullptr)
    {
        for (int i = 0; i < proc.nbr_evt; ++i)
        {
            const EventTs* evt = proc.evt_arr[i];
            if (evt == nullptr)
            {
                continue;
            }
            if (evt->type == EventType_PROC)
            {
                _steady |= evt->steady;
                _full_reset |= evt->full_reset;
            }
            else if (evt->type == EventType_PARAM)
            {
                _set.set_val(evt->index, evt->val);
            }
        }
    }

    if (_steady)
    {
        _set.set_steady_state();
    }
}

} // namespace piapi
} // namespace zun

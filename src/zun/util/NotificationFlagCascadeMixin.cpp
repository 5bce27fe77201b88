#include "zun/util/NotificationFlagCascadeMixin.h"

namespace zun
{
namespace util
{

void NotificationFlagCascadeMixin::do_update(ObservableInterface&)
{
    do_set();
}

bool NotificationFlagCascadeMixin::do_get_state() const
{
    return _state;
}

void NotificationFlagCascadeMixin::do_reset()
{
    _state = false;
}

void NotificationFlagCascadeMixin::do_set()
{
    _state = true;
    notify_observers();
}

} // namespace util
} // namespace zun

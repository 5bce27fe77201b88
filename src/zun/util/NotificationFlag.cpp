#include "zun/util/NotificationFlag.h"

namespace zun
{
namespace util
{

void NotificationFlag::do_update(ObservableInterface&)
{
    _state = true;
}

bool NotificationFlag::do_get_state() const
{
    return _state;
}

void NotificationFlag::do_reset()
{
    _state = false;
}

void NotificationFlag::do_set()
{
    _state = true;
}

} // namespace util
} // namespace zun

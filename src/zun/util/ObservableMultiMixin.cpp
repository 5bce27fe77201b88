#include "zun/util/ObservableMultiMixin.h"

#include "zun/util/ObserverInterface.h"

#include <algorithm>

namespace zun
{
namespace util
{

void ObservableMultiMixin::do_add_observer(ObserverInterface& observer)
{
    if (std::find(_observer_arr.begin(), _observer_arr.end(), &observer) == _observer_arr.end())
    {
        _observer_arr.push_back(&observer);
    }
}

void ObservableMultiMixin::do_remove_observer(ObserverInterface& observer)
{
    const auto it = std::find(_observer_arr.begin(), _observer_arr.end(), &observer);
    if (it != _observer_arr.end())
    {
        _observer_arr.erase(it);
    }
}

void ObservableMultiMixin::do_notify_observers()
{
    // Indexed: an observer that removes itself while notified must not invalidate the walk.
    for (size_t i = 0; i < _observer_arr.size(); ++i)
    {
        _observer_arr[i]->update(*this);
    }
}

} // namespace util
} // namespace zun

#include "zun/util/ObservableSingleMixin.h"

#include "zun/util/ObserverInterface.h"

namespace zun
{
namespace util
{

void ObservableSingleMixin::do_add_observer(ObserverInterface& observer)
{
    _observer = &observer;
}

void ObservableSingleMixin::do_remove_observer(ObserverInterface& observer)
{
    if (_observer == &observer)
    {
        _observer = nullptr;
    }
}

void ObservableSingleMixin::do_notify_observers()
{
    if (_observer != nullptr)
    {
        _observer->update(*this);
    }
}

} // namespace util
} // namespace zun

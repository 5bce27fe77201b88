#pragma once

#include "zun/util/ObservableInterface.h"

#include <cstddef>
#include <vector>

namespace zun
{
namespace util
{

// Observers without duplicates, in registration order. The list grows only while observers
// are added, which the owners do during set-up.
class ObservableMultiMixin : public virtual ObservableInterface
{
public:
    int get_nbr_observers() const { return int(_observer_arr.size()); }
    ObserverInterface& use_observer(int pos) const { return *_observer_arr[size_t(pos)]; }

protected:
    void do_add_observer(ObserverInterface& observer) override;
    void do_remove_observer(ObserverInterface& observer) override;
    void do_notify_observers() override;

private:
    std::vector<ObserverInterface*> _observer_arr;
};

} // namespace util
} // namespace zun

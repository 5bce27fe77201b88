#pragma once

#include "zun/util/ObservableInterface.h"

namespace zun
{
namespace util
{

// Holds at most one observer; adding another replaces it.
class ObservableSingleMixin : public virtual ObservableInterface
{
public:
    ObserverInterface* get_observer() const { return _observer; }

protected:
    void do_add_observer(ObserverInterface& observer) override;
    void do_remove_observer(ObserverInterface& observer) override;
    void do_notify_observers() override;

private:
    ObserverInterface* _observer = nullptr;
};

} // namespace util
} // namespace zun

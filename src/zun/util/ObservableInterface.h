#pragma once

namespace zun
{
namespace util
{

class ObserverInterface;

// Observers are not owned and must outlive their registration. Registration happens during
// set-up only; notifying never allocates.
class ObservableInterface
{
public:
    ObservableInterface() = default;
    ObservableInterface(const ObservableInterface&) = default;
    ObservableInterface& operator=(const ObservableInterface&) = default;
    virtual ~ObservableInterface() = default;

    void add_observer(ObserverInterface& observer) { do_add_observer(observer); }
    void remove_observer(ObserverInterface& observer) { do_remove_observer(observer); }
    // Calls update(*this) on every observer, synchronously, in registration order.
    void notify_observers() { do_notify_observers(); }

protected:
    virtual void do_add_observer(ObserverInterface& observer) = 0;
    virtual void do_remove_observer(ObserverInterface& observer) = 0;
    virtual void do_notify_observers() = 0;
};

} // namespace util
} // namespace zun

#pragma once

#include "zun/util/NotificationFlagInterface.h"
#include "zun/util/ObservableInterface.h"

namespace zun
{
namespace util
{

// A flag that observes parameter states and is itself observed (typically by a master flag):
// raising it passes the notification on.
class NotificationFlagCascadeMixin : public NotificationFlagInterface, public virtual ObservableInterface
{
protected:
    void do_update(ObservableInterface& subject) override;
    bool do_get_state() const override;
    void do_reset() override;
    void do_set() override;

private:
    bool _state = false;
};

} // namespace util
} // namespace zun

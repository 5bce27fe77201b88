#pragma once

#include "zun/util/NotificationFlagInterface.h"

namespace zun
{
namespace util
{

class NotificationFlag : public NotificationFlagInterface
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

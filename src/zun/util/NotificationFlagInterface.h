#pragma once

#include "zun/util/ObserverInterface.h"

namespace zun
{
namespace util
{

// A flag that an update raises and its owner lowers after acting on it.
class NotificationFlagInterface : public ObserverInterface
{
public:
    bool get_state() const { return do_get_state(); }
    void reset() { do_reset(); }
    void set() { do_set(); }

protected:
    virtual bool do_get_state() const = 0;
    virtual void do_reset() = 0;
    virtual void do_set() = 0;
};

} // namespace util
} // namespace zun

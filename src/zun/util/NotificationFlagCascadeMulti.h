#pragma once

#include "zun/util/NotificationFlagCascadeMixin.h"
#include "zun/util/ObservableMultiMixin.h"

namespace zun
{
namespace util
{

class NotificationFlagCascadeMulti : public NotificationFlagCascadeMixin, public ObservableMultiMixin
{
};

} // namespace util
} // namespace zun

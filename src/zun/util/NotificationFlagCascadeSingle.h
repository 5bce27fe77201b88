#pragma once

#include "zun/util/NotificationFlagCascadeMixin.h"
#include "zun/util/ObservableSingleMixin.h"

namespace zun
{
namespace util
{

class NotificationFlagCascadeSingle : public NotificationFlagCascadeMixin, public ObservableSingleMixin
{
};

} // namespace util
} // namespace zun

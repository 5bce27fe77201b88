#pragma once

#include "zun/param/TplLin.h"

namespace zun
{
namespace param
{

// A 0..1 amount shown in percent.
class Simple : public TplLin
{
public:
    explicit Simple(const char* name);
};

} // namespace param
} // namespace zun

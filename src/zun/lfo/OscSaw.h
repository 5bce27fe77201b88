#pragma once

#include "zun/lfo/OscPhaseShaped.h"

namespace zun
{
namespace lfo
{

// Rising saw, -1 at phase 0.
class OscSaw : public OscPhaseShaped
{
protected:
    double do_get_val() const noexcept override;
};

} // namespace lfo
} // namespace zun

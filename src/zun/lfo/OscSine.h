#pragma once

#include "zun/lfo/OscPhaseShaped.h"

namespace zun
{
namespace lfo
{

// Sine through the cheap approximation.
class OscSine : public OscPhaseShaped
{
protected:
    double do_get_val() const noexcept override;
};

} // namespace lfo
} // namespace zun

#pragma once

#include "zun/lfo/OscPhaseShaped.h"

namespace zun
{
namespace lfo
{

// Parabola, -1 at phase 0 and +1 at phase 0.5.
class OscParabola : public OscPhaseShaped
{
protected:
    double do_get_val() const noexcept override;
};

} // namespace lfo
} // namespace zun

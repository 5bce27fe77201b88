#pragma once

#include "zun/lfo/OscPhaseShaped.h"

namespace zun
{
namespace lfo
{

// Triangle, -1 at phase 0 and +1 at phase 0.5.
class OscTri : public OscPhaseShaped
{
protected:
    double do_get_val() const noexcept override;
};

} // namespace lfo
} // namespace zun

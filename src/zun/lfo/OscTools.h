#pragma once

namespace zun
{
namespace lfo
{

class OscTools
{
public:
    // Sign, then polarity, applied to a bipolar raw value.
    static inline double shape_output(double v, bool invert, bool unipolar) noexcept
    {
        if (invert)
        {
            v = -v;
        }
        if (unipolar)
        {
            v = (v + 1) * 0.5;
        }
        return v;
    }

    static inline double limit(double v, double lo, double hi) noexcept
    {
        return (v < lo) ? lo : ((v > hi) ? hi : v);
    }
};

} // namespace lfo
} // namespace zun

#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

namespace zun
{
namespace lfo
{

// Cheap single-precision stand-ins for the library functions, good enough for control signals.
class Approx
{
public:
    // Follows sin (2 * pi * a) for a in [0, 1): 0 at 0, +1 at 0.25, -1 at 0.75. Error below 1e-3.
    static inline float sin_2pi_flt(float a) noexcept
    {
        const float b = 0.5f - a;
        const float y = 8.f * b - 16.f * b * std::fabs(b);
        return y + 0.22401f * (y * std::fabs(y) - y);
    }

    // Same polynomial in double, for coefficients that need 1 - sin near the peak to stay exact.
    static inline double sin_2pi_dbl(double a) noexcept
    {
        const double b = 0.5 - a;
        const double y = 8.0 * b - 16.0 * b * std::fabs(b);
        return y + 0.22401 * (y * std::fabs(y) - y);
    }

    // 2^x, exact at integers, within 0.4 % between. Below -126 it gives 0, above 127 it stays at 2^127.
    static inline float fast_exp2(float x) noexcept
    {
        if (!(x >= -126.f))
        {
            return 0.f;
        }
        x = (x < 127.f) ? x : 127.f;
        const float xi = std::floor(x);
        const float f = x - xi;
        const float p = (0.33333334f * f + 0.6666667f) * f + 1.f;
        uint32_t bits = 0;
        std::memcpy(&bits, &p, sizeof(bits));
        // Adds xi to the exponent field; unsigned, so that negative xi wraps instead of overflowing.
        bits += uint32_t(int32_t(xi)) << 23;
        float res = 0;
        std::memcpy(&res, &bits, sizeof(res));
        return res;
    }
};

} // namespace lfo
} // namespace zun

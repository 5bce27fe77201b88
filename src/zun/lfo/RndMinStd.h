#pragma once

#include <cstdint>

namespace zun
{
namespace lfo
{

// Minimal-standard linear congruential generator, x <- 48271 x mod (2^31 - 1). Small, allocation-free
// and reproducible across platforms, which the chaos and noise sequences rely on.
class RndMinStd
{
public:
    static constexpr uint32_t _mod = 2147483647u;

    explicit RndMinStd(uint32_t state = 1) noexcept { set_state(state); }

    // 0 and multiples of the modulus are fixed points of the generator; they fall back to 1.
    void set_state(uint32_t state) noexcept
    {
        state %= _mod;
        _state = (state == 0) ? 1u : state;
    }
    uint32_t get_state() const noexcept { return _state; }

    // Next value, in [1, 2^31 - 2].
    uint32_t draw() noexcept
    {
        _state = uint32_t((uint64_t(_state) * 48271u) % _mod);
        return _state;
    }

    // Uniform in [0, 1] from two draws; 1.0 itself can come out of the final rounding.
    double gen_uniform() noexcept
    {
        const double d1 = double(draw()) - 1.0;
        const double d2 = double(draw()) - 1.0;
        constexpr double span = 2147483646.0;
        return (d1 + d2 * span) / (span * span);
    }

private:
    uint32_t _state = 1;
};

} // namespace lfo
} // namespace zun

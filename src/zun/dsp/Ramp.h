#pragma once

#include <cstdint>

namespace zun
{
namespace dsp
{

// Gain ramp over a fixed number of samples, advanced block by block: the owner applies
// get_val() as a constant gain to the block after each advance, so the ramp is a staircase
// that lands on the target once its length has elapsed.
class Ramp
{
public:
    Ramp() = default;
    Ramp(const Ramp&) = default;
    Ramp& operator=(const Ramp&) = default;
    virtual ~Ramp() = default;

    // Negative lengths count as 0: a new target is then reached at the next advance.
    // A running ramp restarts from the current value over the new length.
    void set_len(int nbr_spl);
    int get_len() const { return _len; }

    void set_target(float v);
    float get_target() const { return _target; }

    void tick(int nbr_spl);

    // Jumps to the target.
    void clear_buffers();

    float get_val_beg() const { return _val_beg; }
    float get_val() const { return _cur; }
    float get_step() const { return _step; }
    int get_remaining() const { return _remaining; }
    bool is_ramping() const { return _remaining > 0; }

private:
    int32_t _len = 64;
    int32_t _remaining = 0;
    float _inv_len = 1.f / 64;
    float _val_beg = 1;
    float _cur = 1;
    float _target = 1;
    float _step = 0;
};

} // namespace dsp
} // namespace zun

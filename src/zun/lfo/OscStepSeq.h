#pragma once

#include "zun/lfo/OscInterface.h"
#include "zun/lfo/PhaseDist.h"
#include "zun/lfo/PhaseGenChaos.h"

#include <cstdint>

namespace zun
{
namespace lfo
{

// Step sequencer of up to 32 steps. Each step's curve shapes the move into it from the step
// before; the default curve holds, giving plain steps.
class OscStepSeq : public OscInterface
{
public:
    static constexpr int _max_nbr_steps = 32;

    enum Curve : int32_t
    {
        Curve_HOLD = 0,
        Curve_SMOOTH_5 = 1, // smoothstep applied five times
        Curve_SMOOTH_3 = 2,
        Curve_SMOOTH_1 = 3,
        Curve_LINEAR = 4 // and any other value
    };

    OscStepSeq() = default;
    OscStepSeq(const OscStepSeq&) = default;
    OscStepSeq& operator=(const OscStepSeq&) = default;
    ~OscStepSeq() override = default;

    // Limited to 1..32.
    void set_nbr_steps(int nbr_steps) noexcept;
    int get_nbr_steps() const noexcept { return _nbr_steps; }
    // Values limited to [-1, 1]; indices outside 0..31 are ignored.
    void set_val(int index, float value) noexcept;
    void set_curve(int index, Curve curve) noexcept;

    // Fraction x in [0, 1] of the way into a step, shaped by the curve.
    static double map_pos(double pos, Curve curve) noexcept;
    static double smooth(double x) noexcept { return (3 - 2 * x) * x * x; }

protected:
    void do_set_sample_freq(double fs) noexcept override;
    void do_set_period(double period) noexcept override;
    void do_set_phase(double phase) noexcept override;
    void do_set_chaos(double amount) noexcept override;
    void do_set_phase_dist(double amount) noexcept override;
    void do_set_phase_dist_offset(double offset) noexcept override;
    void do_set_sign(bool invert) noexcept override;
    void do_set_polarity(bool unipolar) noexcept override;
    void do_set_variation(int index, double value) noexcept override;
    bool do_is_using_variation(int index) const noexcept override;
    void do_tick(long n) noexcept override;
    double do_get_val() const noexcept override;
    double do_get_phase() const noexcept override;
    void do_clear_buffers() noexcept override;
    void do_correct_to_time(unsigned long t) noexcept override;

private:
    struct Step
    {
        Curve _curve = Curve_HOLD;
        float _val = 0;
    };

    PhaseGenChaos _phase_gen;
    PhaseDist _phase_dist;
    bool _invert = false;
    bool _unipolar = false;
    int32_t _nbr_steps = 16;
    Step _step_arr[_max_nbr_steps];
};

} // namespace lfo
} // namespace zun

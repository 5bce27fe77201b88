#pragma once

#include "zun/lfo/OscInterface.h"
#include "zun/lfo/PhaseDist.h"
#include "zun/lfo/PhaseGenChaos.h"

namespace zun
{
namespace lfo
{

// Common part of the waveforms that are a plain function of the distorted phase: the phase
// generator with chaos, the phase distortion, sign and polarity. A waveform supplies only
// do_get_val(), reading get_dist_phase().
class OscPhaseShaped : public OscInterface
{
public:
    OscPhaseShaped() = default;
    OscPhaseShaped(const OscPhaseShaped&) = default;
    OscPhaseShaped& operator=(const OscPhaseShaped&) = default;
    ~OscPhaseShaped() override = default;

protected:
    void do_set_sample_freq(double fs) noexcept override { _phase_gen.set_sample_freq(fs); }
    void do_set_period(double period) noexcept override { _phase_gen.set_period(period); }
    void do_set_phase(double phase) noexcept override { _phase_gen.set_phase(phase); }
    void do_set_chaos(double amount) noexcept override { _phase_gen.set_chaos(amount); }
    void do_set_phase_dist(double amount) noexcept override { _phase_dist.set(amount); }
    void do_set_phase_dist_offset(double offset) noexcept override { _phase_dist.set_offset(offset); }
    void do_set_sign(bool invert) noexcept override { _invert = invert; }
    void do_set_polarity(bool unipolar) noexcept override { _unipolar = unipolar; }
    void do_set_variation(int, double) noexcept override {}
    bool do_is_using_variation(int) const noexcept override { return false; }
    void do_tick(long n) noexcept override { _phase_gen.tick(n); }
    double do_get_phase() const noexcept override { return _phase_gen.get_phase(); }
    void do_clear_buffers() noexcept override { _phase_gen.clear_buffers(); }
    void do_correct_to_time(unsigned long t) noexcept override { _phase_gen.correct_to_time(t); }

    double get_dist_phase() const noexcept { return _phase_dist.apply(_phase_gen.get_phase()); }

    PhaseGenChaos _phase_gen;
    PhaseDist _phase_dist;
    bool _invert = false;
    bool _unipolar = false;
};

} // namespace lfo
} // namespace zun

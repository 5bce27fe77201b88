#pragma once

#include "zun/lfo/OscInterface.h"
#include "zun/lfo/PhaseDist.h"
#include "zun/lfo/PhaseGenChaos.h"

namespace zun
{
namespace lfo
{

// Sine through the cheap approximation.
class OscSine : public OscInterface
{
public:
    OscSine() = default;
    OscSine(const OscSine&) = default;
    OscSine& operator=(const OscSine&) = default;
    ~OscSine() override = default;

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
    PhaseGenChaos _phase_gen;
    PhaseDist _phase_dist;
    bool _invert = false;
    bool _unipolar = false;
};

} // namespace lfo
} // namespace zun

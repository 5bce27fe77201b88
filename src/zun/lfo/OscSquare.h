#pragma once

#include "zun/lfo/OscInterface.h"
#include "zun/lfo/PhaseDist.h"
#include "zun/lfo/PhaseGenChaos.h"

namespace zun
{
namespace lfo
{

// Square: high in the first half of the cycle, low in the second.
class OscSquare : public OscInterface
{
public:
    OscSquare() = default;
    OscSquare(const OscSquare&) = default;
    OscSquare& operator=(const OscSquare&) = default;
    ~OscSquare() override = default;

    // Levels of both halves from the sign and polarity flags.
    void update_time_values() noexcept;

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
    float _val_second = -1.f;
    float _val_first = 1.f;
};

} // namespace lfo
} // namespace zun

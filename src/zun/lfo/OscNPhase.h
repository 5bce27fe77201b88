#pragma once

#include "zun/lfo/OscInterface.h"
#include "zun/lfo/PhaseDist.h"

#include <cstdint>

namespace zun
{
namespace lfo
{

// A slow sine whose phase jumps between N evenly spread offsets (N-phase: 2 to 8 phases from
// variation 1) or between two offsets apart by variation 1 (biphase). Variation 0 sets how fast
// the offsets rotate, 1 to 256 steps per period.
class OscNPhase : public OscInterface
{
public:
    explicit OscNPhase(bool biphase = false) noexcept;
    OscNPhase(const OscNPhase&) = default;
    OscNPhase& operator=(const OscNPhase&) = default;
    ~OscNPhase() override = default;

    // Recomputes the steps after a change of rate, period or variation.
    void update_period() noexcept;

    int get_nbr_phases() const noexcept { return _nbr_phases; }
    // Offset between two consecutive phases, in cycles.
    double get_phase_shift() const noexcept { return _phase_shift; }
    double get_step_rate() const noexcept { return double(_ratio); }

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
    double _sample_freq = 44100;
    double _phase = 0;
    double _phase_step = 0;
    double _step_cnt = 0; // in [0, nbr phases): integer part selects the phase offset
    double _step_cnt_inc = 0;
    double _var[2] = {0, 0};
    double _period = 1.0;
    double _phase_shift = 0.5;
    float _ratio = 1.f;
    int32_t _nbr_phases = 2;
    double _reset_phase = 0;
    double _time_corr = 0;
    PhaseDist _phase_dist;
    bool _invert = false;
    bool _unipolar = false;
    bool _biphase = false;
};

} // namespace lfo
} // namespace zun

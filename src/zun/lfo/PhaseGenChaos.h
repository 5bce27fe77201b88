#pragma once

#include "zun/lfo/PhaseGen.h"
#include "zun/lfo/RndMinStd.h"

#include <cstdint>

namespace zun
{
namespace lfo
{

// A PhaseGen whose output phase is disturbed now and then by a random event: a "skip" that moves
// the phase smoothly through one whole cycle, or a "bump" that pushes it away and back. Events
// follow waits of two thirds of a period. Waits and events are counted in samples, whatever the
// tick lengths, so the sequence is the same for any chunking.
class PhaseGenChaos
{
public:
    PhaseGenChaos() = default;
    PhaseGenChaos(const PhaseGenChaos&) = default;
    PhaseGenChaos& operator=(const PhaseGenChaos&) = default;
    virtual ~PhaseGenChaos() = default;

    void set_sample_freq(double fs) noexcept;
    void set_period(double period) noexcept;
    void set_phase(double phase) noexcept;
    void set_chaos(double amount) noexcept;
    void clear_buffers() noexcept;
    void correct_to_time(unsigned long t) noexcept;
    void tick(long n) noexcept;
    double get_phase() const noexcept;

    // The phase without the chaos offset.
    const PhaseGen& use_phase_gen() const noexcept { return _gen; }
    bool is_event_active() const noexcept { return _active; }

private:
    enum Shape : int32_t
    {
        Shape_BUMP = 0,
        Shape_SKIP = 1
    };

    void update_wait_len() noexcept;
    void start_event() noexcept;
    void stop_event() noexcept;
    void update_offset() noexcept;

    int32_t _wait_len = 256;
    int32_t _wait_cnt = 0;
    int32_t _evt_pos = 0; // samples into the running event
    int32_t _evt_len = 1; // samples until the ramp passes +1
    double _ramp = 0;     // -1 to +1 across the event
    double _ramp_step = 0;
    double _offset = 0; // in (-1, 1), added to the phase
    double _bump_amp = 1.0;
    int32_t _amount = 0; // 0..256
    PhaseGen _gen;
    RndMinStd _rnd;
    int32_t _shape = Shape_BUMP;
    int32_t _negative = 0;
    bool _active = false;
};

} // namespace lfo
} // namespace zun

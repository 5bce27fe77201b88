#pragma once

namespace zun
{
namespace lfo
{

// One low-frequency waveform. It is advanced by whole chunks (tick (n)) in closed form and read
// once per chunk. Values are bipolar in [-1, 1], or in [0, 1] when unipolar. Periods are in
// seconds, phases in cycles. Implementations own no memory and never allocate, so the LFO module
// can build them in place when the waveform changes.
class OscInterface
{
public:
    OscInterface() = default;
    OscInterface(const OscInterface&) = default;
    OscInterface& operator=(const OscInterface&) = default;
    virtual ~OscInterface() = default;

    void set_sample_freq(double fs) noexcept { do_set_sample_freq(fs); }
    void set_period(double period) noexcept { do_set_period(period); }
    // Also the phase that correct_to_time starts from.
    void set_phase(double phase) noexcept { do_set_phase(phase); }
    void set_chaos(double amount) noexcept { do_set_chaos(amount); }
    // 0.5 is no distortion.
    void set_phase_dist(double amount) noexcept { do_set_phase_dist(amount); }
    void set_phase_dist_offset(double offset) noexcept { do_set_phase_dist_offset(offset); }
    void set_sign(bool invert) noexcept { do_set_sign(invert); }
    void set_polarity(bool unipolar) noexcept { do_set_polarity(unipolar); }
    void set_variation(int index, double value) noexcept { do_set_variation(index, value); }
    bool is_using_variation(int index) const noexcept { return do_is_using_variation(index); }
    void tick(long n) noexcept { do_tick(n); }
    double get_val() const noexcept { return do_get_val(); }
    double get_phase() const noexcept { return do_get_phase(); }
    void clear_buffers() noexcept { do_clear_buffers(); }
    // t: host position in samples. The next tick (n) places the phase at the phase given to
    // set_phase plus (t + n) periods' worth of samples.
    void correct_to_time(unsigned long t) noexcept { do_correct_to_time(t); }

protected:
    virtual void do_set_sample_freq(double fs) noexcept = 0;
    virtual void do_set_period(double period) noexcept = 0;
    virtual void do_set_phase(double phase) noexcept = 0;
    virtual void do_set_chaos(double amount) noexcept = 0;
    virtual void do_set_phase_dist(double amount) noexcept = 0;
    virtual void do_set_phase_dist_offset(double offset) noexcept = 0;
    virtual void do_set_sign(bool invert) noexcept = 0;
    virtual void do_set_polarity(bool unipolar) noexcept = 0;
    virtual void do_set_variation(int index, double value) noexcept = 0;
    virtual bool do_is_using_variation(int index) const noexcept = 0;
    virtual void do_tick(long n) noexcept = 0;
    virtual double do_get_val() const noexcept = 0;
    virtual double do_get_phase() const noexcept = 0;
    virtual void do_clear_buffers() noexcept = 0;
    virtual void do_correct_to_time(unsigned long t) noexcept = 0;
};

} // namespace lfo
} // namespace zun

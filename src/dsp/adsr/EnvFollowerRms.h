#pragma once

#include "dsp/adsr/EnvFollowerCore.h"

namespace dsp
{

// Follows the square of a signal and reports its square root. Attack, hold and release; times in seconds.
// Denormals are flushed once per block, not per sample.
class EnvFollowerRms
{
public:
    EnvFollowerRms() = default;
    EnvFollowerRms(const EnvFollowerRms&) = default;
    EnvFollowerRms& operator=(const EnvFollowerRms&) = default;
    virtual ~EnvFollowerRms() = default;

    void set_sample_freq(float fs) noexcept { _core.set_sample_freq(fs); }
    void set_attack_time(float t) noexcept { _core.set_attack_time(t); }
    void set_hold_time(float t) noexcept { _core.set_hold_time(t); }
    void set_release_time(float t) noexcept { _core.set_release_time(t); }
    void update_param() noexcept { _core.update_param(); }
    void clear_buffers() noexcept { _core.clear_buffers(); }

    // At least one sample, even for n < 1.
    void process_block(float* dst, const float* src, long n) noexcept;
    // The output after the last sample; at least one sample is read, even for n < 1.
    float analyse_block(const float* src, long n) noexcept;
    // n samples (at least one) of the constant x.
    void constant_block(float x, long n) noexcept;
    // The same, reporting the mean square itself.
    void process_block_no_sqrt(float* dst, const float* src, long n) noexcept;
    float analyse_block_no_sqrt(const float* src, long n) noexcept;

    void clear_denormal() noexcept { _core.clear_denormal(); }
    // True when the envelope is not a denormal.
    bool check_denormal() const noexcept { return _core.check_denormal(); }

    float get_val() const noexcept { return std::sqrt(_core.get_env()); }
    EnvFollowerCore& use_core() noexcept { return _core; }
    const EnvFollowerCore& use_core() const noexcept { return _core; }

private:
    EnvFollowerCore _core;
};

} // namespace dsp

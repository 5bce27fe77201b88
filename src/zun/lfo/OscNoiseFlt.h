#pragma once

#include "zun/lfo/OscInterface.h"
#include "zun/lfo/PhaseGen.h"
#include "zun/lfo/RndMinStd.h"

#include <cstdint>

namespace zun
{
namespace lfo
{

// White noise drawn 512 to 1024 times a second and smoothed by NP one-pole low-passes whose
// cut-off follows 1 / period. The gain keeps the level roughly independent of the period; the
// output is limited to [-1, 1]. Sign, polarity, chaos and distortion do not apply, and the phase
// only serves display.
template <int NP>
class OscNoiseFlt : public OscInterface
{
    static_assert(NP >= 1, "at least one pole");

public:
    OscNoiseFlt() noexcept;
    OscNoiseFlt(const OscNoiseFlt&) = default;
    OscNoiseFlt& operator=(const OscNoiseFlt&) = default;
    ~OscNoiseFlt() override = default;

    void update_period() noexcept;
    // Draws the next raw value and runs it through the poles.
    void gen_new_val() noexcept;

    // Samples between two new noise values.
    int get_interval() const noexcept { return _interval; }
    double get_coef() const noexcept { return _coef; }
    double get_gain() const noexcept { return _gain; }

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
    PhaseGen _phase_gen;
    RndMinStd _rnd;
    double _val_min = -1;
    double _val_max = 1;
    double _gain = 1;
    double _raw = 0;
    double _state_arr[NP] = {};
    double _coef = 0;
    int32_t _counter = 0;
    int32_t _interval = 64;
};

} // namespace lfo
} // namespace zun

#include "zun/lfo/OscNoiseFlt.hpp"

namespace zun
{
namespace lfo
{

extern template class OscNoiseFlt<1>;
extern template class OscNoiseFlt<2>;

} // namespace lfo
} // namespace zun

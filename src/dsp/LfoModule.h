#pragma once

#include "zun/lfo/OscInterface.h"
#include "zun/lfo/OscNPhase.h"
#include "zun/lfo/OscNoiseFlt.h"
#include "zun/lfo/OscParabola.h"
#include "zun/lfo/OscSaw.h"
#include "zun/lfo/OscSine.h"
#include "zun/lfo/OscSquare.h"
#include "zun/lfo/OscStepSeq.h"
#include "zun/lfo/OscTri.h"
#include "zun/lfo/OscVariSlope.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace dsp
{

// The oscillator section of one modulator slot: the waveform's oscillator, then an input gain, a
// sample-and-hold and a one-pole smoothing timed as fractions of the period. Every setting is
// kept here so that a newly selected waveform starts with it. Switching waveform builds the
// oscillator in place and never touches the heap; the step sequencer is a separate object kept
// across switches so its steps survive. One thread at a time.
class LfoModule
{
public:
    enum Type : int32_t
    {
        Type_SINE = 0,
        Type_TRIANGLE,
        Type_SQUARE,
        Type_SAW,
        Type_PARABOLA,
        Type_N_PHASE,
        Type_BIPHASE,
        Type_VARISLOPE,
        Type_NOISE_FLT1,
        Type_NOISE_FLT2,
        Type_STEP_SEQ,
        // Not oscillators of this module: the slot reads its envelope or its follower instead.
        Type_ADSR,
        Type_ENV_FOLLOWER,

        Type_NBR_ELT
    };

    LfoModule();
    LfoModule(const LfoModule&) = delete;
    LfoModule& operator=(const LfoModule&) = delete;
    virtual ~LfoModule();

    void set_sample_freq(double fs) noexcept;
    void set_period(double seconds) noexcept;
    void set_input_gain(double g) noexcept { _gain = g; }
    // Also the phase that correct_to_time realigns from.
    void set_phase(double p) noexcept;
    void set_chaos(double amount) noexcept;
    void set_phase_dist(double amount) noexcept;
    void set_phase_dist_offset(double offset) noexcept;
    void set_sign(bool invert) noexcept;
    void set_polarity(bool unipolar) noexcept;
    // index 0 or 1; others are ignored.
    void set_variation(int index, double v) noexcept;
    bool is_using_variation(int index) const noexcept { return _osc->is_using_variation(index); }
    // Hold time as a fraction of the period; up to 0.000001 switches the hold off.
    void set_snh(double fraction) noexcept;
    // Smoothing time as a fraction of the period; 0 and below switch it off.
    void set_smooth(double fraction) noexcept;
    // Types 0..10. Others are ignored, and so is the step sequencer while none exists.
    void set_type(Type t) noexcept;
    Type get_type() const noexcept { return _type; }

    // Set-up only: creating the step sequencer allocates. It is kept while it is the current
    // waveform.
    void set_step_seq(bool on);
    bool has_step_seq() const noexcept { return _step_seq != nullptr; }
    zun::lfo::OscStepSeq* use_step_seq() noexcept { return _step_seq.get(); }

    // t: absolute host position in samples. The hold cycle is left alone.
    void correct_to_time(unsigned long t) noexcept;
    void tick(int n) noexcept;
    double get_val() const noexcept;
    double get_phase() const noexcept { return _osc->get_phase(); }
    void clear_buffers() noexcept;

    bool is_hold_on() const noexcept { return _hold_on; }
    bool is_smooth_on() const noexcept { return _smooth_on; }
    double get_smooth_coef() const noexcept { return _smooth_coef; }

private:
    // A hold boundary within this fraction of a hold cycle counts as reached.
    static constexpr double _hold_tol = 1e-9;

    static constexpr size_t _storage_size = std::max(
        {sizeof(zun::lfo::OscSine), sizeof(zun::lfo::OscTri), sizeof(zun::lfo::OscSquare),
         sizeof(zun::lfo::OscSaw), sizeof(zun::lfo::OscParabola), sizeof(zun::lfo::OscNPhase),
         sizeof(zun::lfo::OscVariSlope), sizeof(zun::lfo::OscNoiseFlt<1>), sizeof(zun::lfo::OscNoiseFlt<2>)});
    static constexpr size_t _storage_align =
        std::max({alignof(zun::lfo::OscSine), alignof(zun::lfo::OscTri), alignof(zun::lfo::OscSquare),
                  alignof(zun::lfo::OscSaw), alignof(zun::lfo::OscParabola), alignof(zun::lfo::OscNPhase),
                  alignof(zun::lfo::OscVariSlope), alignof(zun::lfo::OscNoiseFlt<1>),
                  alignof(zun::lfo::OscNoiseFlt<2>)});

    zun::lfo::OscInterface* build_osc(Type t) noexcept;
    void destroy_osc() noexcept;
    void apply_osc_settings() noexcept;
    void update_snh() noexcept;
    void update_smooth() noexcept;
    void advance(long m) noexcept;
    double get_osc_val() const noexcept { return _osc->get_val() * _gain; }

    alignas(_storage_align) unsigned char _osc_storage[_storage_size];
    double _sample_freq = 44100;
    double _gain = 1.0;
    double _period = 1.0;
    double _chaos = 0;
    double _phase_dist = 0.5;
    double _phase_dist_ofs = 0;
    bool _invert = false;
    bool _unipolar = false;
    double _var_arr[2] = {0, 0};
    double _snh = 0;
    double _smooth = 0;
    Type _type = Type_SINE;
    std::unique_ptr<zun::lfo::OscStepSeq> _step_seq;
    zun::lfo::OscInterface* _osc = nullptr;
    bool _hold_on = false;
    bool _smooth_on = false;
    double _hold_phase = 0;
    double _hold_step = 0;
    double _held_val = 0;
    double _smoothed_val = 0;
    double _smooth_coef = 0;

    // Phase control value. A waveform switch sets the new oscillator to the running phase, which
    // the oscillator would also take as its realignment origin; the next realignment restores this.
    double _phase = 0;
    bool _phase_origin_lost = false;
};

} // namespace dsp

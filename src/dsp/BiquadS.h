#pragma once

#include "dsp/Biquad.h"

namespace dsp
{

// A biquad designed from an analogue prototype
// H(s) = (B0 + B1 s + B2 s^2) / (A0 + A1 s + A2 s^2), mapped to z by the bilinear transform
// prewarped so that s = j lands on freq.
class BiquadS : public Biquad
{
public:
    // Design limits on freq / sample freq: above Nyquist the prewarped transform would fold
    // the poles outside the unit circle, and at 0 it divides by zero.
    static constexpr double MIN_FREQ_RATIO = 1e-4;
    static constexpr double MAX_FREQ_RATIO = 0.499;

    BiquadS() = default;
    BiquadS(const BiquadS&) = default;
    BiquadS& operator=(const BiquadS&) = default;

    // Recomputes the z coefficients from the s ones, freq and the sample freq. A design that
    // comes out non-finite (Q of 0, NaN settings) leaves the previous coefficients in place.
    void transform_s_to_z();

    // Prototype, frequencies and z coefficients; never the history.
    void copy_s_eq(const BiquadS& other);

    void set_s_eq(float b0, float b1, float b2, float a0, float a1, float a2);
    void set_s_eq_b(int idx, float val) { _s_eq_b[idx] = val; }
    void set_s_eq_a(int idx, float val) { _s_eq_a[idx] = val; }
    float get_s_eq_b(int idx) const { return _s_eq_b[idx]; }
    float get_s_eq_a(int idx) const { return _s_eq_a[idx]; }

    // These only store; call transform_s_to_z() (or Filter2p::update_eq()) afterwards.
    void set_sample_freq(float fs) { _sample_freq = fs; }
    float get_sample_freq() const { return _sample_freq; }
    void set_freq(float freq) { _freq = freq; }
    float get_freq() const { return _freq; }

private:
    float _s_eq_b[3] = {1, 2, 1};
    float _s_eq_a[3] = {1, 2, 1};
    float _sample_freq = 44100;
    float _freq = 1000;
};

} // namespace dsp

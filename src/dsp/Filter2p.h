#pragma once

#include "dsp/BiquadS.h"

namespace dsp
{

// Second-order responses with the shape given by two values: for the low- and high-pass p1 is
// Q; for the peak and band-pass p1 is the linear gain at freq and p2 is Q.
class Filter2p : public BiquadS
{
public:
    enum Type
    {
        Type_LOW_PASS = 0,
        Type_HIGH_PASS = 1,
        Type_PEAK = 2,
        Type_BAND_PASS = 3
    };

    // A peak of gain 1: passes the signal unchanged.
    Filter2p();
    Filter2p(const Filter2p&) = default;
    Filter2p& operator=(const Filter2p&) = default;

    // Sets the prototype from type, p1 and p2, then transforms it. An unknown type keeps the
    // numerator and A1 it had.
    void update_eq();

    // All settings and coefficients; never the history.
    void copy_settings(const Filter2p& other);

    // These only store; call update_eq() afterwards.
    void set_type(int type) { _type = type; }
    int get_type() const { return _type; }
    void set_p1(float p1) { _p1 = p1; }
    float get_p1() const { return _p1; }
    void set_p2(float p2) { _p2 = p2; }
    float get_p2() const { return _p2; }

private:
    int _type = Type_PEAK;
    float _p1 = 1;
    float _p2 = 1;
};

} // namespace dsp

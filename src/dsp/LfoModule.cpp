#include "dsp/LfoModule.h"

#include "zun/lfo/Approx.h"
#include "zun/lfo/PhaseGen.h"

#include <cmath>
#include <new>

namespace dsp
{

namespace
{

// x^e by repeated squaring, e >= 0.
double pow_int(double x, long e) noexcept
{
    double r = 1;
    while (e > 0)
    {
        if ((e & 1) != 0)
        {
            r *= x;
        }
        x *= x;
        e >>= 1;
    }
    return r;
}

} // namespace

LfoModule::LfoModule()
{
    _osc = build_osc(Type_SINE);
    _osc->set_sample_freq(_sample_freq);
    apply_osc_settings();
    _osc->set_phase(0);
    _hold_phase = 0;
    _held_val = get_osc_val();
    _step_seq.reset(new (std::nothrow) zun::lfo::OscStepSeq);
}

LfoModule::~LfoModule()
{
    if (_type != Type_STEP_SEQ)
    {
        destroy_osc();
    }
}

void LfoModule::set_sample_freq(double fs) noexcept
{
    _sample_freq = fs;
    _osc->set_sample_freq(fs);
    update_snh();
    update_smooth();
}

void LfoModule::set_period(double seconds) noexcept
{
    _period = seconds;
    _osc->set_period(seconds);
    update_smooth();
    update_snh();
}

void LfoModule::set_phase(double p) noexcept
{
    _phase = p;
    _phase_origin_lost = false;
    _osc->set_phase(p);
    _hold_phase = zun::lfo::PhaseGen::wrap(p);
    _held_val = get_osc_val();
}

void LfoModule::set_chaos(double amount) noexcept
{
    _osc->set_chaos(amount);
    _chaos = amount;
}

void LfoModule::set_phase_dist(double amount) noexcept
{
    _osc->set_phase_dist(amount);
    _phase_dist = amount;
}

void LfoModule::set_phase_dist_offset(double offset) noexcept
{
    _osc->set_phase_dist_offset(offset);
    _phase_dist_ofs = offset;
}

void LfoModule::set_sign(bool invert) noexcept
{
    _osc->set_sign(invert);
    _invert = invert;
}

void LfoModule::set_polarity(bool unipolar) noexcept
{
    _osc->set_polarity(unipolar);
    _unipolar = unipolar;
}

void LfoModule::set_variation(int index, double v) noexcept
{
    if (index != 0 && index != 1)
    {
        return;
    }
    _var_arr[index] = v;
    _osc->set_variation(index, v);
}

void LfoModule::set_snh(double fraction) noexcept
{
    _snh = fraction;
    update_snh();
}

void LfoModule::set_smooth(double fraction) noexcept
{
    _smooth = fraction;
    update_smooth();
}

void LfoModule::set_type(Type t) noexcept
{
    if (t == _type || t < Type_SINE || t > Type_STEP_SEQ || (t == Type_STEP_SEQ && _step_seq == nullptr))
    {
        return;
    }
    const double phase = _osc->get_phase();
    if (_type != Type_STEP_SEQ)
    {
        destroy_osc();
    }
    _osc = (t == Type_STEP_SEQ) ? _step_seq.get() : build_osc(t);
    _type = t;
    _osc->set_sample_freq(_sample_freq);
    apply_osc_settings();
    _osc->set_phase(phase);
    _hold_phase = phase;
    _held_val = get_osc_val();
    _phase_origin_lost = true;
}

void LfoModule::set_step_seq(bool on)
{
    if (on)
    {
        if (_step_seq == nullptr)
        {
            _step_seq.reset(new (std::nothrow) zun::lfo::OscStepSeq);
        }
    }
    else if (_type != Type_STEP_SEQ)
    {
        _step_seq.reset();
    }
}

void LfoModule::correct_to_time(unsigned long t) noexcept
{
    if (_phase_origin_lost)
    {
        _osc->set_phase(_phase);
        _phase_origin_lost = false;
    }
    _osc->correct_to_time(t);
}

void LfoModule::tick(int n) noexcept
{
    const long len = std::max(n, 0);
    if (!_hold_on)
    {
        advance(len);
        return;
    }
    const double end = _hold_phase + double(len) * _hold_step;
    const double k = std::floor(end + _hold_tol);
    if (k <= 0)
    {
        advance(len);
        _hold_phase = end;
        return;
    }
    // Samples up to the last hold boundary inside this tick. The phase is snapped to that
    // boundary, so rounding cannot drift a whole-sample hold length by a sample over time.
    const double up_to = std::ceil((k - _hold_tol - _hold_phase) / _hold_step);
    const long m = long(std::min(std::max(up_to, 1.0), double(len)));
    advance(m);
    _held_val = get_osc_val();
    if (len - m > 0)
    {
        advance(len - m);
    }
    _hold_phase = std::max(end - k, 0.0);
}

double LfoModule::get_val() const noexcept
{
    if (_smooth_on)
    {
        return _smoothed_val;
    }
    if (_hold_on)
    {
        return _held_val;
    }
    return get_osc_val();
}

void LfoModule::clear_buffers() noexcept
{
    _osc->clear_buffers();
    _held_val = get_osc_val();
    _smoothed_val = _held_val;
}

zun::lfo::OscInterface* LfoModule::build_osc(Type t) noexcept
{
    void* p = _osc_storage;
    switch (t)
    {
    case Type_TRIANGLE:
        return new (p) zun::lfo::OscTri;
    case Type_SQUARE:
        return new (p) zun::lfo::OscSquare;
    case Type_SAW:
        return new (p) zun::lfo::OscSaw;
    case Type_PARABOLA:
        return new (p) zun::lfo::OscParabola;
    case Type_N_PHASE:
        return new (p) zun::lfo::OscNPhase(false);
    case Type_BIPHASE:
        return new (p) zun::lfo::OscNPhase(true);
    case Type_VARISLOPE:
        return new (p) zun::lfo::OscVariSlope;
    case Type_NOISE_FLT1:
        return new (p) zun::lfo::OscNoiseFlt<1>;
    case Type_NOISE_FLT2:
        return new (p) zun::lfo::OscNoiseFlt<2>;
    case Type_SINE:
    default:
        return new (p) zun::lfo::OscSine;
    }
}

void LfoModule::destroy_osc() noexcept
{
    _osc->~OscInterface();
    _osc = nullptr;
}

void LfoModule::apply_osc_settings() noexcept
{
    _osc->set_period(_period);
    update_smooth();
    update_snh();
    _osc->set_chaos(_chaos);
    _osc->set_phase_dist(_phase_dist);
    _osc->set_phase_dist_offset(_phase_dist_ofs);
    _osc->set_sign(_invert);
    _osc->set_polarity(_unipolar);
    _osc->set_variation(0, _var_arr[0]);
    _osc->set_variation(1, _var_arr[1]);
}

void LfoModule::update_snh() noexcept
{
    if (!(_snh > 0.000001))
    {
        _hold_on = false;
        _hold_step = 0;
        return;
    }
    if (!_hold_on)
    {
        _held_val = get_osc_val();
    }
    // Below one sample every sample is a boundary anyway; the floor also keeps a zero or invalid
    // period or rate from dividing by zero.
    double len = _snh * _period * _sample_freq;
    if (!(len >= 1))
    {
        len = 1;
    }
    _hold_step = 1 / len;
    _hold_on = true;
}

void LfoModule::update_smooth() noexcept
{
    if (!(_smooth > 0))
    {
        _smooth_on = false;
        _smooth_coef = 0;
        return;
    }
    if (!_smooth_on)
    {
        _smoothed_val = _hold_on ? _held_val : get_osc_val();
    }
    float len = float(_smooth * _period * _sample_freq);
    if (!(len >= 0))
    {
        len = 0;
    }
    _smooth_coef = double(zun::lfo::Approx::fast_exp2(-5.75f / (len + 0.1f)));
    _smooth_on = true;
}

void LfoModule::advance(long m) noexcept
{
    _osc->tick(m);
    if (_smooth_on)
    {
        const double target = _hold_on ? _held_val : get_osc_val();
        const double f = pow_int(_smooth_coef, m);
        _smoothed_val += (target - _smoothed_val) * (1 - f);
    }
}

} // namespace dsp

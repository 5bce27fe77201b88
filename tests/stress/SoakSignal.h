#pragma once

#include <cmath>
#include <cstdint>
#include <random>

namespace crenzel_test
{

// The random source of the soak: one generator, so that a seed replays the whole run.
class SoakDice
{
public:
    explicit SoakDice(uint32_t seed) : _rng(seed) {}

    // 0 .. n - 1 (n > 0).
    int below(int n) { return int(_rng() % uint32_t(n)); }
    // lo .. hi inclusive.
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    // [0, 1).
    double unit() { return double(_rng() >> 8) * (1.0 / 16777216.0); }
    bool chance(double p) { return unit() < p; }

private:
    std::mt19937 _rng;
};

// Test input in segments of random kind and length: sines and squares from 20 Hz to near Nyquist,
// noise, sparse clicks that trigger the transient detector, and silence. Never beyond kPeak.
class SoakSignal
{
public:
    static constexpr double kPeak = 1.0;

    explicit SoakSignal(SoakDice& dice) : _dice(dice) {}

    void render(float* left, float* right, int n, double rate)
    {
        for (int i = 0; i < n; ++i)
        {
            if (_left <= 0)
                nextSegment(rate);
            --_left;
            _phase += _freq / rate;
            _phase -= std::floor(_phase);
            double l = 0.0;
            double r = 0.0;
            switch (_kind)
            {
            case Kind_SINE:
                l = _amp * std::sin(2.0 * 3.141592653589793 * _phase);
                r = _amp * std::cos(2.0 * 3.141592653589793 * _phase);
                break;
            case Kind_SQUARE:
                l = r = (_phase < 0.5) ? _amp : -_amp;
                break;
            case Kind_NOISE:
                l = _amp * (2.0 * _dice.unit() - 1.0);
                r = _stereo_noise ? _amp * (2.0 * _dice.unit() - 1.0) : l;
                break;
            case Kind_CLICKS:
                _click *= 0.995;
                if (_phase < _freq / rate)
                    _click = _amp;
                l = r = _click;
                break;
            default:
                break;
            }
            left[i] = float(l);
            if (right != nullptr)
                right[i] = float(r);
        }
    }

private:
    enum Kind
    {
        Kind_SINE,
        Kind_SQUARE,
        Kind_NOISE,
        Kind_CLICKS,
        Kind_SILENCE,
        Kind_NBR_ELT
    };

    void nextSegment(double rate)
    {
        _kind = Kind(_dice.below(Kind_NBR_ELT));
        _left = int(rate * (0.02 + 1.5 * _dice.unit()));
        _amp = _dice.chance(0.3) ? kPeak : kPeak * _dice.unit();
        const double top = (_kind == Kind_CLICKS) ? 30.0 : 0.45 * rate;
        _freq = 20.0 * std::pow(top / 20.0, _dice.unit());
        if (_kind == Kind_CLICKS)
            _freq = 0.5 + _freq * 0.5;
        _stereo_noise = _dice.chance(0.5);
        _click = 0.0;
    }

    SoakDice& _dice;
    Kind _kind = Kind_SILENCE;
    int _left = 0;
    double _amp = 0.0;
    double _freq = 100.0;
    double _phase = 0.0;
    double _click = 0.0;
    bool _stereo_noise = false;
};

} // namespace crenzel_test

#pragma once

#include <algorithm>
#include <cmath>

namespace zun
{
namespace lfo
{

// Wrapping phase accumulator, in cycles. After correct_to_time (t) the next tick lands exactly on
// reset phase + (t + n) * step, so a phase that is realigned every block is a pure function of the
// host position and does not depend on where playback started.
class PhaseGen
{
public:
    PhaseGen() = default;
    PhaseGen(const PhaseGen&) = default;
    PhaseGen& operator=(const PhaseGen&) = default;
    virtual ~PhaseGen() = default;

    void set_sample_freq(double fs) noexcept
    {
        _fs = fs;
        update_step();
    }
    void set_period(double period) noexcept
    {
        _period = period;
        update_step();
    }
    void set_phase(double phase) noexcept
    {
        _phase = wrap(phase);
        _reset_phase = _phase;
    }
    void correct_to_time(unsigned long t) noexcept
    {
        _time_corr = double(t);
        _phase = _reset_phase;
    }
    void tick(long n) noexcept
    {
        _phase += (double(n) + _time_corr) * _step;
        _time_corr = 0;
        if (_phase >= 1)
        {
            _phase -= std::floor(_phase);
        }
    }
    double get_phase() const noexcept { return _phase; }
    double get_step() const noexcept { return _step; }
    double get_period() const noexcept { return _period; }
    double get_sample_freq() const noexcept { return _fs; }

    // Period times rate, floored so that nonsense input cannot divide by zero.
    static double conv_period_to_len(double period, double fs) noexcept
    {
        const double len = period * fs;
        return (len >= _min_len) ? len : _min_len;
    }

    // Into [0, 1); NaN becomes 0.
    static double wrap(double phase) noexcept
    {
        double r = phase - std::floor(phase);
        if (!(r >= 0 && r < 1))
        {
            r = 0;
        }
        return r;
    }

private:
    static constexpr double _min_len = 1e-6;

    void update_step() noexcept { _step = 1.0 / conv_period_to_len(_period, _fs); }

    double _phase = 0;
    double _time_corr = 0;
    double _reset_phase = 0;
    double _step = 1.0 / 44100;
    double _fs = 44100;
    double _period = 1.0;
};

} // namespace lfo
} // namespace zun

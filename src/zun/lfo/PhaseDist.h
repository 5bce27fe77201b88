#pragma once

namespace zun
{
namespace lfo
{

// Piecewise-linear phase distortion: the first half of the cycle is squeezed into the fraction
// `amount` of the cycle starting at the pivot, the second half into the rest.
class PhaseDist
{
public:
    PhaseDist() = default;
    PhaseDist(const PhaseDist&) = default;
    PhaseDist& operator=(const PhaseDist&) = default;
    virtual ~PhaseDist() = default;

    void set(double amount) noexcept
    {
        if (amount > 0.49995 && amount < 0.50005)
        {
            _enabled = false;
            return;
        }
        // Pinned near the ends so that neither slope divides by (almost) zero.
        if (!(amount >= 0.0001))
        {
            amount = 0;
            _slope_1 = 1;
            _add_2 = 1;
            _slope_2 = 0.5;
        }
        else if (amount > 0.9999)
        {
            amount = 1;
            _slope_1 = 0.5;
            _add_2 = 0;
            _slope_2 = 1;
        }
        else
        {
            _slope_1 = 1 / (2 * amount);
            _add_2 = 1 - 2 * amount;
            _slope_2 = 1 / (2 * (1 - amount));
        }
        _amount = amount;
        _enabled = true;
    }

    // Pivot limited to [0, 1); 1 and above act as 0, the same point of the cycle.
    void set_offset(double offset) noexcept { _offset = (offset > 0 && offset < 1) ? offset : 0; }

    bool is_enabled() const noexcept { return _enabled; }

    double apply(double a) const noexcept
    {
        if (!_enabled)
        {
            return a;
        }
        double c = a - _offset;
        if (c < 0)
        {
            c += 1;
        }
        if (_amount > c)
        {
            c *= _slope_1;
        }
        else
        {
            c = (c + _add_2) * _slope_2;
        }
        a = _offset + c;
        if (a >= 1)
        {
            a -= 1;
        }
        return a;
    }

private:
    double _amount = 0.5;
    double _offset = 0;
    double _slope_1 = 1;
    double _slope_2 = 1;
    double _add_2 = 0;
    bool _enabled = false;
};

} // namespace lfo
} // namespace zun

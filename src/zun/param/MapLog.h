#pragma once

namespace zun
{
namespace param
{

// nat = e^(nrm * a + b): equal normalised steps multiply the natural value by equal factors.
class MapLog
{
public:
    // min and max must be positive; otherwise the defaults stay.
    void config(double val_min, double val_max);

    double conv_norm_to_nat(double norm) const;
    double conv_nat_to_norm(double nat) const;

    double get_a() const { return _a; }
    double get_b() const { return _b; }

private:
    double _a = 1;
    double _b = 0;
    double _inv_a = 1;
};

} // namespace param
} // namespace zun

#pragma once

namespace zun
{
namespace param
{

// nat = 50 * (2 * nrm - 1)^3: fine steps around 0, coarse ones towards +/-50.
class MapPseudoExp
{
public:
    static constexpr double SCALE = 50;

    // The curve keeps its fixed scale whatever the range.
    void config(double /*val_min*/, double /*val_max*/) {}

    double conv_norm_to_nat(double norm) const;
    double conv_nat_to_norm(double nat) const;
};

} // namespace param
} // namespace zun

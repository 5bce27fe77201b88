#pragma once

#include "zun/lfo/OscPhaseShaped.h"

namespace zun
{
namespace lfo
{

// Triangle with a movable apex (variation 0, the slope point) that flattens into a pulse as the
// squareness (variation 1) rises: +1 down towards the slope point, then from -1 back up.
class OscVariSlope : public OscPhaseShaped
{
public:
    OscVariSlope() = default;
    OscVariSlope(const OscVariSlope&) = default;
    OscVariSlope& operator=(const OscVariSlope&) = default;
    ~OscVariSlope() override = default;

    void update_slopes() noexcept;

protected:
    void do_set_variation(int index, double value) noexcept override;
    bool do_is_using_variation(int index) const noexcept override;
    double do_get_val() const noexcept override;

private:
    double _var[2] = {0, 0};
    double _slope_1 = 0;
    double _slope_2 = 2;
    double _intercept_2 = -1;
};

} // namespace lfo
} // namespace zun

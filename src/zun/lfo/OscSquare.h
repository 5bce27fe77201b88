#pragma once

#include "zun/lfo/OscPhaseShaped.h"

namespace zun
{
namespace lfo
{

// Square: high in the first half of the cycle, low in the second.
class OscSquare : public OscPhaseShaped
{
public:
    OscSquare() = default;
    OscSquare(const OscSquare&) = default;
    OscSquare& operator=(const OscSquare&) = default;
    ~OscSquare() override = default;

    // Levels of both halves from the sign and polarity flags.
    void update_time_values() noexcept;

protected:
    void do_set_sign(bool invert) noexcept override;
    void do_set_polarity(bool unipolar) noexcept override;
    double do_get_val() const noexcept override;

private:
    float _val_second = -1.f;
    float _val_first = 1.f;
};

} // namespace lfo
} // namespace zun

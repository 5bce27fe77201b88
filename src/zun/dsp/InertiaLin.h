#pragma once

#include <limits>

namespace zun
{
namespace dsp
{

// Linear ramp of a value towards its target: each new target is reached after the ramp time,
// whatever the distance. With a ramp time of 0, changes apply at once.
class InertiaLin
{
public:
    InertiaLin() = default;
    InertiaLin(const InertiaLin&) = default;
    InertiaLin& operator=(const InertiaLin&) = default;
    virtual ~InertiaLin() = default;

    // Keeps the remaining duration of a running ramp. Rates at or below 0 are ignored.
    void set_sample_freq(double fs);
    double get_sample_freq() const { return _sample_freq; }

    // Seconds for a ramp; negative or non-finite times count as 0. A running ramp keeps
    // its step.
    void set_inertia_time(double t);
    double get_inertia_time() const { return _inertia_time; }

    void set_val(double v);
    // Advances by nbr_spl frames; a ramp that would pass its target ends exactly on it.
    void tick(long nbr_spl);
    // Ends any ramp on the target.
    void clear_buffers();

    double get_val() const { return _cur; }
    double get_target_val() const { return _target; }
    double get_start_val() const { return _start; }
    double get_step() const { return _step; }
    bool is_ramping() const { return _step != 0; }

private:
    double _inertia_time = 0;
    double _sample_freq = 44100;
    double _inv_len = std::numeric_limits<double>::infinity();
    double _start = 0;
    double _target = 0;
    double _cur = 0;
    double _step = 0;
};

} // namespace dsp
} // namespace zun

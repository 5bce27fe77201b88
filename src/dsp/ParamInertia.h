#pragma once

namespace dsp
{

// Glide of one internal value towards its target, at a constant rate chosen so that a whole
// change takes the glide time. The owner reads get_val() and get_step() (a zero step means the
// value is still).
class ParamInertia
{
public:
    // Negative or non-finite times count as 0 (changes apply at once).
    void set_time(float t);
    float get_time() const { return _time; }

    // Keeps the remaining duration of a running glide. Rates at or below 0 are ignored.
    void set_sample_freq(float fs);
    float get_sample_freq() const { return _sample_freq; }

    void set_val(float v);
    void tick(long nbr_spl);

    // Ends any glide on the target.
    void snap();

    double get_val() const { return _cur; }
    double get_step() const { return _step; }
    float get_target() const { return _target; }
    float get_start() const { return _start; }
    bool is_moving() const { return _step != 0; }

private:
    float _time = 0.1f;
    float _sample_freq = 44100.f;
    float _start = 0;
    float _target = 0;
    double _cur = 0;
    double _step = 0;
};

} // namespace dsp

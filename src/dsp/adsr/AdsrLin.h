#pragma once

#include <cstdint>
#include <limits>

namespace dsp
{

// Linear envelope: attack to 1, decay to the sustain level, a timed sustain, then release to 0.
// It runs its sections on its own once started; note_off does nothing. Times in seconds; every
// section lasts at least one sample.
class AdsrLin
{
public:
    enum Section : int32_t
    {
        Section_IDLE = 0,
        Section_ATTACK,
        Section_DECAY,
        Section_SUSTAIN,
        Section_RELEASE
    };

    AdsrLin() = default;
    AdsrLin(const AdsrLin&) = default;
    AdsrLin& operator=(const AdsrLin&) = default;
    virtual ~AdsrLin() = default;

    // Times take effect from the next section that starts.
    void set_sample_freq(float fs) noexcept { _sample_freq = fs; }
    void set_attack_time(float t) noexcept { _attack_time = t; }
    void set_decay_time(float t) noexcept { _decay_time = t; }
    void set_sustain_level(float lvl) noexcept { _sustain_level = lvl; }
    void set_sustain_time(float t) noexcept { _sustain_time = t; }
    void set_release_time(float t) noexcept { _release_time = t; }

    // (Re)starts the attack from the current value, so a retrigger never jumps.
    void note_on() noexcept;
    void note_off() noexcept {}
    void kill_ramps() noexcept;

    // Each processes at least one sample, even for n < 1.
    void process_block(float* out, long n) noexcept;
    void process_block_mul(float* buf, long n) noexcept;
    // Closed form per section.
    void skip_block(long n) noexcept;
    void clear_buffers() noexcept;

    double get_val() const noexcept { return _val; }
    Section get_section() const noexcept { return Section(_section); }
    int64_t get_remaining() const noexcept { return _remaining; }
    // Length in samples of a section of t seconds at the current rate.
    int64_t conv_time_to_len(float t) const noexcept;

private:
    static constexpr int64_t _len_inf = std::numeric_limits<int64_t>::max();

    void set_next_section() noexcept;
    inline void tick_one() noexcept
    {
        _val += _step;
        if (_remaining-- <= 1)
        {
            set_next_section();
        }
    }

    float _sample_freq = 44100;
    float _attack_time = 0.01f;
    float _decay_time = 0.1f;
    float _sustain_level = 0.85f;
    float _sustain_time = 4.0f;
    float _release_time = 0.25f;
    double _val = 0;
    double _step = 0;
    int64_t _remaining = _len_inf;
    int32_t _section = Section_IDLE;
};

} // namespace dsp

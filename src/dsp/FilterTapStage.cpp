#include "dsp/FilterTapStage.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace dsp
{
namespace
{

const double PI = 3.141592653589793;
const double SQRT2_INV = 0.7071067811865476;

// Four lanes. Every operation is one IEEE single-precision operation per lane, so a lane
// rounds exactly like the scalar Biquad.
#if defined(__SSE2__)

struct V4
{
    __m128 _v;
};

inline V4 load(const float* ptr)
{
    return {_mm_load_ps(ptr)};
}
inline V4 loadu(const float* ptr)
{
    return {_mm_loadu_ps(ptr)};
}
inline void store(float* ptr, V4 a)
{
    _mm_store_ps(ptr, a._v);
}
inline void storeu(float* ptr, V4 a)
{
    _mm_storeu_ps(ptr, a._v);
}
inline V4 splat(float x)
{
    return {_mm_set1_ps(x)};
}
inline V4 operator+(V4 a, V4 b)
{
    return {_mm_add_ps(a._v, b._v)};
}
inline V4 operator-(V4 a, V4 b)
{
    return {_mm_sub_ps(a._v, b._v)};
}
inline V4 operator*(V4 a, V4 b)
{
    return {_mm_mul_ps(a._v, b._v)};
}
// x where |x| <= lim, else 0 (NaN included).
inline V4 keep_if_within(V4 x, V4 lim)
{
    const __m128 mag = _mm_andnot_ps(_mm_set1_ps(-0.f), x._v);
    return {_mm_and_ps(x._v, _mm_cmple_ps(mag, lim._v))};
}
inline void transpose(V4& a, V4& b, V4& c, V4& d)
{
    _MM_TRANSPOSE4_PS(a._v, b._v, c._v, d._v);
}

#else

struct V4
{
    float _v[4];
};

inline V4 load(const float* ptr)
{
    return {{ptr[0], ptr[1], ptr[2], ptr[3]}};
}
inline V4 loadu(const float* ptr)
{
    return load(ptr);
}
inline void store(float* ptr, V4 a)
{
    std::memcpy(ptr, a._v, sizeof(a._v));
}
inline void storeu(float* ptr, V4 a)
{
    store(ptr, a);
}
inline V4 splat(float x)
{
    return {{x, x, x, x}};
}
inline V4 operator+(V4 a, V4 b)
{
    return {{a._v[0] + b._v[0], a._v[1] + b._v[1], a._v[2] + b._v[2], a._v[3] + b._v[3]}};
}
inline V4 operator-(V4 a, V4 b)
{
    return {{a._v[0] - b._v[0], a._v[1] - b._v[1], a._v[2] - b._v[2], a._v[3] - b._v[3]}};
}
inline V4 keep_if_within(V4 x, V4 lim)
{
    V4 r;
    for (int k = 0; k < 4; ++k)
    {
        r._v[k] = (std::fabs(x._v[k]) <= lim._v[k]) ? x._v[k] : 0.f;
    }
    return r;
}
inline V4 operator*(V4 a, V4 b)
{
    return {{a._v[0] * b._v[0], a._v[1] * b._v[1], a._v[2] * b._v[2], a._v[3] * b._v[3]}};
}
inline void transpose(V4& a, V4& b, V4& c, V4& d)
{
    const V4 r0 = a, r1 = b, r2 = c, r3 = d;
    a = {{r0._v[0], r1._v[0], r2._v[0], r3._v[0]}};
    b = {{r0._v[1], r1._v[1], r2._v[1], r3._v[1]}};
    c = {{r0._v[2], r1._v[2], r2._v[2], r3._v[2]}};
    d = {{r0._v[3], r1._v[3], r2._v[3], r3._v[3]}};
}

#endif

// Where a channel's lanes live, for the kernel.
struct LanePtrs
{
    float* _b0;
    float* _b1;
    float* _b2;
    float* _a1;
    float* _a2;
    float* _x1;
    float* _x2;
    float* _y1;
    float* _y2;
    const float* _gain;
    const float* _inc;
    float* _gain_end;
    // Inputs of group k at frame t: _in[k][t], interleaved by band; or, when every band
    // reads the same run of the delay line, that run itself (_run[t]).
    const float (*_in)[64][4];
    const float* _run;
    // Out: per frame, the lane-wise sum over the groups of gain x band output.
    float (*_acc)[4];
};

// The biquads of G groups of four bands over one block. Each lane computes exactly what a
// lone Biquad would; the groups are interleaved so that their recursions overlap instead of
// waiting on each other.
// BCAST: every band reads the same run (no band delay). FADE: some band is fading, so each
// output is weighted by its ramping gain (otherwise all gains are 1). NO_B1: b1 is 0 in every
// lane, as in any band-pass: the b1 x1 term is then exactly 0 and adding it changes nothing.
template <int G, bool BCAST, bool FADE, bool NO_B1>
void run_lanes(const LanePtrs& p, long nbr_spl)
{
    V4 b0[G], b1[G], b2[G], a1[G], a2[G], x1[G], x2[G], y1[G], y2[G], g[G], inc[G];
    for (int k = 0; k < G; ++k)
    {
        b0[k] = load(p._b0 + 4 * k);
        b1[k] = load(p._b1 + 4 * k);
        b2[k] = load(p._b2 + 4 * k);
        a1[k] = load(p._a1 + 4 * k);
        a2[k] = load(p._a2 + 4 * k);
        x1[k] = load(p._x1 + 4 * k);
        x2[k] = load(p._x2 + 4 * k);
        y1[k] = load(p._y1 + 4 * k);
        y2[k] = load(p._y2 + 4 * k);
        g[k] = load(p._gain + 4 * k);
        inc[k] = load(p._inc + 4 * k);
    }
    for (long t = 0; t < nbr_spl; ++t)
    {
        const V4 xb = BCAST ? splat(p._run[t]) : V4{};
        V4 acc{};
#if defined(__GNUC__)
#pragma GCC unroll 4
#endif
        for (int k = 0; k < G; ++k)
        {
            const V4 x = BCAST ? xb : load(p._in[k][t]);
            // Same order as Biquad: b0 x + b1 x1 + b2 x2 - (a1 y1 + a2 y2)
            const V4 ff = NO_B1 ? b0[k] * x + b2[k] * x2[k] : (b0[k] * x + b1[k] * x1[k]) + b2[k] * x2[k];
            const V4 y = ff - (a1[k] * y1[k] + a2[k] * y2[k]);
            x2[k] = x1[k];
            x1[k] = x;
            y2[k] = y1[k];
            y1[k] = y;
            const V4 out = FADE ? g[k] * y : y;
            acc = (k == 0) ? out : acc + out;
            if (FADE)
            {
                g[k] = g[k] + inc[k];
            }
        }
        store(p._acc[t], acc);
    }
    for (int k = 0; k < G; ++k)
    {
        store(p._x1 + 4 * k, x1[k]);
        store(p._x2 + 4 * k, x2[k]);
        store(p._y1 + 4 * k, y1[k]);
        store(p._y2 + 4 * k, y2[k]);
        store(p._gain_end + 4 * k, g[k]);
    }
}

template <bool BCAST, bool FADE, bool NO_B1>
void run_lanes_g(int nbr_grp, const LanePtrs& p, long nbr_spl)
{
    switch (nbr_grp)
    {
    case 1:
        run_lanes<1, BCAST, FADE, NO_B1>(p, nbr_spl);
        break;
    case 2:
        run_lanes<2, BCAST, FADE, NO_B1>(p, nbr_spl);
        break;
    case 3:
        run_lanes<3, BCAST, FADE, NO_B1>(p, nbr_spl);
        break;
    default:
        run_lanes<4, BCAST, FADE, NO_B1>(p, nbr_spl);
        break;
    }
}

template <bool BCAST>
void run_lanes_any(int nbr_grp, bool fade_flag, bool no_b1_flag, const LanePtrs& p, long nbr_spl)
{
    if (fade_flag)
    {
        if (no_b1_flag)
        {
            run_lanes_g<BCAST, true, true>(nbr_grp, p, nbr_spl);
        }
        else
        {
            run_lanes_g<BCAST, true, false>(nbr_grp, p, nbr_spl);
        }
    }
    else if (no_b1_flag)
    {
        run_lanes_g<BCAST, false, true>(nbr_grp, p, nbr_spl);
    }
    else
    {
        run_lanes_g<BCAST, false, false>(nbr_grp, p, nbr_spl);
    }
}

} // namespace

FilterTapStage::FilterTapStage()
{
    std::memset(_lanes, 0, sizeof(_lanes));
    std::memset(_lane_gain, 0, sizeof(_lane_gain));
    std::memset(_lane_inc, 0, sizeof(_lane_inc));
    std::memset(_lane_gain_end, 0, sizeof(_lane_gain_end));
    std::memset(_work, 0, sizeof(_work));
    std::memset(_acc, 0, sizeof(_acc));
    std::memset(_band_gain_seq, 0, sizeof(_band_gain_seq));
    for (int band = 0; band < MAX_NBR_BANDS; ++band)
    {
        sync_lane_coefs(band);
    }
}

void FilterTapStage::init(Owner& owner)
{
    update_delay_buffers();
    _owner_ptr = &owner;
    _delay_target = 0;
    _tone_target = 0.5f;
    _delay_glide.set_time(0.1f);
    set_delay_spl();
    for (int chn = 0; chn < MAX_NBR_CHN; ++chn)
    {
        for (int band = 0; band < MAX_NBR_BANDS; ++band)
        {
            Filter2p& f = _band_filter[chn][band];
            f.set_type(Filter2p::Type_BAND_PASS);
            f.set_p1(1);
            f.update_eq();
        }
    }
    for (int band = 0; band < MAX_NBR_BANDS; ++band)
    {
        sync_lane_coefs(band);
    }
}

void FilterTapStage::do_set_default_state()
{
    _delay_target = 0;
    _tone_target = 0.5f;
}

void FilterTapStage::set_stereo_flag(bool stereo_flag)
{
    _stereo_flag = stereo_flag;
    if (stereo_flag)
    {
        for (int band = 0; band < MAX_NBR_BANDS; ++band)
        {
            _band_filter[1][band].copy_settings(_band_filter[0][band]);
            _band_filter[1][band].update_eq();
            sync_lane_coefs(band);
        }
    }
}

void FilterTapStage::set_sample_freq(float fs)
{
    if (!(fs > 0) || !std::isfinite(fs))
    {
        return;
    }
    _sample_freq = fs;
    _delay_glide.set_sample_freq(fs);
    for (int chn = 0; chn < MAX_NBR_CHN; ++chn)
    {
        for (int band = 0; band < MAX_NBR_BANDS; ++band)
        {
            Filter2p& f = _band_filter[chn][band];
            f.set_sample_freq(fs);
            f.transform_s_to_z();
            f.update_eq();
        }
    }
    for (int band = 0; band < MAX_NBR_BANDS; ++band)
    {
        sync_lane_coefs(band);
    }
    _bands_changed_flag = true;
    update_delay_buffers();
    // The delays are kept in samples: without this they would keep the old rate's lengths
    // until the glide next moves.
    set_delay_spl();
}

void FilterTapStage::set_nbr_active_band(int nbr)
{
    _nbr_active_band = std::clamp(nbr, 0, int(MAX_NBR_BANDS));
    _bands_changed_flag = true;
}

void FilterTapStage::set_first_rband(int band)
{
    _first_rband = std::clamp(band, 0, int(MAX_NBR_BANDS));
}

void FilterTapStage::set_first_rband_decreasing(int band)
{
    _first_rband_decreasing = std::clamp(band, 0, int(MAX_NBR_BANDS));
    // Bands from here up fade out, fully-on ones included; otherwise they would count both
    // as fully on and as fading.
    _first_rband = std::min(_first_rband, _first_rband_decreasing);
}

void FilterTapStage::set_cutoff_freq(float freq, int band)
{
    if (band >= 0 && band < MAX_NBR_BANDS)
    {
        _band_filter[0][band].set_freq(freq);
        _bands_changed_flag = true;
    }
}

void FilterTapStage::set_q(float q, int band)
{
    if (band >= 0 && band < MAX_NBR_BANDS)
    {
        _band_filter[0][band].set_p2(q);
        _bands_changed_flag = true;
    }
}

void FilterTapStage::set_reso(float gain, int band)
{
    if (band >= 0 && band < MAX_NBR_BANDS)
    {
        _band_filter[0][band].set_p1(gain);
        _bands_changed_flag = true;
    }
}

void FilterTapStage::set_harm_balance(float tone)
{
    _tone_target = std::isfinite(tone) ? std::clamp(tone, 0.f, 1.f) : 0.5f;
    _balance_changed_flag = true;
}

void FilterTapStage::set_band_delay(float ms)
{
    _delay_target = std::isfinite(ms) ? std::clamp(ms, -MAX_DELAY_MS, MAX_DELAY_MS) : 0.f;
    _balance_changed_flag = true;
}

void FilterTapStage::tick(long nbr_spl)
{
    _tone_prev = _tone_cur;

    if (_balance_changed_flag)
    {
        _delay_glide.set_val(_delay_target);
        _tone_cur = _tone_target;
        if (_tone_cur != _tone_prev)
        {
            const double angle = _tone_cur * (PI * 0.5);
            _band_gain_target = float(std::sin(angle) * SQRT2_INV);
            if (_owner_ptr != nullptr)
            {
                _owner_ptr->set_wanted_harm_lpf_balance(std::cos(angle) * SQRT2_INV);
            }
            _band_gain_step = (_band_gain_target - _band_gain_cur) * (1.f / float(FADE_LEN));
        }
        _balance_changed_flag = false;
    }

    if (_bands_changed_flag)
    {
        for (int band = 0; band < _nbr_active_band; ++band)
        {
            update_band_eq(band);
        }
        _bands_changed_flag = false;
    }

    if (_delay_glide.get_step() != 0)
    {
        _delay_glide.tick(nbr_spl);
        set_delay_spl();
    }

    // Fade-in completion, from the lowest fading band up. A band that completes above one
    // still fading waits at full gain instead of pushing first_rband past the slower one.
    const int frd = std::min(_first_rband_decreasing, _nbr_active_band);
    for (int band = _first_rband; band < frd; ++band)
    {
        if (_fade_gain[band] > 0.999f)
        {
            _fade_gain[band] = 1;
            if (band == _first_rband)
            {
                ++_first_rband;
            }
        }
    }

    // Fade-out completion, from the top down; the same waiting rule, at zero.
    for (int band = _nbr_active_band - 1; band >= _first_rband_decreasing; --band)
    {
        if (_fade_gain[band] < 0.001f)
        {
            _fade_gain[band] = 0;
            clear_band_mem(band);
            if (band == _nbr_active_band - 1)
            {
                --_nbr_active_band;
            }
        }
    }

    // Arrived (or passed): settle on the target.
    if ((_band_gain_target - _band_gain_cur) * _band_gain_step <= 0)
    {
        _band_gain_cur = _band_gain_target;
        _band_gain_step = 0;
    }
}

void FilterTapStage::process_block(float* const* dst, const float* const* src, long nbr_spl)
{
    if (nbr_spl <= 0)
    {
        return;
    }
    nbr_spl = std::min(nbr_spl, long(MAX_BLOCK_LEN));
    write_input(src, nbr_spl);

    const int nc = nbr_chn();
    if (_nbr_active_band <= 0 || (std::fabs(_band_gain_cur) < 1e-9f && _band_gain_step == 0))
    {
        for (int chn = 0; chn < nc; ++chn)
        {
            std::fill(dst[chn], dst[chn] + nbr_spl, 0.f);
        }
        return;
    }

    prepare_lane_gains();
    const bool ramp_flag = (_band_gain_cur != _band_gain_target);
    const bool rising = (_band_gain_step > 0);
    float bg = _band_gain_cur;
    for (long t = 0; t < nbr_spl; ++t)
    {
        _band_gain_seq[t] = bg;
        if (ramp_flag)
        {
            bg += _band_gain_step;
            // A float ramp can land a hair short at its last step and run on past the target
            // until the next tick: stop it there.
            if (rising ? (bg > _band_gain_target) : (bg < _band_gain_target))
            {
                bg = _band_gain_target;
            }
        }
    }

    for (int chn = 0; chn < nc; ++chn)
    {
        process_channel(chn, dst[chn], nbr_spl);
    }

    _band_gain_cur = bg;
    // A fully-on band plays at gain 1, whatever it was given: a later fade-out starts there.
    for (int band = 0; band < _nbr_active_band; ++band)
    {
        _fade_gain[band] = _lane_gain_end[band];
    }
}

void FilterTapStage::clear_buffers()
{
    _delay_glide.set_val(_delay_target);
    _delay_glide.snap();
    set_delay_spl();

    _tone_prev = _tone_target;
    _tone_cur = _tone_target;
    const double angle = _tone_cur * (PI * 0.5);
    _band_gain_cur = float(std::sin(angle) * SQRT2_INV);
    _band_gain_target = _band_gain_cur;
    _band_gain_step = 0;
    if (_owner_ptr != nullptr)
    {
        _owner_ptr->set_wanted_harm_lpf_balance(std::cos(angle) * SQRT2_INV);
        _owner_ptr->fix_harm_lpf_balance();
    }

    _first_rband = _nbr_active_band;
    _first_rband_decreasing = _nbr_active_band;
    for (int band = 0; band < _nbr_active_band; ++band)
    {
        _fade_gain[band] = 1;
    }

    for (int chn = 0; chn < MAX_NBR_CHN; ++chn)
    {
        for (int band = 0; band < MAX_NBR_BANDS; ++band)
        {
            _band_filter[chn][band].clear_buffers();
            _band_filter[chn][band].update_eq();
        }
    }
    for (int band = 0; band < MAX_NBR_BANDS; ++band)
    {
        clear_band_mem(band);
        sync_lane_coefs(band);
    }

    for (auto& line : _delay_line)
    {
        std::fill(line.begin(), line.end(), 0.f);
    }
}

float FilterTapStage::get_band_mem_x(int chn, int band, int k) const
{
    return (k == 0) ? _lanes[chn]._x1[band] : _lanes[chn]._x2[band];
}

float FilterTapStage::get_band_mem_y(int chn, int band, int k) const
{
    return (k == 0) ? _lanes[chn]._y1[band] : _lanes[chn]._y2[band];
}

void FilterTapStage::update_delay_buffers()
{
    // The block length on top: a read spans the delay plus the block being read.
    const int64_t needed = int64_t(double(_sample_freq) * DELAY_LINE_DURATION) + MAX_BLOCK_LEN + 1;
    if (_size >= needed)
    {
        return;
    }
    int64_t size = 1;
    while (size < needed)
    {
        size <<= 1;
    }
    for (auto& line : _delay_line)
    {
        const size_t old_size = size_t(_size);
        line.resize(size_t(size + DELAY_GUARD), 0.f);
        // The old mirror becomes ordinary (new, silent) line space.
        std::fill(line.begin() + std::ptrdiff_t(old_size), line.end(), 0.f);
        std::copy(line.begin(), line.begin() + DELAY_GUARD, line.begin() + std::ptrdiff_t(size));
    }
    _size = size;
    _mask = size - 1;
    _write_pos &= _mask;
}

void FilterTapStage::set_delay_spl()
{
    const double d = double(float(_delay_glide.get_val())) * 0.001;
    const int64_t max_delay = std::max<int64_t>(_size - MAX_BLOCK_LEN, 0);
    for (int band = 0; band < MAX_NBR_BANDS; ++band)
    {
        const double steps = (d >= 0) ? double(band) * d : double(MAX_NBR_BANDS - band) * -d;
        const int64_t delay = std::llround(steps * double(_sample_freq));
        _band_delay[band] = std::clamp<int64_t>(delay, 0, max_delay);
    }
}

void FilterTapStage::update_band_eq(int band)
{
    _band_filter[0][band].update_eq();
    if (_stereo_flag)
    {
        _band_filter[1][band].copy_settings(_band_filter[0][band]);
    }
    sync_lane_coefs(band);
}

void FilterTapStage::sync_lane_coefs(int band)
{
    for (int chn = 0; chn < MAX_NBR_CHN; ++chn)
    {
        const Filter2p& f = _band_filter[chn][band];
        LaneBank& lb = _lanes[chn];
        lb._b0[band] = f.get_b(0);
        lb._b1[band] = f.get_b(1);
        lb._b2[band] = f.get_b(2);
        lb._a1[band] = f.get_a(1);
        lb._a2[band] = f.get_a(2);
    }
}

void FilterTapStage::clear_band_mem(int band)
{
    for (int chn = 0; chn < MAX_NBR_CHN; ++chn)
    {
        _band_filter[chn][band].clear_buffers();
        LaneBank& lb = _lanes[chn];
        lb._x1[band] = 0;
        lb._x2[band] = 0;
        lb._y1[band] = 0;
        lb._y2[band] = 0;
    }
}

void FilterTapStage::write_input(const float* const* src, long nbr_spl)
{
    // The anti-denormal noise, state = (state x A + C) mod 2^31, run as four interleaved
    // streams that each jump four steps at a time: the same sequence without waiting on one
    // multiplication per frame. Only the low 31 bits of the products matter, so 32-bit
    // unsigned arithmetic gives them exactly.
    constexpr uint32_t M = 0x7FFFFFFF;
    constexpr uint32_t A1 = 1103515245u;
    constexpr uint32_t C1 = 12345u;
    constexpr uint32_t A2 = (A1 * A1) & M;
    constexpr uint32_t C2 = (A1 * C1 + C1) & M;
    constexpr uint32_t A4 = (A2 * A2) & M;
    constexpr uint32_t C4 = (A2 * C2 + C2) & M;
    static const float ofs_val[2] = {-1e-18f, 1e-18f};
    alignas(16) float ofs[MAX_BLOCK_LEN + 3];
    uint32_t st_spl[MAX_BLOCK_LEN + 3];
    uint32_t st[4];
    st[0] = (uint32_t(_noise_state) * A1 + C1) & M;
    for (int k = 1; k < 4; ++k)
    {
        st[k] = (st[k - 1] * A1 + C1) & M;
    }
    for (long t = 0; t < nbr_spl; t += 4)
    {
        for (int k = 0; k < 4; ++k)
        {
            st_spl[t + k] = st[k];
            ofs[t + k] = ofs_val[(st[k] >> 16) & 1];
            st[k] = (st[k] * A4 + C4) & M;
        }
    }
    _noise_state = int64_t(st_spl[nbr_spl - 1]);

    const V4 lim = splat(MAX_INPUT);
    const int64_t w0 = _write_pos;
    const long len_a = long(std::min<int64_t>(nbr_spl, _size - w0));
    for (int chn = 0; chn < nbr_chn(); ++chn)
    {
        float* line = _delay_line[chn].data();
        const float* in = src[chn];
        // Up to the end of the line, then from its start.
        for (int piece = 0; piece < 2; ++piece)
        {
            const long beg = (piece == 0) ? 0 : len_a;
            const long end = (piece == 0) ? len_a : nbr_spl;
            float* out = line + ((piece == 0) ? w0 : 0);
            long t = beg;
            for (; t + 4 <= end; t += 4)
            {
                storeu(out + (t - beg), keep_if_within(loadu(in + t), lim) + loadu(ofs + t));
            }
            for (; t < end; ++t)
            {
                const float x = in[t];
                out[t - beg] = ((std::fabs(x) <= MAX_INPUT) ? x : 0.f) + ofs[t];
            }
        }
        if (w0 < DELAY_GUARD || len_a < nbr_spl)
        {
            std::memcpy(line + _size, line, sizeof(float) * DELAY_GUARD);
        }
    }
    _write_pos = (w0 + nbr_spl) & _mask;
}

void FilterTapStage::prepare_lane_gains()
{
    for (int slot = 0; slot < NBR_LANE_SLOTS; ++slot)
    {
        float g = 0;
        float inc = 0;
        if (slot < _nbr_active_band)
        {
            if (slot < std::min(_first_rband, _first_rband_decreasing))
            {
                g = 1;
            }
            else if (slot < _first_rband_decreasing)
            {
                // Exactly 1 or 0: a band that completed its fade at a tick but waits for a
                // slower neighbour; it holds there.
                g = _fade_gain[slot];
                inc = (g != 1) ? _fade_inc : 0.f;
            }
            else
            {
                g = _fade_gain[slot];
                inc = (g != 0) ? -_fade_inc : 0.f;
            }
        }
        _lane_gain[slot] = g;
        _lane_inc[slot] = inc;
    }
}

void FilterTapStage::process_channel(int chn, float* dst, long nbr_spl)
{
    const int nbr_band = _nbr_active_band;
    const int nbr_grp = (nbr_band + NBR_LANES - 1) / NBR_LANES;
    const int end_slot = nbr_grp * NBR_LANES;
    const float* line = _delay_line[chn].data();
    LaneBank& lb = _lanes[chn];

    // Inactive bands sharing the last group run as silent lanes (zero coefficients and
    // memory) and get their own memory back afterwards.
    float keep[NBR_LANES][4];
    for (int slot = nbr_band; slot < end_slot; ++slot)
    {
        float* k = keep[slot - nbr_band];
        k[0] = lb._x1[slot];
        k[1] = lb._x2[slot];
        k[2] = lb._y1[slot];
        k[3] = lb._y2[slot];
        lb._b0[slot] = lb._b1[slot] = lb._b2[slot] = lb._a1[slot] = lb._a2[slot] = 0;
        lb._x1[slot] = lb._x2[slot] = lb._y1[slot] = lb._y2[slot] = 0;
    }

    LanePtrs p{lb._b0, lb._b1,     lb._b2,    lb._a1,         lb._a2,  lb._x1,  lb._x2, lb._y1,
               lb._y2, _lane_gain, _lane_inc, _lane_gain_end, nullptr, nullptr, _acc};
    const float* run_0 = line + ((_write_pos - nbr_spl - _band_delay[0]) & _mask);
    bool same_delay_flag = true;
    for (int band = 1; band < nbr_band && same_delay_flag; ++band)
    {
        same_delay_flag = (_band_delay[band] == _band_delay[0]);
    }
    bool fade_flag = false;
    bool no_b1_flag = true;
    for (int band = 0; band < nbr_band; ++band)
    {
        fade_flag |= (_lane_gain[band] != 1 || _lane_inc[band] != 0);
        no_b1_flag &= (lb._b1[band] == 0);
    }
    const long nbr_spl_4 = (nbr_spl + 3) & ~3L;
    if (same_delay_flag)
    {
        // Every band reads the same samples (no band delay): one broadcast feeds them all.
        p._run = run_0;
        run_lanes_any<true>(nbr_grp, fade_flag, no_b1_flag, p, nbr_spl);
    }
    else
    {
        // Gather each band's run of the delay line, interleaved four bands to a frame.
        for (int grp = 0; grp < nbr_grp; ++grp)
        {
            const float* run[NBR_LANES];
            for (int lane = 0; lane < NBR_LANES; ++lane)
            {
                const int slot = grp * NBR_LANES + lane;
                const int band = (slot < nbr_band) ? slot : 0;
                run[lane] = line + ((_write_pos - nbr_spl - _band_delay[band]) & _mask);
            }
            for (long t = 0; t < nbr_spl_4; t += 4)
            {
                V4 r0 = loadu(run[0] + t);
                V4 r1 = loadu(run[1] + t);
                V4 r2 = loadu(run[2] + t);
                V4 r3 = loadu(run[3] + t);
                transpose(r0, r1, r2, r3);
                store(_work[grp][t], r0);
                store(_work[grp][t + 1], r1);
                store(_work[grp][t + 2], r2);
                store(_work[grp][t + 3], r3);
            }
        }
        p._in = _work;
        run_lanes_any<false>(nbr_grp, fade_flag, no_b1_flag, p, nbr_spl);
    }

    for (int slot = nbr_band; slot < end_slot; ++slot)
    {
        const float* k = keep[slot - nbr_band];
        lb._x1[slot] = k[0];
        lb._x2[slot] = k[1];
        lb._y1[slot] = k[2];
        lb._y2[slot] = k[3];
        if (slot < MAX_NBR_BANDS)
        {
            sync_lane_coefs(slot);
        }
    }
    // A band whose memory overflowed or took a non-finite value starts again from silence.
    for (int band = 0; band < nbr_band; ++band)
    {
        if (!std::isfinite(lb._x1[band] + lb._x2[band] + lb._y1[band] + lb._y2[band]))
        {
            lb._x1[band] = lb._x2[band] = lb._y1[band] = lb._y2[band] = 0;
        }
    }

    // Finish the sums across the four lanes, four frames at a time, and apply the band gain.
    for (long t = 0; t < nbr_spl_4; t += 4)
    {
        V4 v0 = load(_acc[t]);
        V4 v1 = load(_acc[t + 1]);
        V4 v2 = load(_acc[t + 2]);
        V4 v3 = load(_acc[t + 3]);
        transpose(v0, v1, v2, v3);
        const V4 sum = (((v0 + v1) + v2) + v3) * loadu(_band_gain_seq + t);
        if (t + 4 <= nbr_spl)
        {
            storeu(dst + t, sum);
        }
        else
        {
            alignas(16) float tmp[4];
            store(tmp, sum);
            for (long k = t; k < nbr_spl; ++k)
            {
                dst[k] = tmp[k - t];
            }
        }
    }
}

} // namespace dsp

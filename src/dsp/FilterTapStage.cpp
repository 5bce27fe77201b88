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
inline V4 operator+(V4 a, V4 b)
{
    return {{a._v[0] + b._v[0], a._v[1] + b._v[1], a._v[2] + b._v[2], a._v[3] + b._v[3]}};
}
inline V4 operator-(V4 a, V4 b)
{
    return {{a._v[0] - b._v[0], a._v[1] - b._v[1], a._v[2] - b._v[2], a._v[3] - b._v[3]}};
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

// The biquads of G groups of four bands over one block. work[g][t] holds the inputs of
// group g at frame t and receives gain x output. The groups are interleaved so that their
// recursions overlap instead of waiting on each other.
template <int G>
void run_lanes(float* b0_arr, float* b1_arr, float* b2_arr, float* a1_arr, float* a2_arr, float* x1_arr,
               float* x2_arr, float* y1_arr, float* y2_arr, const float* gain_arr, const float* inc_arr,
               float* gain_end_arr, float (*work)[64][4], long nbr_spl)
{
    V4 b0[G], b1[G], b2[G], a1[G], a2[G], x1[G], x2[G], y1[G], y2[G], g[G], inc[G];
    for (int k = 0; k < G; ++k)
    {
        b0[k] = load(b0_arr + 4 * k);
        b1[k] = load(b1_arr + 4 * k);
        b2[k] = load(b2_arr + 4 * k);
        a1[k] = load(a1_arr + 4 * k);
        a2[k] = load(a2_arr + 4 * k);
        x1[k] = load(x1_arr + 4 * k);
        x2[k] = load(x2_arr + 4 * k);
        y1[k] = load(y1_arr + 4 * k);
        y2[k] = load(y2_arr + 4 * k);
        g[k] = load(gain_arr + 4 * k);
        inc[k] = load(inc_arr + 4 * k);
    }
    for (long t = 0; t < nbr_spl; ++t)
    {
#if defined(__GNUC__)
#pragma GCC unroll 4
#endif
        for (int k = 0; k < G; ++k)
        {
            float* w = work[k][t];
            const V4 x = load(w);
            // Same order as Biquad: b0 x + b1 x1 + b2 x2 - (a1 y1 + a2 y2)
            const V4 y = ((b0[k] * x + b1[k] * x1[k]) + b2[k] * x2[k]) - (a1[k] * y1[k] + a2[k] * y2[k]);
            x2[k] = x1[k];
            x1[k] = x;
            y2[k] = y1[k];
            y1[k] = y;
            store(w, g[k] * y);
            g[k] = g[k] + inc[k];
        }
    }
    for (int k = 0; k < G; ++k)
    {
        store(x1_arr + 4 * k, x1[k]);
        store(x2_arr + 4 * k, x2[k]);
        store(y1_arr + 4 * k, y1[k]);
        store(y2_arr + 4 * k, y2[k]);
        store(gain_end_arr + 4 * k, g[k]);
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

    if ((_band_gain_target - _band_gain_cur) * _band_gain_step < 0)
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
    float bg = _band_gain_cur;
    for (long t = 0; t < nbr_spl; ++t)
    {
        _band_gain_seq[t] = bg;
        if (ramp_flag)
        {
            bg += _band_gain_step;
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
    const int nc = nbr_chn();
    float* line_0 = _delay_line[0].data();
    float* line_1 = _delay_line[1].data();
    int64_t w = _write_pos;
    int64_t state = _noise_state;
    for (long t = 0; t < nbr_spl; ++t)
    {
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF;
        const float ofs = ((state >> 16) & 1) != 0 ? 1e-18f : -1e-18f;
        const float x0 = src[0][t];
        const float v0 = ((std::fabs(x0) <= MAX_INPUT) ? x0 : 0.f) + ofs;
        line_0[w] = v0;
        if (w < DELAY_GUARD)
        {
            line_0[_size + w] = v0;
        }
        if (nc > 1)
        {
            const float x1 = src[1][t];
            const float v1 = ((std::fabs(x1) <= MAX_INPUT) ? x1 : 0.f) + ofs;
            line_1[w] = v1;
            if (w < DELAY_GUARD)
            {
                line_1[_size + w] = v1;
            }
        }
        w = (w + 1) & _mask;
    }
    _write_pos = w;
    _noise_state = state;
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
    const float* line = _delay_line[chn].data();
    LaneBank& lb = _lanes[chn];

    // Inactive bands sharing the last group must come out of the block untouched.
    float keep[NBR_LANES][4];
    const int first_idle = nbr_band;
    const int end_slot = nbr_grp * NBR_LANES;
    for (int slot = first_idle; slot < end_slot; ++slot)
    {
        float* k = keep[slot - first_idle];
        k[0] = lb._x1[slot];
        k[1] = lb._x2[slot];
        k[2] = lb._y1[slot];
        k[3] = lb._y2[slot];
    }

    // Gather: each band's run of the delay line, interleaved four bands to a frame.
    const long nbr_spl_4 = (nbr_spl + 3) & ~3L;
    for (int grp = 0; grp < nbr_grp; ++grp)
    {
        const float* run[NBR_LANES];
        for (int lane = 0; lane < NBR_LANES; ++lane)
        {
            const int slot = grp * NBR_LANES + lane;
            const int band = (slot < MAX_NBR_BANDS) ? slot : 0;
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

    switch (nbr_grp)
    {
    case 1:
        run_lanes<1>(lb._b0, lb._b1, lb._b2, lb._a1, lb._a2, lb._x1, lb._x2, lb._y1, lb._y2, _lane_gain,
                     _lane_inc, _lane_gain_end, _work, nbr_spl);
        break;
    case 2:
        run_lanes<2>(lb._b0, lb._b1, lb._b2, lb._a1, lb._a2, lb._x1, lb._x2, lb._y1, lb._y2, _lane_gain,
                     _lane_inc, _lane_gain_end, _work, nbr_spl);
        break;
    case 3:
        run_lanes<3>(lb._b0, lb._b1, lb._b2, lb._a1, lb._a2, lb._x1, lb._x2, lb._y1, lb._y2, _lane_gain,
                     _lane_inc, _lane_gain_end, _work, nbr_spl);
        break;
    default:
        run_lanes<4>(lb._b0, lb._b1, lb._b2, lb._a1, lb._a2, lb._x1, lb._x2, lb._y1, lb._y2, _lane_gain,
                     _lane_inc, _lane_gain_end, _work, nbr_spl);
        break;
    }

    for (int slot = first_idle; slot < end_slot; ++slot)
    {
        const float* k = keep[slot - first_idle];
        lb._x1[slot] = k[0];
        lb._x2[slot] = k[1];
        lb._y1[slot] = k[2];
        lb._y2[slot] = k[3];
    }
    // A band whose memory overflowed or took a non-finite value starts again from silence.
    for (int band = 0; band < nbr_band; ++band)
    {
        if (!std::isfinite(lb._x1[band] + lb._x2[band] + lb._y1[band] + lb._y2[band]))
        {
            lb._x1[band] = lb._x2[band] = lb._y1[band] = lb._y2[band] = 0;
        }
    }

    // Sum the bands in index order, four frames at a time, then apply the band gain.
    const int last_grp_lanes = nbr_band - (nbr_grp - 1) * NBR_LANES;
    for (long t = 0; t < nbr_spl_4; t += 4)
    {
        V4 acc{};
        for (int grp = 0; grp < nbr_grp; ++grp)
        {
            V4 v[4] = {load(_work[grp][t]), load(_work[grp][t + 1]), load(_work[grp][t + 2]),
                       load(_work[grp][t + 3])};
            transpose(v[0], v[1], v[2], v[3]);
            const int nbr_lanes = (grp == nbr_grp - 1) ? last_grp_lanes : NBR_LANES;
            int lane = 0;
            if (grp == 0)
            {
                acc = v[0];
                lane = 1;
            }
            for (; lane < nbr_lanes; ++lane)
            {
                acc = acc + v[lane];
            }
        }
        acc = acc * loadu(_band_gain_seq + t);
        if (t + 4 <= nbr_spl)
        {
            storeu(dst + t, acc);
        }
        else
        {
            alignas(16) float tmp[4];
            store(tmp, acc);
            for (long k = t; k < nbr_spl; ++k)
            {
                dst[k] = tmp[k - t];
            }
        }
    }
}

} // namespace dsp

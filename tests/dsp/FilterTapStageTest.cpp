#include "dsp/FilterTapStage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <vector>

namespace
{

const double PI = 3.141592653589793;
const int NB = dsp::FilterTapStage::MAX_NBR_BANDS;

class OwnerRec : public dsp::FilterTapStage::Owner
{
public:
    double _wanted = -1;
    int _nbr_fix = 0;

protected:
    void do_set_wanted_harm_lpf_balance(double w) override { _wanted = w; }
    void do_fix_harm_lpf_balance() override { ++_nbr_fix; }
};

// The band stage written plainly: one Filter2p per band and channel, filtered band by band
// through work buffers. The optimised stage must follow it.
class RefStage
{
public:
    bool _stereo = false;
    float _fs = 44100;
    bool _balance_changed = false;
    bool _bands_changed = false;
    dsp::ParamInertia _glide;
    float _delay_target = 0;
    float _tone_target = 0.5f;
    double _tone_prev = -1, _tone_cur = -1;
    float _bg_cur = -1, _bg_target = -1, _bg_step = -1;
    int _nab = 1, _fr = 1, _frd = 1;
    float _fade[NB] = {};
    std::vector<float> _line[2];
    int64_t _w = 0, _size = 0, _mask = 0;
    int64_t _delay[NB] = {};
    dsp::Filter2p _f[2][NB];
    int64_t _noise = 0;
    float _work[2][64];
    OwnerRec _owner;

    void init()
    {
        update_lines();
        set_delay_spl();
        for (auto& bank : _f)
        {
            for (auto& f : bank)
            {
                f.set_type(3);
                f.set_p1(1);
                f.update_eq();
            }
        }
    }
    void set_stereo(bool s)
    {
        _stereo = s;
        if (s)
        {
            for (int j = 0; j < NB; ++j)
            {
                _f[1][j].copy_settings(_f[0][j]);
                _f[1][j].update_eq();
            }
        }
    }
    void set_fs(float fs)
    {
        _fs = fs;
        _glide.set_sample_freq(fs);
        for (auto& bank : _f)
        {
            for (auto& f : bank)
            {
                f.set_sample_freq(fs);
                f.transform_s_to_z();
                f.update_eq();
            }
        }
        _bands_changed = true;
        update_lines();
        set_delay_spl();
    }
    void update_lines()
    {
        const int64_t needed = int64_t(double(_fs) * 0.75) + 65;
        if (_size < needed)
        {
            _size = int64_t(1) << int(std::ceil(std::log2(double(needed))));
            _mask = _size - 1;
            for (auto& l : _line)
            {
                l.resize(size_t(_size), 0.f);
            }
        }
    }
    void set_delay_spl()
    {
        const double d = double(float(_glide.get_val())) * 0.001;
        for (int j = 0; j < NB; ++j)
        {
            _delay[j] = std::llround((d >= 0 ? j * d : (NB - j) * -d) * double(_fs));
        }
    }
    void tick(long n)
    {
        _tone_prev = _tone_cur;
        if (_balance_changed)
        {
            _glide.set_val(_delay_target);
            _tone_cur = _tone_target;
            if (_tone_cur != _tone_prev)
            {
                const double s = std::sin(_tone_cur * PI / 2), c = std::cos(_tone_cur * PI / 2);
                _bg_target = float(s * 0.7071067811865476);
                _owner.set_wanted_harm_lpf_balance(c * 0.7071067811865476);
                _bg_step = (_bg_target - _bg_cur) * 0.0015625f;
            }
            _balance_changed = false;
        }
        if (_bands_changed)
        {
            for (int j = 0; j < _nab; ++j)
            {
                _f[0][j].update_eq();
                if (_stereo)
                {
                    _f[1][j].copy_settings(_f[0][j]);
                }
            }
            _bands_changed = false;
        }
        if (_glide.get_step() != 0)
        {
            _glide.tick(n);
            set_delay_spl();
        }
        for (int j = _fr; j < _frd; ++j)
        {
            if (_fade[j] > 0.999f)
            {
                _fade[j] = 1;
                ++_fr;
            }
        }
        for (int j = _nab - 1; j >= _frd; --j)
        {
            if (_fade[j] < 0.001f)
            {
                _fade[j] = 0;
                --_nab;
                _f[0][j].clear_buffers();
                _f[1][j].clear_buffers();
            }
        }
        if ((_bg_target - _bg_cur) * _bg_step < 0)
        {
            _bg_cur = _bg_target;
            _bg_step = 0;
        }
    }
    void filter_into(int j, int c, float* buf, long n, bool mix)
    {
        int64_t r = (_w - n - _delay[j]) & _mask;
        long done = 0;
        while (done < n)
        {
            const long len = std::min<long>(n - done, long(_size - r));
            if (mix)
            {
                _f[c][j].process_block_mix(buf + done, _line[c].data() + r, len);
            }
            else
            {
                _f[c][j].process_block(buf + done, _line[c].data() + r, len);
            }
            done += len;
            r = (r + len) & _mask;
        }
    }
    void process(float* const* dst, const float* const* src, long n)
    {
        const int nc = _stereo ? 2 : 1;
        for (long t = 0; t < n; ++t)
        {
            _noise = (_noise * 1103515245 + 12345) % (int64_t(1) << 31);
            const float ofs = (_noise & (1 << 16)) ? 1e-18f : -1e-18f;
            for (int c = 0; c < nc; ++c)
            {
                _line[c][size_t(_w)] = src[c][t] + ofs;
            }
            _w = (_w + 1) & _mask;
        }
        if (_nab == 0 || (std::fabs(_bg_cur) < 1e-9f && _bg_step == 0))
        {
            for (int c = 0; c < nc; ++c)
            {
                std::fill(dst[c], dst[c] + n, 0.f);
            }
            return;
        }
        for (int j = 0; j < _nab; ++j)
        {
            if (j < _fr)
            {
                for (int c = 0; c < nc; ++c)
                {
                    filter_into(j, c, dst[c], n, j != 0);
                }
                continue;
            }
            const float inc = (j < _frd) ? 0.0015625f : -0.0015625f;
            for (int c = 0; c < nc; ++c)
            {
                filter_into(j, c, _work[c], n, false);
            }
            float x = _fade[j];
            for (long t = 0; t < n; ++t)
            {
                for (int c = 0; c < nc; ++c)
                {
                    dst[c][t] = (j == 0) ? x * _work[c][t] : dst[c][t] + x * _work[c][t];
                }
                x += inc;
            }
            _fade[j] = x;
        }
        if (_bg_cur == _bg_target)
        {
            for (int c = 0; c < nc; ++c)
            {
                for (long t = 0; t < n; ++t)
                {
                    dst[c][t] *= _bg_cur;
                }
            }
        }
        else
        {
            for (long t = 0; t < n; ++t)
            {
                for (int c = 0; c < nc; ++c)
                {
                    dst[c][t] *= _bg_cur;
                }
                _bg_cur += _bg_step;
            }
        }
    }
    void clear()
    {
        _glide.set_val(_delay_target);
        _glide.snap();
        set_delay_spl();
        _tone_prev = _tone_cur = _tone_target;
        _bg_cur = _bg_target = float(std::sin(_tone_cur * PI / 2) / std::sqrt(2.0));
        _bg_step = 0;
        _fr = _frd = _nab;
        for (int j = 0; j < _nab; ++j)
        {
            _fade[j] = 1;
        }
        for (auto& bank : _f)
        {
            for (auto& f : bank)
            {
                f.clear_buffers();
                f.update_eq();
            }
        }
        for (auto& l : _line)
        {
            std::fill(l.begin(), l.end(), 0.f);
        }
    }
};

// Drives the optimised stage and the reference the way the effect does: a tick before every
// 64 frames, blocks of any length cut at those boundaries.
struct Pair
{
    OwnerRec owner;
    std::unique_ptr<dsp::FilterTapStage> stage = std::make_unique<dsp::FilterTapStage>();
    RefStage ref;
    int tick_cnt = 0;

    Pair(bool stereo, float fs)
    {
        stage->init(owner);
        stage->set_stereo_flag(stereo);
        stage->set_sample_freq(fs);
        ref.init();
        ref.set_stereo(stereo);
        ref.set_fs(fs);
    }
    void place_bands(float cutoff, float width, int n)
    {
        for (int j = 0; j < n; ++j)
        {
            stage->set_cutoff_freq(float(j + 1) * width * cutoff, j);
            stage->set_q(float(j + 1), j);
            ref._f[0][j].set_freq(float(j + 1) * width * cutoff);
            ref._f[0][j].set_p2(float(j + 1));
        }
        ref._bands_changed = true;
    }
    void layout(int nab, int fr, int frd)
    {
        stage->set_nbr_active_band(nab);
        stage->set_first_rband(fr);
        stage->set_first_rband_decreasing(frd);
        ref._nab = nab;
        ref._fr = fr;
        ref._frd = frd;
        ref._bands_changed = true;
    }
    // The effect's band layout rule: new bands fade in, surplus bands fade out.
    void want(int wanted)
    {
        layout(std::max(stage->get_nbr_active_band(), wanted), std::min(stage->get_first_rband(), wanted),
               wanted);
    }
    void tone(float t)
    {
        stage->set_harm_balance(t);
        ref._tone_target = t;
        ref._balance_changed = true;
    }
    void delay(float ms)
    {
        stage->set_band_delay(ms);
        ref._delay_target = ms;
        ref._balance_changed = true;
    }
    void clear()
    {
        stage->clear_buffers();
        ref.clear();
    }
    // Returns the largest difference seen.
    float run(const std::vector<float>& in0, const std::vector<float>& in1, const std::vector<long>& blocks)
    {
        const bool stereo = stage->is_stereo();
        float worst = 0;
        size_t pos = 0;
        size_t k = 0;
        while (pos < in0.size())
        {
            long len = std::min<long>(blocks[k++ % blocks.size()], long(in0.size() - pos));
            len = std::min<long>(len, 64 - tick_cnt);
            if (tick_cnt == 0)
            {
                stage->tick(64);
                ref.tick(64);
            }
            float o[2][64], r[2][64];
            float* od[2] = {o[0], o[1]};
            float* rd[2] = {r[0], r[1]};
            const float* s[2] = {in0.data() + pos, in1.data() + pos};
            stage->process_block(od, s, len);
            ref.process(rd, s, len);
            for (int c = 0; c < (stereo ? 2 : 1); ++c)
            {
                for (long t = 0; t < len; ++t)
                {
                    worst = std::max(worst, std::fabs(o[c][t] - r[c][t]));
                    EXPECT_FALSE(std::isnan(o[c][t]));
                }
            }
            tick_cnt = (tick_cnt + int(len)) % 64;
            pos += size_t(len);
        }
        return worst;
    }
};

std::vector<float> noise(size_t n, unsigned seed, float amp = 0.5f)
{
    std::mt19937 gen(seed);
    std::uniform_real_distribution<float> dist(-amp, amp);
    std::vector<float> v(n);
    for (auto& x : v)
    {
        x = dist(gen);
    }
    return v;
}

bool is_subnormal(float x)
{
    return std::fpclassify(x) == FP_SUBNORMAL;
}

// The bare stage with bands placed as the effect places them.
struct Fixture
{
    OwnerRec owner;
    std::unique_ptr<dsp::FilterTapStage> stage = std::make_unique<dsp::FilterTapStage>();
    float out[2][64] = {};
    float* dst[2] = {out[0], out[1]};

    Fixture(bool stereo, float fs, int nab, float cutoff = 500, float width = 1)
    {
        stage->init(owner);
        stage->set_stereo_flag(stereo);
        stage->set_sample_freq(fs);
        for (int j = 0; j < NB; ++j)
        {
            stage->set_cutoff_freq(float(j + 1) * width * cutoff, j);
            stage->set_q(float(j + 1), j);
        }
        stage->set_nbr_active_band(nab);
        stage->clear_buffers();
        stage->tick(64);
    }
    void block(const float* in0, const float* in1, long n = 64)
    {
        const float* src[2] = {in0, in1};
        stage->process_block(dst, src, n);
    }
};

} // namespace

TEST(FilterTapStage, FollowsPlainBandByBandFiltering)
{
    struct Case
    {
        const char* name;
        bool stereo;
        float fs;
        int bands;
        float delay_ms;
        std::vector<long> blocks;
    };
    const Case cases[] = {
        {"stereo all bands", true, 48000, 15, 0, {64}},
        {"mono 5 bands delayed", false, 44100, 5, 10, {64, 17, 47}},
        {"stereo 9 bands reversed delay", true, 96000, 9, -20, {3, 61, 64, 1}},
        {"mono 1 band", false, 48000, 1, 50, {64}},
        {"stereo 13 bands", true, 44100, 13, -50, {31, 33}},
    };
    for (const auto& c : cases)
    {
        Pair p(c.stereo, c.fs);
        p.place_bands(300, 1.5f, NB);
        p.layout(c.bands, c.bands, c.bands);
        p.tone(0.8f);
        p.delay(c.delay_ms);
        p.clear();
        const size_t len = size_t(c.fs * 0.2f);
        const auto in0 = noise(len, 1);
        const auto in1 = noise(len, 2);
        // Delay glide from 0 to its target, tone and band changes while running.
        p.delay(0);
        float worst = p.run(in0, in1, c.blocks);
        p.delay(c.delay_ms);
        p.tone(0.3f);
        p.place_bands(450, 2, c.bands);
        worst = std::max(worst, p.run(in0, in1, c.blocks));
        EXPECT_LE(worst, 1e-6f) << c.name;
    }
}

TEST(FilterTapStage, FadesFollowPlainFiltering)
{
    Pair p(true, 48000);
    p.place_bands(700, 1, NB);
    p.layout(1, 1, 1);
    p.tone(1);
    p.clear();
    const auto in0 = noise(300, 3);
    const auto in1 = noise(300, 4);
    float worst = p.run(in0, in1, {64});
    // Band counts as the effect asks for them: up, down while still fading in, up again,
    // with block lengths that do not meet the ticks.
    for (int wanted : {7, 3, 9, 9, 9, 9, 9, 9, 9, 2, 2, 2, 2, 2, 2, 2, 2})
    {
        p.want(wanted);
        worst = std::max(worst, p.run(in0, in1, {50, 14, 37, 27}));
        ASSERT_EQ(p.stage->get_nbr_active_band(), p.ref._nab) << "wanted " << wanted;
        ASSERT_EQ(p.stage->get_first_rband(), p.ref._fr) << "wanted " << wanted;
    }
    EXPECT_EQ(p.stage->get_nbr_active_band(), 2);
    EXPECT_EQ(p.stage->get_first_rband(), 2);
    EXPECT_LE(worst, 1e-6f);
}

TEST(FilterTapStage, BandDelaysInSamples)
{
    struct Case
    {
        float fs;
        float ms;
        int64_t band0;
        int64_t step;
        bool reversed;
    };
    const Case cases[] = {
        {48000, 10, 0, 480, false},      {48000, -10, 7200, 480, true}, {44100, 50, 0, 2205, false},
        {96000, -50, 72000, 4800, true}, {48000, 0, 0, 0, false},
    };
    for (const auto& c : cases)
    {
        Fixture fx(false, c.fs, 15);
        fx.stage->set_band_delay(c.ms);
        fx.stage->clear_buffers();
        EXPECT_EQ(fx.stage->get_band_delay(0), c.band0) << c.ms;
        for (int j = 0; j < NB; ++j)
        {
            const int64_t expected = c.reversed ? (NB - j) * c.step : j * c.step;
            EXPECT_EQ(fx.stage->get_band_delay(j), expected) << "band " << j << " at " << c.ms << " ms";
        }
    }
    // Out-of-range requests are limited to the longest delay.
    Fixture fx(false, 48000, 15);
    fx.stage->set_band_delay(80);
    fx.stage->clear_buffers();
    EXPECT_EQ(fx.stage->get_band_delay(14), 14 * 2400);
}

TEST(FilterTapStage, DelayedBandSpeaksLater)
{
    // Band 0 alone, and bands 0 and 1 with 10 ms steps: the second band adds nothing but the
    // anti-denormal noise until its 480 samples have passed.
    Fixture one(false, 48000, 1);
    Fixture two(false, 48000, 2);
    for (auto* fx : {&one, &two})
    {
        fx->stage->set_band_delay(10);
        fx->stage->set_harm_balance(1);
        fx->stage->clear_buffers();
    }
    std::vector<float> in(64, 0.f);
    in[0] = 1;
    float max_before = 0;
    float max_after = 0;
    for (int blk = 0; blk < 16; ++blk)
    {
        one.block(in.data(), in.data());
        two.block(in.data(), in.data());
        for (int t = 0; t < 64; ++t)
        {
            const float diff = std::fabs(one.out[0][t] - two.out[0][t]);
            float& m = (blk * 64 + t < 480) ? max_before : max_after;
            m = std::max(m, diff);
        }
        in[0] = 0;
        one.stage->tick(64);
        two.stage->tick(64);
    }
    EXPECT_LT(max_before, 1e-12f);
    EXPECT_GT(max_after, 1e-3f);
}

TEST(FilterTapStage, ZeroDelayAddsNoLatency)
{
    Fixture fx(true, 48000, 3);
    std::vector<float> in(64, 0.f);
    in[0] = 1;
    fx.block(in.data(), in.data());
    // A band-pass answers an impulse at once with b0 = gain x bandwidth term.
    EXPECT_GT(std::fabs(fx.out[0][0]), 1e-3f);
    EXPECT_EQ(fx.out[0][0], fx.out[1][0]);
}

TEST(FilterTapStage, BandsFadeInAndOutOver640Frames)
{
    Fixture fx(false, 48000, 1);
    std::vector<float> in = noise(64, 5);
    fx.stage->set_nbr_active_band(4);
    fx.stage->set_first_rband_decreasing(4);
    for (int k = 1; k <= 10; ++k)
    {
        fx.block(in.data(), in.data());
        fx.stage->tick(64);
        for (int j = 1; j < 4; ++j)
        {
            EXPECT_NEAR(fx.stage->get_fade_gain(j), k < 10 ? float(k) * 0.1f : 1.f, 1e-5f) << k;
        }
        EXPECT_EQ(fx.stage->get_first_rband(), k < 10 ? 1 : 4) << "after " << k * 64 << " frames";
    }
    EXPECT_EQ(fx.stage->get_fade_gain(2), 1.f);

    fx.stage->set_first_rband_decreasing(1);
    for (int k = 1; k <= 10; ++k)
    {
        fx.block(in.data(), in.data());
        fx.stage->tick(64);
        EXPECT_EQ(fx.stage->get_nbr_active_band(), k < 10 ? 4 : 1) << "after " << k * 64 << " frames";
    }
    for (int j = 1; j < 4; ++j)
    {
        EXPECT_EQ(fx.stage->get_fade_gain(j), 0.f);
        for (int k = 0; k < 2; ++k)
        {
            EXPECT_EQ(fx.stage->get_band_mem_x(0, j, k), 0.f);
            EXPECT_EQ(fx.stage->get_band_mem_y(0, j, k), 0.f);
        }
    }
    EXPECT_NE(fx.stage->get_band_mem_y(0, 0, 0), 0.f);
}

TEST(FilterTapStage, CutBandResumesWhereItStopped)
{
    Fixture fx(false, 48000, 3);
    const auto in = noise(64, 6);
    fx.block(in.data(), in.data());
    const float y1 = fx.stage->get_band_mem_y(0, 2, 0);
    const float y2 = fx.stage->get_band_mem_y(0, 2, 1);
    // Cut at once (as above the Nyquist limit): nothing fades, memory and gain stay.
    fx.stage->set_nbr_active_band(2);
    fx.stage->set_first_rband(2);
    fx.stage->set_first_rband_decreasing(2);
    fx.stage->tick(64);
    for (int k = 0; k < 3; ++k)
    {
        fx.block(in.data(), in.data());
        fx.stage->tick(64);
    }
    EXPECT_EQ(fx.stage->get_band_mem_y(0, 2, 0), y1);
    EXPECT_EQ(fx.stage->get_band_mem_y(0, 2, 1), y2);
    EXPECT_EQ(fx.stage->get_fade_gain(2), 1.f);
    fx.stage->set_nbr_active_band(3);
    fx.stage->set_first_rband(3);
    fx.stage->set_first_rband_decreasing(3);
    fx.block(in.data(), in.data());
    EXPECT_NE(fx.stage->get_band_mem_y(0, 2, 0), y1);
}

TEST(FilterTapStage, ToneIsAnEqualPowerBalance)
{
    struct Case
    {
        float tone;
        double band;
        double lpf;
    };
    const Case cases[] = {{0, 0, 0.7071067811865476}, {1, 0.7071067811865476, 0}, {0.5f, 0.5, 0.5}};
    for (const auto& c : cases)
    {
        Fixture fx(false, 48000, 2);
        fx.stage->set_harm_balance(c.tone);
        fx.stage->clear_buffers();
        EXPECT_NEAR(fx.stage->get_band_gain(), c.band, 1e-7) << c.tone;
        EXPECT_EQ(fx.stage->get_band_gain_step(), 0.f);
        EXPECT_NEAR(fx.owner._wanted, c.lpf, 1e-9) << c.tone;
    }

    // A change glides over 640 frames, then lands exactly on the target.
    Fixture fx(false, 48000, 2);
    const int fixes = fx.owner._nbr_fix;
    fx.stage->set_harm_balance(1);
    fx.stage->tick(64);
    EXPECT_NEAR(fx.owner._wanted, 0, 1e-9);
    EXPECT_EQ(fx.owner._nbr_fix, fixes) << "only clear_buffers fixes the balance";
    const float start = fx.stage->get_band_gain();
    const float target = fx.stage->get_band_gain_target();
    EXPECT_NEAR(target, 0.70710678f, 1e-7f);
    EXPECT_NEAR(fx.stage->get_band_gain_step(), (target - start) / 640, 1e-9f);
    const auto in = noise(64, 7);
    for (int k = 0; k < 10; ++k)
    {
        fx.block(in.data(), in.data());
        EXPECT_NEAR(fx.stage->get_band_gain(), start + (target - start) * float(k + 1) / 10, 1e-5f);
        fx.stage->tick(64);
    }
    for (int k = 0; k < 2; ++k)
    {
        fx.block(in.data(), in.data());
        fx.stage->tick(64);
    }
    EXPECT_EQ(fx.stage->get_band_gain(), target);
    EXPECT_EQ(fx.stage->get_band_gain_step(), 0.f);

    // Tone 0: the band side is silent.
    fx.stage->set_harm_balance(0);
    fx.stage->clear_buffers();
    fx.block(in.data(), in.data());
    for (float y : fx.out[0])
    {
        EXPECT_EQ(y, 0.f);
    }
}

TEST(FilterTapStage, ToneGlideNeverPassesItsTarget)
{
    // A float ramp that lands a hair short at frame 640 must not run on past the target (a
    // polarity flip when going down).
    for (const float from : {0.0f, 1.0f, 0.3f})
        for (const float to : {1.0f, 0.0f, 0.55f})
        {
            if (from == to)
                continue;
            Fixture fx(false, 48000, 2);
            fx.stage->set_harm_balance(from);
            fx.stage->clear_buffers();
            const float start = fx.stage->get_band_gain();
            fx.stage->set_harm_balance(to);
            fx.stage->tick(64);
            const float target = fx.stage->get_band_gain_target();
            const float lo = std::min(start, target), hi = std::max(start, target);
            const auto in = noise(64, 3);
            for (int k = 0; k < 16; ++k)
            {
                fx.block(in.data(), in.data());
                EXPECT_GE(fx.stage->get_band_gain(), lo) << from << " -> " << to << " block " << k;
                EXPECT_LE(fx.stage->get_band_gain(), hi) << from << " -> " << to << " block " << k;
                fx.stage->tick(64);
            }
            EXPECT_EQ(fx.stage->get_band_gain(), target);
        }
}

TEST(FilterTapStage, NoActiveBandIsSilentButLinesKeepFilling)
{
    Fixture fx(true, 48000, 0);
    std::fill(&fx.out[0][0], &fx.out[0][0] + 128, 1.f);
    const auto in0 = noise(64, 8);
    const auto in1 = noise(64, 9);
    fx.block(in0.data(), in1.data());
    for (int c = 0; c < 2; ++c)
    {
        for (float y : fx.out[c])
        {
            EXPECT_EQ(y, 0.f);
        }
    }
    // The block was written just behind the write position.
    fx.block(in0.data(), in1.data(), 10);
    const int64_t mask = fx.stage->get_delay_line_size() - 1;
    for (int t = 0; t < 64; ++t)
    {
        const int64_t idx = (0 + t) & mask;
        EXPECT_NEAR(fx.stage->use_delay_line(0)[idx], in0[size_t(t)], 2e-18f);
        EXPECT_NEAR(fx.stage->use_delay_line(1)[idx], in1[size_t(t)], 2e-18f);
    }
}

TEST(FilterTapStage, AntiDenormalNoiseFollowsItsGenerator)
{
    Fixture fx(true, 48000, 2);
    const std::vector<float> zeros(64, 0.f);
    int64_t state = 0;
    int64_t pos = 0;
    const int64_t mask = fx.stage->get_delay_line_size() - 1;
    for (long len : {64L, 3L, 17L, 1L, 64L, 2L, 63L})
    {
        fx.block(zeros.data(), zeros.data(), len);
        for (long t = 0; t < len; ++t, ++pos)
        {
            state = (state * 1103515245 + 12345) % (int64_t(1) << 31);
            const float expected = ((state >> 16) & 1) ? 1e-18f : -1e-18f;
            for (int c = 0; c < 2; ++c)
            {
                ASSERT_EQ(fx.stage->use_delay_line(c)[pos & mask], expected) << "frame " << pos;
            }
        }
    }
}

TEST(FilterTapStage, DelayLinesSizedForTheLongestDelayAndNeverShrink)
{
    OwnerRec owner;
    auto stage = std::make_unique<dsp::FilterTapStage>();
    stage->init(owner);
    EXPECT_EQ(stage->get_delay_line_size(), 65536);
    stage->set_sample_freq(96000);
    EXPECT_EQ(stage->get_delay_line_size(), 131072);
    stage->set_sample_freq(44100);
    EXPECT_EQ(stage->get_delay_line_size(), 131072);
    stage->set_sample_freq(192000);
    EXPECT_EQ(stage->get_delay_line_size(), 262144);
    stage->set_sample_freq(0);
    EXPECT_EQ(stage->get_sample_freq(), 192000);
}

TEST(FilterTapStage, WrapAroundReadsAreSeamless)
{
    // Long delays and three laps of the line: the reads cross its end again and again. The
    // reference reads in two pieces; the stage relies on its mirrored guard.
    Pair p(true, 22050);
    p.place_bands(200, 1, NB);
    p.layout(15, 15, 15);
    p.tone(1);
    p.delay(-47.3f);
    p.clear();
    EXPECT_EQ(p.stage->get_delay_line_size(), 65536);
    const auto in0 = noise(200000, 10);
    const auto in1 = noise(200000, 11);
    EXPECT_LE(p.run(in0, in1, {64, 7, 57}), 1e-6f);
}

TEST(FilterTapStage, StereoWithSameInputGivesSameOutput)
{
    Fixture fx(true, 44100, 11);
    fx.stage->set_band_delay(-12);
    fx.stage->clear_buffers();
    const auto in = noise(64, 12);
    for (int k = 0; k < 40; ++k)
    {
        fx.block(in.data(), in.data());
        fx.stage->tick(64);
        for (int t = 0; t < 64; ++t)
        {
            ASSERT_EQ(fx.out[0][t], fx.out[1][t]);
        }
    }
}

TEST(FilterTapStage, MonoWritesOnlyTheFirstChannel)
{
    Fixture fx(false, 48000, 4);
    std::fill(fx.out[1], fx.out[1] + 64, 7.f);
    const auto in = noise(64, 13);
    fx.block(in.data(), nullptr);
    for (float y : fx.out[1])
    {
        EXPECT_EQ(y, 7.f);
    }
}

TEST(FilterTapStage, SecondBankFollowsTheFirst)
{
    Fixture fx(false, 48000, 6);
    fx.stage->set_cutoff_freq(1234, 3);
    fx.stage->set_q(7, 3);
    fx.stage->set_reso(0.5f, 3);
    fx.stage->tick(64);
    fx.stage->set_stereo_flag(true);
    const auto& a = fx.stage->use_band_filter(0, 3);
    const auto& b = fx.stage->use_band_filter(1, 3);
    EXPECT_EQ(b.get_freq(), 1234);
    EXPECT_EQ(b.get_p2(), 7);
    EXPECT_EQ(b.get_p1(), 0.5f);
    for (int k = 0; k < 3; ++k)
    {
        EXPECT_EQ(a.get_b(k), b.get_b(k));
        EXPECT_EQ(a.get_a(k), b.get_a(k));
    }
    // And at each tick while stereo.
    fx.stage->set_cutoff_freq(2000, 3);
    fx.stage->tick(64);
    EXPECT_EQ(b.get_freq(), 2000);
    EXPECT_EQ(a.get_b(0), b.get_b(0));
}

TEST(FilterTapStage, SilenceAfterBurstLeavesNoDenormals)
{
    // Low, narrow bands ring longest; 3 s of silence would take them deep into subnormals.
    Fixture fx(true, 48000, 15, 40, 1);
    fx.stage->set_band_delay(20);
    fx.stage->set_harm_balance(1);
    fx.stage->clear_buffers();
    const auto loud = noise(64, 14, 1e4f);
    const std::vector<float> zeros(64, 0.f);
    for (int k = 0; k < 50; ++k)
    {
        fx.block(loud.data(), loud.data());
        fx.stage->tick(64);
    }
    for (int k = 0; k < 48000 * 3 / 64; ++k)
    {
        fx.block(zeros.data(), zeros.data());
        fx.stage->tick(64);
        for (int c = 0; c < 2; ++c)
        {
            for (float y : fx.out[c])
            {
                ASSERT_FALSE(is_subnormal(y));
            }
        }
    }
    for (int c = 0; c < 2; ++c)
    {
        for (int j = 0; j < NB; ++j)
        {
            for (int k = 0; k < 2; ++k)
            {
                EXPECT_FALSE(is_subnormal(fx.stage->get_band_mem_x(c, j, k)));
                EXPECT_FALSE(is_subnormal(fx.stage->get_band_mem_y(c, j, k)));
                EXPECT_LT(std::fabs(fx.stage->get_band_mem_y(c, j, k)), 1e-12f);
            }
        }
        const float* line = fx.stage->use_delay_line(c);
        for (int64_t i = 0; i < fx.stage->get_delay_line_size(); ++i)
        {
            ASSERT_FALSE(is_subnormal(line[i]));
            ASSERT_NE(line[i], 0.f);
        }
    }
}

TEST(FilterTapStage, RecoversWithinOneBlockAfterBadInput)
{
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                         -3e38f};
    for (float b : bad)
    {
        Fixture fx(true, 48000, 15, 300, 1);
        fx.stage->set_band_delay(5);
        fx.stage->set_harm_balance(1);
        fx.stage->clear_buffers();
        auto in = noise(64, 15);
        in[20] = b;
        in[21] = -b;
        fx.block(in.data(), in.data());
        fx.stage->tick(64);
        // The band delays replay the block for up to 75 ms: all of it must stay clean.
        const auto good = noise(64, 16);
        for (int k = 0; k < 100; ++k)
        {
            fx.block(good.data(), good.data());
            fx.stage->tick(64);
            for (int c = 0; c < 2; ++c)
            {
                for (float y : fx.out[c])
                {
                    ASSERT_TRUE(std::isfinite(y)) << b << " block " << k;
                }
            }
        }
    }
}

TEST(FilterTapStage, OverflowingBandIsResetAfterOneBlock)
{
    // An absurd band gain drives the band's memory to infinity; once the gain is sane again
    // the band restarts from silence instead of staying poisoned.
    Fixture fx(false, 48000, 4, 300, 1);
    fx.stage->set_harm_balance(1);
    fx.stage->clear_buffers();
    const auto in = noise(64, 17, 1e20f);
    fx.stage->set_reso(3e38f, 2);
    fx.stage->tick(64);
    for (int k = 0; k < 4; ++k)
    {
        fx.block(in.data(), in.data());
        fx.stage->tick(64);
    }
    fx.stage->set_reso(1, 2);
    fx.stage->tick(64);
    fx.block(in.data(), in.data());
    for (float y : fx.out[0])
    {
        EXPECT_TRUE(std::isfinite(y));
    }
}

TEST(FilterTapStage, SplittingBetweenTicksChangesNothing)
{
    const auto in0 = noise(64 * 30, 18);
    const auto in1 = noise(64 * 30, 19);
    const std::vector<std::vector<long>> splits = {{64}, {1, 63}, {30, 34}, {5, 5, 5, 49}, {63, 1}};
    std::vector<std::vector<float>> results;
    for (const auto& split : splits)
    {
        Fixture fx(true, 48000, 9, 400, 1.3f);
        fx.stage->set_band_delay(3);
        fx.stage->set_harm_balance(0.9f);
        fx.stage->set_first_rband_decreasing(5); // bands 5..8 fade out meanwhile
        std::vector<float> out[2];
        for (int blk = 0; blk < 30; ++blk)
        {
            long pos = 0;
            for (long len : split)
            {
                fx.block(in0.data() + blk * 64 + pos, in1.data() + blk * 64 + pos, len);
                for (int c = 0; c < 2; ++c)
                {
                    out[c].insert(out[c].end(), fx.out[c], fx.out[c] + len);
                }
                pos += len;
            }
            fx.stage->tick(64);
        }
        out[0].insert(out[0].end(), out[1].begin(), out[1].end());
        results.push_back(out[0]);
    }
    for (size_t k = 1; k < results.size(); ++k)
    {
        EXPECT_EQ(results[k], results[0]) << "split " << k;
    }
}

TEST(FilterTapStage, InPlaceEqualsSeparateBuffers)
{
    Fixture a(true, 48000, 7);
    Fixture b(true, 48000, 7);
    for (auto* fx : {&a, &b})
    {
        fx->stage->set_band_delay(-4);
        fx->stage->clear_buffers();
    }
    for (int k = 0; k < 20; ++k)
    {
        const auto in0 = noise(64, 100 + unsigned(k));
        const auto in1 = noise(64, 200 + unsigned(k));
        a.block(in0.data(), in1.data());
        std::copy(in0.begin(), in0.end(), b.out[0]);
        std::copy(in1.begin(), in1.end(), b.out[1]);
        b.block(b.out[0], b.out[1]);
        for (int c = 0; c < 2; ++c)
        {
            for (int t = 0; t < 64; ++t)
            {
                ASSERT_EQ(a.out[c][t], b.out[c][t]);
            }
        }
        a.stage->tick(64);
        b.stage->tick(64);
    }
}

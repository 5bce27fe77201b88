#include "dsp/CrenzeDsp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <vector>

namespace
{

using dsp::CrenzeDesc;
using dsp::CrenzeDsp;
using zun::piapi::EventTs;
using zun::piapi::ParamCateg_GLOBAL;

const double PI = 3.141592653589793;
typedef std::vector<float> Buf;

double nrm_of(const CrenzeDsp& fx, int index, double nat)
{
    return fx.get_param_desc().get_param_info(ParamCateg_GLOBAL, index).conv_nat_to_nrm(nat);
}

struct Setting
{
    int index;
    double nat;
};

// One effect with its host-side buffers; runs calls of any length with parameter events.
class Rig
{
public:
    explicit Rig(double fs = 44100, int max_len = 256, bool stereo_in = true, bool stereo_out = true)
        : _fx(std::make_unique<CrenzeDsp>()), _max_len(max_len), _stereo_in(stereo_in),
          _stereo_out(stereo_out)
    {
        reset(fs, max_len);
    }

    void reset(double fs, int max_len)
    {
        _fs = fs;
        _max_len = max_len;
        _fx->update_io_stereo_flags(_stereo_in, _stereo_out);
        int latency = -1;
        EXPECT_EQ(_fx->reset(fs, max_len, latency), 0);
        EXPECT_EQ(latency, 0);
    }

    void queue(int index, double nat)
    {
        _evt.push_back(EventTs::make_param(index, float(nrm_of(*_fx, index, nat))));
    }
    void queue(const std::vector<Setting>& list)
    {
        for (const Setting& s : list)
        {
            queue(s.index, s.nat);
        }
    }
    void queue_nrm(int index, float nrm) { _evt.push_back(EventTs::make_param(index, nrm)); }

    // Applies the queued settings at once, with cleared buffers.
    void settle(const std::vector<Setting>& list)
    {
        queue(list);
        _fx->clean_quick();
        Buf l(1), r(1);
        run(l, r, l, r, 0, 1);
    }

    // Processes frames [pos, pos + len) of the buffers in one call.
    void run(const Buf& in_l, const Buf& in_r, Buf& out_l, Buf& out_r, long pos, long len)
    {
        std::vector<const EventTs*> ptr;
        for (const EventTs& e : _evt)
        {
            ptr.push_back(&e);
        }
        const float* src[2] = {in_l.data() + pos, in_r.data() + pos};
        float* dst[2] = {out_l.data() + pos, out_r.data() + pos};
        zun::piapi::PluginInterface::ProcInfo proc;
        proc.src_arr = src;
        proc.dst_arr = dst;
        proc.nbr_chn_in = _stereo_in ? 2 : 1;
        proc.nbr_chn_out = _stereo_out ? 2 : 1;
        proc.nbr_spl = int(len);
        proc.evt_arr = ptr.data();
        proc.nbr_evt = int(ptr.size());
        _fx->process_block(proc);
        _evt.clear();
    }

    // The whole buffers in calls of chunk frames (the last one shorter).
    void run_chunks(const Buf& in_l, const Buf& in_r, Buf& out_l, Buf& out_r, long chunk)
    {
        const long n = long(in_l.size());
        for (long pos = 0; pos < n; pos += chunk)
        {
            run(in_l, in_r, out_l, out_r, pos, std::min(chunk, n - pos));
        }
    }

    CrenzeDsp& fx() { return *_fx; }
    double fs() const { return _fs; }

private:
    std::unique_ptr<CrenzeDsp> _fx;
    double _fs = 44100;
    int _max_len = 256;
    bool _stereo_in;
    bool _stereo_out;
    std::vector<EventTs> _evt;
};

Buf make_sine(long n, double freq, double fs, double amp, double phase = 0)
{
    Buf b(static_cast<size_t>(n));
    for (long k = 0; k < n; ++k)
    {
        b[size_t(k)] = float(amp * std::sin(2 * PI * freq * double(k) / fs + phase));
    }
    return b;
}

Buf make_noise(long n, double amp, unsigned seed)
{
    std::mt19937 gen(seed);
    std::uniform_real_distribution<float> dist(-1.f, 1.f);
    Buf b(static_cast<size_t>(n));
    for (float& v : b)
    {
        v = float(amp) * dist(gen);
    }
    return b;
}

float peak(const Buf& b, long beg, long end)
{
    float p = 0;
    for (long k = beg; k < end; ++k)
    {
        p = std::max(p, std::fabs(b[size_t(k)]));
    }
    return p;
}

float disto_exact(float x, float g)
{
    return float((2 / PI) * std::atan(double(x) * (PI * 0.5) * double(g)));
}

// The effect written plainly for the paths without bands: the low-pass at the cutoff with the
// resonance as Q, scaled by cos(tone pi/2)/sqrt 2, with the distortion before or after.
class RefLowPath
{
public:
    RefLowPath(double fs, float cutoff, float q)
    {
        for (auto& f : _lpf)
        {
            f.set_type(dsp::Filter2p::Type_LOW_PASS);
            f.set_sample_freq(float(fs));
            f.set_freq(cutoff);
            f.set_p1(q);
            f.update_eq();
        }
    }

    // table: the mono paths' interpolated distortion.
    void run(Buf& out, const Buf& in, int chn, float tone, float disto, bool post, bool table)
    {
        const float g = float(std::cos(double(tone) * PI * 0.5) / std::sqrt(2.0));
        Buf lp(in.size());
        for (size_t pos = 0; pos < in.size(); pos += 64)
        {
            const long len = long(std::min<size_t>(64, in.size() - pos));
            _lpf[chn].process_block_nd(lp.data() + pos, in.data() + pos, len);
        }
        out.resize(in.size());
        for (size_t k = 0; k < in.size(); ++k)
        {
            const auto d = [&](float x)
            { return table ? CrenzeDsp::DistoTable::process_sample(x * disto) : disto_exact(x, disto); };
            out[k] = post ? d(g * lp[k]) : g * d(lp[k]);
        }
    }

private:
    dsp::Filter2p _lpf[2];
};

TEST(CrenzeDspTest, ConstructionAndDefaults)
{
    CrenzeDsp fx;
    EXPECT_EQ(fx.get_state(), 0);
    EXPECT_EQ(fx.get_param_state_set().get_nbr_param(), CrenzeDesc::Param_NBR_ELT);
    for (int i = 0; i < CrenzeDesc::Param_NBR_ELT; ++i)
    {
        EXPECT_NEAR(fx.get_param_val(ParamCateg_GLOBAL, 0, i), nrm_of(fx, i, CrenzeDesc::get_default_nat(i)),
                    1e-12)
            << i;
    }
    EXPECT_EQ(fx.get_param_val(ParamCateg_GLOBAL, 0, 11), 0);
    EXPECT_EQ(fx.use_band_stage().get_nbr_active_band(), 0);
    EXPECT_TRUE(fx.is_routing_post());
    EXPECT_TRUE(CrenzeDsp::DistoTable::is_ready());

    int latency = -1;
    fx.reset(44100, 256, latency);
    EXPECT_EQ(fx.get_state(), 1);
    EXPECT_EQ(fx.get_sample_freq(), 44100.f);
    EXPECT_EQ(fx.use_lpf(0).get_freq(), 1000.f);
    EXPECT_EQ(fx.use_lpf(1).get_p1(), 1.f);
    EXPECT_NEAR(fx.get_balance_cur(), 0.5, 1e-12);
}

// Defaults: no band, the 1000 Hz low-pass (Q 1) at -6 dB, then the distortion at gain 1.
TEST(CrenzeDspTest, DefaultsAreTheLowPassAtMinus6dB)
{
    const long n = 4096;
    Rig rig;
    const Buf in_l = make_noise(n, 0.8, 1);
    const Buf in_r = make_noise(n, 0.8, 2);
    Buf out_l(n), out_r(n);
    rig.run_chunks(in_l, in_r, out_l, out_r, 256);

    RefLowPath ref(44100, 1000, 1);
    Buf exp_l, exp_r;
    ref.run(exp_l, in_l, 0, 0.5f, 1, true, false);
    ref.run(exp_r, in_r, 1, 0.5f, 1, true, false);
    for (long k = 0; k < n; ++k)
    {
        ASSERT_NEAR(out_l[k], exp_l[k], 1e-6) << k;
        ASSERT_NEAR(out_r[k], exp_r[k], 1e-6) << k;
    }

    // A small low sine comes out at half its level.
    const Buf sine = make_sine(n, 100, 44100, 0.01);
    Buf sl(n), sr(n);
    rig.run_chunks(sine, sine, sl, sr, 256);
    EXPECT_NEAR(20 * std::log10(peak(sl, n / 2, n) / 0.01f), -6.02, 0.1);
}

TEST(CrenzeDspTest, BandLayout)
{
    Rig rig;
    rig.queue(CrenzeDesc::Param_BAND_COUNT, 4);
    const long n = 64 * 6;
    const Buf in = make_noise(n, 0.5, 3);
    Buf out_l(n), out_r(n);
    rig.run_chunks(in, in, out_l, out_r, 64 * 6);
    const dsp::FilterTapStage& stage = rig.fx().use_band_stage();
    ASSERT_EQ(stage.get_nbr_active_band(), 3);
    for (int band = 0; band < 3; ++band)
    {
        for (int chn = 0; chn < 2; ++chn)
        {
            EXPECT_FLOAT_EQ(stage.use_band_filter(chn, band).get_freq(), 2000.f * float(band + 1));
            EXPECT_FLOAT_EQ(stage.use_band_filter(chn, band).get_p2(), float(band + 1));
        }
        // Still fading in after 384 of 640 frames.
        EXPECT_GT(stage.get_fade_gain(band), 0.2f);
        EXPECT_LT(stage.get_fade_gain(band), 0.9f);
    }
    rig.run_chunks(in, in, out_l, out_r, 64 * 6);
    for (int band = 0; band < 3; ++band)
    {
        EXPECT_EQ(stage.get_fade_gain(band), 1.f);
    }
    EXPECT_EQ(stage.get_fade_gain(3), 0.f);
}

struct LimitCase
{
    double fs;
    double cutoff;
    double width;
    int count;
    int nbr_bands;
};

TEST(CrenzeDspTest, BandsStayBelowTheLimit)
{
    // clang-format off
    const LimitCase cases[] = {
        {44100, 10240, 5, 16, 0},  // floor(20947.5 / 51200)
        {44100, 1000, 2, 16, 10},  // floor(20947.5 / 2000)
        {48000, 200, 1.5, 16, 15}, // all fit
        {96000, 10240, 1, 16, 4},  // floor(45600 / 10240)
        {192000, 40, 1, 3, 2},     // the count rules
        {44100, 4410, 1, 16, 4},   // 4.75 bands fit
    };
    // clang-format on
    for (const LimitCase& c : cases)
    {
        SCOPED_TRACE(c.fs);
        SCOPED_TRACE(c.cutoff);
        Rig rig(c.fs);
        rig.settle({{CrenzeDesc::Param_CUTOFF, c.cutoff},
                    {CrenzeDesc::Param_BAND_WIDTH, c.width},
                    {CrenzeDesc::Param_BAND_COUNT, double(c.count)}});
        const dsp::FilterTapStage& stage = rig.fx().use_band_stage();
        EXPECT_EQ(stage.get_nbr_active_band(), c.nbr_bands);
        for (int band = 0; band < stage.get_nbr_active_band(); ++band)
        {
            EXPECT_LE(stage.use_band_filter(0, band).get_freq(), 0.475 * c.fs);
        }
    }
}

// A reset to a lower rate cuts the bands that no longer fit at once; back at the higher rate
// they fade in again.
TEST(CrenzeDspTest, SampleRateChangeReappliesTheBandLimit)
{
    Rig rig(192000);
    rig.settle({{CrenzeDesc::Param_BAND_COUNT, 16}, {CrenzeDesc::Param_BAND_WIDTH, 2}});
    const dsp::FilterTapStage& stage = rig.fx().use_band_stage();
    ASSERT_EQ(stage.get_nbr_active_band(), 15);

    rig.reset(44100, 256);
    EXPECT_EQ(stage.get_nbr_active_band(), 10);
    const long n = 2048;
    const Buf in = make_noise(n, 0.5, 4);
    Buf out_l(n), out_r(n);
    rig.run_chunks(in, in, out_l, out_r, 256);
    EXPECT_EQ(stage.get_nbr_active_band(), 10);
    for (int band = 0; band < stage.get_nbr_active_band(); ++band)
    {
        EXPECT_LE(stage.use_band_filter(1, band).get_freq(), 0.475f * 44100.f);
        EXPECT_EQ(stage.use_band_filter(1, band).get_sample_freq(), 44100.f);
    }
    for (float v : out_l)
    {
        ASSERT_TRUE(std::isfinite(v));
    }

    rig.reset(96000, 256);
    EXPECT_EQ(stage.get_nbr_active_band(), 15);
    rig.run_chunks(in, in, out_l, out_r, 256);
    EXPECT_EQ(stage.get_first_rband(), 15);
}

struct RouteCase
{
    bool stereo_in;
    bool stereo_out;
    bool post;
};

// Without bands every route is the low-pass path with the distortion before or after the tone
// weight: exact on the stereo paths, the table on the others.
TEST(CrenzeDspTest, RoutesAndLayouts)
{
    // clang-format off
    const RouteCase cases[] = {
        {true, true, true}, {true, false, true}, {false, true, true}, {false, false, true},
        {true, true, false}, {true, false, false}, {false, true, false}, {false, false, false},
    };
    // clang-format on
    const long n = 2048;
    const float tone = 0.2f;
    const float disto = 4;
    const Buf in_l = make_noise(n, 0.9, 5);
    const Buf in_r = make_sine(n, 220, 44100, 0.7);
    for (const RouteCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.stereo_in << c.stereo_out << c.post);
        Rig rig(44100, 256, c.stereo_in, c.stereo_out);
        rig.settle({{CrenzeDesc::Param_TONE, tone},
                    {CrenzeDesc::Param_DISTO_GAIN, disto},
                    {CrenzeDesc::Param_DISTO_ROUTING, c.post ? 1.0 : 0.0},
                    {CrenzeDesc::Param_CUTOFF, 2000},
                    {CrenzeDesc::Param_RESO, 3}});
        EXPECT_EQ(rig.fx().is_routing_post(), c.post);
        Buf out_l(n, 9.f), out_r(n, 9.f);
        rig.run_chunks(in_l, in_r, out_l, out_r, 256);

        // The reference takes the settings as the effect received them through the events.
        const float disto_used = float(rig.fx().use_disto_glide().get_val());
        RefLowPath ref(44100, rig.fx().use_lpf(0).get_freq(), rig.fx().use_lpf(0).get_p1());
        Buf exp_l, exp_r;
        const bool stereo = c.stereo_in && c.stereo_out;
        if (c.stereo_in && !c.stereo_out)
        {
            Buf mix(n);
            for (long k = 0; k < n; ++k)
            {
                mix[k] = (in_l[k] + in_r[k]) * 0.5f;
            }
            ref.run(exp_l, mix, 0, tone, disto_used, c.post, true);
        }
        else
        {
            ref.run(exp_l, in_l, 0, tone, disto_used, c.post, !stereo);
            ref.run(exp_r, in_r, 1, tone, disto_used, c.post, !stereo);
        }
        // The bands' side is empty but the band gain is not 0: the tone weight of the
        // low-pass side is what counts.
        for (long k = 0; k < n; ++k)
        {
            ASSERT_NEAR(out_l[k], exp_l[k], 1e-5) << k;
        }
        if (stereo)
        {
            for (long k = 0; k < n; ++k)
            {
                ASSERT_NEAR(out_r[k], exp_r[k], 1e-5) << k;
            }
        }
        else if (!c.stereo_in && c.stereo_out)
        {
            EXPECT_EQ(out_l, out_r);
        }
        else
        {
            // Mono out: the second buffer is not touched.
            EXPECT_EQ(out_r, Buf(n, 9.f));
        }
    }
}

// With bands and band delays running, a mono input still gives two identical outputs.
TEST(CrenzeDspTest, MonoInStereoOutGivesIdenticalChannels)
{
    for (bool post : {true, false})
    {
        Rig rig(48000, 256, false, true);
        rig.queue({{CrenzeDesc::Param_BAND_COUNT, 9},
                   {CrenzeDesc::Param_BAND_DELAY, 12},
                   {CrenzeDesc::Param_TONE, 0.7},
                   {CrenzeDesc::Param_DISTO_ROUTING, post ? 1.0 : 0.0},
                   {CrenzeDesc::Param_DISTO_GAIN, 3}});
        const long n = 8192;
        const Buf in = make_noise(n, 0.7, 6);
        Buf out_l(n), out_r(n);
        rig.run_chunks(in, Buf(n, 0.f), out_l, out_r, 256);
        EXPECT_EQ(out_l, out_r);
        EXPECT_GT(peak(out_l, n / 2, n), 0.01f);
    }
}

// PRE with tone 1: the low-pass weight is 0, so the distortion cannot change the output.
TEST(CrenzeDspTest, PreRoutingWithToneOneIgnoresTheDistortion)
{
    const long n = 4096;
    const Buf in_l = make_noise(n, 0.9, 7);
    const Buf in_r = make_noise(n, 0.9, 8);
    Buf ref_l(n), ref_r(n);
    for (float disto : {1.f, 10.f})
    {
        Rig rig;
        rig.settle({{CrenzeDesc::Param_TONE, 1},
                    {CrenzeDesc::Param_DISTO_ROUTING, 0},
                    {CrenzeDesc::Param_DISTO_GAIN, disto},
                    {CrenzeDesc::Param_BAND_COUNT, 5}});
        Buf out_l(n), out_r(n);
        rig.run_chunks(in_l, in_r, out_l, out_r, 256);
        EXPECT_GT(peak(out_l, 0, n), 0.01f);
        if (disto == 1.f)
        {
            ref_l = out_l;
            ref_r = out_r;
        }
        else
        {
            EXPECT_EQ(out_l, ref_l);
            EXPECT_EQ(out_r, ref_r);
        }
    }
}

TEST(CrenzeDspTest, DistortionTable)
{
    typedef CrenzeDsp::DistoTable T;
    const CrenzeDsp effect; // builds the shared table
    ASSERT_TRUE(T::is_ready());
    const CrenzeDsp::DistoFnc f;
    EXPECT_EQ(f(0), 0);
    EXPECT_NEAR((f(1e-6) - f(-1e-6)) / 2e-6, 1, 1e-9);
    EXPECT_NEAR(f(1e9), 1, 1e-9);

    EXPECT_EQ(T::get_val_min(), float(f(-32)));
    EXPECT_EQ(T::get_val_max(), float(f(32)));
    double max_err = 0;
    for (double x = -34; x <= 34; x += 1.0 / 512)
    {
        const float y = T::process_sample(float(x));
        if (x < -32)
        {
            ASSERT_EQ(y, float(f(-32))) << x;
        }
        else if (x >= 32)
        {
            ASSERT_EQ(y, float(f(32))) << x;
        }
        else
        {
            max_err = std::max(max_err, std::fabs(y - f(x)));
        }
    }
    // Cubic Hermite over unit steps: max|f''''| / 384 (about 0.05) bounds the error; the
    // steepest segments stay within 2 % of full scale. Exact at the nodes, where neighbouring
    // segments meet.
    EXPECT_LT(max_err, 0.02);
    for (int k = -31; k < 32; ++k)
    {
        const float x = float(k);
        EXPECT_NEAR(T::process_sample(x), f(x), 2e-6) << k;
        EXPECT_NEAR(T::process_sample(std::nextafter(x, -100.f)), f(x), 2e-6) << k;
    }
    EXPECT_EQ(T::process_sample(std::numeric_limits<float>::quiet_NaN()), float(f(-32)));
    EXPECT_EQ(T::process_sample(std::numeric_limits<float>::infinity()), float(f(32)));
}

// Distortion gain 10 on a loud sine: both distortions peak near (2/pi) atan(5 pi), and mono
// levels beyond 3.2 hit the table's end value.
TEST(CrenzeDspTest, DistortionLimits)
{
    const long n = 8192;
    const Buf sine = make_sine(n, 100, 44100, 1);
    float pk[2] = {};
    for (int mono = 0; mono < 2; ++mono)
    {
        Rig rig(44100, 256, mono == 0, true);
        // Input +6 dB and tone 0 bring the low-pass output to about the input's level.
        rig.settle({{CrenzeDesc::Param_DISTO_GAIN, 10},
                    {CrenzeDesc::Param_GAIN_IN, std::sqrt(2.0)},
                    {CrenzeDesc::Param_TONE, 0}});
        Buf out_l(n), out_r(n);
        rig.run_chunks(sine, sine, out_l, out_r, 256);
        pk[mono] = peak(out_l, n / 2, n);
    }
    EXPECT_NEAR(pk[0], 2 / PI * std::atan(5 * PI), 0.01);
    EXPECT_NEAR(pk[1], pk[0], 1e-3);

    Rig rig(44100, 256, false, false);
    rig.settle(
        {{CrenzeDesc::Param_DISTO_GAIN, 10}, {CrenzeDesc::Param_GAIN_IN, 4}, {CrenzeDesc::Param_TONE, 0}});
    const Buf loud = make_sine(n, 50, 44100, 4);
    Buf out_l(n), out_r(n);
    rig.run_chunks(loud, loud, out_l, out_r, 256);
    EXPECT_EQ(peak(out_l, n / 2, n), float(CrenzeDsp::DistoFnc()(32)));
}

TEST(CrenzeDspTest, CutoffGlidesAndBandsFollow)
{
    Rig rig;
    rig.settle({{CrenzeDesc::Param_BAND_COUNT, 3}});
    rig.queue(CrenzeDesc::Param_CUTOFF, 2000);
    const dsp::FilterTapStage& stage = rig.fx().use_band_stage();
    const long n = 64;
    const Buf in = make_noise(n, 0.5, 9);
    Buf out_l(n), out_r(n);
    float prev = 1000;
    int nbr_ticks = 0;
    rig.run(in, in, out_l, out_r, 0, n);
    const float target = rig.fx().use_cutoff_glide().get_target();
    EXPECT_NEAR(target, 2000, 0.01);
    while (rig.fx().use_lpf(0).get_freq() != target && nbr_ticks < 200)
    {
        rig.run(in, in, out_l, out_r, 0, n);
        ++nbr_ticks;
        const float freq = rig.fx().use_lpf(0).get_freq();
        ASSERT_GT(freq, prev);
        prev = freq;
        EXPECT_FLOAT_EQ(stage.use_band_filter(0, 0).get_freq(), 2 * freq);
        EXPECT_FLOAT_EQ(stage.use_band_filter(0, 1).get_freq(), 4 * freq);
    }
    // 0.1 s at 44.1 kHz, in ticks of 64 frames.
    EXPECT_NEAR(nbr_ticks, 4410 / 64, 1);
    EXPECT_EQ(stage.use_band_filter(1, 1).get_freq(), 4 * target);
}

TEST(CrenzeDspTest, ClearBuffersSnapsTheSettings)
{
    Rig rig;
    const long n = 256;
    const Buf in = make_noise(n, 0.5, 10);
    Buf out_l(n), out_r(n);
    rig.queue({{CrenzeDesc::Param_RESO, 10}, {CrenzeDesc::Param_GAIN_OUT, 2}, {CrenzeDesc::Param_TONE, 0.9}});
    rig.run(in, in, out_l, out_r, 0, 64);
    EXPECT_LT(rig.fx().use_lpf(0).get_p1(), 9.f);
    rig.fx().clean_quick();
    rig.run(in, in, out_l, out_r, 0, 64);
    EXPECT_FLOAT_EQ(rig.fx().use_lpf(0).get_p1(), 10.f);
    EXPECT_FLOAT_EQ(rig.fx().use_lpf(1).get_p1(), 10.f);
    EXPECT_FLOAT_EQ(rig.fx().use_level_out().get_val(), 2.f);
    EXPECT_NEAR(rig.fx().get_balance_cur(), std::cos(0.9 * PI / 2) / std::sqrt(2.0), 1e-6);
    EXPECT_EQ(rig.fx().use_reso_glide().is_moving(), false);
}

// Dry gain: its ramp follows the parameter, and the output holds no dry signal.
TEST(CrenzeDspTest, DryGainLeavesTheOutputAlone)
{
    const long n = 2048;
    const Buf in_l = make_noise(n, 0.5, 11);
    Buf ref_l(n), ref_r(n), out_l(n), out_r(n);
    Rig a;
    a.run_chunks(in_l, in_l, ref_l, ref_r, 256);
    Rig b;
    b.settle({{CrenzeDesc::Param_GAIN_DRY, 4}});
    EXPECT_FLOAT_EQ(b.fx().use_level_dry().get_val(), 4.f);
    b.run_chunks(in_l, in_l, out_l, out_r, 256);
    EXPECT_EQ(out_l, ref_l);
}

TEST(CrenzeDspTest, ProcessMixAdds)
{
    const long n = 300;
    const Buf in_l = make_noise(n, 0.5, 12);
    const Buf in_r = make_noise(n, 0.5, 13);
    for (bool post : {true, false})
    {
        Rig a, b;
        const std::vector<Setting> s = {{CrenzeDesc::Param_BAND_COUNT, 4},
                                        {CrenzeDesc::Param_DISTO_ROUTING, post ? 1.0 : 0.0},
                                        {CrenzeDesc::Param_GAIN_OUT, 0.5}};
        a.settle(s);
        b.settle(s);
        Buf rl(n), rr(n);
        Buf ml(n, 0.25f), mr(n, -0.5f);
        const float* src[2] = {in_l.data(), in_r.data()};
        float* dst_r[2] = {rl.data(), rr.data()};
        float* dst_m[2] = {ml.data(), mr.data()};
        EXPECT_TRUE(a.fx().process_replacing(dst_r, src, n, true));
        EXPECT_FALSE(b.fx().process_mix(dst_m, src, n, false));
        for (long k = 0; k < n; ++k)
        {
            ASSERT_NEAR(ml[k], 0.25f + rl[k], 1e-6);
            ASSERT_NEAR(mr[k], -0.5f + rr[k], 1e-6);
        }
    }
}

// Chunked processing gives the whole-call output exactly: control-rate work runs on a fixed
// 64-frame grid. Also while glides and fades run.
TEST(CrenzeDspTest, ChunkingDoesNotChangeTheOutput)
{
    const long n = 4000;
    const Buf in_l = make_noise(n, 0.8, 14);
    const Buf in_r = make_noise(n, 0.8, 15);
    const std::vector<Setting> start = {{CrenzeDesc::Param_BAND_COUNT, 7},
                                        {CrenzeDesc::Param_BAND_DELAY, -20},
                                        {CrenzeDesc::Param_RESO, 5},
                                        {CrenzeDesc::Param_DISTO_GAIN, 2}};
    const std::vector<Setting> moves = {{CrenzeDesc::Param_CUTOFF, 500},
                                        {CrenzeDesc::Param_BAND_COUNT, 12},
                                        {CrenzeDesc::Param_TONE, 0.8},
                                        {CrenzeDesc::Param_BAND_WIDTH, 1.3}};
    for (int moving = 0; moving < 2; ++moving)
    {
        for (int layout = 0; layout < 3; ++layout)
        {
            const bool sin = (layout != 2);
            const bool sout = (layout != 1);
            auto make = [&](int max_len)
            {
                auto rig = std::make_unique<Rig>(48000, max_len, sin, sout);
                rig->settle(start);
                if (moving != 0)
                {
                    rig->queue(moves);
                }
                return rig;
            };
            auto whole = make(int(n));
            Buf wl(n), wr(n);
            whole->run(in_l, in_r, wl, wr, 0, n);
            for (long chunk : {1L, 7L, 64L, 100L, 256L})
            {
                SCOPED_TRACE(testing::Message() << moving << layout << " " << chunk);
                auto rig = make(256);
                Buf cl(n), cr(n);
                rig->run_chunks(in_l, in_r, cl, cr, chunk);
                ASSERT_EQ(cl, wl);
                if (sout)
                {
                    ASSERT_EQ(cr, wr);
                }
            }
        }
    }
}

long last_bad_index(const Buf& b)
{
    long last = -1;
    for (long k = 0; k < long(b.size()); ++k)
    {
        if (!std::isfinite(b[k]))
        {
            last = k;
        }
    }
    return last;
}

TEST(CrenzeDspTest, NonFiniteInputIsForgotten)
{
    const long n = 8192;
    const long bad_beg = 3000;
    const long bad_end = 3100;
    for (int layout = 0; layout < 3; ++layout)
    {
        for (bool post : {true, false})
        {
            SCOPED_TRACE(testing::Message() << layout << post);
            const bool sin = (layout != 2);
            const bool sout = (layout != 1);
            Rig rig(44100, 256, sin, sout);
            rig.settle({{CrenzeDesc::Param_BAND_COUNT, 16},
                        {CrenzeDesc::Param_CUTOFF, 300},
                        {CrenzeDesc::Param_BAND_DELAY, 30},
                        {CrenzeDesc::Param_RESO, 40},
                        {CrenzeDesc::Param_TONE, 0.5},
                        {CrenzeDesc::Param_DISTO_ROUTING, post ? 1.0 : 0.0}});
            Buf in_l = make_noise(n, 0.5, 16);
            Buf in_r = make_noise(n, 0.5, 17);
            const float bad[3] = {std::numeric_limits<float>::quiet_NaN(),
                                  std::numeric_limits<float>::infinity(),
                                  -std::numeric_limits<float>::infinity()};
            for (long k = bad_beg; k < bad_end; k += 7)
            {
                in_l[k] = bad[k % 3];
                in_r[k + 1] = bad[(k + 1) % 3];
            }
            Buf out_l(n), out_r(n);
            rig.run_chunks(in_l, in_r, out_l, out_r, 100);
            // Last bad frame, then the end of its 64-frame sub-block.
            const long last_in = std::max(last_bad_index(in_l), last_bad_index(in_r));
            const long recovered = (last_in / 64 + 1) * 64;
            EXPECT_LT(last_bad_index(out_l), recovered);
            EXPECT_LT(last_bad_index(out_r), recovered);
            EXPECT_GT(peak(out_l, n - 1000, n), 1e-4f);
            EXPECT_TRUE(rig.fx().use_lpf(0).is_state_finite());
            EXPECT_TRUE(rig.fx().use_lpf(1).is_state_finite());
        }
    }
}

bool is_denormal(float v)
{
    return std::fpclassify(v) == FP_SUBNORMAL;
}

TEST(CrenzeDspTest, SilenceAfterABurstLeavesNoDenormals)
{
    const double fs = 44100;
    for (bool post : {true, false})
    {
        Rig rig(fs);
        rig.settle({{CrenzeDesc::Param_BAND_COUNT, 16},
                    {CrenzeDesc::Param_CUTOFF, 150},
                    {CrenzeDesc::Param_BAND_DELAY, -40},
                    {CrenzeDesc::Param_RESO, 100},
                    {CrenzeDesc::Param_TONE, 0.5},
                    {CrenzeDesc::Param_DISTO_ROUTING, post ? 1.0 : 0.0}});
        const long burst = 4096;
        Buf in_l = make_noise(burst, 1, 18);
        Buf in_r = make_noise(burst, 1, 19);
        Buf out_l(burst), out_r(burst);
        rig.run_chunks(in_l, in_r, out_l, out_r, 256);
        const long n = long(fs) * 4;
        const Buf zero(n, 0.f);
        Buf sl(n), sr(n);
        rig.run_chunks(zero, zero, sl, sr, 256);

        const CrenzeDsp& fx = rig.fx();
        const dsp::FilterTapStage& stage = fx.use_band_stage();
        for (int chn = 0; chn < 2; ++chn)
        {
            for (int k = 0; k < 2; ++k)
            {
                EXPECT_FALSE(is_denormal(fx.use_lpf(chn).get_mem_x(k)));
                EXPECT_FALSE(is_denormal(fx.use_lpf(chn).get_mem_y(k)));
                for (int band = 0; band < dsp::FilterTapStage::MAX_NBR_BANDS; ++band)
                {
                    EXPECT_FALSE(is_denormal(stage.get_band_mem_x(chn, band, k))) << band;
                    EXPECT_FALSE(is_denormal(stage.get_band_mem_y(chn, band, k))) << band;
                }
            }
            const float* line = stage.use_delay_line(chn);
            EXPECT_EQ(std::count_if(line, line + stage.get_delay_line_size(), is_denormal), 0);
        }
        EXPECT_EQ(std::count_if(sl.begin(), sl.end(), is_denormal), 0);
        EXPECT_EQ(std::count_if(sr.begin(), sr.end(), is_denormal), 0);
    }
}

// Every parameter from its minimum to its maximum and back, one event per 64-frame chunk, on
// top of a busy setting: the output stays finite and within what the gains allow.
TEST(CrenzeDspTest, ParameterSweepsStayBounded)
{
    const long chunk = 64;
    const int nbr_steps = 24;
    const long n = chunk * nbr_steps * 2;
    const Buf in_l = make_noise(n, 1, 20);
    const Buf in_r = make_sine(n, 3000, 48000, 1);
    for (double fs : {44100.0, 48000.0, 96000.0, 192000.0})
    {
        for (int index = 0; index < CrenzeDesc::Param_NBR_ELT; ++index)
        {
            for (bool post : {true, false})
            {
                SCOPED_TRACE(testing::Message() << fs << " " << index << " " << post);
                Rig rig(fs);
                rig.settle({{CrenzeDesc::Param_BAND_COUNT, 10},
                            {CrenzeDesc::Param_RESO, 20},
                            {CrenzeDesc::Param_GAIN_IN, 2},
                            {CrenzeDesc::Param_TONE, 0.6},
                            {CrenzeDesc::Param_DISTO_ROUTING, post ? 1.0 : 0.0}});
                Buf out_l(n), out_r(n);
                for (int step = 0; step < nbr_steps * 2; ++step)
                {
                    const int s = (step < nbr_steps) ? step : 2 * nbr_steps - 1 - step;
                    rig.queue_nrm(index, float(s) / float(nbr_steps - 1));
                    rig.run(in_l, in_r, out_l, out_r, step * chunk, chunk);
                }
                // POST: the distortion bounds the output at the output gain (at most 4).
                // PRE: the bands are not saturated; 15 band-passes of gain 1 on input x 4.
                const float bound = post ? 4.f : 4.f * (1 + 15 * 4.f);
                for (long k = 0; k < n; ++k)
                {
                    ASSERT_TRUE(std::isfinite(out_l[k]) && std::isfinite(out_r[k])) << k;
                    ASSERT_LE(std::fabs(out_l[k]), bound) << k;
                    ASSERT_LE(std::fabs(out_r[k]), bound) << k;
                }
            }
        }
    }
}

struct StepCase
{
    int index;
    double from;
    double to;
};

// A step of cutoff, band count or tone moves the output no faster than the sine itself does
// before or after the change.
TEST(CrenzeDspTest, StepChangesAreSmooth)
{
    // clang-format off
    const StepCase cases[] = {
        {CrenzeDesc::Param_CUTOFF, 500, 5000},
        {CrenzeDesc::Param_CUTOFF, 5000, 300},
        {CrenzeDesc::Param_BAND_COUNT, 1, 8},
        {CrenzeDesc::Param_BAND_COUNT, 8, 1},
        {CrenzeDesc::Param_TONE, 0, 1},
        {CrenzeDesc::Param_TONE, 1, 0},
    };
    // clang-format on
    const double fs = 44100;
    const long pre = 8192;
    const long n = pre + 16384;
    const Buf sine = make_sine(n, 440, fs, 0.5);
    for (const StepCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.index << " " << c.from << " " << c.to);
        Rig rig(fs);
        rig.settle({{c.index, c.from},
                    {CrenzeDesc::Param_CUTOFF, c.index == CrenzeDesc::Param_CUTOFF ? c.from : 440}});
        Buf out_l(n), out_r(n);
        rig.run_chunks(Buf(sine.begin(), sine.begin() + pre), Buf(sine.begin(), sine.begin() + pre), out_l,
                       out_r, 256);
        rig.queue(c.index, c.to);
        for (long pos = pre; pos < n; pos += 256)
        {
            rig.run(sine, sine, out_l, out_r, pos, 256);
        }
        // A sine of peak A changes by at most A w per frame; a click would jump far beyond.
        // The margin covers the slow amplitude and phase changes of glides and fades.
        const double w = 2 * PI * 440 / fs;
        const long period = long(fs / 440) + 1;
        for (long k = pre; k < n - period; ++k)
        {
            const float local_peak = peak(out_l, k - period, k + period);
            ASSERT_LE(std::fabs(out_l[k] - out_l[k - 1]), 1.25 * w * local_peak + 1e-6) << k;
        }
    }
}

} // namespace

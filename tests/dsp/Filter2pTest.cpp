#include "dsp/Filter2p.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <vector>

namespace
{

const double PI = 3.141592653589793;

// Magnitude of the stored digital filter at f Hz, from its float coefficients.
double mag_z(const dsp::Biquad& f, double freq, double fs)
{
    const std::complex<double> z1 = std::polar(1.0, -2 * PI * freq / fs);
    const std::complex<double> z2 = z1 * z1;
    const auto num = double(f.get_b(0)) + double(f.get_b(1)) * z1 + double(f.get_b(2)) * z2;
    const auto den = 1.0 + double(f.get_a(1)) * z1 + double(f.get_a(2)) * z2;
    return std::abs(num / den);
}

// Magnitude of the analogue prototype at s = j w.
double mag_s(const dsp::BiquadS& f, double w)
{
    const std::complex<double> s(0, w);
    const auto num = double(f.get_s_eq_b(0)) + double(f.get_s_eq_b(1)) * s + double(f.get_s_eq_b(2)) * s * s;
    const auto den = double(f.get_s_eq_a(0)) + double(f.get_s_eq_a(1)) * s + double(f.get_s_eq_a(2)) * s * s;
    return std::abs(num / den);
}

double db(double g)
{
    return 20 * std::log10(g);
}

dsp::Filter2p make(int type, float freq, float p1, float p2, float fs = 48000)
{
    dsp::Filter2p f;
    f.set_type(type);
    f.set_sample_freq(fs);
    f.set_freq(freq);
    f.set_p1(p1);
    f.set_p2(p2);
    f.update_eq();
    return f;
}

bool is_stable(const dsp::Biquad& f)
{
    const double a1 = f.get_a(1);
    const double a2 = f.get_a(2);
    return std::fabs(a2) < 1 && std::fabs(a1) < 1 + a2;
}

struct RespCase
{
    int type;
    float freq;
    float p1;
    float p2;
    float fs;
};

} // namespace

// The prewarped transform maps digital frequency fd onto the prototype at
// w = tan(pi fd / fs) / tan(pi freq / fs); the whole response must follow it.
TEST(Filter2p, DigitalResponseIsPrewarpedPrototype)
{
    const RespCase cases[] = {
        {dsp::Filter2p::Type_LOW_PASS, 1000, 0.7071068f, 0, 48000},
        {dsp::Filter2p::Type_LOW_PASS, 15000, 3, 0, 44100},
        {dsp::Filter2p::Type_HIGH_PASS, 200, 0.5f, 0, 48000},
        {dsp::Filter2p::Type_PEAK, 2500, 4, 2, 96000},
        {dsp::Filter2p::Type_PEAK, 5000, 0.25f, 0.7f, 44100},
        {dsp::Filter2p::Type_BAND_PASS, 1000, 1, 4, 48000},
        {dsp::Filter2p::Type_BAND_PASS, 12000, 2, 15, 44100},
    };
    for (const auto& c : cases)
    {
        const auto f = make(c.type, c.freq, c.p1, c.p2, c.fs);
        for (double ratio : {0.05, 0.3, 0.8, 1.0, 1.25, 2.0, 4.0})
        {
            const double fd = c.freq * ratio;
            if (fd >= c.fs * 0.49)
            {
                continue;
            }
            const double w = std::tan(PI * fd / c.fs) / std::tan(PI * c.freq / c.fs);
            const double ref = mag_s(f, w);
            EXPECT_NEAR(mag_z(f, fd, c.fs), ref, 2e-4 * (ref + 1e-3))
                << "type " << c.type << " freq " << c.freq << " at " << fd;
        }
    }
}

TEST(Filter2p, ResponsesAtCentre)
{
    const double fs = 48000;
    // Butterworth: -3 dB at freq, unity at DC.
    auto lp = make(dsp::Filter2p::Type_LOW_PASS, 1000, float(1 / std::sqrt(2.0)), 0);
    EXPECT_NEAR(db(mag_z(lp, 1000, fs)), -3.0103, 0.01);
    EXPECT_NEAR(mag_z(lp, 0, fs), 1.0, 1e-5);
    EXPECT_LT(db(mag_z(lp, 8000, fs)), -30);

    // Q = 100 peaks by about 40 dB at freq.
    lp = make(dsp::Filter2p::Type_LOW_PASS, 1000, 100, 0);
    EXPECT_NEAR(db(mag_z(lp, 1000, fs)), 40, 0.1);

    auto hp = make(dsp::Filter2p::Type_HIGH_PASS, 1000, float(1 / std::sqrt(2.0)), 0);
    EXPECT_NEAR(db(mag_z(hp, 1000, fs)), -3.0103, 0.01);
    EXPECT_LT(mag_z(hp, 0, fs), 1e-6);
    EXPECT_NEAR(mag_z(hp, fs / 2, fs), 1.0, 1e-5);

    auto pk = make(dsp::Filter2p::Type_PEAK, 3000, 4, 2);
    EXPECT_NEAR(mag_z(pk, 3000, fs), 4, 1e-4);
    EXPECT_NEAR(mag_z(pk, 0, fs), 1, 1e-5);
    EXPECT_NEAR(mag_z(pk, fs / 2, fs), 1, 1e-5);

    // Band-pass: gain p1 at freq; with Q 4 the -3 dB points sit near freq (1 +- 1/8).
    auto bp = make(dsp::Filter2p::Type_BAND_PASS, 1000, 1, 4);
    EXPECT_NEAR(mag_z(bp, 1000, fs), 1, 1e-5);
    EXPECT_NEAR(db(mag_z(bp, 1125, fs)), -3, 0.4);
    EXPECT_NEAR(db(mag_z(bp, 875, fs)), -3, 0.4);
    EXPECT_LT(mag_z(bp, 0, fs), 1e-6);
    EXPECT_LT(mag_z(bp, fs / 2, fs), 1e-6);
    bp = make(dsp::Filter2p::Type_BAND_PASS, 1000, 0.5f, 4);
    EXPECT_NEAR(mag_z(bp, 1000, fs), 0.5, 1e-5);
}

TEST(Filter2p, ProcessedSineFollowsDesign)
{
    // Ties the design to the processing: steady-state amplitude of a sine at the cutoff.
    auto lp = make(dsp::Filter2p::Type_LOW_PASS, 1000, float(1 / std::sqrt(2.0)), 0);
    std::vector<float> buf(48000);
    for (size_t i = 0; i < buf.size(); ++i)
    {
        buf[i] = float(std::sin(2 * PI * 1000 * double(i) / 48000));
    }
    lp.process_block(buf.data(), buf.data(), long(buf.size()));
    float peak = 0;
    for (size_t i = buf.size() / 2; i < buf.size(); ++i)
    {
        peak = std::max(peak, std::fabs(buf[i]));
    }
    EXPECT_NEAR(peak, 0.70711f, 2e-3f);
}

TEST(Filter2p, UnknownTypeKeepsPrototypeNumerator)
{
    auto f = make(dsp::Filter2p::Type_BAND_PASS, 1000, 2, 4);
    f.set_s_eq(7, 7, 7, 7, 7, 7);
    f.set_type(9);
    f.update_eq();
    EXPECT_EQ(f.get_s_eq_b(0), 7);
    EXPECT_EQ(f.get_s_eq_b(1), 7);
    EXPECT_EQ(f.get_s_eq_b(2), 7);
    EXPECT_EQ(f.get_s_eq_a(1), 7);
    EXPECT_EQ(f.get_s_eq_a(0), 1);
    EXPECT_EQ(f.get_s_eq_a(2), 1);
}

TEST(Filter2p, FrequenciesBeyondNyquistStayStable)
{
    for (int type = 0; type < 4; ++type)
    {
        for (float freq : {22049.f, 22050.f, 30000.f, 88200.f, 0.f, -100.f})
        {
            const auto f = make(type, freq, 4, 4, 44100);
            EXPECT_TRUE(is_stable(f)) << "type " << type << " freq " << freq;
            for (int k = 0; k < 3; ++k)
            {
                EXPECT_TRUE(std::isfinite(f.get_b(k)));
            }
        }
    }
}

TEST(Filter2p, DegenerateDesignKeepsPreviousCoefficients)
{
    auto f = make(dsp::Filter2p::Type_LOW_PASS, 1000, 1, 0);
    const auto good = f;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (float q : {0.f, nan})
    {
        f.set_p1(q);
        f.update_eq();
        for (int k = 0; k < 3; ++k)
        {
            EXPECT_EQ(f.get_b(k), good.get_b(k));
            EXPECT_EQ(f.get_a(k), good.get_a(k));
        }
    }
    f.set_p1(1);
    f.set_freq(nan);
    f.update_eq();
    EXPECT_TRUE(is_stable(f));
}

TEST(Filter2p, CopySettingsTakesCoefficientsNotHistory)
{
    auto src = make(dsp::Filter2p::Type_BAND_PASS, 2000, 1, 3, 44100);
    std::vector<float> buf(32, 0.5f);
    src.process_block(buf.data(), buf.data(), 32);
    dsp::Filter2p dst;
    dst.copy_settings(src);
    EXPECT_EQ(dst.get_type(), src.get_type());
    EXPECT_EQ(dst.get_p2(), 3);
    EXPECT_EQ(dst.get_freq(), 2000);
    EXPECT_EQ(dst.get_sample_freq(), 44100);
    for (int k = 0; k < 3; ++k)
    {
        EXPECT_EQ(dst.get_b(k), src.get_b(k));
        EXPECT_EQ(dst.get_a(k), src.get_a(k));
    }
    EXPECT_EQ(dst.get_mem_y(0), 0);
    EXPECT_EQ(dst.get_mem_x(0), 0);
}

#include "dsp/adsr/EnvFollowerPeak.h"
#include "dsp/adsr/EnvFollowerRms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

namespace
{

using dsp::EnvFollowerPeak;
using dsp::EnvFollowerRms;

template <class F>
constexpr bool is_rms = std::is_same_v<F, EnvFollowerRms>;

// The input whose measure (|x| or x²) is m.
template <class F>
float input_for_measure(float m)
{
    return is_rms<F> ? std::sqrt(m) : m;
}

template <class F>
class EnvFollowerBoth : public ::testing::Test
{
protected:
    void configure(float fs, float atk, float hold, float rls)
    {
        f.set_sample_freq(fs);
        f.set_attack_time(atk);
        f.set_hold_time(hold);
        f.set_release_time(rls);
        f.clear_buffers();
    }

    F f;
};

using FollowerTypes = ::testing::Types<EnvFollowerPeak, EnvFollowerRms>;
TYPED_TEST_SUITE(EnvFollowerBoth, FollowerTypes);

TYPED_TEST(EnvFollowerBoth, ConstantInputSettlesOnItsLevel)
{
    auto& f = this->f;
    this->configure(44100, 0.005f, 0.02f, 0.25f);
    f.constant_block(0.5f, 20000);
    // Single precision stops short by up to about ulp / coefficient.
    EXPECT_NEAR(f.get_val(), 0.5, 2e-5);
    // A lower level is held for 0.02 s, then the release brings the envelope down to it.
    f.constant_block(-0.25f, 882);
    EXPECT_NEAR(f.get_val(), 0.5, 2e-5);
    f.constant_block(-0.25f, 200000);
    EXPECT_NEAR(f.get_val(), 0.25, 2e-4);
}

TYPED_TEST(EnvFollowerBoth, HoldKeepsTheEnvelopeForItsLength)
{
    auto& f = this->f;
    this->configure(44100, 0, 0.01f, 0.1f); // attack 0: the click lands at once
    std::vector<float> src(1000, 0.f);
    src[0] = 1;
    std::vector<float> dst(src.size());
    f.process_block(dst.data(), src.data(), long(src.size()));
    EXPECT_EQ(dst[0], 1);
    for (int i = 1; i <= 441; ++i)
    {
        ASSERT_EQ(dst[size_t(i)], 1) << i;
    }
    EXPECT_LT(dst[442], 1);
    EXPECT_GT(dst[442], 0.9);

    // The same through the block analysis, split anywhere.
    for (long split : {1L, 4L, 5L, 440L, 441L})
    {
        this->configure(44100, 0, 0.01f, 0.1f);
        f.analyse_block(src.data(), split);
        const float v = f.analyse_block(src.data() + split, 443 - split);
        EXPECT_LT(v, 1) << split;
        this->configure(44100, 0, 0.01f, 0.1f);
        f.analyse_block(src.data(), split);
        EXPECT_EQ(f.analyse_block(src.data() + split, 442 - split), 1) << split;
    }
}

TYPED_TEST(EnvFollowerBoth, ZeroTimesJumpAndDoNotHold)
{
    auto& f = this->f;
    this->configure(48000, 0, 0, 0);
    const float src[] = {0.3f, -0.8f, 0.1f, 0.f, -0.5f};
    float dst[5];
    f.process_block(dst, src, 5);
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_FLOAT_EQ(dst[i], std::fabs(src[i])) << i;
    }
    // Below one sample counts as zero too.
    this->configure(48000, 0.9f / 48000, 0, 0.5f / 48000);
    f.process_block(dst, src, 5);
    EXPECT_FLOAT_EQ(dst[1], 0.8f);
    EXPECT_FLOAT_EQ(dst[2], 0.1f);
}

TYPED_TEST(EnvFollowerBoth, AtLeastOneSampleAndDenormalsFlushed)
{
    auto& f = this->f;
    this->configure(48000, 0, 0, 0.001f);
    const float one = 1;
    float out = 0;
    f.process_block(&out, &one, 0);
    EXPECT_EQ(out, 1);
    EXPECT_EQ(f.analyse_block(&one, -3), 1);

    f.clear_buffers();
    // Decay into the denormal range inside one block: flushed to 0 at its end.
    f.constant_block(input_for_measure<TypeParam>(std::numeric_limits<float>::min() * 4), 1);
    ASSERT_GT(f.get_val(), 0);
    f.constant_block(0, 200);
    EXPECT_TRUE(f.check_denormal());
    EXPECT_EQ(f.get_val(), 0);
}

// Reference recursion in double, written the plain way.
struct Reference
{
    Reference(double fs, double atk, double hold, double rls)
        : c_atk((atk * fs < 1) ? 1 : 1 - std::exp(-1 / (atk * fs))),
          c_rls((rls * fs < 1) ? 1 : 1 - std::exp(-1 / (rls * fs))), hold_len(std::llround(hold * fs)),
          cnt(hold_len)
    {
    }
    double step(double m)
    {
        const double d = m - e;
        if (d > 0)
        {
            e += d * c_atk;
            cnt = hold_len;
        }
        else if (cnt <= 0)
        {
            e += d * c_rls;
        }
        else
        {
            --cnt;
        }
        return e;
    }
    double c_atk;
    double c_rls;
    long long hold_len;
    long long cnt;
    double e = 0;
};

std::vector<float> make_signal(bool noise)
{
    std::vector<float> sig(30000);
    uint32_t rnd = 987654321;
    for (size_t i = 0; i < sig.size(); ++i)
    {
        // Notes every 5000 samples decaying into silence, so that every branch runs.
        const double t = double(i % 5000);
        double x = 0.7 * std::exp(-t / 600) * std::sin(double(i) * 0.05);
        if (noise)
        {
            rnd = rnd * 1664525u + 1013904223u;
            x *= double(rnd >> 8) / double(1 << 24);
        }
        sig[i] = float(x);
    }
    return sig;
}

TYPED_TEST(EnvFollowerBoth, BlockAnalysisFollowsThePlainRecursion)
{
    struct Times
    {
        float atk;
        float hold;
        float rls;
    };
    const Times time_arr[] = {
        {0.005f, 0.02f, 0.25f}, // the defaults
        {0.01f, 0.01f, 0.01f},  // the slot's follower defaults
        {0, 0.003f, 0.05f},     // attack 0
        {0.1f, 0, 0.001f},      // slow attack, fast release, no hold
        {0.002f, 0.5f, 0},      // release 0
    };
    const long chunk_arr[] = {1, 3, 4, 5, 64, 256, 257};
    // Single-precision recursions stall within about ulp / coefficient of their target, so
    // differently rounded ones drift apart by some 1e-5; a hold off by one sample shows as 1e-3.
    const double tol = 3e-4;
    for (bool noise : {false, true})
    {
        const std::vector<float> sig = make_signal(noise);
        for (const Times& t : time_arr)
        {
            SCOPED_TRACE(std::string(noise ? "noise " : "tone ") + std::to_string(t.atk) + " " +
                         std::to_string(t.hold) + " " + std::to_string(t.rls));
            // Per sample, against the plain recursion.
            this->configure(48000, t.atk, t.hold, t.rls);
            std::vector<float> out(sig.size());
            this->f.process_block(out.data(), sig.data(), long(sig.size()));
            Reference ref(48000, t.atk, t.hold, t.rls);
            for (size_t i = 0; i < sig.size(); ++i)
            {
                const double m = is_rms<TypeParam> ? double(sig[i]) * sig[i] : std::fabs(sig[i]);
                const double r = ref.step(m);
                const double expected = is_rms<TypeParam> ? std::sqrt(r) : r;
                ASSERT_LE(std::fabs(out[i] - expected), tol * (expected + 1e-3)) << i;
            }
            // Block analysis, however chunked, ends where the per-sample output is.
            for (long chunk : chunk_arr)
            {
                this->configure(48000, t.atk, t.hold, t.rls);
                for (size_t pos = 0; pos < sig.size(); pos += size_t(chunk))
                {
                    const long n = std::min(chunk, long(sig.size() - pos));
                    const float v = this->f.analyse_block(sig.data() + pos, n);
                    const float expected = out[pos + size_t(n) - 1];
                    ASSERT_LE(std::fabs(v - expected), tol * (expected + 1e-3)) << chunk << " " << pos;
                }
            }
        }
    }
}

TEST(EnvFollowerRms, ReportsTheMeanSquareOnRequest)
{
    EnvFollowerRms f;
    f.set_attack_time(0);
    f.clear_buffers();
    const float src[] = {0.5f, -0.5f};
    float dst[2];
    f.process_block_no_sqrt(dst, src, 2);
    EXPECT_EQ(dst[1], 0.25f);
    EXPECT_EQ(f.analyse_block_no_sqrt(src, 2), 0.25f);
    EXPECT_EQ(f.analyse_block(src, 2), 0.5f);
}

TEST(EnvFollowerPeak, HoldLengthIsRoundedToTheNearestSample)
{
    EnvFollowerPeak f;
    f.set_sample_freq(44100);
    f.set_hold_time(0.010012f); // 441.53 samples
    EXPECT_EQ(f.use_core().get_hold_len(), 442);
    f.set_hold_time(0.009988f);
    EXPECT_EQ(f.use_core().get_hold_len(), 440);
    f.set_hold_time(-1);
    EXPECT_EQ(f.use_core().get_hold_len(), 0);
}

} // namespace

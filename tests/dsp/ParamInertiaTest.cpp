#include "dsp/ParamInertia.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{

// Frames after which the glide has stopped, ticking one frame at a time; -1 when it still
// moves after max_spl frames.
long frames_to_arrival(dsp::ParamInertia& g, long max_spl)
{
    for (long n = 1; n <= max_spl; ++n)
    {
        g.tick(1);
        if (!g.is_moving())
        {
            return n;
        }
    }
    return -1;
}

} // namespace

TEST(ParamInertiaTest, ZeroTimeJumpsAtOnce)
{
    dsp::ParamInertia g;
    g.set_time(0);
    g.set_val(3.5f);
    EXPECT_EQ(g.get_val(), 3.5);
    EXPECT_EQ(g.get_start(), 3.5f);
    EXPECT_FALSE(g.is_moving());
    g.tick(100);
    EXPECT_EQ(g.get_val(), 3.5);
}

TEST(ParamInertiaTest, NegativeOrNanTimeCountsAsZero)
{
    for (float t : {-1.f, std::numeric_limits<float>::quiet_NaN()})
    {
        dsp::ParamInertia g;
        g.set_time(t);
        EXPECT_EQ(g.get_time(), 0.f);
        g.set_val(2.f);
        EXPECT_EQ(g.get_val(), 2.0);
        EXPECT_FALSE(g.is_moving());
    }
}

struct GlideCase
{
    float time;
    float fs;
    float from;
    float to;
    long nbr_spl; // time × fs
};

class ParamInertiaGlideTest : public ::testing::TestWithParam<GlideCase>
{
};

TEST_P(ParamInertiaGlideTest, GlidesLinearlyAndLandsExactlyOnTarget)
{
    const GlideCase c = GetParam();
    dsp::ParamInertia g;
    g.set_time(0);
    g.set_val(c.from);
    g.set_time(c.time);
    g.set_sample_freq(c.fs);
    g.set_val(c.to);
    ASSERT_TRUE(g.is_moving());
    EXPECT_EQ(g.get_start(), c.from);

    dsp::ParamInertia half = g;
    half.tick(c.nbr_spl / 2);
    const double expected_half = c.from + (c.to - c.from) * double(c.nbr_spl / 2) / double(c.nbr_spl);
    EXPECT_NEAR(half.get_val(), expected_half, 1e-4 * std::abs(c.to - c.from));

    // Rounding of the single-precision step may cost one extra frame, never more.
    const long n = frames_to_arrival(g, c.nbr_spl * 2);
    EXPECT_GE(n, c.nbr_spl);
    EXPECT_LE(n, c.nbr_spl + 1);
    EXPECT_EQ(g.get_val(), double(c.to));
    EXPECT_EQ(g.get_start(), c.to);
    EXPECT_EQ(g.get_step(), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParamInertiaGlideTest,
                         ::testing::Values(GlideCase{0.1f, 44100.f, 0.f, 1.f, 4410},
                                           GlideCase{0.1f, 48000.f, 1000.f, 200.f, 4800},
                                           GlideCase{0.5f, 128.f, -1.f, 1.f, 64},
                                           GlideCase{0.001f, 1000.f, 0.f, 5.f, 1}));

TEST(ParamInertiaTest, OvershootingTickEndsOnTarget)
{
    dsp::ParamInertia g;
    g.set_sample_freq(1000);
    g.set_val(10.f); // 100 frames
    g.tick(64);
    EXPECT_TRUE(g.is_moving());
    g.tick(64);
    EXPECT_EQ(g.get_val(), 10.0);
    EXPECT_FALSE(g.is_moving());
}

TEST(ParamInertiaTest, NewTargetStartsFromCurrentValue)
{
    dsp::ParamInertia g;
    g.set_sample_freq(1000);
    g.set_val(1.f);
    g.tick(50);
    const double mid = g.get_val();
    g.set_val(0.f);
    EXPECT_EQ(g.get_start(), float(mid));
    EXPECT_LT(g.get_step(), 0.0);
    // The whole glide time again, whatever distance is left.
    EXPECT_NEAR(frames_to_arrival(g, 1000), 100, 1);
    EXPECT_EQ(g.get_val(), 0.0);
}

TEST(ParamInertiaTest, SampleRateChangeKeepsRemainingDuration)
{
    dsp::ParamInertia g;
    g.set_sample_freq(1000);
    g.set_val(1.f); // 0.1 s
    g.tick(50);     // 0.05 s left
    g.set_sample_freq(4000);
    EXPECT_NEAR(frames_to_arrival(g, 10000), 200, 1);
    EXPECT_EQ(g.get_val(), 1.0);
}

TEST(ParamInertiaTest, InvalidSampleRateIsIgnored)
{
    dsp::ParamInertia g;
    g.set_sample_freq(1000);
    g.set_val(1.f);
    const double step = g.get_step();
    g.set_sample_freq(0);
    g.set_sample_freq(-48000);
    EXPECT_EQ(g.get_sample_freq(), 1000.f);
    EXPECT_EQ(g.get_step(), step);
}

TEST(ParamInertiaTest, VeryLongTimeStillMovesTowardsTarget)
{
    dsp::ParamInertia g;
    g.set_time(1e6f); // about 44 billion frames
    g.set_val(1.f);
    ASSERT_TRUE(g.is_moving());
    g.tick(44100);
    EXPECT_GT(g.get_val(), 0.0);
    EXPECT_LT(g.get_val(), 1e-5);
    g.tick(std::numeric_limits<long>::max() / 2);
    EXPECT_EQ(g.get_val(), 1.0);
    EXPECT_FALSE(g.is_moving());
}

TEST(ParamInertiaTest, VanishingStepArrivesAtOnce)
{
    dsp::ParamInertia g;
    g.set_time(3e38f); // time × rate overflows, the step rounds to 0
    g.set_val(1.f);
    EXPECT_FALSE(g.is_moving());
    EXPECT_EQ(g.get_val(), 1.0);
}

TEST(ParamInertiaTest, SnapEndsGlideOnTarget)
{
    dsp::ParamInertia g;
    g.set_val(2.f);
    g.tick(10);
    g.snap();
    EXPECT_EQ(g.get_val(), 2.0);
    EXPECT_EQ(g.get_start(), 2.f);
    EXPECT_FALSE(g.is_moving());
}

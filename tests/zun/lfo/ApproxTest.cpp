#include "zun/lfo/Approx.h"
#include "zun/lfo/RndMinStd.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace zun
{
namespace lfo
{
namespace
{

TEST(Approx, SineIsExactAtTheQuarterPoints)
{
    const struct
    {
        float a;
        float expected;
    } case_arr[] = {{0.f, 0.f}, {0.25f, 1.f}, {0.5f, 0.f}, {0.75f, -1.f}};
    for (const auto& c : case_arr)
    {
        EXPECT_EQ(Approx::sin_2pi_flt(c.a), c.expected) << "a = " << c.a;
        EXPECT_EQ(Approx::sin_2pi_dbl(c.a), c.expected) << "a = " << c.a;
    }
}

TEST(Approx, SineFollowsTheSineAndNeverLeavesTheUnitRange)
{
    const double two_pi = 2 * std::acos(-1.0);
    for (int i = 0; i < 100000; ++i)
    {
        const double a = i / 100000.0;
        const float s = Approx::sin_2pi_flt(float(a));
        ASSERT_NEAR(s, std::sin(two_pi * a), 1e-3) << "a = " << a;
        ASSERT_NEAR(Approx::sin_2pi_dbl(a), s, 1e-6) << "a = " << a;
    }
    // Every float around the peaks, where rounding could overshoot.
    for (float centre : {0.25f, 0.75f})
    {
        float a = centre;
        for (int i = 0; i < 200000; ++i)
        {
            a = std::nextafter(a, 0.f);
        }
        for (int i = 0; i < 400000; ++i, a = std::nextafter(a, 1.f))
        {
            const float s = Approx::sin_2pi_flt(a);
            ASSERT_LE(std::fabs(s), 1.f) << "a = " << a;
        }
    }
}

TEST(Approx, FastExp2IsExactAtIntegersAndCloseBetween)
{
    for (int i = -20; i <= 20; ++i)
    {
        EXPECT_EQ(Approx::fast_exp2(float(i)), std::ldexp(1.f, i)) << "x = " << i;
    }
    for (int i = 0; i <= 1000; ++i)
    {
        const float x = -8.f + 16.f * float(i) / 1000.f;
        EXPECT_NEAR(Approx::fast_exp2(x) / std::exp2(x), 1.0, 0.004) << "x = " << x;
    }
    EXPECT_EQ(Approx::fast_exp2(-200.f), 0.f);
    EXPECT_EQ(Approx::fast_exp2(200.f), std::ldexp(1.f, 127));
}

TEST(RndMinStd, MatchesTheStandardLibraryMinimalStandardGenerator)
{
    RndMinStd rnd;
    std::minstd_rand ref; // 48271, mod 2^31 - 1, seed 1
    for (int i = 0; i < 10000; ++i)
    {
        ASSERT_EQ(rnd.draw(), ref()) << "draw " << i;
    }
    // The standard's own check value for the 10000th draw.
    EXPECT_EQ(rnd.get_state(), 399268537u);
}

TEST(RndMinStd, UniformCombinesTwoDraws)
{
    RndMinStd rnd;
    std::minstd_rand ref;
    const double span = 2147483646.0;
    for (int i = 0; i < 1000; ++i)
    {
        const double d1 = double(ref()) - 1;
        const double d2 = double(ref()) - 1;
        const double u = rnd.gen_uniform();
        ASSERT_DOUBLE_EQ(u, (d1 + d2 * span) / (span * span));
        ASSERT_GE(u, 0.0);
        ASSERT_LE(u, 1.0);
    }
}

TEST(RndMinStd, DegenerateSeedsFallBackToOne)
{
    for (uint32_t seed : {0u, 2147483647u})
    {
        RndMinStd rnd(seed);
        EXPECT_EQ(rnd.draw(), 48271u) << "seed " << seed;
    }
}

} // namespace
} // namespace lfo
} // namespace zun

#include "zun/lfo/PhaseGen.h"
#include "zun/lfo/PhaseDist.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zun
{
namespace lfo
{
namespace
{

TEST(PhaseGen, AdvancesAndWraps)
{
    PhaseGen gen;
    gen.set_sample_freq(48000);
    gen.set_period(0.5); // 24000 samples
    gen.set_phase(0.75);
    gen.tick(6000);
    EXPECT_NEAR(gen.get_phase(), 0.0, 1e-12);
    gen.tick(12000 + 24000 * 3);
    EXPECT_NEAR(gen.get_phase(), 0.5, 1e-12);
    EXPECT_LT(gen.get_phase(), 1.0);
}

TEST(PhaseGen, RealignmentCountsFromTheSetPhase)
{
    PhaseGen gen;
    gen.set_sample_freq(44100);
    gen.set_period(0.3);
    gen.set_phase(0.25);
    gen.tick(1234); // history that the realignment must discard
    const unsigned long t = 987654321;
    const long n = 256;
    gen.correct_to_time(t);
    gen.tick(n);
    double expected = 0.25 + double(t + n) / (0.3 * 44100);
    expected -= std::floor(expected);
    EXPECT_NEAR(gen.get_phase(), expected, 1e-9);
}

TEST(PhaseGen, SetPhaseWrapsAndRejectsNan)
{
    const struct
    {
        double in;
        double expected;
    } case_arr[] = {{1.0, 0.0}, {1.25, 0.25}, {-0.25, 0.75}, {std::numeric_limits<double>::quiet_NaN(), 0.0}};
    for (const auto& c : case_arr)
    {
        PhaseGen gen;
        gen.set_phase(c.in);
        EXPECT_DOUBLE_EQ(gen.get_phase(), c.expected) << "in = " << c.in;
    }
}

TEST(PhaseGen, ZeroPeriodOrRateStaysFinite)
{
    PhaseGen gen;
    gen.set_period(0);
    gen.set_sample_freq(0);
    gen.tick(100);
    EXPECT_TRUE(std::isfinite(gen.get_phase()));
    EXPECT_GE(gen.get_phase(), 0.0);
    EXPECT_LT(gen.get_phase(), 1.0);
}

TEST(PhaseDist, MapsPhasesPiecewiseLinearly)
{
    const struct
    {
        double amount;
        double pivot;
        double a;
        double expected;
    } case_arr[] = {
        // No distortion within 0.00005 of 0.5.
        {0.5, 0.3, 0.1, 0.1},
        {0.49996, 0.3, 0.1, 0.1},
        {0.50004, 0.3, 0.9, 0.9},
        // The first half squeezed into a quarter of the cycle.
        {0.25, 0, 0.125, 0.25},
        {0.25, 0, 0.25, 0.5},
        {0.25, 0, 0.625, 0.75},
        // Around a pivot, wrapping past 1.
        {0.75, 0.4, 0.4, 0.4},
        {0.75, 0.4, 0.775, 0.65},
        {0.75, 0.4, 0.15, 0.9},
        {0.75, 0.4, 0.3, 0.2},
        // Pinned ends: only one half of the waveform is left.
        {0.00009, 0, 0.0, 0.5},
        {0.0, 0.2, 0.2, 0.7},
        {-3.0, 0, 0.5, 0.75},
        {0.99991, 0, 0.5, 0.25},
        {1.0, 0.5, 0.9, 0.7},
        {7.0, 0, 0.5, 0.25},
        // A pivot of 1 is the same point as 0.
        {0.25, 1.0, 0.125, 0.25},
    };
    for (const auto& c : case_arr)
    {
        PhaseDist pd;
        pd.set(c.amount);
        pd.set_offset(c.pivot);
        EXPECT_NEAR(pd.apply(c.a), c.expected, 1e-12)
            << "amount " << c.amount << " pivot " << c.pivot << " a " << c.a;
    }
}

TEST(PhaseDist, JustOutsideTheDeadBandDistorts)
{
    PhaseDist pd;
    pd.set(0.49994);
    EXPECT_TRUE(pd.is_enabled());
    EXPECT_NE(pd.apply(0.1), 0.1);
    pd.set(0.5);
    EXPECT_FALSE(pd.is_enabled());
}

TEST(PhaseDist, StaysInsideTheCycleForAnyInput)
{
    const double amount_arr[] = {0, 0.0001, 0.001, 0.3, 0.7, 0.999, 0.9999, 1};
    const double pivot_arr[] = {0, 0.5, 0.999999, 1};
    const double a_arr[] = {0, 1e-17, 0.5, std::nextafter(1.0, 0.0)};
    for (double amount : amount_arr)
    {
        for (double pivot : pivot_arr)
        {
            PhaseDist pd;
            pd.set(amount);
            pd.set_offset(pivot);
            for (double a : a_arr)
            {
                const double r = pd.apply(a);
                EXPECT_GE(r, 0.0) << amount << " " << pivot << " " << a;
                EXPECT_LT(r, 1.0) << amount << " " << pivot << " " << a;
            }
        }
    }
}

} // namespace
} // namespace lfo
} // namespace zun

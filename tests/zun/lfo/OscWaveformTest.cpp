#include "zun/lfo/OscKinds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace zun
{
namespace lfo
{
namespace
{

using lfo_test::Kind;
using lfo_test::OscSlot;

const double two_pi = 2 * std::acos(-1.0);

struct ShapeCase
{
    Kind kind;
    bool invert;
    bool unipolar;
    double phase;
    double expected;
};

// Values read straight after set_phase, with no distortion.
TEST(OscWaveform, BasicShapesWithSignAndPolarity)
{
    const ShapeCase case_arr[] = {
        {Kind::SINE, false, false, 0, 0},       {Kind::SINE, false, false, 0.25, 1},
        {Kind::SINE, false, false, 0.5, 0},     {Kind::SINE, false, false, 0.75, -1},
        {Kind::SINE, true, true, 0, 0.5},       {Kind::SINE, true, true, 0.25, 0},
        {Kind::SINE, true, true, 0.5, 0.5},     {Kind::SINE, true, true, 0.75, 1},
        {Kind::SINE, false, true, 0.25, 1},     {Kind::SINE, true, false, 0.25, -1},

        {Kind::TRI, false, false, 0, -1},       {Kind::TRI, false, false, 0.25, 0},
        {Kind::TRI, false, false, 0.5, 1},      {Kind::TRI, false, false, 0.875, -0.5},
        {Kind::TRI, true, false, 0, 1},         {Kind::TRI, true, false, 0.5, -1},
        {Kind::TRI, false, true, 0, 0},         {Kind::TRI, false, true, 0.25, 0.5},
        {Kind::TRI, false, true, 0.5, 1},       {Kind::TRI, true, true, 0, 1},
        {Kind::TRI, true, true, 0.5, 0},

        {Kind::SQUARE, false, false, 0, 1},     {Kind::SQUARE, false, false, 0.4999, 1},
        {Kind::SQUARE, false, false, 0.5, -1},  {Kind::SQUARE, false, true, 0.7, 0},
        {Kind::SQUARE, false, true, 0.2, 1},    {Kind::SQUARE, true, false, 0.2, -1},
        {Kind::SQUARE, true, false, 0.7, 1},    {Kind::SQUARE, true, true, 0.2, 0},
        {Kind::SQUARE, true, true, 0.7, 1},

        {Kind::SAW, false, false, 0, -1},       {Kind::SAW, false, false, 0.3, -0.4},
        {Kind::SAW, false, true, 0.3, 0.3},     {Kind::SAW, true, false, 0.3, 0.4},
        {Kind::SAW, true, true, 0.3, 0.7},

        {Kind::PARABOLA, false, false, 0, -1},  {Kind::PARABOLA, false, false, 0.25, 0.5},
        {Kind::PARABOLA, false, false, 0.5, 1}, {Kind::PARABOLA, false, true, 0, 0},
        {Kind::PARABOLA, true, false, 0.5, -1}, {Kind::PARABOLA, true, true, 0.25, 0.25},
    };
    OscSlot slot;
    for (const auto& c : case_arr)
    {
        OscInterface& osc = slot.build(c.kind);
        osc.set_sign(c.invert);
        osc.set_polarity(c.unipolar);
        osc.set_phase(c.phase);
        EXPECT_NEAR(osc.get_val(), c.expected, 1e-6) << lfo_test::kind_name(c.kind) << " invert " << c.invert
                                                     << " unipolar " << c.unipolar << " phase " << c.phase;
    }
}

TEST(OscWaveform, DistortionDeadBandLeavesEveryShapeAlone)
{
    const Kind kind_arr[] = {Kind::SINE,     Kind::TRI,    Kind::SQUARE,    Kind::SAW,
                             Kind::PARABOLA, Kind::NPHASE, Kind::VARISLOPE, Kind::STEPSEQ};
    OscSlot ref_slot;
    OscSlot slot;
    for (Kind k : kind_arr)
    {
        for (double amount : {0.49996, 0.5, 0.50004})
        {
            OscInterface& ref = ref_slot.build(k);
            OscInterface& osc = slot.build(k);
            osc.set_phase_dist(0.2); // a real distortion first, then back into the dead band
            osc.set_phase_dist(amount);
            osc.set_phase_dist_offset(0.3);
            ref.set_variation(0, 0.3);
            osc.set_variation(0, 0.3);
            for (int i = 0; i < 20; ++i)
            {
                const double p = i / 20.0 + 0.01;
                ref.set_phase(p);
                osc.set_phase(p);
                EXPECT_EQ(osc.get_val(), ref.get_val())
                    << lfo_test::kind_name(k) << " " << amount << " " << p;
            }
        }
    }
}

TEST(OscWaveform, DistortedSinePeaksEarly)
{
    OscSine osc;
    osc.set_phase_dist(0.25);
    osc.set_phase_dist_offset(0);
    const struct
    {
        double phase;
        double expected;
    } case_arr[] = {{0.125, 1}, {0.25, 0}, {0.625, -1}, {0.0625, std::sin(two_pi * 0.125)}};
    for (const auto& c : case_arr)
    {
        osc.set_phase(c.phase);
        EXPECT_NEAR(osc.get_val(), c.expected, 1e-3) << c.phase;
    }
}

TEST(OscWaveform, VariableSlopeFromTriangleToPulse)
{
    const struct
    {
        double slope_point;
        double squareness;
        double phase;
        double expected;
    } case_arr[] = {
        {0.3, 1, 0.0, 1},      {0.3, 1, 0.29, 1},   {0.3, 1, 0.3, -1},
        {0.3, 1, 0.9, -1},     {0.3, 0, 0.0, 1},    {0.3, 0, 0.15, 0},
        {0.3, 0, 0.3, -1},     {0.3, 0, 0.65, 0},   {0.3, 0, 0.99, 1.38 / 0.7 - 1},
        {0.3, 0.5, 0.15, 0.5}, {0.3, 0.5, 0.3, -1}, {0.3, 0.5, 0.65, -0.5},
        {0, 0, 0.5, 0},        {0, 0, 0.0, -1},     {1, 0, 0.5, 0},
        {1, 0, 0.0, 1},        {0.5, 0, 0.25, 0},   {-2, 0, 0.5, 0},
        {0.3, 3, 0.1, 1},      {0.3, 3, 0.5, -1},
    };
    for (const auto& c : case_arr)
    {
        OscVariSlope osc;
        osc.set_variation(0, c.slope_point);
        osc.set_variation(1, c.squareness);
        osc.set_phase(c.phase);
        EXPECT_NEAR(osc.get_val(), c.expected, 1e-9)
            << "m " << c.slope_point << " z " << c.squareness << " phase " << c.phase;
    }
}

TEST(OscWaveform, OnlyVariSlopeAndNPhaseUseVariations)
{
    OscSlot slot;
    for (Kind k : lfo_test::all_kinds)
    {
        const bool uses = (k == Kind::VARISLOPE || k == Kind::NPHASE || k == Kind::BIPHASE);
        OscInterface& osc = slot.build(k);
        EXPECT_EQ(osc.is_using_variation(0), uses) << lfo_test::kind_name(k);
        EXPECT_EQ(osc.is_using_variation(1), uses) << lfo_test::kind_name(k);
        EXPECT_FALSE(osc.is_using_variation(2)) << lfo_test::kind_name(k);
    }
}

TEST(OscStepSeq, HeldStepsFollowTheValues)
{
    OscStepSeq seq;
    seq.set_nbr_steps(4);
    const float val_arr[] = {1.f, -1.f, 0.5f, 0.f};
    for (int i = 0; i < 4; ++i)
    {
        seq.set_val(i, val_arr[i]);
    }
    const struct
    {
        double phase;
        double expected;
    } case_arr[] = {{0, 1},     {0.2499, 1}, {0.25, -1}, {0.4999, -1},
                    {0.5, 0.5}, {0.74, 0.5}, {0.75, 0},  {std::nextafter(1.0, 0.0), 0}};
    for (const auto& c : case_arr)
    {
        seq.set_phase(c.phase);
        EXPECT_DOUBLE_EQ(seq.get_val(), c.expected) << c.phase;
    }
    seq.set_sign(true);
    seq.set_polarity(true);
    seq.set_phase(0.3);
    EXPECT_DOUBLE_EQ(seq.get_val(), 1.0);
}

// The curve of the step being approached shapes the move into it.
TEST(OscStepSeq, CurvesShapeTheMoveIntoTheNextStep)
{
    using C = OscStepSeq::Curve;
    const struct
    {
        C curve;
        double x_mapped; // expected map_pos (0.25)
    } case_arr[] = {
        {OscStepSeq::Curve_HOLD, 0},
        {OscStepSeq::Curve_SMOOTH_1, 0.15625},
        {OscStepSeq::Curve_SMOOTH_3, 0.012350184590559365},
        {OscStepSeq::Curve_SMOOTH_5, 6.176537096537355e-07},
        {OscStepSeq::Curve_LINEAR, 0.25},
        {C(9), 0.25},
    };
    for (const auto& c : case_arr)
    {
        SCOPED_TRACE(int(c.curve));
        EXPECT_NEAR(OscStepSeq::map_pos(0.25, c.curve), c.x_mapped, 1e-15);
        EXPECT_NEAR(OscStepSeq::map_pos(0.5, c.curve), (c.curve == 0) ? 0 : 0.5, 1e-15);
        EXPECT_NEAR(OscStepSeq::map_pos(1, c.curve), (c.curve == 0) ? 0 : 1, 1e-15);

        OscStepSeq seq;
        seq.set_nbr_steps(2);
        seq.set_val(0, -1.f);
        seq.set_val(1, 1.f);
        seq.set_curve(1, c.curve);
        seq.set_phase(0.125); // a quarter of the way from step 0 to step 1
        EXPECT_NEAR(seq.get_val(), -1 + 2 * c.x_mapped, 1e-12);
        seq.set_phase(0.625); // step 1 back to step 0 uses step 0's curve, which holds
        EXPECT_DOUBLE_EQ(seq.get_val(), 1.0);
        seq.set_curve(0, c.curve);
        seq.set_curve(1, OscStepSeq::Curve_HOLD);
        EXPECT_NEAR(seq.get_val(), 1 - 2 * c.x_mapped, 1e-12);
    }
}

TEST(OscStepSeq, LimitsCountsIndicesAndValues)
{
    OscStepSeq seq;
    EXPECT_EQ(seq.get_nbr_steps(), 16);
    seq.set_val(0, 0.5f);
    seq.set_val(-1, 0.9f);
    seq.set_val(32, 0.9f);
    seq.set_curve(32, OscStepSeq::Curve_LINEAR);
    seq.set_nbr_steps(0);
    EXPECT_EQ(seq.get_nbr_steps(), 1);
    for (double p : {0.0, 0.5, 0.99})
    {
        seq.set_phase(p);
        EXPECT_DOUBLE_EQ(seq.get_val(), 0.5);
    }
    seq.set_nbr_steps(99);
    EXPECT_EQ(seq.get_nbr_steps(), 32);
    seq.set_val(31, 7.f);
    seq.set_phase(31.5 / 32);
    EXPECT_DOUBLE_EQ(seq.get_val(), 1.0);
    seq.set_val(31, -7.f);
    EXPECT_DOUBLE_EQ(seq.get_val(), -1.0);
}

TEST(OscNPhase, PhaseCountsAndShifts)
{
    const struct
    {
        bool biphase;
        double var_1;
        int nbr_phases;
        double shift;
    } case_arr[] = {
        {false, 0, 2, 0.5},   {false, 0.25, 4, 0.25}, {false, 0.5, 5, 0.2},  {false, 0.9, 7, 1.0 / 7},
        {false, 1, 8, 0.125}, {true, 0, 2, 0},        {true, 0.25, 2, 0.25}, {true, 1, 2, 1},
    };
    for (const auto& c : case_arr)
    {
        OscNPhase osc(c.biphase);
        osc.set_variation(1, c.var_1);
        EXPECT_EQ(osc.get_nbr_phases(), c.nbr_phases) << c.biphase << " " << c.var_1;
        EXPECT_NEAR(osc.get_phase_shift(), c.shift, 1e-7) << c.biphase << " " << c.var_1;
    }
    OscNPhase osc;
    const struct
    {
        double var_0;
        double rate;
    } rate_arr[] = {{0, 1}, {0.5, 16}, {1, 256}, {0.0625, std::sqrt(2.0)}};
    for (const auto& r : rate_arr)
    {
        osc.set_variation(0, r.var_0);
        EXPECT_NEAR(osc.get_step_rate(), r.rate, r.rate * 0.004) << r.var_0;
    }
}

// The read phase is floor (counter) * shift + phase. One period of ticks moves the plain phase by
// 1 / N (biphase: a whole cycle) and the counter by the step rate.
TEST(OscNPhase, ValuesFollowTheSelectedPhase)
{
    const double fs = 48000;
    const double period = 0.5;
    const struct
    {
        bool biphase;
        double var_0;
        double var_1;
        double phase;
        long ticks;
        double expected_a;
        double expected_phase;
    } case_arr[] = {
        // 8 phases at one step per period: counter 2.4 gives offset 2/8.
        {false, 0, 1, 0.3, 0, 0.55, 0.3},
        {false, 0, 1, 0.3, 24000, 0.8, 0.425},
        {false, 0, 1, 0.3, 24000 * 8, 0.55, 0.3},
        // 4 phases at two steps per period: counter 4 * 2 * 0.1 = 0.8 at first, 1.3 a quarter period on.
        {false, 0.125, 0.25, 0.1, 0, 0.1, 0.1},
        {false, 0.125, 0.25, 0.1, 6000, 0.4125, 0.1625},
        // Biphase shifted by a quarter, the plain phase turning once per period.
        {true, 0, 0.25, 0.1, 0, 0.1, 0.1},
        {true, 0, 0.25, 0.1, 12000, 0.6, 0.6},
        {true, 0, 0.25, 0.1, 24000, 0.35, 0.1},
    };
    for (const auto& c : case_arr)
    {
        OscNPhase osc(c.biphase);
        osc.set_sample_freq(fs);
        osc.set_period(period);
        osc.set_variation(0, c.var_0);
        osc.set_variation(1, c.var_1);
        osc.set_phase(c.phase);
        osc.tick(c.ticks);
        EXPECT_NEAR(osc.get_val(), std::sin(two_pi * c.expected_a), 1e-3)
            << c.biphase << " " << c.var_0 << " " << c.var_1 << " after " << c.ticks;
        EXPECT_NEAR(lfo_test::phase_dist(osc.get_phase(), c.expected_phase), 0, 1e-9);
    }
}

TEST(OscNoiseFlt, DecimationIntervalFollowsTheSampleRate)
{
    const struct
    {
        double fs;
        int interval;
    } case_arr[] = {{22050, 32}, {44100, 64}, {48000, 64}, {88200, 128}, {96000, 128}, {192000, 256}};
    for (const auto& c : case_arr)
    {
        SCOPED_TRACE(c.fs);
        OscNoiseFlt<1> noise;
        noise.set_sample_freq(c.fs);
        noise.set_period(0.05);
        EXPECT_EQ(noise.get_interval(), c.interval);
        const double rate = c.fs / c.interval;
        EXPECT_GE(rate, 512);
        EXPECT_LT(rate, 1024);
        // The value moves exactly once per interval.
        double prev = noise.get_val();
        for (int t = 1; t <= c.interval * 6; ++t)
        {
            noise.tick(1);
            const double v = noise.get_val();
            ASSERT_EQ(v != prev, t % c.interval == 0) << "t = " << t;
            prev = v;
        }
    }
}

// Coefficient and gain against the textbook one-pole design, first values against the generator.
TEST(OscNoiseFlt, FirstValuesFromTheRandomSource)
{
    const double fs = 44100;
    const double period = 0.1;
    const double rate = fs / 64;
    const double f = 1 / period;
    const double w = two_pi * f / rate;
    const double pole = (2 - std::cos(w)) - std::sqrt((2 - std::cos(w)) * (2 - std::cos(w)) - 1);
    const double coef = 1 - pole;
    const double gain = std::sqrt(rate / (2 * f));

    OscNoiseFlt<1> one;
    OscNoiseFlt<2> two;
    for (OscInterface* osc : {static_cast<OscInterface*>(&one), static_cast<OscInterface*>(&two)})
    {
        osc->set_sample_freq(fs);
        osc->set_period(period);
        osc->set_phase(0);
    }
    EXPECT_NEAR(one.get_coef(), coef, coef * 0.01);
    EXPECT_DOUBLE_EQ(one.get_gain(), gain);

    std::minstd_rand ref;
    const double span = 2147483646.0;
    const double d1 = double(ref()) - 1;
    const double d2 = double(ref()) - 1;
    const double raw = (2 * (d1 + d2 * span) / (span * span) - 1) * gain;
    one.tick(64);
    two.tick(64);
    const double c = one.get_coef();
    EXPECT_NEAR(one.get_val(), raw * c, 1e-12);
    EXPECT_NEAR(two.get_val(), raw * c * c, 1e-12);
}

TEST(OscNoiseFlt, ClearRepeatsTheSequence)
{
    OscNoiseFlt<2> noise;
    noise.set_sample_freq(48000);
    noise.set_period(0.2);
    std::vector<double> first;
    for (int i = 0; i < 200; ++i)
    {
        noise.tick(100);
        first.push_back(noise.get_val());
    }
    noise.clear_buffers();
    EXPECT_EQ(noise.get_val(), 0.0);
    for (int i = 0; i < 200; ++i)
    {
        noise.tick(100);
        ASSERT_EQ(noise.get_val(), first[size_t(i)]) << i;
    }
}

// At the longest period the cut-off is a hundredth of a hertz; the filter must still move.
TEST(OscNoiseFlt, LongestPeriodStillMoves)
{
    for (double fs : {44100.0, 192000.0})
    {
        OscNoiseFlt<2> noise;
        noise.set_sample_freq(fs);
        noise.set_period(100);
        const double rate = fs / noise.get_interval();
        // Close to w for a small w; the sine approximation's curvature costs a few tenths of a percent.
        EXPECT_NEAR(noise.get_coef(), two_pi * 0.01 / rate, 0.01 * two_pi * 0.01 / rate) << fs;
        noise.tick(long(fs * 5));
        const double v = noise.get_val();
        EXPECT_NE(v, 0.0);
        noise.tick(long(fs));
        EXPECT_NE(noise.get_val(), v);
    }
}

} // namespace
} // namespace lfo
} // namespace zun

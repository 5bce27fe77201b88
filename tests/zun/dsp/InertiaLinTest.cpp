#include "zun/dsp/InertiaLin.h"

#include <gtest/gtest.h>

#include <limits>

using zun::dsp::InertiaLin;

namespace
{

// 1 s ramps at 1000 Hz: the step per frame is 0.001 × the distance.
InertiaLin make_ramp(double t = 1.0, double fs = 1000)
{
    InertiaLin r;
    r.set_sample_freq(fs);
    r.set_inertia_time(t);
    return r;
}

} // namespace

TEST(InertiaLinTest, ZeroTimeAppliesAtOnce)
{
    InertiaLin r;
    EXPECT_EQ(r.get_inertia_time(), 0.0);
    r.set_val(0.7);
    EXPECT_EQ(r.get_val(), 0.7);
    EXPECT_EQ(r.get_start_val(), 0.7);
    EXPECT_FALSE(r.is_ramping());
}

TEST(InertiaLinTest, RampsLinearlyAndEndsExactlyOnTarget)
{
    InertiaLin r = make_ramp();
    r.set_val(0.5); // 1000 frames
    EXPECT_DOUBLE_EQ(r.get_step(), 0.0005);
    r.tick(250);
    EXPECT_NEAR(r.get_val(), 0.125, 1e-12);
    r.tick(249);
    EXPECT_TRUE(r.is_ramping());
    r.tick(1000); // overshoot
    EXPECT_EQ(r.get_val(), 0.5);
    EXPECT_EQ(r.get_start_val(), 0.5);
    EXPECT_FALSE(r.is_ramping());
}

struct RetargetCase
{
    const char* what;
    double first;  // target of the running ramp, from 0
    long nbr_spl;  // frames ticked towards it
    double second; // new target
    double expected_step;
};

class InertiaLinRetargetTest : public ::testing::TestWithParam<RetargetCase>
{
};

TEST_P(InertiaLinRetargetTest, ChoosesStep)
{
    const RetargetCase c = GetParam();
    InertiaLin r = make_ramp();
    r.set_val(c.first);
    r.tick(c.nbr_spl);
    const double cur = r.get_val();
    r.set_val(c.second);
    EXPECT_NEAR(r.get_step(), c.expected_step, 1e-15) << c.what;
    EXPECT_EQ(r.get_start_val(), cur) << c.what;
    EXPECT_EQ(r.get_target_val(), c.second) << c.what;
    r.tick(100000);
    EXPECT_EQ(r.get_val(), c.second) << c.what;
}

// Steps per frame: 0.001 × the distance to the new target.
INSTANTIATE_TEST_SUITE_P(
    Cases, InertiaLinRetargetTest,
    ::testing::Values(RetargetCase{"same way, shallower: the running step stays", 1.0, 200, 0.3, 0.001},
                      RetargetCase{"same way, steeper: the new step", 0.25, 200, 1.0, 0.00095},
                      RetargetCase{"opposite way: the new step at once", 1.0, 200, 0.1, -0.0001},
                      RetargetCase{"the current value: the ramp stops", 1.0, 200, 0.2, 0.0},
                      RetargetCase{"from rest: the new step", 0.0, 0, 0.1, 0.0001}));

TEST(InertiaLinTest, SampleRateChangeKeepsRemainingDuration)
{
    InertiaLin r = make_ramp(1.0, 1000);
    r.set_val(1.0);
    r.tick(500);
    r.set_sample_freq(2000);
    r.tick(999);
    EXPECT_TRUE(r.is_ramping());
    EXPECT_NEAR(r.get_val(), 1.0 - 0.0005, 1e-9);
    r.tick(2);
    EXPECT_EQ(r.get_val(), 1.0);
    EXPECT_FALSE(r.is_ramping());
    // New ramps use the new rate.
    r.set_val(0.0);
    EXPECT_NEAR(r.get_step(), -0.0005, 1e-15);
}

TEST(InertiaLinTest, InvalidSampleRateOrTimeIsIgnored)
{
    InertiaLin r = make_ramp();
    r.set_val(1.0);
    r.set_sample_freq(0);
    r.set_sample_freq(-1);
    r.set_sample_freq(std::numeric_limits<double>::infinity());
    EXPECT_EQ(r.get_sample_freq(), 1000.0);
    EXPECT_NEAR(r.get_step(), 0.001, 1e-15);
    r.set_inertia_time(-2);
    EXPECT_EQ(r.get_inertia_time(), 0.0);
    r.set_val(0.25);
    EXPECT_EQ(r.get_val(), 0.25);
}

TEST(InertiaLinTest, VeryLongTimeStillArrives)
{
    InertiaLin r = make_ramp(3600.0 * 24, 192000); // one day
    r.set_val(1.0);
    ASSERT_TRUE(r.is_ramping());
    r.tick(192000);
    EXPECT_GT(r.get_val(), 0.0);
    EXPECT_LT(r.get_val(), 1.0 / 3600);
    r.tick(std::numeric_limits<long>::max() / 4);
    EXPECT_EQ(r.get_val(), 1.0);
}

TEST(InertiaLinTest, InfiniteTimeActsAsJump)
{
    InertiaLin r = make_ramp(1e308, 1e10); // the step vanishes
    r.set_val(1.0);
    EXPECT_FALSE(r.is_ramping());
    EXPECT_EQ(r.get_val(), 1.0);
}

TEST(InertiaLinTest, EmptyTickChangesNothing)
{
    InertiaLin r = make_ramp();
    r.set_val(1.0);
    r.tick(0);
    r.tick(-5);
    EXPECT_EQ(r.get_val(), 0.0);
    EXPECT_TRUE(r.is_ramping());
}

#include "zun/dsp/Ramp.h"

#include <gtest/gtest.h>

using zun::dsp::Ramp;

TEST(RampTest, StartsAtUnityGainWithLength64)
{
    Ramp r;
    EXPECT_EQ(r.get_val(), 1.f);
    EXPECT_EQ(r.get_val_beg(), 1.f);
    EXPECT_EQ(r.get_target(), 1.f);
    EXPECT_EQ(r.get_len(), 64);
    EXPECT_FALSE(r.is_ramping());
}

TEST(RampTest, StaircaseReportsBlockStartAndEnd)
{
    Ramp r;
    r.set_target(0.f);
    r.tick(16);
    EXPECT_EQ(r.get_val_beg(), 1.f);
    EXPECT_FLOAT_EQ(r.get_val(), 0.75f);
    r.tick(16);
    EXPECT_FLOAT_EQ(r.get_val_beg(), 0.75f);
    EXPECT_FLOAT_EQ(r.get_val(), 0.5f);
    EXPECT_TRUE(r.is_ramping());
}

struct LandCase
{
    int len;
    int block;
    int nbr_ticks; // advances until the target is reached
};

class RampLandTest : public ::testing::TestWithParam<LandCase>
{
};

TEST_P(RampLandTest, LandsExactlyOnTargetAfterItsLength)
{
    const LandCase c = GetParam();
    Ramp r;
    r.set_len(c.len);
    r.set_target(0.3f);
    for (int k = 1; k < c.nbr_ticks; ++k)
    {
        r.tick(c.block);
        EXPECT_NE(r.get_val(), 0.3f) << "tick " << k;
        EXPECT_TRUE(r.is_ramping());
    }
    r.tick(c.block);
    EXPECT_EQ(r.get_val(), 0.3f);
    EXPECT_EQ(r.get_step(), 0.f);
    EXPECT_EQ(r.get_remaining(), 0);
    EXPECT_FALSE(r.is_ramping());
    r.tick(c.block);
    EXPECT_EQ(r.get_val_beg(), 0.3f);
    EXPECT_EQ(r.get_val(), 0.3f);
}

INSTANTIATE_TEST_SUITE_P(Cases, RampLandTest,
                         ::testing::Values(LandCase{64, 64, 1}, LandCase{64, 16, 4}, LandCase{64, 48, 2},
                                           LandCase{64, 256, 1}, LandCase{256, 100, 3}, LandCase{1, 1, 1},
                                           LandCase{0, 64, 1}));

TEST(RampTest, ZeroOrNegativeLengthJumpsAtNextAdvance)
{
    for (int len : {0, -5})
    {
        Ramp r;
        r.set_len(len);
        EXPECT_EQ(r.get_len(), 0);
        r.set_target(0.25f);
        EXPECT_EQ(r.get_step(), 0.f);
        r.tick(0);
        EXPECT_EQ(r.get_val(), 0.25f);
    }
}

TEST(RampTest, NewLengthRetimesRunningRamp)
{
    Ramp r;
    r.set_target(0.f);
    r.tick(32); // half way, 0.5
    r.set_len(16);
    EXPECT_EQ(r.get_remaining(), 16);
    EXPECT_FLOAT_EQ(r.get_step(), -0.5f / 16);
    r.tick(8);
    EXPECT_FLOAT_EQ(r.get_val(), 0.25f);
    r.tick(8);
    EXPECT_EQ(r.get_val(), 0.f);
}

TEST(RampTest, NewLengthLeavesIdleRampAndSameLengthAlone)
{
    Ramp r;
    r.set_len(256);
    EXPECT_FALSE(r.is_ramping());
    EXPECT_EQ(r.get_step(), 0.f);
    r.set_target(0.f);
    r.tick(128);
    r.set_len(256);
    EXPECT_EQ(r.get_remaining(), 128);
    r.tick(128);
    EXPECT_EQ(r.get_val(), 0.f);
}

TEST(RampTest, RampCutToZeroLengthLandsAtNextAdvance)
{
    Ramp r;
    r.set_target(0.f);
    r.tick(16);
    r.set_len(0);
    r.tick(16);
    EXPECT_EQ(r.get_val(), 0.f);
    EXPECT_FALSE(r.is_ramping());
}

TEST(RampTest, NewTargetMidRampStartsFromCurrent)
{
    Ramp r;
    r.set_target(0.f);
    r.tick(32);
    r.set_target(1.f);
    EXPECT_EQ(r.get_remaining(), 64);
    r.tick(32);
    EXPECT_FLOAT_EQ(r.get_val(), 0.75f);
}

TEST(RampTest, ClearJumpsToTarget)
{
    Ramp r;
    r.set_target(2.f);
    r.tick(10);
    r.clear_buffers();
    EXPECT_EQ(r.get_val(), 2.f);
    EXPECT_EQ(r.get_val_beg(), 2.f);
    EXPECT_FALSE(r.is_ramping());
    r.tick(64);
    EXPECT_EQ(r.get_val(), 2.f);
}

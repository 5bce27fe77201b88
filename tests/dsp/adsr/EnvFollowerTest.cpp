#include "dsp/adsr/EnvFollower.h"
#include "ChunkRunner.h"
#include "dsp/LfoModuleDesc.h"
#include "zun/piapi/ParamStateSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{

using dsp::LfoModuleDesc;
using zun::piapi::EventTs;

class EnvFollowerBlock : public ::testing::Test
{
protected:
    static constexpr int slot = 3;
    static constexpr int b = 74 * slot;

    void reset()
    {
        int latency = -1;
        follower.reset(48000, 256, latency);
        EXPECT_EQ(latency, 0);
    }
    // A parameter change in natural units, as the engine sends it.
    void send(int j, double nat)
    {
        const auto& d = desc.get_param_info(zun::piapi::ParamCateg_GLOBAL, b + j);
        runner.add_event(EventTs::make_param(b + j, float(d.conv_nat_to_nrm(nat))));
    }

    LfoModuleDesc desc;
    zun::piapi::ParamStateSet states; // sized by the follower
    dsp::EnvFollower follower{states, desc, slot};
    adsr_test::ChunkRunner runner;
};

TEST_F(EnvFollowerBlock, WritesItsSlotDefaultsAndKeepsOthers)
{
    ASSERT_EQ(states.get_nbr_param(), 592);
    const int j_arr[] = {32, 33, 34, 35, 36, 37, 38, 39, 40, 41};
    for (int j : j_arr)
    {
        EXPECT_NEAR(states.get_val_tgt_nat(b + j), LfoModuleDesc::get_default_nat(j), 1e-9) << j;
        EXPECT_NEAR(states.get_val_tgt_nat(b + 74 + j), 0, 1e-9) << j; // slot 4 untouched
    }
    // Another slot's follower leaves slot 3's values alone.
    states.set_val_nat(desc.use_desc_set(), b + 33, 2.5);
    dsp::EnvFollower other(states, desc, slot + 1);
    EXPECT_NEAR(states.get_val_tgt_nat(b + 33), 2.5, 1e-9);
    EXPECT_NEAR(states.get_val_tgt_nat(b + 74 + 33), 0.01, 1e-9);
    EXPECT_EQ(follower.get_state(), zun::piapi::PluginInterface::State_CREATED);
    reset();
    EXPECT_EQ(follower.get_state(), zun::piapi::PluginInterface::State_ACTIVE);
    EXPECT_DOUBLE_EQ(follower.get_param_val(zun::piapi::ParamCateg_GLOBAL, 0, b + 33),
                     desc.get_param_info(zun::piapi::ParamCateg_GLOBAL, b + 33).conv_nat_to_nrm(2.5));
}

TEST_F(EnvFollowerBlock, FollowsChannelZeroScaledByGain)
{
    reset();
    std::vector<float> left(256, 0.5f);
    for (int c = 0; c < 40; ++c)
    {
        runner.run(follower, left.data(), 256);
    }
    EXPECT_NEAR(follower.get_val(), 0.5, 1e-4);
    // Gain 4 takes the output past 1; the slot adds 0.5 and the engine limits its destination.
    send(32, 4);
    runner.run(follower, left.data(), 256);
    EXPECT_NEAR(follower.get_val(), 2.0, 4e-4);
}

TEST_F(EnvFollowerBlock, ParameterEventsReachTheFollower)
{
    reset();
    send(33, 0); // attack
    send(36, 0); // release, named "Decay"
    send(39, 0); // hold
    runner.run_const(follower, -0.3f, 64);
    EXPECT_FLOAT_EQ(follower.get_val(), 0.3f);
    runner.run_const(follower, 0.1f, 1);
    EXPECT_FLOAT_EQ(follower.get_val(), 0.1f);

    // A long hold keeps the level through the next chunk of silence.
    send(39, 0.5);
    runner.run_const(follower, 0.4f, 16);
    runner.run_const(follower, 0, 256);
    EXPECT_FLOAT_EQ(follower.get_val(), 0.4f);
}

TEST_F(EnvFollowerBlock, FullResetAndQuickCleanClearAtTheNextChunk)
{
    reset();
    runner.run_const(follower, 0.8f, 256);
    ASSERT_GT(follower.get_val(), 0.1);
    runner.add_event(EventTs::make_proc(false, true));
    runner.run_const(follower, 0, 256);
    EXPECT_EQ(follower.get_val(), 0);

    runner.run_const(follower, 0.8f, 256);
    follower.clean_quick();
    runner.run_const(follower, 0, 256);
    EXPECT_EQ(follower.get_val(), 0);
    // Once only.
    runner.run_const(follower, 0.8f, 256);
    runner.run_const(follower, 0, 16);
    EXPECT_GT(follower.get_val(), 0.1);
}

TEST_F(EnvFollowerBlock, NoInputOrEmptyChunkKeepsTheLastValue)
{
    reset();
    runner.run_const(follower, 0.8f, 256);
    const float v = follower.get_val();
    runner.run_const(follower, 0, 0);
    EXPECT_EQ(follower.get_val(), v);
    runner.use_proc().nbr_chn_in = 0;
    runner.run_const(follower, 0, 256);
    EXPECT_EQ(follower.get_val(), v);
}

} // namespace

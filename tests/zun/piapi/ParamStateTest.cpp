#include "zun/piapi/ParamState.h"
#include "zun/piapi/ParamStateSet.h"

#include "zun/piapi/TestDesc.h"
#include "zun/util/NotificationFlag.h"
#include "zun/util/NotificationFlagCascadeSingle.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace zun::piapi;

namespace
{

class CountingObserver : public zun::util::ObserverInterface
{
public:
    int nbr_updates = 0;

protected:
    void do_update(zun::util::ObservableInterface&) override { ++nbr_updates; }
};

class ParamStateFixture : public ::testing::Test
{
protected:
    ParamStateFixture() { state.use_notifier().add_observer(obs); }

    ParamState state;
    CountingObserver obs;
};

// Four parameters: natural ranges 0..10, 0..20, 0..30, 0..40.
ParamDescSet make_desc_set(int nbr)
{
    ParamDescSet set(nbr, 0);
    for (int i = 0; i < nbr; ++i)
    {
        set.add_glob(i, new test::TestDesc(0, 10.0 * (i + 1)));
    }
    return set;
}

} // namespace

TEST_F(ParamStateFixture, ZeroRampTimeSignalsInSetAndNextTickOnly)
{
    state.set_val(0.4);
    EXPECT_EQ(obs.nbr_updates, 1);
    EXPECT_EQ(state.get_val_tgt(), 0.4);
    EXPECT_EQ(state.get_val_end(), 0.0); // until the next tick
    EXPECT_FALSE(state.is_ramping());

    state.tick(64);
    EXPECT_EQ(obs.nbr_updates, 2);
    EXPECT_EQ(state.get_val_beg(), 0.4);
    EXPECT_EQ(state.get_val_end(), 0.4);
    EXPECT_FALSE(state.is_ramping());

    state.tick(64); // settled: silent
    EXPECT_EQ(obs.nbr_updates, 2);
}

TEST_F(ParamStateFixture, RampSpansEachBlockAndEndsOnTarget)
{
    state.set_sample_freq(1000);
    state.set_ramp_time(0.1); // every change takes 100 frames
    state.set_val(0.5);
    state.tick(40);
    EXPECT_EQ(state.get_val_beg(), 0.0);
    EXPECT_NEAR(state.get_val_end(), 0.2, 1e-12);
    EXPECT_TRUE(state.is_ramping());
    state.tick(40);
    EXPECT_NEAR(state.get_val_beg(), 0.2, 1e-12);
    EXPECT_NEAR(state.get_val_end(), 0.4, 1e-12);
    state.tick(40); // overshoots inside the block
    EXPECT_EQ(state.get_val_end(), 0.5);
    EXPECT_TRUE(state.is_ramping()); // this block still moved
    const int before = obs.nbr_updates;
    state.tick(40);
    EXPECT_EQ(state.get_val_beg(), 0.5);
    EXPECT_FALSE(state.is_ramping());
    EXPECT_EQ(obs.nbr_updates, before + 1);
    state.tick(40);
    EXPECT_EQ(obs.nbr_updates, before + 1);
}

TEST_F(ParamStateFixture, ValuesAreLimitedToUnitRange)
{
    for (double v : {-0.5, 1.5, std::numeric_limits<double>::quiet_NaN()})
    {
        state.set_val(v);
        EXPECT_GE(state.get_val_tgt(), 0.0);
        EXPECT_LE(state.get_val_tgt(), 1.0);
    }
    state.set_val(7);
    EXPECT_EQ(state.get_val_tgt(), 1.0);
}

TEST_F(ParamStateFixture, ClearBuffersJumpsAndSignals)
{
    state.set_sample_freq(1000);
    state.set_ramp_time(1);
    state.set_val(1);
    state.tick(100);
    state.clear_buffers();
    EXPECT_EQ(state.get_val_beg(), 1.0);
    EXPECT_EQ(state.get_val_end(), 1.0);
    EXPECT_FALSE(state.use_ramp().is_ramping());
    EXPECT_EQ(obs.nbr_updates, 3);
}

TEST_F(ParamStateFixture, CopiesKeepObservers)
{
    std::vector<ParamState> arr(1, state);
    arr.resize(100); // grows by copying
    arr[0].set_val(0.3);
    EXPECT_EQ(obs.nbr_updates, 1);
}

TEST(ParamStateSetTest, InitSizesStatesAndBits)
{
    const ParamDescSet desc = make_desc_set(4);
    ParamStateSet set;
    EXPECT_EQ(set.get_categ(), -1);
    set.init(ParamCateg_GLOBAL, desc);
    EXPECT_EQ(set.get_categ(), ParamCateg_GLOBAL);
    EXPECT_EQ(set.get_nbr_param(), 4);
    EXPECT_EQ(set.use_changed().get_nbr_elt(), 4);
    EXPECT_EQ(&set.use_state(3).use_desc(), &desc.use_param(ParamCateg_GLOBAL, 3));
}

TEST(ParamStateSetTest, SetValMarksChangedUntilSettled)
{
    const ParamDescSet desc = make_desc_set(4);
    ParamStateSet set;
    set.init(ParamCateg_GLOBAL, desc);
    set.set_val(2, 0.5);
    EXPECT_TRUE(set.use_changed().get_bit(2));
    EXPECT_EQ(set.use_changed().get_next_bit_set_from(0), 2);
    set.process_block(64);
    EXPECT_EQ(set.get_val_end_nat(2), 15.0);
    EXPECT_EQ(set.get_val_beg_nat(2), 15.0);
    EXPECT_FALSE(set.use_changed().has_a_bit_set());
}

TEST(ParamStateSetTest, OnlyChangedStatesAreTicked)
{
    const ParamDescSet desc = make_desc_set(4);
    ParamStateSet set;
    set.init(ParamCateg_GLOBAL, desc);
    CountingObserver obs[4];
    for (int i = 0; i < 4; ++i)
    {
        set.add_observer(i, obs[i]);
    }
    set.set_val(1, 0.2);
    set.set_val(3, 0.7);
    set.process_block(16);
    EXPECT_EQ(obs[0].nbr_updates, 0);
    EXPECT_EQ(obs[1].nbr_updates, 2);
    EXPECT_EQ(obs[2].nbr_updates, 0);
    EXPECT_EQ(obs[3].nbr_updates, 2);
    EXPECT_DOUBLE_EQ(set.get_val_end_nat(3), 28.0);
    EXPECT_DOUBLE_EQ(set.get_val_tgt_nat(3), 28.0);
}

TEST(ParamStateSetTest, ResendingASettledValueIsSilent)
{
    const ParamDescSet desc = make_desc_set(2);
    ParamStateSet set;
    set.init(ParamCateg_GLOBAL, desc);
    CountingObserver obs;
    set.add_observer(0, obs);
    set.set_val(0, 0.25);
    set.process_block(16);
    const int settled = obs.nbr_updates;

    set.set_val(0, 0.25);
    EXPECT_EQ(obs.nbr_updates, settled);
    EXPECT_FALSE(set.use_changed().has_a_bit_set());

    // A new value, or the same one while a change is still pending, is delivered.
    set.set_val(0, 0.5);
    EXPECT_GT(obs.nbr_updates, settled);
    set.set_val(0, 0.25);
    set.set_val(0, 0.25);
    set.process_block(16);
    EXPECT_DOUBLE_EQ(set.get_val_end_nat(0), 2.5);
    set.set_val(1, 2.0);
    set.process_block(16);
    const int before = obs.nbr_updates;
    set.set_val(1, 1.0); // limited to 1, which the state already holds
    EXPECT_FALSE(set.use_changed().get_bit(1));
    EXPECT_EQ(obs.nbr_updates, before);
}

TEST(ParamStateSetTest, RampingStateStaysChangedWhileItMoves)
{
    const ParamDescSet desc = make_desc_set(2);
    ParamStateSet set;
    set.init(ParamCateg_GLOBAL, desc);
    set.set_sample_freq(1000);
    set.process_block(1); // settle the marks left by the rate change
    set.set_ramp_time(0, 0.1);
    set.set_val(0, 1.0); // 100 frames
    int nbr_blocks = 0;
    while (set.use_changed().get_bit(0) && nbr_blocks < 100)
    {
        set.process_block(32);
        ++nbr_blocks;
    }
    EXPECT_EQ(nbr_blocks, 5); // 4 moving blocks, then one that settles
    EXPECT_EQ(set.get_val_end_nat(0), 10.0);

    // An empty block leaves a running ramp in the set.
    set.set_val(0, 0.0);
    set.process_block(0);
    EXPECT_TRUE(set.use_changed().get_bit(0));
    set.process_block(200);
    EXPECT_EQ(set.get_val_end_nat(0), 0.0);
}

TEST(ParamStateSetTest, SampleRateAndClearMoveToTargetsAndMarkAll)
{
    const ParamDescSet desc = make_desc_set(3);
    ParamStateSet set;
    set.init(ParamCateg_GLOBAL, desc);
    set.set_val_nat(desc, 0, 4.0); // defaults set in the constructor survive the reset
    set.set_val_nat(desc, 2, 6.0);
    set.set_sample_freq(48000);
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_TRUE(set.use_changed().get_bit(i));
    }
    EXPECT_DOUBLE_EQ(set.get_val_end_nat(0), 4.0);
    EXPECT_DOUBLE_EQ(set.get_val_beg_nat(2), 6.0);
    set.process_block(256);
    EXPECT_FALSE(set.use_changed().has_a_bit_set());
    set.clear_buffers();
    EXPECT_TRUE(set.use_changed().get_bit(1));
}

TEST(ParamStateSetTest, SteadyStateJumpsAndSignalsRampingStates)
{
    const ParamDescSet desc = make_desc_set(2);
    ParamStateSet set;
    set.init(ParamCateg_GLOBAL, desc);
    set.set_sample_freq(1000);
    set.process_block(1);
    set.set_ramp_time(0, 1);
    set.set_val(0, 1.0);
    set.process_block(100);
    CountingObserver obs[2];
    set.add_observer(0, obs[0]);
    set.add_observer(1, obs[1]);
    set.set_steady_state();
    EXPECT_EQ(obs[0].nbr_updates, 2); // ramping, then cleared
    EXPECT_EQ(obs[1].nbr_updates, 1); // cleared only
    EXPECT_EQ(set.get_val_end_nat(0), 10.0);
    EXPECT_FALSE(set.use_state(0).use_ramp().is_ramping());
    EXPECT_TRUE(set.use_changed().get_bit(0)); // left as it was
}

TEST(ParamStateSetTest, InvalidIndexesAreIgnored)
{
    const ParamDescSet desc = make_desc_set(2);
    ParamStateSet set;
    set.init(ParamCateg_GLOBAL, desc);
    CountingObserver obs;
    set.add_observer(5, obs);
    set.set_val(-1, 0.5);
    set.set_val(2, 0.5);
    set.set_val_nat(desc, 7, 1.0);
    set.set_ramp_time(9, 1.0);
    EXPECT_FALSE(set.use_changed().has_a_bit_set());
    EXPECT_EQ(set.get_val_tgt_nat(2), 0.0);
}

TEST(ParamStateSetTest, EmptySetDoesNothing)
{
    const ParamDescSet desc(0, 0);
    ParamStateSet set;
    set.init(ParamCateg_GLOBAL, desc);
    set.set_sample_freq(44100);
    set.set_val(0, 1.0);
    set.process_block(64);
    EXPECT_EQ(set.get_nbr_param(), 0);
    EXPECT_LT(set.use_changed().get_next_bit_set_from(0), 0);
}

TEST(ParamStateSetTest, ReinitKeepsValuesAndObservers)
{
    // A set shared by several users, each of which runs init.
    const ParamDescSet desc = make_desc_set(4);
    ParamStateSet set;
    set.init(ParamCateg_GLOBAL, desc);
    CountingObserver obs;
    set.add_observer(1, obs);
    set.set_val(1, 0.25);
    set.init(ParamCateg_GLOBAL, desc);
    EXPECT_EQ(set.use_state(1).get_val_tgt(), 0.25);
    EXPECT_TRUE(set.use_changed().get_bit(1));
    set.process_block(8);
    EXPECT_EQ(obs.nbr_updates, 2);
}

TEST(ParamStateSetTest, GroupFlagsTellWhichGroupMoved)
{
    // The pattern of a block: one cascade flag per group, one master over the groups.
    const ParamDescSet desc = make_desc_set(4);
    ParamStateSet set;
    set.init(ParamCateg_GLOBAL, desc);
    zun::util::NotificationFlagCascadeSingle group_a, group_b;
    zun::util::NotificationFlag master;
    set.add_observer(0, group_a);
    set.add_observer(1, group_a);
    set.add_observer(2, group_b);
    set.add_observer(3, group_b);
    group_a.add_observer(master);
    group_b.add_observer(master);
    set.set_sample_freq(44100);
    set.process_block(64);
    master.reset();
    group_a.reset();
    group_b.reset();

    set.set_val(3, 0.5);
    set.process_block(64);
    EXPECT_TRUE(master.get_state());
    EXPECT_FALSE(group_a.get_state());
    EXPECT_TRUE(group_b.get_state());
    master.reset();
    group_b.reset();
    set.process_block(64);
    EXPECT_FALSE(master.get_state());
}

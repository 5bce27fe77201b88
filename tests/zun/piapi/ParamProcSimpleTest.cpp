#include "zun/piapi/ParamProcSimple.h"

#include "zun/piapi/TestDesc.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zun::piapi;

namespace
{

// A block's parameter handling: three ramped parameters, and the call's events.
class ParamProcSimpleFixture : public ::testing::Test
{
protected:
    ParamProcSimpleFixture() : desc(3, 0), proc(set)
    {
        for (int i = 0; i < 3; ++i)
        {
            desc.add_glob(i, new test::TestDesc(0, 100));
        }
        set.init(ParamCateg_GLOBAL, desc);
        set.set_sample_freq(1000);
        for (int i = 0; i < 3; ++i)
        {
            set.set_ramp_time(i, 1.0); // every change takes 1000 frames
        }
        set.process_block(1);
    }

    // Runs one call the way a block does.
    void run(std::vector<EventTs> evt_list, int nbr_spl = 100)
    {
        std::vector<const EventTs*> ptr_arr;
        for (const auto& e : evt_list)
        {
            ptr_arr.push_back(&e);
        }
        PluginInterface::ProcInfo info;
        info.evt_arr = ptr_arr.data();
        info.nbr_evt = int(ptr_arr.size());
        info.nbr_spl = nbr_spl;
        proc.handle_msg(info);
        set.process_block(nbr_spl);
    }

    ParamDescSet desc;
    ParamStateSet set;
    ParamProcSimple proc;
};

} // namespace

TEST_F(ParamProcSimpleFixture, ParameterEventsStartRamps)
{
    run({EventTs::make_param(1, 0.5f)});
    EXPECT_NEAR(set.get_val_end_nat(1), 5.0, 1e-9);
    EXPECT_EQ(set.get_val_tgt_nat(1), 50.0);
    EXPECT_FALSE(proc.is_req_steady_state());
    EXPECT_FALSE(proc.is_full_reset());
}

TEST_F(ParamProcSimpleFixture, SteadyRequestJumpsEveryStateInThatCall)
{
    run({EventTs::make_param(0, 1.f)});
    // The request comes after a new value in the same call: both apply at once.
    run({EventTs::make_param(2, 0.3f), EventTs::make_proc(true, false)});
    EXPECT_TRUE(proc.is_req_steady_state());
    EXPECT_FALSE(proc.is_full_reset());
    EXPECT_EQ(set.get_val_end_nat(0), 100.0);
    EXPECT_DOUBLE_EQ(set.get_val_end_nat(2), 100.0 * double(0.3f));
    run({});
    EXPECT_FALSE(proc.is_req_steady_state());
}

TEST_F(ParamProcSimpleFixture, PendingRequestsApplyToNextCallOnly)
{
    run({EventTs::make_param(0, 1.f)});
    proc.req_steady();
    EXPECT_FALSE(proc.is_req_steady_state()); // not this call
    run({});
    EXPECT_TRUE(proc.is_req_steady_state());
    EXPECT_FALSE(proc.is_full_reset());
    EXPECT_EQ(set.get_val_end_nat(0), 100.0);
    run({});
    EXPECT_FALSE(proc.is_req_steady_state());

    proc.req_all();
    run({});
    EXPECT_TRUE(proc.is_req_steady_state());
    EXPECT_TRUE(proc.is_full_reset());
    run({});
    EXPECT_FALSE(proc.is_full_reset());
}

TEST_F(ParamProcSimpleFixture, FullResetEventDoesNotForceSteady)
{
    run({EventTs::make_param(0, 1.f), EventTs::make_proc(false, true)});
    EXPECT_TRUE(proc.is_full_reset());
    EXPECT_FALSE(proc.is_req_steady_state());
    EXPECT_NEAR(set.get_val_end_nat(0), 10.0, 1e-9); // still ramping
}

TEST_F(ParamProcSimpleFixture, OtherEventTypesAndBadEventsAreIgnored)
{
    std::vector<EventTs> evt_list;
    for (int type : {0, 1, 3, 5, -2})
    {
        EventTs e = EventTs::make_param(0, 1.f);
        e.type = type;
        e.steady = true;
        e.full_reset = true;
        evt_list.push_back(e);
    }
    evt_list.push_back(EventTs::make_param(17, 1.f)); // no such parameter
    run(evt_list);
    EXPECT_FALSE(proc.is_req_steady_state());
    EXPECT_FALSE(proc.is_full_reset());
    EXPECT_FALSE(set.use_changed().has_a_bit_set());

    PluginInterface::ProcInfo info; // no event array at all
    info.nbr_evt = 3;
    proc.handle_msg(info);
    const EventTs* null_arr[1] = {nullptr};
    info.evt_arr = null_arr;
    info.nbr_evt = 1;
    proc.handle_msg(info);
    EXPECT_FALSE(set.use_changed().has_a_bit_set());
}

#include "zun/piapi/ParamDescSet.h"

#include "zun/piapi/TestDesc.h"

#include <gtest/gtest.h>

using namespace zun::piapi;

TEST(ParamDescSetTest, ReadyOnlyAfterOneAddPerSlot)
{
    ParamDescSet set(2, 1);
    EXPECT_EQ(set.get_nbr_param(ParamCateg_GLOBAL), 2);
    EXPECT_EQ(set.get_nbr_param(ParamCateg_NOTE), 1);
    EXPECT_FALSE(set.is_ready());
    set.add_glob(0, new test::TestDesc(0, 10));
    set.add_glob(1, new test::TestDesc(0, 20));
    EXPECT_FALSE(set.is_ready());
    set.add_note(0, new test::TestDesc(0, 30));
    EXPECT_TRUE(set.is_ready());
    EXPECT_EQ(set.use_param(ParamCateg_GLOBAL, 1).get_nat_max(), 20);
    EXPECT_EQ(set.use_param(ParamCateg_NOTE, 0).get_nat_max(), 30);
}

TEST(ParamDescSetTest, AddingTwiceReplacesAndStillCounts)
{
    int live = 0;
    {
        ParamDescSet set(2, 0);
        set.add(ParamCateg_GLOBAL, 0, new test::TestDesc(0, 1, &live));
        set.add(ParamCateg_GLOBAL, 0, new test::TestDesc(0, 5, &live));
        EXPECT_EQ(live, 1); // the first one is released
        EXPECT_TRUE(set.is_ready());
        EXPECT_EQ(set.use_param(ParamCateg_GLOBAL, 0).get_nat_max(), 5);
        EXPECT_EQ(set.get_param_ptr(ParamCateg_GLOBAL, 1), nullptr);
    }
    EXPECT_EQ(live, 0);
}

TEST(ParamDescSetTest, InvalidSlotsTakeOwnershipButStoreNothing)
{
    int live = 0;
    ParamDescSet set(1, 0);
    set.add(ParamCateg_NOTE, 0, new test::TestDesc(0, 1, &live));
    set.add_glob(-1, new test::TestDesc(0, 1, &live));
    set.add_glob(1, new test::TestDesc(0, 1, &live));
    EXPECT_EQ(live, 0);
    EXPECT_EQ(set.get_nbr_remaining(), 1);
    EXPECT_EQ(set.get_param_ptr(ParamCateg_GLOBAL, 1), nullptr);
    EXPECT_EQ(set.get_param_ptr(ParamCateg_NOTE, 0), nullptr);
}

#include "zun/util/NotificationFlag.h"
#include "zun/util/NotificationFlagCascadeMulti.h"
#include "zun/util/NotificationFlagCascadeSingle.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zun::util;

namespace
{

// Records which observer saw which subject, in order, across several observers.
class Recorder : public ObserverInterface
{
public:
    Recorder(std::vector<const Recorder*>& log) : _log(log) {}
    ObservableInterface* last_subject = nullptr;

protected:
    void do_update(ObservableInterface& subject) override
    {
        last_subject = &subject;
        _log.push_back(this);
    }

private:
    std::vector<const Recorder*>& _log;
};

// A plain observable to drive flags directly.
class Subject : public ObservableMultiMixin
{
};

} // namespace

TEST(NotificationFlagTest, UpdateSetsUntilReset)
{
    NotificationFlag flag;
    Subject subj;
    subj.add_observer(flag);
    EXPECT_FALSE(flag.get_state());
    subj.notify_observers();
    EXPECT_TRUE(flag.get_state());
    flag.reset();
    EXPECT_FALSE(flag.get_state());
    flag.set();
    EXPECT_TRUE(flag.get_state());
}

TEST(NotificationFlagTest, MultiNotifiesInOrderWithoutDuplicates)
{
    std::vector<const Recorder*> log;
    Recorder a(log), b(log), c(log);
    Subject subj;
    subj.add_observer(a);
    subj.add_observer(b);
    subj.add_observer(a);
    subj.add_observer(c);
    EXPECT_EQ(subj.get_nbr_observers(), 3);
    subj.notify_observers();
    EXPECT_EQ(log, (std::vector<const Recorder*>{&a, &b, &c}));
    EXPECT_EQ(a.last_subject, &subj);

    log.clear();
    subj.remove_observer(a);
    subj.remove_observer(a); // not registered any more: no effect
    subj.notify_observers();
    EXPECT_EQ(log, (std::vector<const Recorder*>{&b, &c}));
}

TEST(NotificationFlagTest, SingleKeepsLastObserverAndRemovesOnlyThatOne)
{
    std::vector<const Recorder*> log;
    Recorder a(log), b(log);
    NotificationFlagCascadeSingle flag;
    flag.add_observer(a);
    flag.add_observer(b);
    flag.remove_observer(a); // not the stored one
    flag.set();
    EXPECT_EQ(log, (std::vector<const Recorder*>{&b}));
    EXPECT_EQ(b.last_subject, static_cast<ObservableInterface*>(&flag));

    flag.remove_observer(b);
    EXPECT_EQ(flag.get_observer(), nullptr);
    flag.set();
    EXPECT_EQ(log.size(), 1u);
}

TEST(NotificationFlagTest, CascadeRaisesMasterThroughGroups)
{
    // One block: two parameter groups feeding one master, and a parameter shared by both.
    Subject param_a, param_b, param_shared;
    NotificationFlagCascadeSingle group_1;
    NotificationFlagCascadeMulti group_2;
    NotificationFlag master;
    param_a.add_observer(group_1);
    param_shared.add_observer(group_1);
    param_b.add_observer(group_2);
    param_shared.add_observer(group_2);
    group_1.add_observer(master);
    group_2.add_observer(master);

    param_a.notify_observers();
    EXPECT_TRUE(master.get_state());
    EXPECT_TRUE(group_1.get_state());
    EXPECT_FALSE(group_2.get_state());

    master.reset();
    group_1.reset();
    param_shared.notify_observers();
    EXPECT_TRUE(master.get_state());
    EXPECT_TRUE(group_1.get_state());
    EXPECT_TRUE(group_2.get_state());

    master.reset();
    group_1.reset();
    group_2.reset();
    param_b.notify_observers();
    EXPECT_TRUE(master.get_state());
    EXPECT_FALSE(group_1.get_state());
    EXPECT_TRUE(group_2.get_state());
}

TEST(NotificationFlagTest, CascadeSetPassesOnEvenWhenAlreadySet)
{
    std::vector<const Recorder*> log;
    Recorder r(log);
    NotificationFlagCascadeMulti flag;
    flag.add_observer(r);
    flag.set();
    flag.set();
    EXPECT_EQ(log.size(), 2u);
}

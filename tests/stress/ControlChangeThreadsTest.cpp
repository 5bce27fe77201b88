// Control changes stored from several threads between two blocks: the engine must end on the
// value the control holds, whichever thread stored it and however many other changes came
// around it.
#include "dsp/ProcessorFixture.h"

#include <thread>

namespace crenzel_test
{
namespace
{

// Slot 0's period in seconds and its "Time"/"Tempo" switch.
constexpr int kSeconds = PluginEngine::kFirstSlotId + 1;
constexpr int kSwitch = kSeconds + 2;

class ControlChangeThreads : public ProcessorTest
{
protected:
    // On "Time", so that the engine's period is the seconds control.
    void SetUp() override
    {
        ProcessorTest::SetUp();
        proc->valueChanged(kSwitch, 0.0);
        run(*proc);
    }

    // The period the engine took, not the one the control holds.
    double enginePeriod() const
    {
        return proc->getEngine().get_mod_param_state_set().get_val_tgt_nat(kSeconds -
                                                                           PluginEngine::kFirstSlotId);
    }

    // A point of the control's range, 0 to 1.
    double periodAt(double x) const
    {
        const auto& d = *proc->getEngine().getParameters()->getDetails(kSeconds)->desc;
        return d.get_nat_min() + x * (d.get_nat_max() - d.get_nat_min());
    }

    // Stores the current value of other controls again: changes that move nothing.
    void touchOtherControls()
    {
        for (int id = PluginEngine::kFirstEffectId; id <= PluginEngine::kLastEffectId; ++id)
            proc->valueChanged(id, value(id));
        for (int id = kSeconds + 2 * PluginModulator::kNbrParam;
             id < kSeconds + 3 * PluginModulator::kNbrParam; ++id)
            proc->valueChanged(id, value(id));
    }

    // One store from a thread of its own (a host's automation thread), finished before the rest.
    void storeFromOtherThread(int id, double v)
    {
        std::thread other([&] { proc->valueChanged(id, v); });
        other.join();
    }
};

TEST_F(ControlChangeThreads, TheLastStoredValueReachesTheEngine)
{
    struct Case
    {
        const char* name;
        bool touchBefore; // other changes from this thread before its store
        bool touchAfter;  // and after it
    };
    const Case cases[] = {
        {"alone", false, false},
        {"followed by other changes", false, true},
        {"after other changes", true, false},
        {"between other changes", true, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        // An earlier value from another thread, then the final one from this thread; both wait
        // for the same block.
        storeFromOtherThread(kSeconds, periodAt(0.25));
        if (c.touchBefore)
            touchOtherControls();
        proc->valueChanged(kSeconds, periodAt(0.75));
        if (c.touchAfter)
            touchOtherControls();
        run(*proc);
        EXPECT_NEAR(value(kSeconds), periodAt(0.75), 1e-9);
        EXPECT_NEAR(enginePeriod(), periodAt(0.75), 1e-4 * periodAt(0.75));

        // The same the other way round: the other thread stores last.
        proc->valueChanged(kSeconds, periodAt(0.5));
        touchOtherControls();
        storeFromOtherThread(kSeconds, periodAt(0.1));
        run(*proc);
        EXPECT_NEAR(enginePeriod(), periodAt(0.1), 1e-4 * periodAt(0.1));
    }
}

// A patch load drops nothing that another thread stores while it runs, and a value stored
// before the load never lands after it.
TEST_F(ControlChangeThreads, AValueStoredBeforeALoadDoesNotOutliveIt)
{
    proc->valueChanged(kSeconds, periodAt(0.6));
    run(*proc);
    const juce::var patch = proc->saveToVar("test", "");

    storeFromOtherThread(kSeconds, periodAt(0.2));
    touchOtherControls();
    proc->loadFromVar(patch);
    run(*proc);
    EXPECT_NEAR(value(kSeconds), periodAt(0.6), 1e-4 * periodAt(0.6));
    EXPECT_NEAR(enginePeriod(), periodAt(0.6), 1e-4 * periodAt(0.6));
}

} // namespace
} // namespace crenzel_test

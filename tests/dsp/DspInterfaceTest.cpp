#include "dsp/ProcessorFixture.h"

#include <gtest/gtest.h>

namespace
{
using crenzel_test::ProcessorTest;
using crenzel_test::TestPlayHead;

// Slot 0: seconds 16, beats 17, "Time"/"Tempo" switch 18.
constexpr int kSeconds = 16;
constexpr int kBeats = 17;
constexpr int kSwitch = 18;

class DspInterfaceTest : public ProcessorTest
{
protected:
    // The period the slots' state set holds for slot s.
    double slotPeriod(int s = 0)
    {
        return proc->getEngine().get_mod_param_state_set().get_val_tgt_nat(PluginModulator::kNbrParam * s +
                                                                           1);
    }
};

TEST_F(DspInterfaceTest, BeatsBecomeSecondsAtTheHostTempoWithoutTouchingTheStoredSeconds)
{
    TestPlayHead head;
    proc->setPlayHead(&head);
    const double storedSeconds = value(kSeconds);

    proc->modulatorChangedInternal(kSwitch, 1.0);
    proc->modulatorChangedInternal(kBeats, 2.0);
    run(*proc);
    EXPECT_NEAR(slotPeriod(), 1.0, 1e-6);
    EXPECT_EQ(value(kSeconds), storedSeconds);

    // 1/64 beat at 300 BPM is 1/320 s, held at the beats control's floor of 1/64.
    head.bpm = 300.0;
    proc->modulatorChangedInternal(kBeats, 1.0 / 64.0);
    run(*proc);
    EXPECT_NEAR(slotPeriod(), 0.015625, 1e-6);

    // A tempo change alone recomputes every slot whose switch is on, and only those.
    proc->modulatorChangedInternal(kBeats, 2.0);
    proc->modulatorChangedInternal(kSwitch + PluginModulator::kNbrParam, 0.0); // slot 1 on "Time"
    proc->modulatorChangedInternal(kSeconds + PluginModulator::kNbrParam, 3.0);
    head.bpm = 120.0;
    run(*proc);
    head.bpm = 100.0;
    run(*proc);
    EXPECT_NEAR(slotPeriod(0), 1.2, 1e-6);
    EXPECT_NEAR(slotPeriod(1), 3.0, 1e-5);
    EXPECT_EQ(value(PluginEngine::kTempoId), 100.0);

    // Back on "Time": the slot gets its stored seconds again.
    proc->modulatorChangedInternal(kSwitch, 0.0);
    run(*proc);
    EXPECT_NEAR(slotPeriod(0), storedSeconds, 1e-5);
    proc->setPlayHead(nullptr);
}

TEST_F(DspInterfaceTest, AHostTempoOfNaNOrZeroIsIgnored)
{
    TestPlayHead head;
    proc->setPlayHead(&head);
    head.bpm = 0.0;
    run(*proc);
    head.bpm = std::nan("");
    run(*proc);
    EXPECT_EQ(value(PluginEngine::kTempoId), 120.0);
    proc->setPlayHead(nullptr);
}

TEST_F(DspInterfaceTest, ConnectionsReachTheEngineOnlyAtTheNextBlockAndReturnToTheBank)
{
    auto& engine = proc->getEngine();
    auto& bank = proc->getModulationBank();
    const size_t freeBefore = bank.getNumFree();

    proc->changeModulationAmount(15, 4, 0.5);
    proc->changeModulationAmount(15, 4, 0.0); // nothing yet in use: no-op apart from removal
    proc->changeModulationAmount(15, 4, 0.5);
    proc->changeModulationAmount(89, 7, -0.25);
    ASSERT_EQ(proc->getModulationConnections().size(), 2u);
    EXPECT_EQ(engine.getActiveModulations().size(), 0u);
    run(*proc);
    EXPECT_EQ(engine.getActiveModulations().size(), 2u);
    EXPECT_EQ(proc->getNumModulations(4), 1);
    EXPECT_DOUBLE_EQ(proc->getModulationConnection(15, 4)->amount, 0.5);

    // Below 2^-23 counts as zero.
    proc->changeModulationAmount(15, 4, 1e-9);
    EXPECT_EQ(proc->getModulationConnection(15, 4), nullptr);
    EXPECT_EQ(engine.getActiveModulations().size(), 2u);
    run(*proc);
    EXPECT_EQ(engine.getActiveModulations().size(), 1u);

    // No pair 15 -> 3: a zero amount changes nothing.
    proc->changeModulationAmount(15, 3, 0.0);
    EXPECT_EQ(proc->getModulationConnections().size(), 1u);

    proc->clearModulations();
    EXPECT_TRUE(proc->getModulationConnections().empty());
    EXPECT_EQ(engine.getActiveModulations().size(), 1u);
    run(*proc);
    run(*proc);
    EXPECT_TRUE(engine.getActiveModulations().empty());
    proc->collectRetiredConnections();
    EXPECT_EQ(bank.getNumFree(), freeBefore);
}

TEST_F(DspInterfaceTest, ARemovedConnectionIsNotHandedOutAgainBeforeTheAudioThreadDropsIt)
{
    auto& bank = proc->getModulationBank();
    // Take every free connection so that a returned one would be next.
    std::vector<ModulationConnection*> taken;
    proc->changeModulationAmount(15, 4, 0.5);
    ModulationConnection* first = proc->getModulationConnection(15, 4);
    run(*proc);
    while (bank.getNumFree() > 0)
        taken.push_back(bank.get(-1, -1));
    proc->disconnectModulation(first);
    proc->disconnectModulation(first); // a second removal must not free it early
    proc->changeModulationAmount(89, 5, 0.3);
    EXPECT_NE(proc->getModulationConnection(89, 5), first);
    EXPECT_EQ(first->source, 15);
    for (auto* c : taken)
        bank.giveBack(c);
}

TEST_F(DspInterfaceTest, MacroConnectionsCarryTheirCurve)
{
    WavePath curve;
    curve.type = WavePath::Type_CUBIC;
    curve.curve_min = 0.2;
    curve.curve_max = 0.8;
    proc->changeMacroAmount(607, 4, 0.7, curve);
    run(*proc);
    MacroConnection* c = proc->getMacroConnection(607, 4);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(proc->isMacroActive(c));
    EXPECT_EQ(c->curve.type, WavePath::Type_CUBIC);
    EXPECT_DOUBLE_EQ(c->amount, 0.7);
    EXPECT_EQ(proc->getEngine().getActiveMacros().size(), 1u);
    proc->clearMacros();
    run(*proc);
    EXPECT_TRUE(proc->getEngine().getActiveMacros().empty());
    EXPECT_FALSE(proc->isMacroActive(c));
}

TEST_F(DspInterfaceTest, ThePatchLoaderLeavesTheEngineSetsToTheAudioThread)
{
    const juce::var doc = juce::JSON::parse(
        R"({"settings": {"modulations": [{"source": 15, "destination": 4, "amount": 0.5}],
                         "macros": [{"source": 610, "destination": 7, "amount": 0.4, "curve_type": 1,
                                     "curve_min": 0, "curve_max": 1}]}})");
    proc->loadFromVar(doc);
    EXPECT_EQ(proc->getModulationConnections().size(), 1u);
    EXPECT_EQ(proc->getMacroConnections().size(), 1u);
    EXPECT_TRUE(proc->getEngine().getActiveModulations().empty());
    EXPECT_TRUE(proc->getEngine().getActiveMacros().empty());
    run(*proc);
    EXPECT_EQ(proc->getEngine().getActiveModulations().size(), 1u);
    EXPECT_EQ(proc->getEngine().getActiveMacros().size(), 1u);
}

TEST_F(DspInterfaceTest, SaveInfoGettersCreateEmptyEntries)
{
    EXPECT_TRUE(proc->getMacroName("Macro 2").isEmpty());
    EXPECT_EQ(proc->getSaveInfo().count("Macro 2"), 1u);
    proc->setPatchName("Funk");
    const juce::var doc = proc->saveToVar("me", "about");
    EXPECT_EQ(doc["patch_name"].toString(), "Funk");
    EXPECT_EQ(doc["author"].toString(), "me");
    EXPECT_EQ(doc["info"].toString(), "about");
}

} // namespace

#include "ProcessorFixture.h"

#include "gui/patches/LoadSave.h"

#include <gtest/gtest.h>

namespace
{
using crenzel_test::ProcessorTest;

class DspInterfaceMidiTest : public ProcessorTest
{
protected:
    void block(const juce::MidiMessage& m)
    {
        juce::AudioBuffer<float> buf(2, 256);
        fill(buf);
        juce::MidiBuffer midi;
        midi.addEvent(m, 10);
        proc->processBlock(buf, midi);
    }
};
} // namespace

TEST_F(DspInterfaceMidiTest, LearnedControllerDrivesItsControlAndSurvivesARestart)
{
    proc->armMidiLearn(7, 0.0, 1.0);
    block(juce::MidiMessage::controllerEvent(1, 20, 64));
    EXPECT_NEAR(value(7), 64.0 / 127.0, 1e-6); // through the host parameter's float
    proc->getMidiManager()->handlePendingFileWork();
    EXPECT_TRUE(proc->isMidiMapped(7));
    const juce::var config = LoadSave::getConfigVar();
    ASSERT_TRUE(config.getProperty("midi_learn", {}).isArray());

    block(juce::MidiMessage::controllerEvent(1, 20, 127));
    EXPECT_NEAR(value(7), 1.0, 1e-6);

    // A new instance reads the learn map back from the configuration.
    auto other = make();
    EXPECT_TRUE(other->isMidiMapped(7));
    proc->clearMidiLearn(7);
    EXPECT_FALSE(proc->isMidiMapped(7));
}

TEST_F(DspInterfaceMidiTest, ProgramChangeLoadsThePatchOnTheMessageThread)
{
    proc->valueChangedInternal(4, 500.0);
    const juce::var doc = proc->saveToVar("Tester", "A test patch");
    const juce::File folder = LoadSave::getUserBankDirectory().getChildFile("Tests");
    ASSERT_TRUE(folder.createDirectory());
    ASSERT_TRUE(folder.getChildFile("Low.fpx").replaceWithText(juce::JSON::toString(doc)));
    proc->valueChangedInternal(4, 3000.0);
    EXPECT_NEAR(value(4), 3000.0, 1e-3);

    block(juce::MidiMessage::programChange(1, 0));
    EXPECT_NEAR(value(4), 3000.0, 1e-3) << "no file work on the audio thread";
    proc->getMidiManager()->handlePendingFileWork();
    EXPECT_NEAR(value(4), 500.0, 0.5);
    EXPECT_EQ(proc->getPatchName(), "Low");
}

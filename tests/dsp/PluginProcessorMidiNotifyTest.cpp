#include "ProcessorFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using crenzel_test::ProcessorTest;

// Records what the host hears, and on which side of the block.
class HostEar : public juce::AudioProcessorListener
{
public:
    void audioProcessorParameterChanged(juce::AudioProcessor*, int index, float value) override
    {
        heard.push_back({index, value});
    }
    void audioProcessorChanged(juce::AudioProcessor*, const ChangeDetails&) override {}

    std::vector<std::pair<int, float>> heard;
};

class PluginProcessorMidiNotifyTest : public ProcessorTest
{
protected:
    void block(int controller, int value)
    {
        juce::AudioBuffer<float> buf(2, 256);
        fill(buf);
        juce::MidiBuffer midi;
        midi.addEvent(juce::MidiMessage::controllerEvent(1, controller, value), 10);
        proc->processBlock(buf, midi);
    }
};
} // namespace

// A learned controller moves its control within the block, but the framework's host notification
// takes locks: the host hears of the change from the message thread, once, with the latest value.
TEST_F(PluginProcessorMidiNotifyTest, LearnedControllerReachesTheHostFromTheMessageThread)
{
    HostEar ear;
    proc->addListener(&ear);
    proc->getMidiManager()->setMidiLearnMap({{20, {{7, {0.0, 1.0}}}}});
    const int index = proc->getBridge(7)->getParameterIndex();

    block(20, 30);
    block(20, 64);
    EXPECT_TRUE(ear.heard.empty()) << "notified from inside the block";
    EXPECT_NEAR(value(7), 64.0 / 127.0, 1e-6);
    const float expected = proc->getBridge(7)->getValue();

    juce::MessageManager::getInstance()->runDispatchLoopUntil(150);
    ASSERT_EQ(ear.heard.size(), 1u);
    EXPECT_EQ(ear.heard[0].first, index);
    EXPECT_FLOAT_EQ(ear.heard[0].second, expected);

    // A change from the message thread itself still reaches the host at once.
    ear.heard.clear();
    proc->setValueNotifyHost(7, 0.25);
    ASSERT_EQ(ear.heard.size(), 1u);
    EXPECT_EQ(ear.heard[0].first, index);
    proc->removeListener(&ear);
}

// A learn range read from the configuration may reach past the control's own range; the control
// never leaves its range, not even within the block.
TEST_F(PluginProcessorMidiNotifyTest, LearnedControllerStaysWithinTheControlsRange)
{
    proc->getMidiManager()->setMidiLearnMap({{20, {{7, {-1.0, 2.0}}}}});
    for (const int cc : {127, 0, 50})
    {
        block(20, cc);
        EXPECT_GE(value(7), 0.0) << cc;
        EXPECT_LE(value(7), 1.0) << cc;
    }
    EXPECT_NEAR(value(7), -1.0 + 3.0 * 50.0 / 127.0, 1e-6);
}

#include "dsp/ProcessorFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
using crenzel_test::ProcessorTest;

class ValueBridgeTest : public ProcessorTest
{
protected:
    const zun::param::ParamDescInterface& desc(int id) const
    {
        return *proc->getEngine().getParameters()->getDetails(id)->desc;
    }
};

TEST_F(ValueBridgeTest, TranslatesBetweenHostAndControlValues)
{
    ValueBridge* cutoff = proc->getBridge(4);
    EXPECT_FLOAT_EQ(cutoff->getDefaultValue(), float(desc(4).conv_nat_to_nrm(1000.0)));
    EXPECT_TRUE(cutoff->getLabel().isEmpty());
    EXPECT_LE(cutoff->getName(100).length(), 15);
    EXPECT_EQ(cutoff->getName(100), juce::String(desc(4).get_name(15)));

    // The host's change comes back through the processor into the control.
    cutoff->setValueNotifyingHost(cutoff->getValueForText("3000"));
    EXPECT_NEAR(value(4), 3000.0, 0.1);
    EXPECT_NEAR(cutoff->getValue(), desc(4).conv_nat_to_nrm(3000.0), 1e-6);
    EXPECT_EQ(cutoff->getValueForText("not a number"), 0.0f);

    // Host nonsense changes nothing.
    cutoff->setValue(std::nanf(""));
    EXPECT_NEAR(value(4), 3000.0, 0.1);
    cutoff->setValue(7.0f);
    EXPECT_NEAR(value(4), desc(4).get_nat_max(), 1e-3);
}

// Hosts read a value as a float and may hand it straight back (the LV2 host does after a patch
// loads); that must not move the control, but a value the control cannot hold is still snapped.
TEST_F(ValueBridgeTest, AnEchoedValueLeavesTheControlExact)
{
    proc->valueChangedInternal(4, 500.0); // a patch load
    ASSERT_DOUBLE_EQ(value(4), 500.0);
    ValueBridge* cutoff = proc->getBridge(4);
    ASSERT_NE(double(float(desc(4).conv_nat_to_nrm(500.0))), desc(4).conv_nat_to_nrm(500.0));
    cutoff->setValueNotifyingHost(cutoff->getValue());
    EXPECT_EQ(value(4), 500.0);
    // The six digits the LV2 description gives a default.
    cutoff->setValueNotifyingHost(std::round(cutoff->getValue() * 1e6f) / 1e6f);
    EXPECT_EQ(value(4), 500.0);
    // A real change, however small, still arrives.
    cutoff->setValueNotifyingHost(cutoff->getValue() + 1e-5f);
    EXPECT_GT(value(4), 500.0);

    proc->modulatorChangedInternal(20, 0.3); // a waveform between two items
    proc->getBridge(20)->setValueNotifyingHost(proc->getBridge(20)->getValue());
    EXPECT_EQ(value(20), std::round(value(20)));
}

TEST_F(ValueBridgeTest, TextIsTheDescriptionsTextWithItsUnit)
{
    ValueBridge* tone = proc->getBridge(7);
    const juce::String text = tone->getText(0.5f, 32);
    EXPECT_EQ(text,
              juce::String(desc(7).conv_nat_to_str(desc(7).conv_nrm_to_nat(0.5), 32) + desc(7).get_unit(5)));
    EXPECT_TRUE(text.endsWith("%")) << text;
    EXPECT_EQ(tone->getText(0.5f, 0), text);
}

TEST_F(ValueBridgeTest, BeatsShowAsBeatFractionsOnlyWhileTheSwitchIsOnTempo)
{
    ValueBridge* beats = proc->getBridge(17);
    const float half = float(desc(17).conv_nat_to_nrm(0.5));
    proc->modulatorChangedInternal(18, 1.0);
    EXPECT_EQ(beats->getText(half, 32), "1/2 beat");
    proc->modulatorChangedInternal(18, 0.0);
    EXPECT_EQ(beats->getText(half, 32), proc->getBridge(17)->ValueBridge::getText(half, 32));
    EXPECT_FALSE(beats->getText(half, 32).endsWith(" beat"));
}

TEST_F(ValueBridgeTest, BeatFractionsReadBackAsTheValueTheyShow)
{
    ValueBridge* beats = proc->getBridge(17);
    proc->modulatorChangedInternal(18, 1.0);
    EXPECT_FLOAT_EQ(beats->getValueForText("1/2 beat"), float(desc(17).conv_nat_to_nrm(0.5)));
    EXPECT_FLOAT_EQ(beats->getValueForText("1 1/2"), float(desc(17).conv_nat_to_nrm(1.5)));
    EXPECT_FLOAT_EQ(beats->getValueForText("8 beat"), float(desc(17).conv_nat_to_nrm(8.0)));
    EXPECT_EQ(beats->getValueForText("1/0 beat"), 0.0f);
    for (const float v : {0.03f, 0.2f, 0.37f, 0.5f, 0.81f, 1.0f})
    {
        const juce::String shown = beats->getText(v, 32);
        EXPECT_EQ(beats->getText(beats->getValueForText(shown), 32), shown) << v;
    }
    // Off tempo, texts read as every other parameter's.
    proc->modulatorChangedInternal(18, 0.0);
    const juce::String plain = beats->getText(0.6f, 32);
    EXPECT_EQ(beats->getValueForText(plain), proc->getBridge(17)->ValueBridge::getValueForText(plain));
}

} // namespace

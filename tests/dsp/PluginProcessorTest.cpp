#include "dsp/PluginProcessor.h"

#include <gtest/gtest.h>

TEST(PluginProcessor, PassesStereoAudioThrough)
{
    juce::ScopedJuceInitialiser_GUI juce;
    std::unique_ptr<juce::AudioProcessor> proc(createPluginFilter());
    proc->setPlayConfigDetails(2, 2, 48000.0, 64);
    proc->prepareToPlay(48000.0, 64);
    juce::AudioBuffer<float> buf(2, 64);
    for (int i = 0; i < 64; ++i)
    {
        buf.setSample(0, i, 0.01f * float(i));
        buf.setSample(1, i, -0.02f * float(i));
    }
    juce::MidiBuffer midi;
    proc->processBlock(buf, midi);
    EXPECT_FLOAT_EQ(buf.getSample(0, 10), 0.1f);
    EXPECT_FLOAT_EQ(buf.getSample(1, 10), -0.2f);
}

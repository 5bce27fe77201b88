#include "dsp/PluginProcessor.h"

PluginProcessor::PluginProcessor()
    : juce::AudioProcessor(BusesProperties()
                               .withInput("Input", juce::AudioChannelSet::stereo(), true)
                               .withOutput("Output", juce::AudioChannelSet::stereo(), true))
{
}

void PluginProcessor::prepareToPlay(double, int) {}

bool PluginProcessor::isBusesLayoutSupported(const BusesLayout& layouts) const
{
    const auto& out = layouts.getMainOutputChannelSet();
    const auto& in = layouts.getMainInputChannelSet();
    const bool outOk = out == juce::AudioChannelSet::stereo() || out == juce::AudioChannelSet::mono();
    const bool inOk = in == juce::AudioChannelSet::stereo() || in == juce::AudioChannelSet::mono();
    return outOk && inOk;
}

void PluginProcessor::processBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    juce::ScopedNoDenormals noDenormals;
    const int nbrIn = getTotalNumInputChannels();
    const int nbrOut = getTotalNumOutputChannels();
    // A mono input feeds both outputs; extra output channels without input are cleared.
    for (int ch = nbrIn; ch < nbrOut; ++ch)
    {
        if (nbrIn == 1)
            buffer.copyFrom(ch, 0, buffer, 0, 0, buffer.getNumSamples());
        else
            buffer.clear(ch, 0, buffer.getNumSamples());
    }
}

juce::AudioProcessorEditor* PluginProcessor::createEditor()
{
    return new juce::GenericAudioProcessorEditor(*this);
}

void PluginProcessor::getStateInformation(juce::MemoryBlock& destData)
{
    destData.reset();
}

void PluginProcessor::setStateInformation(const void*, int) {}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new PluginProcessor();
}

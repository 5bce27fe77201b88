#pragma once

#include "dsp/PluginProcessor.h"
#include "gui/TempLocations.h"

#include <gtest/gtest.h>

#include <memory>

namespace crenzel_test
{

// A processor whose program-guard clock the test sets.
class ClockedProcessor : public PluginProcessor
{
public:
    juce::uint32 now = 1000000;

protected:
    juce::uint32 getMillisecondCounter() const override { return now; }
};

// A play head with a settable tempo and transport.
class TestPlayHead : public juce::AudioPlayHead
{
public:
    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo info;
        info.setBpm(bpm);
        info.setIsPlaying(playing);
        info.setTimeInSamples(samples);
        return info;
    }

    double bpm = 120.0;
    bool playing = false;
    juce::int64 samples = 0;
};

// Every file location redirected into a temporary folder, and a prepared stereo processor.
class ProcessorTest : public ::testing::Test
{
protected:
    void SetUp() override { proc = make(); }

    std::unique_ptr<ClockedProcessor> make(int ins = 2, int outs = 2)
    {
        auto p = std::make_unique<ClockedProcessor>();
        p->setPlayConfigDetails(ins, outs, 48000.0, 512);
        p->prepareToPlay(48000.0, 512);
        return p;
    }

    // Runs one block of a small signal and returns it.
    juce::AudioBuffer<float> run(PluginProcessor& p, int n = 256)
    {
        juce::AudioBuffer<float> buf(2, n);
        fill(buf);
        juce::MidiBuffer midi;
        p.processBlock(buf, midi);
        return buf;
    }

    static void fill(juce::AudioBuffer<float>& buf)
    {
        for (int c = 0; c < buf.getNumChannels(); ++c)
            for (int i = 0; i < buf.getNumSamples(); ++i)
                buf.setSample(c, i, 0.25f * std::sin(0.05f * float(i) + float(c)));
    }

    double value(int id) const { return proc->getControls().at(id)->value(); }

    TempLocations locations;
    juce::ScopedJuceInitialiser_GUI juceInit;
    std::unique_ptr<ClockedProcessor> proc;
};

} // namespace crenzel_test

#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

// The renderer's transport: always playing at a fixed tempo, at the position it is told.
class HostPlayHead : public juce::AudioPlayHead
{
public:
    explicit HostPlayHead(double bpm) : tempo(bpm) {}

    void setTimeInSamples(juce::int64 samples, double sampleRate)
    {
        time = samples;
        rate = sampleRate;
    }

    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo info;
        info.setBpm(tempo);
        info.setIsPlaying(true);
        info.setTimeInSamples(time);
        info.setTimeInSeconds(double(time) / rate);
        info.setPpqPosition(double(time) / rate * tempo / 60.0);
        info.setTimeSignature(juce::AudioPlayHead::TimeSignature{});
        return info;
    }

private:
    double tempo;
    double rate = 44100.0;
    juce::int64 time = 0;
};

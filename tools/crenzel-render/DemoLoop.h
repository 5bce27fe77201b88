#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

// The built-in input: an 8-second stereo loop at 120 BPM (kick, snare, hats and a bass line),
// synthesised at the given rate so that transients, level and spectrum all move.
class DemoLoop
{
public:
    static constexpr double kSeconds = 8.0;
    static constexpr double kBpm = 120.0;

    static juce::AudioBuffer<float> make(double sampleRate);
};

#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <atomic>

// The session's transport, written and read on the audio thread only: the tempo and the play state
// change as the session script says, the position follows the processed samples.
class SessionPlayHead : public juce::AudioPlayHead
{
public:
    void set(double bpm, bool playing, double rate)
    {
        _bpm = bpm;
        _playing = playing;
        _rate = rate;
    }
    void advance(int nbr_spl) { _time += _playing ? nbr_spl : 0; }
    void jump(juce::int64 time) { _time = time; }

    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo info;
        info.setBpm(_bpm);
        info.setIsPlaying(_playing);
        info.setTimeInSamples(_time);
        info.setTimeInSeconds(double(_time) / _rate);
        info.setPpqPosition(double(_time) / _rate * _bpm / 60.0);
        info.setTimeSignature(juce::AudioPlayHead::TimeSignature{});
        return info;
    }

private:
    double _bpm = 120.0;
    double _rate = 48000.0;
    bool _playing = true;
    juce::int64 _time = 0;
};

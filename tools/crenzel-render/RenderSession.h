#pragma once

#include "HostPlayHead.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <functional>
#include <memory>

namespace zun::param
{
class ParamDescInterface;
}

// The plug-in's own processor run offline: patch and control settings through the host-facing
// API, then the input pushed through in host-sized blocks followed by the tail.
class RenderSession
{
public:
    struct Result
    {
        juce::AudioBuffer<float> output;
        double processSeconds = 0.0;
    };

    RenderSession();
    ~RenderSession();

    juce::AudioProcessor& getProcessor() { return *processor; }

    // A host parameter by id ("4") or by name (case-insensitive); null when there is none.
    juce::HostedAudioProcessorParameter* findParameter(const juce::String& key) const;
    // The control's description when the processor exposes it; null otherwise.
    const zun::param::ParamDescInterface* getDescription(const juce::HostedAudioProcessorParameter& p) const;
    // "from X to Y" in the control's own display.
    static juce::String describeRange(const juce::HostedAudioProcessorParameter& p);

    // CONTROL=VALUE with the control's own text entry. False with a message on failure.
    bool applySetting(const juce::String& assignment, juce::String& error);
    // A patch document given as a host state. False with a message when it is not a JSON object.
    bool loadPatchFile(const juce::File& file, juce::String& error);

    // Channels: 1 or 2 in, always 2 out. progress receives the fraction done.
    Result render(const juce::AudioBuffer<float>& input, double sampleRate, int blockSize, double bpm,
                  double tailSeconds, const std::function<void(double)>& progress);

private:
    std::unique_ptr<juce::AudioProcessor> processor;
    std::unique_ptr<HostPlayHead> playHead;
};

#include "RenderSession.h"

#include "dsp/DspInterface.h"

#include <chrono>
#include <cmath>

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter();

RenderSession::RenderSession() : processor(createPluginFilter()) {}

RenderSession::~RenderSession()
{
    if (processor != nullptr)
        processor->setPlayHead(nullptr);
}

juce::HostedAudioProcessorParameter* RenderSession::findParameter(const juce::String& key) const
{
    const auto& params = processor->getParameters();
    for (auto* p : params)
        if (auto* h = dynamic_cast<juce::HostedAudioProcessorParameter*>(p))
            if (h->getParameterID() == key)
                return h;
    for (auto* p : params)
        if (auto* h = dynamic_cast<juce::HostedAudioProcessorParameter*>(p))
            if (h->getName(1024).trim().equalsIgnoreCase(key.trim()))
                return h;
    return nullptr;
}

const zun::param::ParamDescInterface*
RenderSession::getDescription(const juce::HostedAudioProcessorParameter& p) const
{
    auto* dsp = dynamic_cast<DspInterface*>(processor.get());
    if (dsp == nullptr || !p.getParameterID().containsOnly("0123456789"))
        return nullptr;
    const auto* details = dsp->getEngine().getParameters()->getDetails(p.getParameterID().getIntValue());
    return details != nullptr ? details->desc : nullptr;
}

juce::String RenderSession::describeRange(const juce::HostedAudioProcessorParameter& p)
{
    return "from " + p.getText(0.0f, 1024).trim() + " to " + p.getText(1.0f, 1024).trim();
}

bool RenderSession::applySetting(const juce::String& assignment, juce::String& error)
{
    const int eq = assignment.indexOfChar('=');
    if (eq <= 0)
    {
        error = "--set needs CONTROL=VALUE, got \"" + assignment + "\"";
        return false;
    }
    const juce::String key = assignment.substring(0, eq).trim();
    const juce::String text = assignment.substring(eq + 1).trim();
    auto* p = findParameter(key);
    if (p == nullptr)
    {
        error = "unknown control \"" + key + "\" (see --list-params)";
        return false;
    }
    const juce::String label = p->getName(1024).trim() + " (" + p->getParameterID() + ")";
    const auto badValue = [&]
    {
        error = "bad value \"" + text + "\" for " + label + ": range " + describeRange(*p);
        return false;
    };
    if (text.isEmpty())
        return badValue();

    // The generic text entry reads any failure as the bottom of the range, so the description
    // decides whether the text was understood and in range.
    if (const auto* desc = getDescription(*p))
    {
        double nat = 0.0;
        if (!desc->conv_str_to_nat(nat, text.toStdString()) || !std::isfinite(nat))
            return badValue();
        const double lo = std::min(desc->get_nat_min(), desc->get_nat_max());
        const double hi = std::max(desc->get_nat_min(), desc->get_nat_max());
        const double slack = 1e-9 * std::max(1.0, hi - lo);
        if (nat < lo - slack || nat > hi + slack)
            return badValue();
    }
    p->setValueNotifyingHost(p->getValueForText(text));
    return true;
}

bool RenderSession::loadPatchFile(const juce::File& file, juce::String& error)
{
    juce::String text;
    if (!file.existsAsFile() || (text = file.loadFileAsString()).isEmpty())
    {
        error = "cannot read patch \"" + file.getFullPathName() + "\"";
        return false;
    }
    juce::var doc;
    if (juce::JSON::parse(text, doc).failed() || !doc.isObject())
    {
        error = "patch \"" + file.getFullPathName() + "\" is not a JSON object";
        return false;
    }
    // The host state is the document's text with its terminating zero.
    juce::MemoryBlock state(text.toRawUTF8(), text.getNumBytesAsUTF8() + 1);
    processor->setStateInformation(state.getData(), int(state.getSize()));
    return true;
}

RenderSession::Result RenderSession::render(const juce::AudioBuffer<float>& input, double sampleRate,
                                            int blockSize, double bpm, double tailSeconds,
                                            const std::function<void(double)>& progress)
{
    const int inChannels = juce::jlimit(1, 2, input.getNumChannels());
    const int outChannels = 2;
    auto layout = processor->getBusesLayout();
    layout.getChannelSet(true, 0) =
        inChannels == 1 ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo();
    layout.getChannelSet(false, 0) = juce::AudioChannelSet::stereo();
    processor->setBusesLayout(layout);

    playHead = std::make_unique<HostPlayHead>(bpm);
    processor->setPlayHead(playHead.get());
    processor->setRateAndBufferSizeDetails(sampleRate, blockSize);
    processor->prepareToPlay(sampleRate, blockSize);

    const int inLength = input.getNumSamples();
    const int total = inLength + int(std::lround(tailSeconds * sampleRate));
    Result result;
    result.output.setSize(outChannels, total);
    juce::AudioBuffer<float> block(std::max(inChannels, outChannels), blockSize);
    juce::MidiBuffer midi;

    const auto started = std::chrono::steady_clock::now();
    double lastReport = -1.0;
    for (int pos = 0; pos < total; pos += blockSize)
    {
        const int n = std::min(blockSize, total - pos);
        // The last block keeps the host's size view short rather than padding it.
        juce::AudioBuffer<float> view(block.getArrayOfWritePointers(), block.getNumChannels(), n);
        view.clear();
        const int fromInput = juce::jlimit(0, n, inLength - pos);
        for (int c = 0; c < inChannels; ++c)
            if (fromInput > 0)
                view.copyFrom(c, 0, input, c, pos, fromInput);
        playHead->setTimeInSamples(pos, sampleRate);
        midi.clear();
        processor->processBlock(view, midi);
        for (int c = 0; c < outChannels; ++c)
            result.output.copyFrom(c, pos, view, c, 0, n);
        if (progress)
        {
            const double done = double(pos + n) / total;
            if (done - lastReport >= 0.01 || pos + n == total)
            {
                progress(done);
                lastReport = done;
            }
        }
    }
    result.processSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    processor->releaseResources();
    return result;
}

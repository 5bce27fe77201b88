#include "dsp/PluginProcessor.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace
{
constexpr int kTagRead = 0x4E49;
constexpr int kTagWrite = 0x6E69;
constexpr int kTagInfo = 0x4E69;
} // namespace

// A test host that carries the real-time sanitizer runtime fails on any allocation, lock or blocking
// call made while a block is processed; in every other host these stay null.
extern "C" void __rtsan_realtime_enter() __attribute__((weak));
extern "C" void __rtsan_realtime_exit() __attribute__((weak));

namespace
{
struct ScopedRealtime
{
    ScopedRealtime()
    {
        if (__rtsan_realtime_enter != nullptr)
            __rtsan_realtime_enter();
    }
    ~ScopedRealtime()
    {
        if (__rtsan_realtime_exit != nullptr)
            __rtsan_realtime_exit();
    }
    ScopedRealtime(const ScopedRealtime&) = delete;
    ScopedRealtime& operator=(const ScopedRealtime&) = delete;
};

struct InBlock
{
    explicit InBlock(std::atomic<juce::Thread::ThreadID>& thread) : _thread(thread)
    {
        _thread.store(juce::Thread::getCurrentThreadId(), std::memory_order_relaxed);
    }
    ~InBlock() { _thread.store(nullptr, std::memory_order_relaxed); }
    InBlock(const InBlock&) = delete;
    InBlock& operator=(const InBlock&) = delete;
    std::atomic<juce::Thread::ThreadID>& _thread;
};
} // namespace

PluginProcessor::PluginProcessor()
    : juce::AudioProcessor(BusesProperties()
                               .withInput("Input", juce::AudioChannelSet::stereo(), true)
                               .withOutput("Output", juce::AudioChannelSet::stereo(), true))
{
    _nbr_programs = std::max(1, LoadSave::getNumPatches());

    auto& engine = getEngine();
    const auto* params = engine.getParameters();
    const auto& controls = getControls();
    // Host parameter ids are the decimal control ids, kept stable across versions. The LV2 client
    // turns an id into a Turtle name and replaces a leading digit by '_' ("4" and "7" both become
    // "_"), so under LV2 the ids start with a letter.
    const juce::String idPrefix = wrapperType == wrapperType_LV2 ? "p" : "";
    for (const auto& [id, control] : controls)
    {
        const ParameterDetails* d = params->getDetails(id);
        if (d == nullptr || d->desc == nullptr)
            continue;
        ValueBridge* bridge = nullptr;
        if (d->desc->get_categ() == zun::param::ParamDescInterface::Categ_TIME_BEATS)
        {
            const auto sw = controls.find(id + 1);
            bridge = new TempoValueBridge(*d, control, controls.at(PluginEngine::kTempoId),
                                          sw == controls.end() ? nullptr : sw->second, idPrefix);
        }
        else
            bridge = new ValueBridge(*d, control, idPrefix);
        bridge->setListener(this);
        _bridges[id] = bridge;
        addParameter(bridge);
    }

    _bypass = new juce::AudioParameterBool(juce::ParameterID{"bypass", 1}, "Bypass", false);
    addParameter(_bypass);

    _nbr_notify = getParameters().size();
    _notify_pending.reset(new std::atomic<bool>[size_t(_nbr_notify)]());
    // Without a message loop (command-line tools, tests) nobody would deliver the timer.
    if (juce::MessageManager::getInstanceWithoutCreating() != nullptr)
        startTimerHz(30);

    _patch_files = LoadSave::getPatchFiles();

    int index = 0;
    if (_current_program == -1 && LoadSave::getDefaultProgramIndex(index))
        setCurrentProgram(index);
}

PluginProcessor::~PluginProcessor()
{
    stopTimer();
}

juce::AudioProcessorEditor* PluginProcessor::createEditor()
{
    return new juce::GenericAudioProcessorEditor(*this);
}

bool PluginProcessor::isBusesLayoutSupported(const BusesLayout& layouts) const
{
    const auto mono = juce::AudioChannelSet::mono();
    const auto stereo = juce::AudioChannelSet::stereo();
    const auto& in = layouts.getMainInputChannelSet();
    const auto& out = layouts.getMainOutputChannelSet();
    return (in == mono && (out == mono || out == stereo)) || (in == stereo && out == stereo);
}

void PluginProcessor::prepareToPlay(double sampleRate, int)
{
    getMidiManager()->setSampleRate(sampleRate);
    int latency = 0;
    getEngine().reset(getTotalNumInputChannels(), getTotalNumOutputChannels(), sampleRate, kChunk, latency);
    prepareMidiStorage();
    _prepared = true;
}

bool PluginProcessor::beginBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi)
{
    if (!getEngine().getParameters()->isInitialised() || !_prepared)
        return false;

    if (auto* head = getPlayHead())
    {
        if (const auto pos = head->getPosition())
        {
            if (const auto bpm = pos->getBpm())
            {
                const double tempo = getControls().at(PluginEngine::kTempoId)->value();
                if (!(tempo == *bpm))
                    setGlobalBPM(*bpm);
            }
            if (pos->getIsPlaying())
                if (const auto samples = pos->getTimeInSamples())
                    getEngine().correct_to_time(static_cast<unsigned long>(std::llabs(*samples)));
        }
    }

    processControlChanges();
    processMacrosChanges();
    processModulationChanges();
    // The keyboard step only reads the host's MIDI, so the block's own buffer stands in for the
    // copy (a copy would allocate here).
    processKeyboardEvents(midi, buffer.getNumSamples());
    return true;
}

void PluginProcessor::processBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi)
{
    const ScopedRealtime realtime;
    const InBlock in_block(_block_thread);
    juce::ScopedNoDenormals noDenormals;
    if (!getEngine().getParameters()->isInitialised())
        return;
    // Hosts with a bypass parameter call this block, not processBlockBypassed, while bypassed: the
    // queues must still drain, or connections pile up and removed ones never return to the bank.
    if (static_cast<juce::AudioProcessorParameter*>(_bypass)->getValue() >= 0.5f)
    {
        processBlockBypassed(buffer, midi);
        return;
    }
    const int n = buffer.getNumSamples();
    const int channels = std::max(getTotalNumInputChannels(), getTotalNumOutputChannels());
    if (!beginBlock(buffer, midi))
        return;
    for (int pos = 0; pos < n; pos += kChunk)
    {
        const int m = std::min(kChunk, n - pos);
        processControls(m, pos);
        processMidi(midi, pos, pos + m);
        processMacros(m, pos);
        processModulation(&buffer, channels, m, pos);
        processAudio(&buffer, channels, m, pos);
    }
}

void PluginProcessor::processBlockBypassed(juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi)
{
    const ScopedRealtime realtime;
    const InBlock in_block(_block_thread);
    beginBlock(buffer, midi);
}

void PluginProcessor::setCurrentProgram(int index)
{
    // Hosts select a program right after restoring a state; that selection would undo it.
    if (_state_loaded && juce::uint32(getMillisecondCounter() - _last_state_load_ms) < kProgramGuardMs)
        return;
    _current_program = index;
    LoadSave::loadPatch(-1, -1, index, this, getSaveInfo());
}

const juce::String PluginProcessor::getProgramName(int index)
{
    if (_patch_files.isEmpty() || index < 0)
        return {};
    return _patch_files[std::min(index, _patch_files.size() - 1)].getFileNameWithoutExtension();
}

void PluginProcessor::changeProgramName(int index, const juce::String& newName)
{
    const juce::File f = LoadSave::getPatchFile(-1, -1, index);
    if (f == juce::File() || !f.existsAsFile() || newName.isEmpty())
        return;
    f.moveFileTo(f.getParentDirectory().getChildFile(newName + "." + PATCH_EXTENSION));
}

void PluginProcessor::getStateInformation(juce::MemoryBlock& block)
{
    const juce::var v = LoadSave::stateToVar(this, getSaveInfo(), getCriticalSection());
    const juce::String text = juce::JSON::toString(v, false, 15);
    juce::MemoryOutputStream stream(256);
    stream.writeString(text);
    block.append(stream.getData(), stream.getDataSize());
}

void PluginProcessor::setStateInformation(const void* data, int size)
{
    _last_state_load_ms = getMillisecondCounter();
    _state_loaded = true;
    if (data == nullptr || size <= 0)
        return;
    juce::MemoryInputStream in(data, size_t(size), false);
    const juce::String text = in.readEntireStreamAsString();
    juce::var doc;
    // An array also counts as an object to the framework: ask for the object itself.
    auto* obj = juce::JSON::parse(text, doc).wasOk() ? doc.getDynamicObject() : nullptr;
    if (obj == nullptr)
        return;
    if (LoadSave::compareVersionStrings(obj->getProperty("dsp_version").toString(), LoadSave::DSP_VERSION) !=
        0)
        LoadSave::upgrade_settings(this, obj);
    LoadSave::varToState(this, getSaveInfo(), doc, true);
}

ValueBridge* PluginProcessor::getBridge(int id) const
{
    const auto it = _bridges.find(id);
    return it == _bridges.end() ? nullptr : it->second;
}

void PluginProcessor::beginChangeGesture(int id)
{
    if (auto* b = getBridge(id))
        b->beginChangeGesture();
}

void PluginProcessor::endChangeGesture(int id)
{
    if (auto* b = getBridge(id))
        b->endChangeGesture();
}

void PluginProcessor::setValueNotifyHost(int id, double value)
{
    const auto* params = getEngine().getParameters();
    if (!params->isParameter(id) || !std::isfinite(value))
        return;
    ValueBridge* b = getBridge(id);
    const ParameterDetails* d = params->getDetails(id);
    if (b == nullptr || d == nullptr || d->desc == nullptr)
        return;
    const double nrm = d->desc->conv_nat_to_nrm(value);
    const float v = float(std::clamp(std::isfinite(nrm) ? nrm : 0.0, 0.0, 1.0));
    const int index = b->getParameterIndex();
    if (_block_thread.load(std::memory_order_relaxed) == juce::Thread::getCurrentThreadId() && index >= 0 &&
        index < _nbr_notify)
    {
        b->setValue(v);
        _notify_pending[size_t(index)].store(true, std::memory_order_release);
        _notify_any.store(true, std::memory_order_release);
        return;
    }
    b->setValueNotifyingHost(v);
}

void PluginProcessor::timerCallback()
{
    if (!_notify_any.exchange(false, std::memory_order_acq_rel))
        return;
    auto& params = getParameters();
    for (int i = 0; i < _nbr_notify && i < params.size(); ++i)
        if (_notify_pending[size_t(i)].exchange(false, std::memory_order_acq_rel))
            params[i]->sendValueChangedMessageToListeners(params[i]->getValue());
}

void PluginProcessor::parameterChanged(int id, double value)
{
    if (id <= 14)
        valueChangedExternal(id, value);
    else
        modulatorChangedExternal(id, value);
}

// ---- Manufacturer-specific answers --------------------------------------------------------------

bool PluginProcessor::getVendorSpecificPropertyInfo(int property, juce::uint64& size, bool& writable)
{
    switch (property)
    {
    case 12:
        size = 4;
        writable = false;
        return true;
    case 13:
        size = 4;
        writable = true;
        return true;
    case 28:
        size = 0;
        writable = false;
        return true;
    case 32:
        size = 8;
        writable = true;
        return true;
    default:
        return false;
    }
}

bool PluginProcessor::getVendorSpecificProperty(int property, void* data)
{
    switch (property)
    {
    case 12:
    case 13:
    {
        if (data == nullptr)
            return false;
        const int32_t v = (property == 12) ? 3 : 0;
        std::memcpy(data, &v, sizeof(v));
        return true;
    }
    case 28:
        return true;
    case 32:
    {
        if (data == nullptr)
            return false;
        const int64_t v = 1;
        std::memcpy(data, &v, sizeof(v));
        return true;
    }
    default:
        return false;
    }
}

bool PluginProcessor::setVendorSpecificProperty(int property, juce::pointer_sized_int value, const void* data)
{
    if (data == nullptr)
        return false;
    return (property == 13 && value == 4) || (property == 32 && value == 8);
}

juce::pointer_sized_int PluginProcessor::handleVstPluginCanDo(juce::int32, juce::pointer_sized_int, void* ptr,
                                                              float)
{
    return (ptr != nullptr && std::strcmp(static_cast<const char*>(ptr), "NKSCallbacks") == 0) ? 1 : 0;
}

juce::pointer_sized_int PluginProcessor::handleVstManufacturerSpecific(juce::int32 index,
                                                                       juce::pointer_sized_int value,
                                                                       void* ptr, float)
{
    const int tag = int((juce::uint32(index) >> 16) & 0xFFFFu);
    const int property = int(juce::uint32(index) & 0xFFFFu);
    switch (tag)
    {
    case kTagRead:
        return getVendorSpecificProperty(property, ptr) ? 1 : 0;
    case kTagWrite:
        return setVendorSpecificProperty(property, value, ptr) ? 1 : 0;
    case kTagInfo:
    {
        juce::uint64 size = 0;
        bool writable = false;
        if (!getVendorSpecificPropertyInfo(property, size, writable))
            return 0;
        if (ptr != nullptr)
        {
            auto* bytes = static_cast<unsigned char*>(ptr);
            std::memcpy(bytes, &size, sizeof(size));
            bytes[sizeof(size)] = writable ? 1 : 0;
        }
        return 1;
    }
    default:
        return 0;
    }
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new PluginProcessor();
}

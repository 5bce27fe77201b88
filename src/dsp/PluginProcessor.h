#pragma once

#include "dsp/DspInterface.h"
#include "gui/value_bridge.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>
#include <map>
#include <memory>

// The object the host talks to: publishes every control as a host parameter plus a bypass, maps
// the programs onto the patch files, runs the engine over each block in chunks of at most 256
// samples, and keeps the state as JSON text.
class PluginProcessor : public juce::AudioProcessor,
                        public juce::VSTCallbackHandler,
                        public DspInterface,
                        public ValueBridge::Listener,
                        private juce::Timer
{
public:
    static constexpr int kChunk = 256;
    static constexpr juce::uint32 kProgramGuardMs = 500;

    PluginProcessor();
    ~PluginProcessor() override;

    // ---- Host answers -----------------------------------------------------------------------
    const juce::String getName() const override { return "Crenzel"; }
    const juce::String getInputChannelName(int i) const override { return juce::String(i + 1); }
    const juce::String getOutputChannelName(int i) const override { return juce::String(i + 1); }
    bool isInputChannelStereoPair(int) const override { return true; }
    bool isOutputChannelStereoPair(int) const override { return true; }
    bool acceptsMidi() const override { return true; }
    bool producesMidi() const override { return true; }
    bool silenceInProducesSilenceOut() const override { return false; }
    double getTailLengthSeconds() const override { return 0.0; }
    bool hasEditor() const override { return true; }
    juce::AudioProcessorEditor* createEditor() override;
    juce::AudioProcessorParameter* getBypassParameter() const override { return _bypass; }
    bool isBusesLayoutSupported(const BusesLayout& layouts) const override;

    // ---- Processing -------------------------------------------------------------------------
    void prepareToPlay(double sampleRate, int maximumExpectedSamplesPerBlock) override;
    void releaseResources() override {}
    void processBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;
    void processBlockBypassed(juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;

    // ---- Programs and state -----------------------------------------------------------------
    int getNumPrograms() override { return _nbr_programs; }
    int getCurrentProgram() override { return _current_program; }
    void setCurrentProgram(int index) override;
    const juce::String getProgramName(int index) override;
    void changeProgramName(int index, const juce::String& newName) override;
    void getStateInformation(juce::MemoryBlock& block) override;
    void setStateInformation(const void* data, int size) override;

    // ---- DspInterface -----------------------------------------------------------------------
    void beginChangeGesture(int id) override;
    void endChangeGesture(int id) override;
    void setValueNotifyHost(int id, double value) override;
    GuiInterface* getGuiInterface() override { return nullptr; }
    const juce::CriticalSection& getCriticalSection() override { return getCallbackLock(); }

    void parameterChanged(int id, double value) override;

    // ---- Manufacturer-specific answers ------------------------------------------------------
    juce::pointer_sized_int handleVstPluginCanDo(juce::int32 index, juce::pointer_sized_int value, void* ptr,
                                                 float opt) override;
    juce::pointer_sized_int handleVstManufacturerSpecific(juce::int32 index, juce::pointer_sized_int value,
                                                          void* ptr, float opt) override;
    // The same property table: size and writability, reading, writing. False for unknown ones.
    static bool getVendorSpecificPropertyInfo(int property, juce::uint64& size, bool& writable);
    static bool getVendorSpecificProperty(int property, void* data);
    static bool setVendorSpecificProperty(int property, juce::pointer_sized_int value, const void* data);

    ValueBridge* getBridge(int id) const;
    juce::AudioParameterBool* getBypass() const { return _bypass; }

protected:
    // The clock of the program guard; tests replace it.
    virtual juce::uint32 getMillisecondCounter() const { return juce::Time::getMillisecondCounter(); }

private:
    // Steps of a block that run whether or not the audio is bypassed.
    bool beginBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi);
    // Message thread: tells the host about the changes made during blocks.
    void timerCallback() override;

    // The thread that runs a block, while it does. The framework's host notification takes locks,
    // so changes it makes (MIDI-learned controllers) set the value at once and notify from the
    // message thread.
    std::atomic<juce::Thread::ThreadID> _block_thread{nullptr};
    std::atomic<bool> _notify_any{false};
    std::unique_ptr<std::atomic<bool>[]> _notify_pending; // by host parameter index
    int _nbr_notify = 0;

    juce::AudioParameterBool* _bypass = nullptr;
    juce::uint32 _last_state_load_ms = 0;
    bool _state_loaded = false;
    int _nbr_programs = 1;
    int _current_program = -1;
    std::map<int, ValueBridge*> _bridges;
    juce::Array<juce::File> _patch_files;
    bool _prepared = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(PluginProcessor)
};

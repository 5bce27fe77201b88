#pragma once

#include "dsp/midi_manager.h"
#include "dsp/plugin_common.h"
#include "dsp/plugin_engine.h"
#include "gui/patches/LoadSave.h"

#include <concurrentqueue/concurrentqueue.h>
#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_events/juce_events.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

// Last: the queue's headers define a MAX_INPUT macro that the engine headers must not see.
#include "dsp/RtQueueTraits.h"

class GuiInterface;

// The DSP-side facade: every change that the editor, the host, MIDI or a patch makes goes through
// here and reaches the audio thread at the start of the next block: control changes as marks in a
// lock-free bit set, connection changes through two lock-free queues. The audio thread is the only
// reader of both; the derived audio processor supplies the host side.
class DspInterface : public MidiManager::Host
{
public:
    // An amount whose magnitude is below 2^-23 counts as zero and removes the connection.
    static constexpr double kAmountThreshold = 1.1920928955078125e-7;
    static constexpr size_t kQueueCapacity = 192;
    // Most changes a block applies from each connection queue; the rest wait for the next block. A
    // producer that never pauses would otherwise keep the audio thread draining forever.
    static constexpr int kMaxConnectionChangesPerBlock = 2048;

    static bool isZeroAmount(double amount) { return !(std::abs(amount) >= kAmountThreshold); }

    using ControlMap = std::map<int, cr::Value*>;
    using MacroSetting = std::pair<double, WavePath>;

    // Posted from non-message threads; tells the editor about a control change.
    class ValueChangedCallback : public juce::CallbackMessage
    {
    public:
        ValueChangedCallback(DspInterface* dsp, int id, double value) : _dsp(dsp), _id(id), _value(value) {}
        void messageCallback() override;

    private:
        DspInterface* _dsp;
        int _id;
        double _value;
    };

    DspInterface();
    DspInterface(const DspInterface&) = delete;
    DspInterface& operator=(const DspInterface&) = delete;
    virtual ~DspInterface();

    void valueChangedThroughMidi(int id, double value) override;
    void patchChangedThroughMidi(juce::File file) override;
    // MidiManager::Host, message thread.
    juce::File loadProgram(int bank, int folder, int program) override;
    void saveLearnMap(const MidiLearnMap& map) override;
    virtual void beginChangeGesture(int id) = 0;
    virtual void endChangeGesture(int id) = 0;
    virtual void setValueNotifyHost(int id, double value) = 0;
    virtual GuiInterface* getGuiInterface() = 0;
    virtual const juce::CriticalSection& getCriticalSection() = 0;

    // ---- Control changes --------------------------------------------------------------------
    // Any thread, the audio thread included: stores the value and marks the control for the next
    // block, without allocating or locking.
    void valueChanged(int id, double value);
    void valueChangedInternal(int id, double value);
    void modulatorChangedInternal(int id, double value);
    void valueChangedExternal(int id, double value);
    void modulatorChangedExternal(int id, double value);
    // Audio thread.
    void setGlobalBPM(double bpm);
    // Message thread, before a patch load. A pending change is only a mark and the block routes the
    // control's value at that time, so nothing from before the load can land after it: there is
    // nothing to drop, and the audio thread stays the only one that takes marks.
    void clearControlChanges() {}

    // ---- Connections (message thread) -------------------------------------------------------
    void setModulationAmount(ModulationConnection* c, double amount);
    void changeModulationAmount(int source, int destination, double amount);
    void disconnectModulation(ModulationConnection* c) { setModulationAmount(c, 0.0); }
    ModulationConnection* getModulationConnection(int source, int destination) const;
    int getNumModulations(int destination) const;
    std::vector<ModulationConnection*> getSourceModulationConnections(int source) const;
    std::vector<ModulationConnection*> getDestinationModulationConnections(int destination) const;
    const std::set<ModulationConnection*>& getModulationConnections() const { return _modulation_set; }
    // The amount as the editor set it; the connection's own field belongs to the audio thread.
    double getModulationAmount(const ModulationConnection* c) const;
    void clearModulations();
    ModulationConnectionBank<ModulationConnection>& getModulationBank() { return _modulation_bank; }

    void setMacroModulation(MacroConnection* c, double amount, WavePath curve);
    void changeMacroAmount(int source, int destination, double amount, WavePath curve);
    void disconnectMacro(MacroConnection* c) { setMacroModulation(c, 0.0, WavePath{}); }
    MacroConnection* getMacroConnection(int source, int destination) const;
    int getNumMacroModulations(int destination) const;
    std::vector<MacroConnection*> getSourceMacroConnections(int source) const;
    std::vector<MacroConnection*> getDestinationMacroConnections(int destination) const;
    const std::set<MacroConnection*>& getMacroConnections() const { return _macro_set; }
    MacroSetting getMacroSetting(const MacroConnection* c) const;
    void clearMacros();
    bool isMacroActive(MacroConnection* c) const { return _macro_set.count(c) != 0; }
    ModulationConnectionBank<MacroConnection>& getMacroBank() { return _macro_bank; }

    // Hands removed connections back to their banks once the audio thread has dropped them from
    // its active sets. Every connection edit calls it; callers may too.
    void collectRetiredConnections();

    Output* getModulationOutput(int id) const { return _engine.getModulationOutput(id); }

    // ---- Block steps (audio thread) ---------------------------------------------------------
    void processControlChanges();
    void processMacrosChanges();
    void processModulationChanges();
    void processControls(int numSamples, int pos);
    void processMidi(juce::MidiBuffer& midi, int start, int end);
    void processKeyboardEvents(juce::MidiBuffer& midi, int numSamples);
    void processMacros(int numSamples, int pos) { _engine.processMacros(numSamples, pos); }
    void processModulation(juce::AudioBuffer<float>* buffer, int numChannels, int numSamples, int pos)
    {
        _engine.processModulation(buffer, numChannels, numSamples, pos);
    }
    void processAudio(juce::AudioBuffer<float>* buffer, int numChannels, int numSamples, int pos)
    {
        _engine.processAudio(buffer, numChannels, numSamples, pos);
    }

    // ---- Patch state and names (message thread) ---------------------------------------------
    juce::var saveToVar(const juce::String& author, const juce::String& info);
    void loadFromVar(const juce::var& document);
    void setAuthor(const juce::String& author) { _save_info["author"] = author; }
    juce::String getAuthor() { return _save_info["author"]; }
    void setPatchName(const juce::String& name) { _save_info["patch_name"] = name; }
    juce::String getPatchName() { return _save_info["patch_name"]; }
    void setFolderName(const juce::String& name) { _save_info["folder_name"] = name; }
    juce::String getFolderName() { return _save_info["folder_name"]; }
    void setMacroName(const juce::String& macro, const juce::String& name)
    {
        _save_info[macro.toStdString()] = name;
    }
    juce::String getMacroName(const juce::String& macro) { return _save_info[macro.toStdString()]; }
    SaveInfoMap& getSaveInfo() { return _save_info; }

    // ---- MIDI learn (no MIDI manager yet: nothing is learned) --------------------------------
    void armMidiLearn(int id, double min, double max);
    void cancelMidiLearn();
    void clearMidiLearn(int id);
    bool isMidiMapped(int id) const;

    // ---- Accessors --------------------------------------------------------------------------
    PluginEngine& getEngine() { return _engine; }
    const PluginEngine& getEngine() const { return _engine; }
    const ControlMap& getControls() const { return _controls; }
    juce::MidiKeyboardState* getKeyboardState() { return _keyboard_state.get(); }
    MidiManager* getMidiManager() { return _midi_manager.get(); }
    // Number of passes of the audio thread that emptied both connection queues.
    uint64_t getNumConnectionDrains() const { return _drains.load(std::memory_order_acquire); }

protected:
    // Reserves what the keyboard step uses on the audio thread.
    void prepareMidiStorage();

private:
    template <typename T>
    struct Retired
    {
        T* c;
        uint64_t stamp;
    };

    void routeControl(int id, double value);
    void convertBeats(int beatsId, double beats);
    void applyControlChange(int id, double value);

    ModulationConnectionBank<ModulationConnection> _modulation_bank;
    ModulationConnectionBank<MacroConnection> _macro_bank;
    PluginEngine _engine;
    std::unique_ptr<juce::MidiKeyboardState> _keyboard_state;
    std::unique_ptr<MidiManager> _midi_manager;
    SaveInfoMap _save_info;
    ControlMap _controls;
    std::set<ModulationConnection*> _modulation_set;
    std::map<const ModulationConnection*, double> _modulation_amounts;
    // Changed controls, one bit per control id: any thread sets, the audio thread takes.
    std::vector<cr::Value*> _control_arr; // by id, null where there is no control
    std::unique_ptr<std::atomic<uint64_t>[]> _changed_arr;
    int _nbr_changed_words = 0;
    // Producers: the message thread only. Consumer: the audio thread only.
    moodycamel::ConcurrentQueue<std::pair<MacroConnection*, MacroSetting>, dsp::RtQueueTraits> _macro_queue;
    moodycamel::ConcurrentQueue<std::pair<ModulationConnection*, double>, dsp::RtQueueTraits>
        _modulation_queue;
    std::set<MacroConnection*> _macro_set;
    std::map<const MacroConnection*, MacroSetting> _macro_settings;
    std::vector<Retired<ModulationConnection>> _retired_modulations;
    std::vector<Retired<MacroConnection>> _retired_macros;
    std::atomic<uint64_t> _drains{0};
    bool _macros_drained = false; // audio thread only
    std::vector<int> _beats_ids;  // controls whose description is a length in beats
    juce::MidiBuffer _keyboard_midi;
};

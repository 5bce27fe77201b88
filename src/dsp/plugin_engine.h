#pragma once

#include "dsp/CrenzeDsp.h"
#include "dsp/LfoModuleDesc.h"
#include "dsp/adsr/EventGenerator.h"
#include "dsp/plugin_modulator.h"
#include "dsp/plugin_module.h"
#include "zun/piapi/EventTs.h"
#include "zun/piapi/ParamStateSet.h"

#include <juce_audio_basics/juce_audio_basics.h>

#include <array>
#include <atomic>
#include <memory>
#include <vector>

// The top module: every control, the filter effect, the event generator and the eight
// modulator slots, run chunk by chunk on the audio thread.
class PluginEngine : public PluginModule
{
public:
    static constexpr int kNbrSlots = 8;
    static constexpr int kNbrMacros = 4;
    static constexpr int kFirstEffectId = 0;
    static constexpr int kLastEffectId = 10;
    static constexpr int kFirstGeneratorId = 12;
    static constexpr int kLastGeneratorId = 13;
    static constexpr int kFirstSlotId = 15;
    static constexpr int kLastSlotId = 15 + kNbrSlots * PluginModulator::kNbrParam - 1; // 606
    static constexpr int kFirstMacroId = 607;
    static constexpr int kTempoId = 619;

    static int getModulationSourceId(int slot) { return kFirstSlotId + PluginModulator::kNbrParam * slot; }
    static int getMacroId(int macro) { return kFirstMacroId + 3 * (macro - 1); } // macro 1..4

    PluginEngine();
    ~PluginEngine() override;

    void init() override;

    void reset(int numIns, int numOuts, double sampleRate, int maxChunk, int& latency);

    void processPluginControls(int id, double value);
    void processEventGeneratorControl(int id, double value);
    void processModulationControl(int id, double value);

    void processMacros(int numSamples, int pos);
    void processModulation(juce::AudioBuffer<float>* buffer, int numChannels, int numSamples, int pos);
    void processAudio(juce::AudioBuffer<float>* buffer, int numChannels, int numSamples, int pos);

    void correct_to_time(unsigned long samples);
    float get_rms_value(int side, int channel) const;

    dsp::EventGenerator& get_event_generator() { return _event_generator; }
    const dsp::LfoModuleDesc& get_mod_param_desc() const { return _mod_desc; }
    zun::piapi::ParamStateSet& get_mod_param_state_set() { return _mod_states; }
    const dsp::CrenzeDesc& get_dsp_param_desc() const { return _effect.get_param_desc(); }
    zun::piapi::ParamStateSet& get_dsp_param_state_set() { return _effect.get_param_state_set(); }
    dsp::CrenzeDsp& use_effect() { return _effect; }
    PluginModulator* getModulator(int slot) const { return _slots[size_t(slot)].get(); }

    void reset_param();

    // Pending events of the next delivery, for inspection.
    int getNumPendingEffectEvents() const { return int(_effect_events.events.size()); }
    int getNumPendingSlotEvents() const { return int(_slot_events.events.size()); }

private:
    // The events of one chunk for one block; storage is kept between chunks so that after warm-up
    // nothing is allocated.
    struct EventBundle
    {
        explicit EventBundle(size_t capacity)
        {
            events.reserve(capacity);
            pointers.reserve(capacity);
        }
        void push(int index, float val);
        void clear()
        {
            events.clear();
            pointers.clear();
            info.evt_arr = nullptr;
            info.nbr_evt = 0;
        }

        std::vector<zun::piapi::EventTs> events;
        std::vector<const zun::piapi::EventTs*> pointers;
        zun::piapi::PluginInterface::ProcInfo info;
    };

    void pushControl(EventBundle& bundle, int id, int index, double value);
    void routeToBlock(int id, double value);
    void applyModulation(const ModulationConnection& c);
    void clearEvents();

    std::array<std::unique_ptr<PluginModulator>, kNbrSlots> _slots;
    dsp::LfoModuleDesc _mod_desc;
    zun::piapi::ParamStateSet _mod_states;
    EventBundle _slot_events;
    EventBundle _generator_events;
    float* _slot_chn_in[1] = {nullptr};
    float* _slot_chn_out[1] = {nullptr};
    std::atomic<float> _levels[2][2];
    dsp::CrenzeDsp _effect;
    dsp::EventGenerator _event_generator;
    EventBundle _effect_events;
    int _max_chunk = 0;
    int _nbr_ins = 0;
    int _nbr_outs = 0;
    std::vector<std::vector<float>> _buffers;
    std::vector<float*> _in_ptrs;
    std::vector<float*> _out_ptrs;
    std::vector<float*> _sig_ptrs;
    std::vector<std::unique_ptr<zun::param::ParamDescInterface>> _own_descs;
};

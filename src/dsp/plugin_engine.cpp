#include "dsp/plugin_engine.h"

#include "zun/param/TplEnum.h"
#include "zun/param/TplLin.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr zun::piapi::ParamCateg kGlob = zun::piapi::ParamCateg_GLOBAL;

// Room for a whole patch load (every slot control changing in one chunk) plus the
// modulation passes.
constexpr size_t kSlotEventCapacity = 4096;
constexpr size_t kEffectEventCapacity = 1024;
constexpr size_t kGeneratorEventCapacity = 256;

double clamp(double x, double lo, double hi)
{
    return std::max(lo, std::min(x, hi));
}
} // namespace

void PluginEngine::EventBundle::push(int index, float val)
{
    const auto* before = events.data();
    events.push_back(zun::piapi::EventTs::make_param(index, val));
    if (events.data() != before)
    {
        // The list moved: point at its new storage.
        pointers.clear();
        for (const auto& e : events)
            pointers.push_back(&e);
    }
    else
        pointers.push_back(&events.back());
    info.evt_arr = pointers.data();
    info.nbr_evt = int(pointers.size());
}

PluginEngine::PluginEngine()
    : _slot_events(kSlotEventCapacity), _generator_events(kGeneratorEventCapacity),
      _effect_events(kEffectEventCapacity)
{
    for (auto& side : _levels)
        for (auto& l : side)
            l.store(0.0f, std::memory_order_relaxed);
    init();
}

PluginEngine::~PluginEngine()
{
    // The slots observe the shared state set and register with the generator: they go first.
    for (auto& s : _slots)
        s.reset();
}

void PluginEngine::init()
{
    // Tempo.
    {
        auto desc =
            std::make_unique<zun::param::TplLin>(20, 300, "Beat per minute\nBPM", "BPM", 620, "%5.1f");
        ParameterDetails d{kTempoId, 120.0, desc.get()};
        _own_descs.push_back(std::move(desc));
        createBaseControl(kTempoId, d);
    }

    // Event generator.
    auto& gen_states = _event_generator.get_param_state_set();
    for (int j = 0; j < 2; ++j)
    {
        const int id = kFirstGeneratorId + j;
        ParameterDetails d{id, gen_states.get_val_tgt_nat(j),
                           &_event_generator.get_param_desc().get_param_info(kGlob, j)};
        _registry.registerParameterDetails(id, d);
        createBaseControl(id, d);
    }

    // Effect.
    auto& fx_states = _effect.get_param_state_set();
    for (int j = 0; j <= kLastEffectId; ++j)
    {
        ParameterDetails d{j, fx_states.get_val_tgt_nat(j),
                           &_effect.get_param_desc().get_param_info(kGlob, j)};
        _registry.registerParameterDetails(j, d);
        createBaseModControl(j, d);
    }

    // Slots.
    for (int s = 0; s < kNbrSlots; ++s)
    {
        _slots[size_t(s)] = std::make_unique<PluginModulator>(this, s);
        for (int j = 0; j < PluginModulator::kNbrParam; ++j)
        {
            const int index = PluginModulator::kNbrParam * s + j;
            const int id = kFirstSlotId + index;
            ParameterDetails d{id, _mod_states.get_val_tgt_nat(index),
                               &_mod_desc.get_param_info(kGlob, index)};
            createBaseModControl(id, d);
        }
    }

    // Macros.
    for (int i = 1; i <= kNbrMacros; ++i)
    {
        const int m = getMacroId(i);
        const std::string name = "Macro " + std::to_string(i);
        auto value_desc = std::make_unique<zun::param::TplLin>(0, 1, name.c_str(), "%", m + 1, "%5.1f");
        value_desc->use_disp_num().set_preset(zun::param::HelperDispNum::Preset_FLOAT_PERCENT);
        ParameterDetails vd{m, 0.0, value_desc.get()};
        _own_descs.push_back(std::move(value_desc));
        cr::Value* v = createBaseControl(m, vd);
        setMacroControl(m, v->output(0));

        auto curve_desc = std::make_unique<zun::param::TplEnum>(
            "Linear\nSquare\nCubic\nSquare Inv\nCubic Inv", "Macro Curve\nMacro %d Curve", "", i, "%s");
        ParameterDetails cd{m + 1, 0.0, curve_desc.get()};
        _own_descs.push_back(std::move(curve_desc));
        createBaseControl(m + 1, cd);
    }
}

void PluginEngine::reset(int numIns, int numOuts, double sampleRate, int maxChunk, int& latency)
{
    clearEvents();
    _max_chunk = maxChunk;
    _nbr_ins = std::max(1, std::min(numIns, 2));
    _nbr_outs = std::max(1, std::min(numOuts, 2));

    _event_generator.reset(sampleRate, maxChunk, latency);
    _effect.reset(sampleRate, maxChunk, latency);
    _effect.update_io_stereo_flags(numIns == 2, numOuts == 2);
    for (auto& s : _slots)
        s->reset(sampleRate, maxChunk, latency);

    const size_t len = size_t((std::max(maxChunk, 1) + 3) / 4 * 4);
    int nbr_i = 1, nbr_o = 1, nbr_s = 0;
    _effect.get_param_desc().get_nbr_io(nbr_i, nbr_o, nbr_s);
    const int nbr_in_bufs = nbr_i * _nbr_ins;
    const int nbr_out_bufs = nbr_o * _nbr_outs;
    _buffers.assign(size_t(nbr_in_bufs + nbr_out_bufs + nbr_s), std::vector<float>(len, 0.0f));
    _in_ptrs.clear();
    _out_ptrs.clear();
    _sig_ptrs.clear();
    int b = 0;
    for (int i = 0; i < nbr_in_bufs; ++i)
        _in_ptrs.push_back(_buffers[size_t(b++)].data());
    for (int i = 0; i < nbr_out_bufs; ++i)
        _out_ptrs.push_back(_buffers[size_t(b++)].data());
    for (int i = 0; i < nbr_s; ++i)
        _sig_ptrs.push_back(_buffers[size_t(b++)].data());

    // Slot followers listen to buffer 1: input channel 1 when the input is stereo, else the
    // effect's output of channel 0 from the last chunk.
    _slot_chn_in[0] = _buffers[1].data();
    _slot_chn_out[0] = _buffers[1].data();
    auto& si = _slot_events.info;
    si.nbr_chn_in = si.nbr_chn_out = 1;
    si.src_arr = _slot_chn_in;
    si.dst_arr = _slot_chn_out;
    si.sig_arr = _sig_ptrs.empty() ? nullptr : _sig_ptrs.data();
}

void PluginEngine::pushControl(EventBundle& bundle, int id, int index, double value)
{
    const auto* d = getParameters()->getDetails(id);
    if (d == nullptr || d->desc == nullptr)
        return;
    const auto& desc = *d->desc;
    const double v = clamp(value, desc.get_nat_min(), desc.get_nat_max());
    bundle.push(index, float(desc.conv_nat_to_nrm(v)));
}

void PluginEngine::processPluginControls(int id, double value)
{
    if (id < kFirstEffectId || id > kLastEffectId)
        return;
    pushControl(_effect_events, id, id, value);
}

void PluginEngine::processEventGeneratorControl(int id, double value)
{
    if (id < kFirstGeneratorId || id > kLastGeneratorId)
        return;
    pushControl(_generator_events, id, id - kFirstGeneratorId, value);
}

void PluginEngine::processModulationControl(int id, double value)
{
    if (id < kFirstSlotId || id > kLastSlotId)
        return;
    pushControl(_slot_events, id, id - kFirstSlotId, value);
}

void PluginEngine::routeToBlock(int id, double value)
{
    if (id <= kLastEffectId)
        processPluginControls(id, value);
    else
        processModulationControl(id, value);
}

void PluginEngine::processMacros(int, int)
{
    for (const MacroConnection* c : getActiveMacros())
    {
        // Connections from a damaged patch may name anything: skip what is no macro or no
        // modulation destination.
        const auto src = _macro_controls.find(c->source);
        cr::Value* dest = getModulationDestination(c->destination);
        if (src == _macro_controls.end() || src->second == nullptr || dest == nullptr)
            continue;
        const double y = c->curve.getValueAt(src->second->get(0));
        dest->set_macro(dest->get_macro() + c->amount * y);
        const auto& d = *getParameters()->getDetails(c->destination)->desc;
        const double t = clamp(d.conv_nat_to_nrm(dest->value()) + dest->get_macro(), 0.0, 1.0);
        routeToBlock(c->destination, d.conv_nrm_to_nat(t));
    }
}

void PluginEngine::applyModulation(const ModulationConnection& c)
{
    const auto src = _mod_controls.find(c.source);
    cr::Value* dest = getModulationDestination(c.destination);
    if (src == _mod_controls.end() || src->second == nullptr || dest == nullptr)
        return;
    const double s = src->second->get(0);
    const double m = (2.0 * s - 1.0) * c.amount;
    dest->set_modulation(clamp(dest->get_modulation() + m, -1.0, 1.0));
    const auto& d = *getParameters()->getDetails(c.destination)->desc;

    double t;
    const int categ = d.get_categ();
    if (c.destination <= kLastEffectId && (categ == zun::param::ParamDescInterface::Categ_TIME_S ||
                                           categ == zun::param::ParamDescInterface::Categ_TIME_BEATS))
    {
        const double x =
            clamp(dest->value() + dest->get_modulation() * d.get_nat_max(), d.get_nat_min(), d.get_nat_max());
        t = d.conv_nat_to_nrm(x) + dest->get_macro();
    }
    else
        t = d.conv_nat_to_nrm(dest->value()) + dest->get_macro() + dest->get_modulation();
    routeToBlock(c.destination, d.conv_nrm_to_nat(clamp(t, 0.0, 1.0)));
}

void PluginEngine::processModulation(juce::AudioBuffer<float>* buffer, int numChannels, int numSamples,
                                     int pos)
{
    const int nbr_chn = std::min({numChannels, buffer->getNumChannels(), int(_in_ptrs.size())});
    for (int c = 0; c < nbr_chn; ++c)
        std::copy_n(buffer->getReadPointer(c, pos), numSamples, _in_ptrs[size_t(c)]);

    auto& gi = _generator_events.info;
    gi.src_arr = _in_ptrs.data();
    gi.dst_arr = _out_ptrs.data();
    gi.nbr_chn_in = gi.nbr_chn_out = std::max(1, nbr_chn);
    gi.sig_arr = nullptr;
    gi.nbr_spl = numSamples;
    _event_generator.process_block(gi);

    for (const ModulationConnection* c : getActiveModulations())
        if (c->destination > kLastEffectId)
            applyModulation(*c);

    _slot_events.info.nbr_spl = numSamples;
    for (auto& s : _slots)
        s->process_block(_slot_events.info);

    for (const ModulationConnection* c : getActiveModulations())
        if (c->destination <= kLastEffectId)
            applyModulation(*c);
}

void PluginEngine::processAudio(juce::AudioBuffer<float>* buffer, int numChannels, int numSamples, int pos)
{
    auto& ei = _effect_events.info;
    ei.nbr_spl = numSamples;
    const int nbr_chn = std::min(numChannels, buffer->getNumChannels());
    const int nbr_in = std::min(nbr_chn, int(_in_ptrs.size()));
    const int nbr_out = std::min(nbr_chn, int(_out_ptrs.size()));
    for (int c = 0; c < 2; ++c)
        _levels[0][c].store(c < nbr_in ? buffer->getRMSLevel(c, pos, numSamples) : 0.0f,
                            std::memory_order_relaxed);
    for (int c = 0; c < nbr_in; ++c)
        std::copy_n(buffer->getReadPointer(c, pos), numSamples, _in_ptrs[size_t(c)]);

    ei.src_arr = _in_ptrs.data();
    ei.dst_arr = _out_ptrs.data();
    ei.nbr_chn_in = std::max(1, nbr_in);
    ei.nbr_chn_out = std::max(1, nbr_out);
    _effect.process_block(ei);

    clearEvents();

    for (int c = 0; c < nbr_out; ++c)
        buffer->copyFrom(c, pos, _out_ptrs[size_t(c)], numSamples);
    for (int c = 0; c < 2; ++c)
        _levels[1][c].store(c < nbr_out ? buffer->getRMSLevel(c, pos, numSamples) : 0.0f,
                            std::memory_order_relaxed);
}

void PluginEngine::correct_to_time(unsigned long samples)
{
    for (auto& s : _slots)
        s->correct_to_time(samples);
}

float PluginEngine::get_rms_value(int side, int channel) const
{
    if (side < 0 || side > 1 || channel < 0 || channel > 1)
        return 0.0f;
    return _levels[side][channel].load(std::memory_order_relaxed);
}

void PluginEngine::clearEvents()
{
    _slot_events.clear();
    _generator_events.clear();
    _effect_events.clear();
}

void PluginEngine::reset_param()
{
    clearEvents();
}

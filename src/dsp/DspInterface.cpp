#include "dsp/DspInterface.h"

#include "gui/startup.h"

#include <algorithm>
#include <cmath>

namespace
{
// The removal queued at stamp s is certainly applied once the audio thread has finished two more
// drains: the first one may have been under way before the removal was queued.
constexpr uint64_t kDrainsBeforeReuse = 2;
} // namespace

void DspInterface::ValueChangedCallback::messageCallback()
{
    // The editor's update goes here once there is an editor to update.
    (void)_dsp;
    (void)_id;
    (void)_value;
}

namespace
{
// The editor-side lookups, the same for both kinds of connection.
template <typename Set>
auto findConnection(const Set& set, int source, int destination) -> typename Set::value_type
{
    for (auto* c : set)
        if (c->source == source && c->destination == destination)
            return c;
    return nullptr;
}

template <typename Set, typename Pred>
std::vector<typename Set::value_type> connectionsWhere(const Set& set, Pred pred)
{
    std::vector<typename Set::value_type> res;
    for (auto* c : set)
        if (pred(*c))
            res.push_back(c);
    return res;
}
} // namespace

DspInterface::DspInterface() : _macro_queue(kQueueCapacity), _modulation_queue(kQueueCapacity)
{
    _controls = _engine.getControls();
    const int nbr_ids = _controls.empty() ? 0 : _controls.rbegin()->first + 1;
    _control_arr.assign(size_t(nbr_ids), nullptr);
    for (const auto& [id, control] : _controls)
        if (id >= 0)
            _control_arr[size_t(id)] = control;
    _nbr_changed_words = (nbr_ids + 63) / 64;
    _changed_arr = std::make_unique<std::atomic<uint64_t>[]>(size_t(_nbr_changed_words));
    for (int w = 0; w < _nbr_changed_words; ++w)
        _changed_arr[w].store(0, std::memory_order_relaxed);
    for (const auto& [id, d] : _engine.getParameters()->getAllDetails())
        if (d.desc != nullptr && d.desc->get_categ() == zun::param::ParamDescInterface::Categ_TIME_BEATS)
            _beats_ids.push_back(id);
    _keyboard_state = std::make_unique<juce::MidiKeyboardState>();
    _midi_manager = std::make_unique<MidiManager>(_keyboard_state.get(), this);
    prepareMidiStorage();
    Startup::doStartupChecks([](juce::DynamicObject* doc)
                             { return LoadSave::upgrade_settings(nullptr, doc); },
                             [this]
                             {
                                 MidiLearnMap map = _midi_manager->getMidiLearnMap();
                                 if (LoadSave::loadMidiMapFromConfig(map))
                                     _midi_manager->setMidiLearnMap(map);
                             });
}

DspInterface::~DspInterface()
{
    _midi_manager.reset();
    _keyboard_state.reset();
}

void DspInterface::prepareMidiStorage()
{
    _keyboard_midi.ensureSize(4096);
}

// ---- Control changes ----------------------------------------------------------------------------

void DspInterface::valueChanged(int id, double value)
{
    if (id < 0 || id >= int(_control_arr.size()) || _control_arr[size_t(id)] == nullptr ||
        !std::isfinite(value))
        return;
    // A queue of values would need a producer per thread, which the queue allocates on a thread's
    // first use (the audio thread too, for learned controllers and hosts that automate there), and
    // would let values from two threads arrive in either order. A mark carries no value: the block
    // routes whatever the control holds then, so the last value stored always wins. The value is
    // stored before the mark is published.
    _control_arr[size_t(id)]->set(value);
    _changed_arr[id >> 6].fetch_or(uint64_t(1) << (id & 63), std::memory_order_release);
}

void DspInterface::valueChangedInternal(int id, double value)
{
    // The control takes the exact value; the host's echo of it comes back as a float, which the
    // host parameter recognises and drops (a patch's 500 Hz stayed 499.99997 Hz otherwise).
    valueChanged(id, value);
    setValueNotifyHost(id, value);
}

void DspInterface::modulatorChangedInternal(int id, double value)
{
    valueChanged(id, value);
    setValueNotifyHost(id, value);
}

void DspInterface::valueChangedExternal(int id, double value)
{
    valueChanged(id, value);
    // Editor updates: direct on the message thread, posted otherwise; nothing while no editor.
    if (getGuiInterface() == nullptr)
        return;
    if (!juce::MessageManager::getInstance()->isThisTheMessageThread())
        (new ValueChangedCallback(this, id, value))->post();
}

void DspInterface::modulatorChangedExternal(int id, double value)
{
    valueChangedExternal(id, value);
}

void DspInterface::valueChangedThroughMidi(int id, double value)
{
    const auto it = _controls.find(id);
    if (it == _controls.end() || !std::isfinite(value))
        return;
    // Learn ranges come from the configuration file and may reach past the control's own.
    if (const ParameterDetails* d = getEngine().getParameters()->getDetails(id);
        d != nullptr && d->desc != nullptr)
        value = std::clamp(value, d->desc->get_nat_min(), d->desc->get_nat_max());
    it->second->set(value);
    setValueNotifyHost(id, value);
}

void DspInterface::patchChangedThroughMidi(juce::File)
{
    // The editor refreshes itself here once it exists.
}

juce::File DspInterface::loadProgram(int bank, int folder, int program)
{
    return LoadSave::loadPatch(bank, folder, program, this, _save_info);
}

void DspInterface::saveLearnMap(const MidiLearnMap& map)
{
    LoadSave::saveMidiMapToConfig(map);
}

void DspInterface::routeControl(int id, double value)
{
    if (id >= PluginEngine::kFirstEffectId && id <= PluginEngine::kLastEffectId)
        _engine.processPluginControls(id, value);
    else if (id >= PluginEngine::kFirstGeneratorId && id <= PluginEngine::kLastGeneratorId)
        _engine.processEventGeneratorControl(id, value);
    else if (id >= PluginEngine::kFirstSlotId && id <= PluginEngine::kLastSlotId)
        _engine.processModulationControl(id, value);
}

void DspInterface::convertBeats(int beatsId, double beats)
{
    const auto sw = _controls.find(beatsId + 1);
    if (sw == _controls.end() || sw->second->value() != 1.0)
        return;
    const double bpm = _controls.at(PluginEngine::kTempoId)->value();
    if (!(bpm > 0.0) || !std::isfinite(bpm))
        return;
    const auto& d = *_engine.getParameters()->getDetails(beatsId)->desc;
    const double s = std::clamp(beats * 60.0 / bpm, d.get_nat_min(), d.get_nat_max());
    routeControl(beatsId - 1, s);
}

void DspInterface::applyControlChange(int id, double v)
{
    const auto* params = _engine.getParameters();
    routeControl(id, v);
    const ParameterDetails* d = params->getDetails(id);
    if (d == nullptr || d->desc == nullptr)
        return;
    if (d->desc->get_categ() == zun::param::ParamDescInterface::Categ_TIME_BEATS)
    {
        convertBeats(id, v);
        return;
    }
    // A "Time"/"Tempo" switch: the slot gets the period that the new position stands for.
    const ParameterDetails* beats = params->getDetails(id - 1);
    if (id > PluginEngine::kFirstSlotId && beats != nullptr && beats->desc != nullptr &&
        beats->desc->get_categ() == zun::param::ParamDescInterface::Categ_TIME_BEATS)
    {
        if (v == 1.0)
            convertBeats(id - 1, _controls.at(id - 1)->value());
        else
            routeControl(id - 2, _controls.at(id - 2)->value());
    }
}

void DspInterface::processControlChanges()
{
    // In ascending id, at most one change per control: a block never routes more events than
    // there are controls, however fast the other threads store.
    for (int w = 0; w < _nbr_changed_words; ++w)
    {
        if (_changed_arr[w].load(std::memory_order_relaxed) == 0)
            continue;
        uint64_t bits = _changed_arr[w].exchange(0, std::memory_order_acquire);
        while (bits != 0)
        {
            const int id = w * 64 + __builtin_ctzll(bits);
            bits &= bits - 1;
            applyControlChange(id, _control_arr[size_t(id)]->value());
        }
    }
}

void DspInterface::setGlobalBPM(double bpm)
{
    if (!std::isfinite(bpm) || !(bpm > 0.0))
        return;
    // The tempo reaches no block itself, so it gets no mark: the slots on "Tempo" convert here.
    _controls.at(PluginEngine::kTempoId)->set(bpm);
    for (int id : _beats_ids)
        convertBeats(id, _controls.at(id)->value());
}

// ---- Connections --------------------------------------------------------------------------------

void DspInterface::collectRetiredConnections()
{
    const uint64_t now = _drains.load(std::memory_order_acquire);
    auto collect = [now](auto& retired, auto& bank)
    {
        auto keep = retired.begin();
        for (auto it = retired.begin(); it != retired.end(); ++it)
        {
            if (now >= it->stamp + kDrainsBeforeReuse)
                bank.giveBack(it->c);
            else
                *keep++ = *it;
        }
        retired.erase(keep, retired.end());
    };
    collect(_retired_modulations, _modulation_bank);
    collect(_retired_macros, _macro_bank);
}

void DspInterface::setModulationAmount(ModulationConnection* c, double amount)
{
    if (c == nullptr)
        return;
    collectRetiredConnections();
    if (!std::isfinite(amount))
        amount = 0.0;
    if (isZeroAmount(amount))
    {
        if (_modulation_set.erase(c) == 0)
        {
            // Not in use: a connection fresh from the bank goes straight back; one already
            // removed waits for the audio thread as before.
            if (std::none_of(_retired_modulations.begin(), _retired_modulations.end(),
                             [c](const auto& r) { return r.c == c; }))
                _modulation_bank.giveBack(c);
            return;
        }
        _modulation_amounts.erase(c);
        if (auto it = _controls.find(c->destination); it != _controls.end())
            it->second->set_modulation(0.0);
        _modulation_queue.enqueue({c, amount});
        // Back to the bank only once the audio thread has let go of it; the stamp is read after
        // the removal is queued.
        _retired_modulations.push_back({c, _drains.load(std::memory_order_acquire)});
        return;
    }
    _modulation_set.insert(c);
    _modulation_amounts[c] = amount;
    _modulation_queue.enqueue({c, amount});
}

void DspInterface::changeModulationAmount(int source, int destination, double amount)
{
    ModulationConnection* c = getModulationConnection(source, destination);
    if (c == nullptr)
    {
        if (isZeroAmount(amount))
            return;
        collectRetiredConnections();
        c = _modulation_bank.get(source, destination);
    }
    setModulationAmount(c, amount);
}

ModulationConnection* DspInterface::getModulationConnection(int source, int destination) const
{
    return findConnection(_modulation_set, source, destination);
}

int DspInterface::getNumModulations(int destination) const
{
    return int(getDestinationModulationConnections(destination).size());
}

std::vector<ModulationConnection*> DspInterface::getSourceModulationConnections(int source) const
{
    return connectionsWhere(_modulation_set,
                            [source](const ModulationConnection& c) { return c.source == source; });
}

std::vector<ModulationConnection*> DspInterface::getDestinationModulationConnections(int destination) const
{
    return connectionsWhere(_modulation_set, [destination](const ModulationConnection& c)
                            { return c.destination == destination; });
}

double DspInterface::getModulationAmount(const ModulationConnection* c) const
{
    const auto it = _modulation_amounts.find(c);
    return it == _modulation_amounts.end() ? 0.0 : it->second;
}

void DspInterface::clearModulations()
{
    // The engine's active set is the audio thread's: the queued removals empty it at the next
    // block.
    while (!_modulation_set.empty())
        setModulationAmount(*_modulation_set.begin(), 0.0);
}

void DspInterface::setMacroModulation(MacroConnection* c, double amount, WavePath curve)
{
    if (c == nullptr)
        return;
    collectRetiredConnections();
    if (!std::isfinite(amount))
        amount = 0.0;
    if (isZeroAmount(amount))
    {
        if (_macro_set.erase(c) == 0)
        {
            if (std::none_of(_retired_macros.begin(), _retired_macros.end(),
                             [c](const auto& r) { return r.c == c; }))
                _macro_bank.giveBack(c);
            return;
        }
        _macro_settings.erase(c);
        if (auto it = _controls.find(c->destination); it != _controls.end())
            it->second->set_macro(0.0);
        _macro_queue.enqueue({c, {amount, curve}});
        _retired_macros.push_back({c, _drains.load(std::memory_order_acquire)});
        return;
    }
    _macro_set.insert(c);
    _macro_settings[c] = {amount, curve};
    _macro_queue.enqueue({c, {amount, curve}});
}

void DspInterface::changeMacroAmount(int source, int destination, double amount, WavePath curve)
{
    MacroConnection* c = getMacroConnection(source, destination);
    if (c == nullptr)
    {
        if (isZeroAmount(amount))
            return;
        collectRetiredConnections();
        c = _macro_bank.get(source, destination);
    }
    setMacroModulation(c, amount, curve);
}

MacroConnection* DspInterface::getMacroConnection(int source, int destination) const
{
    return findConnection(_macro_set, source, destination);
}

int DspInterface::getNumMacroModulations(int destination) const
{
    return int(getDestinationMacroConnections(destination).size());
}

std::vector<MacroConnection*> DspInterface::getSourceMacroConnections(int source) const
{
    return connectionsWhere(_macro_set, [source](const MacroConnection& c) { return c.source == source; });
}

std::vector<MacroConnection*> DspInterface::getDestinationMacroConnections(int destination) const
{
    return connectionsWhere(_macro_set,
                            [destination](const MacroConnection& c) { return c.destination == destination; });
}

DspInterface::MacroSetting DspInterface::getMacroSetting(const MacroConnection* c) const
{
    const auto it = _macro_settings.find(c);
    return it == _macro_settings.end() ? MacroSetting{0.0, WavePath{}} : it->second;
}

void DspInterface::clearMacros()
{
    while (!_macro_set.empty())
        setMacroModulation(*_macro_set.begin(), 0.0, WavePath{});
}

// ---- Block steps --------------------------------------------------------------------------------

void DspInterface::processMacrosChanges()
{
    std::pair<MacroConnection*, MacroSetting> item;
    int k = 0;
    for (; k < kMaxConnectionChangesPerBlock && _macro_queue.try_dequeue(item); ++k)
    {
        MacroConnection* c = item.first;
        c->amount = item.second.first;
        c->curve = item.second.second;
        if (isZeroAmount(c->amount))
            _engine.disconnectMacro(c);
        else
            _engine.connectMacro(c);
    }
    _macros_drained = (k < kMaxConnectionChangesPerBlock);
}

void DspInterface::processModulationChanges()
{
    std::pair<ModulationConnection*, double> item;
    int k = 0;
    for (; k < kMaxConnectionChangesPerBlock && _modulation_queue.try_dequeue(item); ++k)
    {
        ModulationConnection* c = item.first;
        c->amount = item.second;
        if (isZeroAmount(c->amount))
            _engine.disconnectModulation(c);
        else
            _engine.connectModulation(c);
    }
    // A pass counts once both queues were found empty: only then is every earlier removal applied.
    if (k < kMaxConnectionChangesPerBlock && _macros_drained)
        _drains.fetch_add(1, std::memory_order_acq_rel);
}

void DspInterface::processControls(int, int)
{
    _engine.processAllControls();
}

void DspInterface::processMidi(juce::MidiBuffer& midi, int start, int end)
{
    for (const auto meta : midi)
    {
        const int p = meta.samplePosition;
        if (end != 0 && (p < start || p >= end))
            continue;
        _midi_manager->processMidiMessage(meta.getMessage(), p - start);
    }
}

void DspInterface::processKeyboardEvents(juce::MidiBuffer& midi, int numSamples)
{
    // The keyboard state exists for the editor's keyboard and takes a lock of its own: without
    // an editor there is nothing to show and nothing pending.
    if (getGuiInterface() == nullptr)
        return;
    _keyboard_midi.clear();
    _keyboard_state->processNextMidiBuffer(_keyboard_midi, 0, numSamples, true);
    processMidi(_keyboard_midi, 0, 0);
    _keyboard_state->processNextMidiBuffer(midi, 0, numSamples, false);
}

// ---- Patch state --------------------------------------------------------------------------------

juce::var DspInterface::saveToVar(const juce::String& author, const juce::String& info)
{
    _save_info["author"] = author;
    _save_info["info"] = info;
    return LoadSave::stateToVar(this, _save_info, getCriticalSection());
}

void DspInterface::loadFromVar(const juce::var& document)
{
    LoadSave::varToState(this, _save_info, document, false);
}

void DspInterface::armMidiLearn(int id, double min, double max)
{
    _midi_manager->armMidiLearn(id, min, max);
}

void DspInterface::cancelMidiLearn()
{
    _midi_manager->cancelMidiLearn();
}

void DspInterface::clearMidiLearn(int id)
{
    _midi_manager->clearMidiLearn(id);
}

bool DspInterface::isMidiMapped(int id) const
{
    return _midi_manager->isMidiMapped(id);
}

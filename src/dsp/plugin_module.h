#pragma once

#include "dsp/plugin_common.h"
#include "dsp/value.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

// A set of pointers kept in ascending pointer order in storage reserved up front, so that the
// audio thread can insert and erase without allocating.
template <typename T>
class ActiveConnectionSet
{
public:
    explicit ActiveConnectionSet(size_t capacity) { _items.reserve(capacity); }

    // False when the set is full (nothing changes then) or already holds c.
    bool insert(T* c)
    {
        auto it = std::lower_bound(_items.begin(), _items.end(), c);
        if (it != _items.end() && *it == c)
            return false;
        if (_items.size() >= _items.capacity())
            return false;
        _items.insert(it, c);
        return true;
    }
    bool erase(T* c)
    {
        auto it = std::lower_bound(_items.begin(), _items.end(), c);
        if (it == _items.end() || *it != c)
            return false;
        _items.erase(it);
        return true;
    }
    bool contains(const T* c) const { return std::binary_search(_items.begin(), _items.end(), c); }
    void clear() { _items.clear(); }
    size_t size() const { return _items.size(); }
    bool empty() const { return _items.empty(); }
    size_t capacity() const { return _items.capacity(); }
    typename std::vector<T*>::const_iterator begin() const { return _items.begin(); }
    typename std::vector<T*>::const_iterator end() const { return _items.end(); }

private:
    std::vector<T*> _items;
};

// Base of the engine: the controls, their registry, the modulation maps and the connections
// active on the audio thread.
class PluginModule
{
public:
    // Room for every source and destination pair several times over.
    static constexpr size_t kMaxActiveConnections = 8192;

    using ControlMap = std::map<int, cr::Value*>;
    using OutputMap = std::map<int, Output*>;

    PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;
    virtual ~PluginModule() = default;

    virtual void init() {}

    cr::Value* createBaseControl(int id, const ParameterDetails& details);
    Processor* createBaseModControl(int id, const ParameterDetails& details);

    Parameters* getParameters() const { return &_registry; }
    const ControlMap& getControls() const { return _controls; }
    // process() on every control in ascending id, over a flat list: this runs every chunk.
    void processAllControls();

    void registerModulationSource(int id, Output* out) { _mod_sources[id] = out; }
    const OutputMap& getModulationSources() const { return _mod_sources; }
    Output* getModulationOutput(int id) const;
    void setModulationControl(int id, Output* out) { _mod_controls[id] = out; }
    const OutputMap& getModulationControls() const { return _mod_controls; }
    cr::Value* getModulationDestination(int id) const;
    const ControlMap& getModulationDestinations() const { return _mod_destinations; }
    const OutputMap& getModulations() const { return _modulations; }
    const OutputMap& getMacroModulations() const { return _macro_modulations; }
    void setMacroControl(int id, Output* out) { _macro_controls[id] = out; }
    const OutputMap& getMacroControls() const { return _macro_controls; }

    bool connectModulation(ModulationConnection* c) { return _active_modulations.insert(c); }
    void disconnectModulation(ModulationConnection* c) { _active_modulations.erase(c); }
    bool connectMacro(MacroConnection* c) { return _active_macros.insert(c); }
    void disconnectMacro(MacroConnection* c) { _active_macros.erase(c); }
    bool isModulationActive(const ModulationConnection* c) const;
    void clearModulations() { _active_modulations.clear(); }
    void clearMacros() { _active_macros.clear(); }

    const ActiveConnectionSet<ModulationConnection>& getActiveModulations() const
    {
        return _active_modulations;
    }
    const ActiveConnectionSet<MacroConnection>& getActiveMacros() const { return _active_macros; }

protected:
    mutable Parameters _registry;
    ActiveConnectionSet<MacroConnection> _active_macros;
    ActiveConnectionSet<ModulationConnection> _active_modulations;
    ControlMap _controls;
    OutputMap _mod_sources;
    OutputMap _mod_controls;
    ControlMap _mod_destinations;
    OutputMap _modulations;
    OutputMap _macro_controls;
    OutputMap _macro_modulations;

private:
    std::vector<std::unique_ptr<cr::Value>> _owned_controls;
    std::vector<std::pair<int, cr::Value*>> _control_list;
};

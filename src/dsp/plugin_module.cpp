#include "dsp/plugin_module.h"

PluginModule::PluginModule()
    : _active_macros(kMaxActiveConnections), _active_modulations(kMaxActiveConnections)
{
}

cr::Value* PluginModule::createBaseControl(int id, const ParameterDetails& details)
{
    _registry.registerParameterDetails(id, details);
    _owned_controls.push_back(std::make_unique<cr::Value>(_registry.getDetails(id)->default_value));
    cr::Value* v = _owned_controls.back().get();
    _controls[id] = v;
    auto it = std::lower_bound(_control_list.begin(), _control_list.end(), id,
                               [](const std::pair<int, cr::Value*>& e, int key) { return e.first < key; });
    if (it != _control_list.end() && it->first == id)
        it->second = v;
    else
        _control_list.insert(it, {id, v});
    return v;
}

void PluginModule::processAllControls()
{
    for (auto& e : _control_list)
        e.second->process();
}

Processor* PluginModule::createBaseModControl(int id, const ParameterDetails& details)
{
    cr::Value* v = createBaseControl(id, details);
    _mod_destinations[id] = v;
    _modulations[id] = v->output(1);
    _macro_modulations[id] = v->output(2);
    return v;
}

Output* PluginModule::getModulationOutput(int id) const
{
    const auto it = _mod_sources.find(id);
    return it == _mod_sources.end() ? nullptr : it->second;
}

cr::Value* PluginModule::getModulationDestination(int id) const
{
    const auto it = _mod_destinations.find(id);
    return it == _mod_destinations.end() ? nullptr : it->second;
}

bool PluginModule::isModulationActive(const ModulationConnection* c) const
{
    for (const ModulationConnection* a : _active_modulations)
        if (a->source == c->source && a->destination == c->destination)
            return true;
    return false;
}

// The patch document: the whole sound as one JSON object, shared by patch files and the host
// state.
#include "dsp/DspInterface.h"
#include "gui/patches/LoadSave.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace
{
const char* const kMacroNames[] = {"Macro 1", "Macro 2", "Macro 3", "Macro 4"};

bool readInt(const juce::var& value, int& result)
{
    double x = 0.0;
    if (!LoadSave::readNumber(value, x) || x != std::floor(x) || x < double(INT_MIN) || x > double(INT_MAX))
        return false;
    result = int(x);
    return true;
}

bool isModulationSource(int id)
{
    const int rel = id - PluginEngine::kFirstSlotId;
    return rel >= 0 && rel % PluginModulator::kNbrParam == 0 &&
           rel / PluginModulator::kNbrParam < PluginEngine::kNbrSlots;
}

bool isMacroSource(int id)
{
    for (int m = 1; m <= PluginEngine::kNbrMacros; ++m)
        if (id == PluginEngine::getMacroId(m))
            return true;
    return false;
}

bool isDestination(DspInterface* dsp, int id)
{
    const bool inRange = (id >= PluginEngine::kFirstEffectId && id <= PluginEngine::kLastEffectId) ||
                         (id >= PluginEngine::kFirstSlotId && id <= PluginEngine::kLastSlotId);
    return inRange && dsp->getEngine().getModulationDestination(id) != nullptr;
}

// The entry's named number, or false.
bool readField(const juce::var& entry, const char* key, double& result)
{
    const juce::Identifier id(key);
    const auto* obj = entry.getDynamicObject();
    return obj != nullptr && obj->hasProperty(id) && LoadSave::readNumber(obj->getProperty(id), result);
}

bool readIntField(const juce::var& entry, const char* key, int& result)
{
    const auto* obj = entry.getDynamicObject();
    const juce::Identifier id(key);
    return obj != nullptr && obj->hasProperty(id) && readInt(obj->getProperty(id), result);
}

// A name entry: texts as they are, numbers as their text; anything else is no name.
bool readText(const juce::var& value, juce::String& result)
{
    if (value.isString() || value.isInt() || value.isInt64() || value.isDouble() || value.isBool())
    {
        result = value.toString();
        return true;
    }
    return false;
}
} // namespace

bool LoadSave::readNumber(const juce::var& value, double& result)
{
    double x = 0.0;
    if (value.isInt() || value.isInt64() || value.isDouble() || value.isBool())
        x = double(value);
    else if (value.isString())
    {
        const std::string txt = value.toString().trim().toStdString();
        if (txt.empty())
            return false;
        char* end = nullptr;
        x = std::strtod(txt.c_str(), &end);
        if (end == nullptr || *end != '\0')
            return false;
    }
    else
        return false;
    if (!std::isfinite(x))
        return false;
    result = x;
    return true;
}

juce::var LoadSave::stateToVar(DspInterface* dsp, SaveInfoMap& saveInfo, const juce::CriticalSection&)
{
    auto* settings = new juce::DynamicObject();
    juce::var settingsVar(settings);
    const auto* params = dsp->getEngine().getParameters();
    for (const auto& [id, control] : dsp->getControls())
    {
        double v = control->value();
        if (!std::isfinite(v))
        {
            const auto* d = params->getDetails(id);
            v = (d != nullptr) ? d->default_value : 0.0;
        }
        settings->setProperty(juce::Identifier(juce::String(id)), v);
    }

    juce::Array<juce::var> mods;
    for (const ModulationConnection* c : dsp->getModulationConnections())
    {
        auto* o = new juce::DynamicObject();
        o->setProperty("source", c->source);
        o->setProperty("destination", c->destination);
        o->setProperty("amount", dsp->getModulationAmount(c));
        mods.add(juce::var(o));
    }
    settings->setProperty("modulations", mods);

    juce::Array<juce::var> macros;
    for (const MacroConnection* c : dsp->getMacroConnections())
    {
        const auto [amount, curve] = dsp->getMacroSetting(c);
        auto* o = new juce::DynamicObject();
        o->setProperty("source", c->source);
        o->setProperty("destination", c->destination);
        o->setProperty("amount", amount);
        o->setProperty("curve_type", curve.type);
        o->setProperty("curve_min", curve.curve_min);
        o->setProperty("curve_max", curve.curve_max);
        macros.add(juce::var(o));
    }
    settings->setProperty("macros", macros);

    auto* doc = new juce::DynamicObject();
    juce::var docVar(doc);
    doc->setProperty("dsp_version", DSP_VERSION);
    doc->setProperty("patch_name", saveInfo["patch_name"]);
    doc->setProperty("folder_name", saveInfo["folder_name"]);
    for (const char* m : kMacroNames)
        doc->setProperty(m, saveInfo[m]);
    doc->setProperty("author", saveInfo["author"]);
    doc->setProperty("info", saveInfo["info"]);
    doc->setProperty("settings", settingsVar);
    return docVar;
}

void LoadSave::varToState(DspInterface* dsp, SaveInfoMap& saveInfo, const juce::var& document,
                          bool restoreGlobals)
{
    // An array also counts as an object to the framework: ask for the object itself.
    if (dsp == nullptr || document.getDynamicObject() == nullptr)
        return;
    const juce::var settings = document["settings"];
    if (settings.getDynamicObject() != nullptr)
    {
        // A list that is no array holds no connection.
        loadMacros(dsp, settings["macros"].getArray());
        loadModulations(dsp, settings["modulations"].getArray());
        loadControls(dsp, settings.getDynamicObject()->getProperties(), restoreGlobals);
    }
    // The connection queues are left to the audio thread's next block: draining them here would
    // change the engine's active sets while the audio thread walks them.
    loadSaveState(saveInfo, document.getDynamicObject()->getProperties());
}

void LoadSave::loadMacros(DspInterface* dsp, const juce::Array<juce::var>* macros)
{
    dsp->clearMacros();
    if (macros == nullptr)
        return;
    for (const juce::var& entry : *macros)
    {
        int src = 0, dst = 0;
        double amount = 0.0;
        if (entry.getDynamicObject() == nullptr || !readIntField(entry, "source", src) ||
            !readIntField(entry, "destination", dst) || !readField(entry, "amount", amount) ||
            !isMacroSource(src) || !isDestination(dsp, dst))
            continue;
        WavePath curve;
        int type = WavePath::Type_LINEAR;
        if (readIntField(entry, "curve_type", type))
            curve.type = std::clamp(type, 0, int(WavePath::Type_NBR_ELT) - 1);
        double lo = 0.0, hi = 1.0;
        if (readField(entry, "curve_min", lo))
            curve.curve_min = std::clamp(lo, 0.0, 1.0);
        if (readField(entry, "curve_max", hi))
            curve.curve_max = std::clamp(hi, 0.0, 1.0);
        dsp->changeMacroAmount(src, dst, std::clamp(amount, -1.0, 1.0), curve);
    }
}

void LoadSave::loadModulations(DspInterface* dsp, const juce::Array<juce::var>* modulations)
{
    dsp->clearModulations();
    if (modulations == nullptr)
        return;
    for (const juce::var& entry : *modulations)
    {
        int src = 0, dst = 0;
        double amount = 0.0;
        if (entry.getDynamicObject() == nullptr || !readIntField(entry, "source", src) ||
            !readIntField(entry, "destination", dst) || !readField(entry, "amount", amount) ||
            !isModulationSource(src) || !isDestination(dsp, dst))
            continue;
        // A pair listed twice keeps its last amount.
        dsp->changeModulationAmount(src, dst, std::clamp(amount, -1.0, 1.0));
    }
}

void LoadSave::loadControls(DspInterface* dsp, const juce::NamedValueSet& settings, bool restoreGlobals)
{
    dsp->clearControlChanges();
    const auto* params = dsp->getEngine().getParameters();
    for (const auto& [id, control] : dsp->getControls())
    {
        const ParameterDetails* d = params->getDetails(id);
        if (d == nullptr || d->desc == nullptr)
            continue;
        const int flags = d->desc->get_flags();
        if (id != PluginEngine::kTempoId)
        {
            if ((flags & zun::param::ParamDescInterface::Flags_GLOBAL) != 0 && !restoreGlobals)
                continue;
            if ((flags & zun::param::ParamDescInterface::Flags_AUTOLOCK) != 0)
                continue;
        }
        // A missing or unreadable value gives the default.
        double v = d->default_value;
        const juce::var* stored = settings.getVarPointer(juce::Identifier(juce::String(id)));
        double x = 0.0;
        if (stored != nullptr && readNumber(*stored, x))
            v = x;
        v = std::clamp(v, d->desc->get_nat_min(), d->desc->get_nat_max());
        dsp->valueChangedInternal(id, v);
    }
}

void LoadSave::loadSaveState(SaveInfoMap& saveInfo, const juce::NamedValueSet& document)
{
    for (const char* key : {"author", "info", "patch_name", "folder_name"})
    {
        juce::String text;
        const juce::var* v = document.getVarPointer(juce::Identifier(key));
        if (v != nullptr && readText(*v, text))
            saveInfo[key] = text;
    }
    for (const char* key : kMacroNames)
    {
        juce::String text;
        const juce::var* v = document.getVarPointer(juce::Identifier(key));
        saveInfo[key] = (v != nullptr && readText(*v, text)) ? text : juce::String();
    }
}

bool LoadSave::upgrade_settings(DspInterface*, juce::DynamicObject* document)
{
    if (document == nullptr)
        return false;
    const juce::String v = document->getProperty("dsp_version").toString();
    if (compareVersionStrings(v, DSP_VERSION) < 0 && v.compare(DSP_VERSION) < 0)
    {
        document->setProperty("dsp_version", DSP_VERSION);
        return true;
    }
    return false;
}

juce::File LoadSave::loadPatch(int bank, int folder, int patch, DspInterface* dsp, SaveInfoMap& saveInfo)
{
    const juce::File file = getPatchFile(bank, folder, patch);
    if (file == juce::File())
        return file;
    const juce::var doc = parseJsonFile(file);
    if (doc.getDynamicObject() != nullptr)
    {
        varToState(dsp, saveInfo, doc, false);
        saveInfo["patch_name"] = file.getFileNameWithoutExtension();
        saveInfo["folder_name"] = file.getParentDirectory().getFileName();
    }
    return file;
}

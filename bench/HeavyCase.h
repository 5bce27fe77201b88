#pragma once

#include "dsp/LfoModule.h"
#include "dsp/LfoModuleDesc.h"
#include "dsp/plugin_common.h"
#include "dsp/plugin_engine.h"

// The "heavy" patch of the engine benchmark and the CPU budget: 16 bands with a band delay,
// eight slots on different waveforms (one ADSR, one follower), each slot on two effect controls
// and one other slot's control, four macros on two controls each.
// The target offers set(id, value), modulate(source, destination, amount) and
// macro(source, destination, amount, curve type), so that the engine and the processor get the
// same patch through their own paths.
namespace heavy_case
{
inline int slotId(int slot, int j)
{
    return PluginEngine::kFirstSlotId + PluginModulator::kNbrParam * slot + j;
}

template <typename Target>
void apply(Target& t)
{
    using Desc = dsp::LfoModuleDesc;
    t.set(9, 16);
    t.set(8, 1.5);
    t.set(4, 200);
    t.set(3, 10);
    const int waves[] = {0, 1, 3, 5, 7, 10, dsp::LfoModule::Type_ADSR, dsp::LfoModule::Type_ENV_FOLLOWER};
    const int fx[] = {4, 7, 10, 8, 3, 5, 0, 2};
    for (int s = 0; s < PluginEngine::kNbrSlots; ++s)
    {
        t.set(slotId(s, Desc::Param_WAVEFORM), waves[s]);
        t.set(slotId(s, Desc::Param_SNH), 0.25);
        t.set(slotId(s, Desc::Param_SMOOTH), 0.5);
        t.modulate(slotId(s, 0), fx[s], 0.2);
        t.modulate(slotId(s, 0), fx[(s + 3) % 8], 0.2);
        t.modulate(slotId(s, 0), slotId((s + 1) % 8, Desc::Param_PHASE_DIST), 0.2);
    }
    for (int i = 1; i <= PluginEngine::kNbrMacros; ++i)
    {
        const int m = PluginEngine::getMacroId(i);
        t.set(m, 0.3 * i);
        t.macro(m, i, 0.1, WavePath::Type_SQUARE);
        t.macro(m, slotId(i, Desc::Param_CHAOS), 0.1, WavePath::Type_SQUARE);
    }
}
} // namespace heavy_case

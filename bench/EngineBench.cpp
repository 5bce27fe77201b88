#include "dsp/plugin_engine.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace
{
using Desc = dsp::LfoModuleDesc;
constexpr double kRate = 48000.0;
constexpr int kChunk = 256;

int slotId(int slot, int j)
{
    return PluginEngine::kFirstSlotId + PluginModulator::kNbrParam * slot + j;
}

struct Rig
{
    explicit Rig(bool heavy)
    {
        int latency = 0;
        engine.reset(2, 2, kRate, kChunk, latency);
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < kChunk; ++i)
                buffer.setSample(c, i, 0.5f * float(std::sin(0.05 * i + c)) * (i % 64 < 8 ? 1.0f : 0.2f));
        if (heavy)
            makeHeavy();
        for (int i = 0; i < 8; ++i)
            chunk();
    }

    void set(int id, double v)
    {
        engine.getControls().at(id)->set(v);
        if (id <= 10)
            engine.processPluginControls(id, v);
        else
            engine.processModulationControl(id, v);
    }

    // 16 bands with a band delay, eight slots on different waveforms (one ADSR, one follower),
    // each slot on two effect controls and one other slot's control, four macros on two
    // controls each.
    void makeHeavy()
    {
        set(9, 16);
        set(8, 1.5);
        set(4, 200);
        set(3, 10);
        const int waves[] = {0, 1, 3, 5, 7, 10, dsp::LfoModule::Type_ADSR, dsp::LfoModule::Type_ENV_FOLLOWER};
        for (int s = 0; s < PluginEngine::kNbrSlots; ++s)
        {
            set(slotId(s, Desc::Param_WAVEFORM), waves[s]);
            set(slotId(s, Desc::Param_SNH), 0.25);
            set(slotId(s, Desc::Param_SMOOTH), 0.5);
            const int fx[] = {4, 7, 10, 8, 3, 5, 0, 2};
            mods.push_back(std::make_unique<ModulationConnection>(slotId(s, 0), fx[s]));
            mods.push_back(std::make_unique<ModulationConnection>(slotId(s, 0), fx[(s + 3) % 8]));
            mods.push_back(std::make_unique<ModulationConnection>(
                slotId(s, 0), slotId((s + 1) % 8, Desc::Param_PHASE_DIST)));
        }
        for (auto& m : mods)
        {
            m->amount = 0.2;
            engine.connectModulation(m.get());
        }
        for (int i = 1; i <= PluginEngine::kNbrMacros; ++i)
        {
            const int m = PluginEngine::getMacroId(i);
            engine.getControls().at(m)->set(0.3 * i);
            macros.push_back(std::make_unique<MacroConnection>(m, i));
            macros.push_back(std::make_unique<MacroConnection>(m, slotId(i, Desc::Param_CHAOS)));
        }
        for (auto& m : macros)
        {
            m->amount = 0.1;
            m->curve.type = WavePath::Type_SQUARE;
            engine.connectMacro(m.get());
        }
    }

    void controls() { engine.processAllControls(); }

    void chunk()
    {
        controls();
        engine.processMacros(kChunk, 0);
        engine.processModulation(&buffer, 2, kChunk, 0);
        engine.processAudio(&buffer, 2, kChunk, 0);
    }

    PluginEngine engine;
    juce::AudioBuffer<float> buffer{2, kChunk};
    std::vector<std::unique_ptr<ModulationConnection>> mods;
    std::vector<std::unique_ptr<MacroConnection>> macros;
};

void report(benchmark::State& state)
{
    state.counters["rt"] =
        benchmark::Counter(double(kChunk) / kRate, benchmark::Counter::kIsIterationInvariantRate);
}

void EngineChunk_Defaults(benchmark::State& state)
{
    Rig rig(false);
    for (auto _ : state)
    {
        rig.chunk();
        benchmark::DoNotOptimize(rig.buffer.getReadPointer(0)[0]);
    }
    report(state);
}
BENCHMARK(EngineChunk_Defaults);

void EngineChunk_Heavy(benchmark::State& state)
{
    Rig rig(true);
    for (auto _ : state)
    {
        rig.chunk();
        benchmark::DoNotOptimize(rig.buffer.getReadPointer(0)[0]);
    }
    report(state);
}
BENCHMARK(EngineChunk_Heavy);

// The per-chunk control work alone: every control's process() and the eight slots going
// through their (empty) shared event list.
void EngineChunk_ControlsOnly(benchmark::State& state)
{
    Rig rig(false);
    for (auto _ : state)
    {
        rig.controls();
        rig.engine.processMacros(kChunk, 0);
        benchmark::ClobberMemory();
    }
    report(state);
}
BENCHMARK(EngineChunk_ControlsOnly);
} // namespace

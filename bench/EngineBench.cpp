#include "HeavyCase.h"
#include "dsp/plugin_engine.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace
{
constexpr double kRate = 48000.0;
constexpr int kChunk = 256;

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

    void makeHeavy() { heavy_case::apply(*this); }

    void modulate(int source, int destination, double amount)
    {
        mods.push_back(std::make_unique<ModulationConnection>(source, destination));
        mods.back()->amount = amount;
        engine.connectModulation(mods.back().get());
    }

    void macro(int source, int destination, double amount, int curve)
    {
        macros.push_back(std::make_unique<MacroConnection>(source, destination));
        macros.back()->amount = amount;
        macros.back()->curve.type = curve;
        engine.connectMacro(macros.back().get());
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

// The host's view: the whole block path, state save and restore, and construction.
#include "dsp/PluginProcessor.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace
{
// Construction runs the start-up tasks, which touch the patch and configuration folders: keep
// them in a scratch folder.
struct ScratchLocations
{
    ScratchLocations()
        : root(juce::File::getSpecialLocation(juce::File::tempDirectory)
                   .getNonexistentChildFile("crenzel-bench", ""))
    {
        root.createDirectory();
        for (const char* name : {"CRENZEL_USER_DATA_DIR", "CRENZEL_COMMON_DATA_DIR", "CRENZEL_CONFIG_DIR"})
            ::setenv(name, root.getChildFile(name).getFullPathName().toRawUTF8(), 1);
    }
    ~ScratchLocations() { root.deleteRecursively(); }
    juce::File root;
};

std::unique_ptr<PluginProcessor> makeProcessor()
{
    auto p = std::make_unique<PluginProcessor>();
    p->setPlayConfigDetails(2, 2, 48000.0, 512);
    p->prepareToPlay(48000.0, 512);
    return p;
}

// A full document: every control, a connection from every slot and macro.
void fillState(PluginProcessor& p)
{
    for (int s = 0; s < 8; ++s)
        for (int d = 0; d < 6; ++d)
            p.changeModulationAmount(15 + 74 * s, (d < 3) ? d + 3 : 20 + 74 * ((s + 1) % 8) + d,
                                     0.1 * (d + 1));
    for (int m = 0; m < 4; ++m)
        p.changeMacroAmount(607 + 3 * m, 4 + m, 0.5, WavePath{m, 0.1, 0.9});
    p.setPatchName("Bench");
}

void BM_ProcessBlock512(benchmark::State& state)
{
    ScratchLocations scratch;
    auto p = makeProcessor();
    juce::AudioBuffer<float> buf(2, 512);
    juce::MidiBuffer midi;
    juce::Random rnd(1);
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < 512; ++i)
            buf.setSample(c, i, rnd.nextFloat() * 0.5f - 0.25f);
    for (auto _ : state)
    {
        p->processBlock(buf, midi);
        benchmark::DoNotOptimize(buf.getReadPointer(0)[0]);
    }
    state.SetItemsProcessed(state.iterations() * 512);
}
BENCHMARK(BM_ProcessBlock512);

void BM_GetState(benchmark::State& state)
{
    ScratchLocations scratch;
    auto p = makeProcessor();
    fillState(*p);
    for (auto _ : state)
    {
        juce::MemoryBlock block;
        p->getStateInformation(block);
        benchmark::DoNotOptimize(block.getData());
    }
    state.SetLabel("goal < 5 ms");
}
BENCHMARK(BM_GetState)->Unit(benchmark::kMillisecond);

void BM_SetState(benchmark::State& state)
{
    ScratchLocations scratch;
    auto p = makeProcessor();
    fillState(*p);
    juce::MemoryBlock block;
    p->getStateInformation(block);
    juce::AudioBuffer<float> buf(2, 64);
    juce::MidiBuffer midi;
    for (auto _ : state)
    {
        p->setStateInformation(block.getData(), int(block.getSize()));
        state.PauseTiming();
        p->processBlock(buf, midi); // the audio thread takes the queued changes
        state.ResumeTiming();
    }
    state.SetLabel("goal < 5 ms");
}
BENCHMARK(BM_SetState)->Unit(benchmark::kMillisecond);

void BM_Construct(benchmark::State& state)
{
    ScratchLocations scratch;
    for (auto _ : state)
    {
        auto p = std::make_unique<PluginProcessor>();
        benchmark::DoNotOptimize(p.get());
    }
    state.SetLabel("goal < 50 ms");
}
BENCHMARK(BM_Construct)->Unit(benchmark::kMillisecond);

} // namespace

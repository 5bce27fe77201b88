// The processor's own realtime factor, for comparison with crenzel-render's summary line.
#include <benchmark/benchmark.h>
#include <juce_audio_processors/juce_audio_processors.h>

#include <cmath>
#include <cstdlib>

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter();

namespace
{
class FixedPlayHead : public juce::AudioPlayHead
{
public:
    juce::int64 time = 0;
    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo p;
        p.setBpm(120.0);
        p.setIsPlaying(true);
        p.setTimeInSamples(time);
        return p;
    }
};

// Stereo at 48 kHz in host blocks of the given size, default program, like the renderer's demo.
void BM_ProcessorRealtime(benchmark::State& state)
{
    // Banks and settings go to a scratch folder, never the user's own.
    const juce::File root = juce::File::getSpecialLocation(juce::File::tempDirectory)
                                .getNonexistentChildFile("crenzel-bench", "", false);
    root.createDirectory();
    for (const char* name : {"CRENZEL_USER_DATA_DIR", "CRENZEL_COMMON_DATA_DIR", "CRENZEL_CONFIG_DIR"})
        ::setenv(name, root.getChildFile(name).getFullPathName().toRawUTF8(), 1);
    {
        juce::ScopedJuceInitialiser_GUI juce;
        const double rate = 48000.0;
        const int block = int(state.range(0));
        std::unique_ptr<juce::AudioProcessor> proc(createPluginFilter());
        FixedPlayHead head;
        proc->setPlayHead(&head);
        proc->prepareToPlay(rate, block);
        const int length = int(rate * 2);
        juce::AudioBuffer<float> input(2, length);
        juce::Random rng(1);
        for (int i = 0; i < length; ++i)
        {
            const float s = 0.3f * std::sin(float(i) * 0.01f) + 0.2f * (rng.nextFloat() - 0.5f);
            input.setSample(0, i, s);
            input.setSample(1, i, s * 0.8f);
        }
        juce::AudioBuffer<float> buf(2, block);
        juce::MidiBuffer midi;
        juce::int64 pos = 0;
        for (auto _ : state)
        {
            const int at = int(pos % (length - block));
            buf.copyFrom(0, 0, input, 0, at, block);
            buf.copyFrom(1, 0, input, 1, at, block);
            head.time = pos;
            proc->processBlock(buf, midi);
            benchmark::DoNotOptimize(buf.getReadPointer(0));
            pos += block;
        }
        state.SetItemsProcessed(state.iterations() * block);
        state.counters["realtime"] =
            benchmark::Counter(double(state.iterations()) * block / rate, benchmark::Counter::kIsRate);
        proc->setPlayHead(nullptr);
    }
    root.deleteRecursively();
}
BENCHMARK(BM_ProcessorRealtime)->Arg(512)->Arg(64);
} // namespace

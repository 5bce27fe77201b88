// Renders a fixed stereo input through the plug-in's processor for the CPU budget check. Under
// callgrind (--instr-atstart=no) only the rendering loop is instrumented; without valgrind the
// same loop is timed.
#include "HeavyCase.h"
#include "dsp/PluginProcessor.h"
#include "zun/archi/CpuId.h"

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_STOP_INSTRUMENTATION
#define RUNNING_ON_VALGRIND 0
#endif

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace
{
constexpr double kRate = 48000.0;

// Construction runs the start-up tasks, which touch the patch and configuration folders: an
// empty scratch folder keeps the real ones out and leaves the processor on its control defaults.
struct ScratchLocations
{
    ScratchLocations()
        : root(juce::File::getSpecialLocation(juce::File::tempDirectory)
                   .getNonexistentChildFile("crenzel-cpubudget", ""))
    {
        root.createDirectory();
        for (const char* name : {"CRENZEL_USER_DATA_DIR", "CRENZEL_COMMON_DATA_DIR", "CRENZEL_CONFIG_DIR"})
            ::setenv(name, root.getChildFile(name).getFullPathName().toRawUTF8(), 1);
    }
    ~ScratchLocations() { root.deleteRecursively(); }
    juce::File root;
};

// The heavy patch through the editor's own calls, so the processor's queues carry it.
struct ProcessorTarget
{
    void set(int id, double v) { p.valueChanged(id, v); }
    void modulate(int source, int destination, double amount)
    {
        p.changeModulationAmount(source, destination, amount);
    }
    void macro(int source, int destination, double amount, int curve)
    {
        p.changeMacroAmount(source, destination, amount, WavePath{curve, 0.0, 1.0});
    }
    PluginProcessor& p;
};

// Bursts on a slow sine, different per channel, plus a little seeded noise: the follower and
// the bands see both loud and quiet passages.
void fillInput(juce::AudioBuffer<float>& buf)
{
    juce::Random rnd(1);
    for (int c = 0; c < buf.getNumChannels(); ++c)
    {
        float* d = buf.getWritePointer(c);
        for (int i = 0; i < buf.getNumSamples(); ++i)
        {
            const float env = (i % 4800) < 600 ? 1.0f : 0.2f;
            d[i] = env * (0.4f * float(std::sin(0.05 * i + c)) + 0.05f * (rnd.nextFloat() - 0.5f));
        }
    }
}

// Every block is a view on the long buffer, processed in place: nothing but processBlock runs
// per block.
void render(PluginProcessor& p, juce::AudioBuffer<float>& buf, int block, juce::MidiBuffer& midi)
{
    float* const* chans = buf.getArrayOfWritePointers();
    const int total = buf.getNumSamples();
    for (int pos = 0; pos < total; pos += block)
    {
        juce::AudioBuffer<float> view(chans, buf.getNumChannels(), pos, std::min(block, total - pos));
        p.processBlock(view, midi);
    }
}

int usage()
{
    std::cerr << "usage: crenzel-cpubudget default|heavy BLOCK [SECONDS [REPEATS]]\n"
                 "  Renders SECONDS (10) of stereo input at 48 kHz in blocks of BLOCK samples,\n"
                 "  REPEATS (1) times, and prints the wall-clock time of the fastest render.\n";
    return 2;
}

int run(int argc, char* argv[])
{
    if (argc < 3)
        return usage();
    const std::string kind = argv[1];
    const int block = std::atoi(argv[2]);
    const double seconds = argc > 3 ? std::atof(argv[3]) : 10.0;
    const int repeats = argc > 4 ? std::atoi(argv[4]) : 1;
    if ((kind != "default" && kind != "heavy") || block < 1 || block > 8192 || !(seconds > 0.0) ||
        seconds > 600.0 || repeats < 1)
        return usage();

    ScratchLocations scratch;
    auto p = std::make_unique<PluginProcessor>();
    p->setPlayConfigDetails(2, 2, kRate, block);
    p->prepareToPlay(kRate, block);
    if (kind == "heavy")
    {
        ProcessorTarget target{*p};
        heavy_case::apply(target);
    }

    const int total = int(std::lround(seconds * kRate));
    juce::AudioBuffer<float> input(2, total);
    fillInput(input);
    juce::AudioBuffer<float> buf(2, total);
    juce::MidiBuffer midi;

    // Half a second first: the queued patch reaches the engine and the smoothers settle, so the
    // count is of steady rendering.
    juce::AudioBuffer<float> warm(2, int(kRate / 2));
    for (int c = 0; c < 2; ++c)
        warm.copyFrom(c, 0, input, c, 0, warm.getNumSamples());
    render(*p, warm, block, midi);

    double best = 0.0;
    for (int r = 0; r < repeats; ++r)
    {
        buf.makeCopyOf(input, true);
        const auto start = std::chrono::steady_clock::now();
        CALLGRIND_START_INSTRUMENTATION;
        render(*p, buf, block, midi);
        CALLGRIND_STOP_INSTRUMENTATION;
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        best = r == 0 ? s : std::min(best, s);
    }

    double energy = 0.0;
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < total; ++i)
            energy += double(buf.getSample(c, i)) * buf.getSample(c, i);
    const auto& cpu = zun::archi::CpuId::use_instance();
    std::cout << "case=" << kind << " block=" << block << " samples=" << total
              << " modulations=" << p->getModulationConnections().size()
              << " macros=" << p->getMacroConnections().size() << " rms=" << std::sqrt(energy / (2.0 * total))
              << " wall_ms=" << 1000.0 * best << " realtime=" << seconds / best << "x"
              << " cpu_sse=" << cpu.has_sse() << cpu.has_sse2() << cpu.has_sse3()
              << " valgrind=" << (RUNNING_ON_VALGRIND ? 1 : 0) << std::endl;
    return std::isfinite(energy) ? 0 : 1;
}
} // namespace

int main(int argc, char* argv[])
{
    // The processor posts notifications to a message thread; this one is it, and never runs a loop.
    juce::ScopedJuceInitialiser_GUI juce;
    return run(argc, argv);
}

// Real-time safety check. The sanitizer runtime linked into this program intercepts allocation,
// locking and blocking calls; the processor enters its real-time context for every block, so any
// such call made while a block is processed ends the run with a report and a non-zero exit. The
// session plays the processor built into this program or a built bundle loaded the way hosts do.
// The runtime cannot start its symbolizer here: its report gives module and offset of each frame
// (addr2line -Cfpe MODULE OFFSET names them).
#include "RtSession.h"
#include "dsp/PluginProcessor.h"
#include "gui/patches/LoadSave.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_events/juce_events.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>

extern "C" void __rtsan_realtime_enter();
extern "C" void __rtsan_realtime_exit();

namespace
{
int usage()
{
    std::fprintf(stderr, "usage: crenzel-rtcheck builtin|VST3 BUNDLE|LV2 URI SEARCH-FOLDER [--presets DIR]\n"
                         "       crenzel-rtcheck self-test alloc|lock\n");
    return 2;
}

// The runtime itself, without any plug-in code: a violation inside a context this program
// enters must end the run.
int selfTest(const juce::String& kind)
{
    static std::mutex mutex;
    __rtsan_realtime_enter();
    if (kind == "lock")
    {
        mutex.lock();
        mutex.unlock();
    }
    else
    {
        void* volatile p = std::malloc(32);
        std::free(p);
    }
    __rtsan_realtime_exit();
    std::printf("self-test: no violation reported\n");
    return 0;
}

// Factory patches become the processor's programs.
void installPresets(const juce::File& presets)
{
    const juce::File from = presets.getChildFile("Factory");
    if (!from.isDirectory() || !from.copyDirectoryTo(LoadSave::getFactoryBankDirectory()))
        std::fprintf(stderr, "warning: no factory patches copied from %s\n",
                     from.getFullPathName().toRawUTF8());
}

std::unique_ptr<juce::AudioPluginInstance> loadBundle(juce::AudioPluginFormatManager& formats,
                                                      const juce::String& kind, const juce::String& target,
                                                      const juce::String& folder, double rate, int block)
{
    juce::AudioPluginFormat* format = nullptr;
    for (auto* f : formats.getFormats())
        if (f->getName().equalsIgnoreCase(kind))
            format = f;
    if (format == nullptr)
        return nullptr;
    // LV2 plug-ins are found by URI among the bundles of a search path.
    if (folder.isNotEmpty())
        format->searchPathsForPlugins(juce::FileSearchPath(folder), true, false);
    juce::OwnedArray<juce::PluginDescription> found;
    format->findAllTypesForFile(found, target);
    if (found.size() != 1)
        return nullptr;
    juce::String error;
    auto p = formats.createPluginInstance(*found[0], rate, block, error);
    if (p == nullptr)
        std::fprintf(stderr, "cannot create the plug-in: %s\n", error.toRawUTF8());
    return p;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const juce::String kind(argv[1]);
    if (kind == "self-test")
        return selfTest(argc > 2 ? juce::String(argv[2]) : juce::String());

    juce::String target, folder, presets;
    int next = 2;
    if (kind.equalsIgnoreCase("VST3") && argc > 2)
        target = argv[next++];
    else if (kind.equalsIgnoreCase("LV2") && argc > 3)
    {
        target = argv[next++];
        folder = argv[next++];
    }
    else if (kind != "builtin")
        return usage();
    for (; next < argc; ++next)
        if (juce::String(argv[next]) == "--presets" && next + 1 < argc)
            presets = argv[++next];
        else
            return usage();

    const auto t0 = std::chrono::steady_clock::now();
    juce::ScopedJuceInitialiser_GUI juce_init;
    if (presets.isNotEmpty())
        installPresets(juce::File(presets));

    constexpr double rate = 48000.0;
    constexpr int max_block = 1024;
    juce::AudioPluginFormatManager formats;
    formats.addDefaultFormats();
    std::unique_ptr<juce::AudioProcessor> proc;
    if (kind == "builtin")
        proc.reset(createPluginFilter());
    else
        proc = loadBundle(formats, kind, target, folder, rate, max_block);
    if (proc == nullptr)
    {
        std::fprintf(stderr, "FAIL: no %s plug-in at %s\n", kind.toRawUTF8(), target.toRawUTF8());
        return 1;
    }
    auto* local = dynamic_cast<PluginProcessor*>(proc.get());
    // Learned controllers drive an effect control, a slot control and a macro from the first block
    // on, whatever an earlier run left in the configuration.
    if (local != nullptr)
        local->getMidiManager()->setMidiLearnMap({{1, {{4, {0.0, 1.0}}}},
                                                  {74, {{PluginEngine::kFirstSlotId + 3, {0.2, 0.8}}}},
                                                  {11, {{PluginEngine::getMacroId(2), {0.0, 1.0}}}}});

    {
        RtSession session(*proc, local != nullptr);
        juce::Random rnd(7);
        const int nbr_params = session.get_nbr_automated();
        auto& params = proc->getParameters();
        // What an editor does meanwhile: knob moves, and with the built-in processor also
        // modulation and macro connections made and removed.
        int nbr_edits = 0;
        const auto edit = [&]
        {
            // Now and then the host saves the state and restores it: a whole patch at once.
            if (++nbr_edits % 40 == 0)
            {
                juce::MemoryBlock state;
                proc->getStateInformation(state);
                proc->setStateInformation(state.getData(), int(state.getSize()));
            }
            if (auto* p = params[rnd.nextInt(params.size())]; p != proc->getBypassParameter())
                p->setValueNotifyingHost(rnd.nextFloat());
            if (local == nullptr)
                return;
            const int slot = rnd.nextInt(PluginEngine::kNbrSlots);
            const int dst = rnd.nextBool() ? rnd.nextInt(11) : PluginEngine::kFirstSlotId + rnd.nextInt(592);
            local->changeModulationAmount(PluginEngine::getModulationSourceId(slot), dst,
                                          rnd.nextInt(5) == 0 ? 0.0 : rnd.nextDouble() * 2.0 - 1.0);
            local->changeMacroAmount(PluginEngine::getMacroId(1 + rnd.nextInt(4)), rnd.nextInt(11),
                                     rnd.nextDouble(), WavePath{rnd.nextInt(5), 0.0, 1.0});
        };

        const auto phase = [](const char* what)
        {
            std::printf("%s\n", what);
            std::fflush(stdout);
        };
        phase("default patch");
        session.prepare(rate, max_block);
        session.play(100);
        phase("host automation and edits");
        session.set_automation(8);
        session.play(400, edit);

        // Every program, a few blocks each, the host's automation lighter so the patch shows.
        const int nbr_programs = proc->getNumPrograms();
        phase("every program");
        session.set_automation(1);
        for (int i = 0; i < nbr_programs; ++i)
        {
            proc->setCurrentProgram(i);
            session.play(24);
        }
        phase("MIDI learn, automation and edits");
        if (local != nullptr)
            local->armMidiLearn(PluginEngine::kFirstEffectId + 4, 0.0, 1.0);
        session.set_automation(8);
        session.play(300, edit);

        // Hosts prepare again with other rates and sizes.
        phase("other rates and block sizes");
        session.release();
        session.prepare(44100.0, 512);
        session.play(200, edit);
        session.release();
        session.prepare(96000.0, 256);
        session.play(200, edit);
        session.release();

        const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        // Most blocks are processed (not bypassed): otherwise the session checked little.
        const bool processed = session.get_nbr_changed() * 2 > session.get_nbr_blocks();
        std::printf("%s: %s, %lld blocks (%lld changed by the plug-in), %lld samples, %d programs, %d "
                    "automated parameters, %.1f s, no real-time violation\n",
                    processed ? "ok" : "FAIL", kind.toRawUTF8(), (long long)session.get_nbr_blocks(),
                    (long long)session.get_nbr_changed(), (long long)session.get_nbr_spl(), nbr_programs,
                    nbr_params, secs);
        if (!processed)
            return 1;
    }
    return 0;
}

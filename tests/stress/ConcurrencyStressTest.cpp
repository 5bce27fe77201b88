// The threads a host really runs, all at once: an audio thread processing blocks, a message
// thread editing connections, loading patches and saving the state, and a host thread automating
// parameters. Built with ThreadSanitizer (scripts/sanitize.sh tsan) this is the data race check;
// in the plain build it still requires finite output and readable states.
#include "dsp/ProcessorFixture.h"

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

#ifndef CRENZEL_PRESETS_DIR
#define CRENZEL_PRESETS_DIR ""
#endif

namespace crenzel_test
{
namespace
{

constexpr double kRate = 48000.0;
constexpr int kMaxBlock = 1024;
// Seconds of audio the audio thread renders; CRENZEL_STRESS_SECONDS asks for more (or less).
constexpr double kDefaultSeconds = 20.0;
// A controller learned before the run, so that the audio thread itself changes a control.
constexpr int kLearnedId = 7;
constexpr int kLearnedCc = 20;

double renderSeconds()
{
    const char* s = std::getenv("CRENZEL_STRESS_SECONDS");
    const double x = s != nullptr ? std::atof(s) : 0.0;
    return x > 0.0 ? x : kDefaultSeconds;
}

std::vector<juce::var> factoryPatches()
{
    std::vector<juce::var> out;
    auto files = juce::File(CRENZEL_PRESETS_DIR)
                     .getChildFile("Factory")
                     .findChildFiles(juce::File::findFiles, true, juce::String("*.") + PATCH_EXTENSION);
    files.sort();
    for (const auto& f : files)
        out.push_back(juce::JSON::parse(f.loadFileAsString()));
    return out;
}

bool isSavedState(const juce::MemoryBlock& block)
{
    const juce::var doc = juce::JSON::parse(
        juce::String::fromUTF8(static_cast<const char*>(block.getData()), int(block.getSize())));
    return doc["settings"].isObject();
}

class ConcurrencyStress : public ProcessorTest
{
};

TEST_F(ConcurrencyStress, AudioRunsWhileMessageThreadLoadsAndHostAutomates)
{
    const auto patches = factoryPatches();
    ASSERT_FALSE(patches.empty()) << CRENZEL_PRESETS_DIR;
    const auto nbr_samples = static_cast<long long>(renderSeconds() * kRate);

    proc->setPlayConfigDetails(2, 2, kRate, kMaxBlock);
    proc->prepareToPlay(kRate, kMaxBlock);
    TestPlayHead head;
    head.playing = true;
    proc->setPlayHead(&head);
    proc->armMidiLearn(kLearnedId, 0.0, 1.0);

    juce::MemoryBlock initial;
    proc->getStateInformation(initial);

    std::atomic<bool> stop{false};
    std::atomic<long long> nbr_rendered{0};
    std::atomic<int> nbr_bad_samples{0};
    std::atomic<long> nbr_automations{0};

    // Variable block lengths, notes, a learned controller and tempo changes: the audio thread
    // stores controls itself (the controller) and converts beats (the tempo).
    std::thread audio(
        [&]
        {
            std::mt19937 rng(5);
            juce::AudioBuffer<float> buf(2, kMaxBlock);
            juce::MidiBuffer midi;
            midi.ensureSize(256);
            long long done = 0;
            for (int b = 0; done < nbr_samples; ++b)
            {
                const int n = 1 + int(rng() % kMaxBlock);
                juce::AudioBuffer<float> view(buf.getArrayOfWritePointers(), 2, n);
                fill(view);
                midi.clear();
                if (b % 40 == 0)
                    midi.addEvent(juce::MidiMessage::noteOn(1, 48 + b % 24, 0.8f), int(rng() % unsigned(n)));
                if (b % 40 == 20)
                    midi.addEvent(juce::MidiMessage::allNotesOff(1), 0);
                if (b % 8 == 0)
                    midi.addEvent(juce::MidiMessage::controllerEvent(1, kLearnedCc, int(rng() % 128)), 0);
                if (b % 100 == 0)
                    head.bpm = 60.0 + double(rng() % 140);
                head.samples = done;
                proc->processBlock(view, midi);
                for (int c = 0; c < 2; ++c)
                    for (int i = 0; i < n; ++i)
                        if (!std::isfinite(view.getSample(c, i)))
                            nbr_bad_samples.fetch_add(1);
                done += n;
                nbr_rendered.store(done);
            }
            stop = true;
        });

    // Every host parameter but the bypass, which would leave the blocks unrendered.
    std::thread host(
        [&]
        {
            std::mt19937 rng(11);
            const auto& params = proc->getParameters();
            const auto nbr_automatable = unsigned(params.size() - 1);
            long k = 0;
            for (; !stop; ++k)
            {
                if (k % 8 == 0)
                    std::this_thread::sleep_for(std::chrono::microseconds(100));
                auto* p = params[int(rng() % nbr_automatable)];
                p->beginChangeGesture();
                p->setValueNotifyingHost(float(rng() % 1001) / 1000.0f);
                p->endChangeGesture();
                (void)p->getValue(); // as a host shows it
            }
            nbr_automations.store(k);
        });

    // This thread is the message thread: the fixture's JUCE initialiser made it so.
    std::mt19937 rng(7);
    int nbr_saves = 0;
    int nbr_bad_saves = 0;
    for (int k = 0; !stop; ++k)
    {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        const int slot = int(rng() % PluginEngine::kNbrSlots);
        const int dst = (rng() % 2) ? int(rng() % 11) : PluginEngine::kFirstSlotId + int(rng() % 592);
        proc->changeModulationAmount(PluginEngine::getModulationSourceId(slot), dst,
                                     double(int(rng() % 201) - 100) / 100.0);
        proc->changeMacroAmount(PluginEngine::getMacroId(1 + int(rng() % 4)), int(rng() % 11),
                                double(rng() % 100) / 100.0, WavePath{int(rng() % 5), 0.0, 1.0});
        switch (k % 40)
        {
        case 5:
        case 25:
            proc->loadFromVar(patches[size_t(rng() % patches.size())]);
            break;
        case 10:
        {
            juce::MemoryBlock block;
            proc->getStateInformation(block);
            ++nbr_saves;
            if (!isSavedState(block))
                ++nbr_bad_saves;
            break;
        }
        case 20:
            proc->setStateInformation(initial.getData(), int(initial.getSize()));
            break;
        case 30:
            proc->loadFromVar(proc->saveToVar("stress", ""));
            break;
        case 35:
            proc->getMidiManager()->handlePendingFileWork();
            break;
        case 39:
            proc->clearModulations();
            break;
        default:
            break;
        }
    }
    audio.join();
    host.join();
    proc->setPlayHead(nullptr);

    EXPECT_GE(nbr_rendered.load(), nbr_samples);
    EXPECT_EQ(nbr_bad_samples.load(), 0);
    EXPECT_GT(nbr_automations.load(), 0);
    EXPECT_GT(nbr_saves, 0);
    EXPECT_EQ(nbr_bad_saves, 0);
    proc->getMidiManager()->handlePendingFileWork();
    EXPECT_TRUE(proc->isMidiMapped(kLearnedId));
}

} // namespace
} // namespace crenzel_test

// The threads a host really runs, all at once: an audio thread processing blocks, a message
// thread editing connections and loading and saving the state, and a host thread automating
// parameters. Built with ThreadSanitizer (scripts/sanitize.sh tsan) this is the data race check;
// in the plain build it still requires finite output and restorable states.
#include "dsp/ProcessorFixture.h"

#include <atomic>
#include <cmath>
#include <random>
#include <thread>

namespace crenzel_test
{
namespace
{

class ConcurrencyStress : public ProcessorTest
{
};

// 2000 blocks of 480 samples at 48 kHz: 20 s of audio.
TEST_F(ConcurrencyStress, AudioRunsWhileMessageThreadLoadsAndHostAutomates)
{
    constexpr int kBlocks = 2000;
    constexpr int kBlockLen = 480;
    proc->setPlayConfigDetails(2, 2, 48000.0, kBlockLen);
    proc->prepareToPlay(48000.0, kBlockLen);

    juce::MemoryBlock initial;
    proc->getStateInformation(initial);

    std::atomic<bool> stop{false};
    std::atomic<int> nbr_bad_samples{0};
    std::atomic<int> nbr_blocks{0};

    std::thread audio(
        [&]
        {
            juce::AudioBuffer<float> buf(2, kBlockLen);
            juce::MidiBuffer midi;
            for (int b = 0; b < kBlocks; ++b)
            {
                fill(buf);
                midi.clear();
                if (b % 50 == 0)
                    midi.addEvent(juce::MidiMessage::noteOn(1, 60 + b % 12, 0.8f), b % kBlockLen);
                if (b % 50 == 25)
                    midi.addEvent(juce::MidiMessage::allNotesOff(1), 0);
                proc->processBlock(buf, midi);
                for (int c = 0; c < 2; ++c)
                    for (int i = 0; i < kBlockLen; ++i)
                        if (!std::isfinite(buf.getSample(c, i)))
                            nbr_bad_samples.fetch_add(1);
                nbr_blocks.store(b + 1);
            }
            stop = true;
        });

    std::thread host(
        [&]
        {
            std::mt19937 rng(11);
            const auto& params = proc->getParameters();
            for (int k = 0; !stop; ++k)
            {
                if (k % 8 == 0)
                    std::this_thread::sleep_for(std::chrono::microseconds(100));
                auto* p = params[int(rng() % unsigned(params.size()))];
                p->setValueNotifyingHost(float(rng() % 1001) / 1000.0f);
            }
        });

    // This thread is the message thread: the fixture's JUCE initialiser made it so.
    std::mt19937 rng(7);
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
        case 10:
        {
            juce::MemoryBlock block;
            proc->getStateInformation(block);
            if (!juce::JSON::parse(juce::String::fromUTF8(static_cast<const char*>(block.getData()),
                                                          int(block.getSize())))["settings"]
                     .isObject())
                ++nbr_bad_saves;
            break;
        }
        case 20:
            proc->setStateInformation(initial.getData(), int(initial.getSize()));
            break;
        case 30:
            proc->loadFromVar(proc->saveToVar("stress", ""));
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

    EXPECT_EQ(nbr_blocks.load(), kBlocks);
    EXPECT_EQ(nbr_bad_samples.load(), 0);
    EXPECT_EQ(nbr_bad_saves, 0);
}

} // namespace
} // namespace crenzel_test

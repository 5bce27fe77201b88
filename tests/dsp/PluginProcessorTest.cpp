#include "dsp/ProcessorFixture.h"
#include "support/AllocCounter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstring>
#include <random>
#include <set>
#include <thread>

namespace
{
using crenzel_test::ClockedProcessor;
using crenzel_test::ProcessorTest;
using crenzel_test::TempLocations;
using crenzel_test::TestPlayHead;

using PluginProcessorTest = ProcessorTest;

TEST_F(PluginProcessorTest, PublishesOneParameterPerControlInIdOrderThenBypass)
{
    const auto& params = proc->getParameters();
    const auto& controls = proc->getControls();
    ASSERT_EQ(params.size(), int(controls.size()) + 1);
    EXPECT_EQ(params.size(), 615);
    int index = 0;
    for (const auto& [id, control] : controls)
    {
        auto* p = dynamic_cast<juce::HostedAudioProcessorParameter*>(params[index++]);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->getParameterID(), juce::String(id));
    }
    auto* bypass = params.getLast();
    EXPECT_EQ(bypass, proc->getBypassParameter());
    EXPECT_EQ(dynamic_cast<juce::AudioParameterBool*>(bypass)->getParameterID(), "bypass");
    EXPECT_EQ(bypass->getName(100), "Bypass");
    // Beats controls get the tempo variant.
    EXPECT_NE(dynamic_cast<TempoValueBridge*>(proc->getBridge(17)), nullptr);
    EXPECT_EQ(dynamic_cast<TempoValueBridge*>(proc->getBridge(16)), nullptr);
}

// The LV2 client makes Turtle names of the ids and replaces a leading digit, which made most
// decimal ids collide; under LV2 every id starts with a letter.
TEST(PluginProcessorIds, Lv2IdsStartWithALetterAndStayDistinct)
{
    juce::AudioProcessor::setTypeOfNextNewPlugin(juce::AudioProcessor::wrapperType_LV2);
    auto lv2 = std::make_unique<PluginProcessor>();
    juce::AudioProcessor::setTypeOfNextNewPlugin(juce::AudioProcessor::wrapperType_Undefined);
    std::set<juce::String> seen;
    for (auto* prm : lv2->getParameters())
    {
        auto* p = dynamic_cast<juce::HostedAudioProcessorParameter*>(prm);
        ASSERT_NE(p, nullptr);
        const juce::String id = p->getParameterID();
        EXPECT_TRUE(juce::CharacterFunctions::isLetter(id[0])) << id;
        EXPECT_TRUE(seen.insert(id).second) << id;
        if (auto* bridge = dynamic_cast<ValueBridge*>(prm))
        {
            EXPECT_EQ(id, "p" + juce::String(bridge->getControlId()));
        }
    }
    EXPECT_EQ(seen.size(), 615u);
}

TEST_F(PluginProcessorTest, FixedAnswers)
{
    EXPECT_EQ(proc->getName(), "Crenzel");
    EXPECT_EQ(proc->getInputChannelName(1), "2");
    EXPECT_TRUE(proc->acceptsMidi() && proc->producesMidi());
    EXPECT_FALSE(proc->silenceInProducesSilenceOut());
    EXPECT_TRUE(proc->hasEditor());
    EXPECT_EQ(proc->getNumPrograms(), 1);
    EXPECT_EQ(proc->getCurrentProgram(), -1);
    EXPECT_TRUE(proc->getProgramName(0).isEmpty());
    EXPECT_TRUE(proc->getProgramName(-3).isEmpty());
}

TEST_F(PluginProcessorTest, AcceptsMonoAndStereoLayoutsOnly)
{
    using Set = juce::AudioChannelSet;
    struct Case
    {
        Set in, out;
        bool ok;
    } cases[] = {{Set::mono(), Set::mono(), true},           {Set::mono(), Set::stereo(), true},
                 {Set::stereo(), Set::stereo(), true},       {Set::stereo(), Set::mono(), false},
                 {Set::disabled(), Set::stereo(), false},    {Set::stereo(), Set::create5point1(), false},
                 {Set::quadraphonic(), Set::stereo(), false}};
    for (const auto& c : cases)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add(c.in);
        layout.outputBuses.add(c.out);
        EXPECT_EQ(proc->checkBusesLayoutSupported(layout), c.ok)
            << c.in.getDescription() << " -> " << c.out.getDescription();
    }
}

TEST_F(PluginProcessorTest, BypassAtOneHalfLeavesTheBlockAsItCame)
{
    run(*proc, 512);
    juce::AudioBuffer<float> dry(2, 256);
    fill(dry);
    for (const float b : {0.5f, 0.49f})
    {
        static_cast<juce::AudioProcessorParameter*>(proc->getBypass())->setValue(b);
        const auto wet = run(*proc);
        bool same = true;
        for (int i = 0; i < 256; ++i)
            same = same && wet.getSample(0, i) == dry.getSample(0, i);
        EXPECT_EQ(same, b >= 0.5f) << b;
    }
}

// Both ways a host bypasses: its own bypassed call, or the normal call with the bypass parameter on.
TEST_F(PluginProcessorTest, BypassedBlocksStillTakeInQueuedChanges)
{
    for (const bool through_parameter : {false, true})
    {
        auto p = make();
        if (through_parameter)
            static_cast<juce::AudioProcessorParameter*>(p->getBypass())->setValue(1.0f);
        p->changeModulationAmount(15, 4, 0.5);
        juce::AudioBuffer<float> buf(2, 64);
        fill(buf);
        juce::AudioBuffer<float> copy(buf);
        juce::MidiBuffer midi;
        if (through_parameter)
            p->processBlock(buf, midi);
        else
            p->processBlockBypassed(buf, midi);
        EXPECT_EQ(p->getEngine().getActiveModulations().size(), 1u) << through_parameter;
        EXPECT_EQ(buf.getSample(1, 10), copy.getSample(1, 10)) << through_parameter;
    }
}

// Mono in, mono out and mono in, stereo out run the same without touching the heap, with blocks
// of 0 and 1 sample and larger than announced.
TEST_F(PluginProcessorTest, BlocksOfAnySizeAndLayoutNeverAllocate)
{
    TestPlayHead head;
    head.playing = true;
    for (auto [ins, outs] : {std::pair{1, 1}, std::pair{1, 2}, std::pair{2, 2}})
    {
        auto p = make(ins, outs);
        p->setPlayHead(&head);
        p->changeModulationAmount(15, 4, 0.5);
        p->changeMacroAmount(607, 7, 0.3, WavePath{});
        juce::AudioBuffer<float> buf(std::max(ins, outs), 3000);
        juce::MidiBuffer midi;
        midi.addEvent(juce::MidiMessage::controllerEvent(1, 7, 64), 255);
        midi.addEvent(juce::MidiMessage::noteOn(1, 60, 0.5f), 256);
        for (int i = 0; i < 4; ++i) // warm-up: queues, producers, first routing
        {
            fill(buf);
            p->processBlock(buf, midi);
            p->modulatorChangedInternal(17, 1.0 + i);
            p->valueChangedInternal(4, 500.0 + i);
        }
        p->valueChangedInternal(4, 2000.0);
        p->modulatorChangedInternal(17, 3.0);
        p->changeModulationAmount(15, 4, 0.0);
        long allocations = 0;
        {
            AllocCounter counter;
            for (const int n : {0, 1, 256, 600, 3000, 7})
            {
                head.bpm = 100.0 + n;
                head.samples = -1000 * n;
                juce::AudioBuffer<float> view(buf.getArrayOfWritePointers(), buf.getNumChannels(), n);
                p->processBlock(view, midi);
            }
            allocations = counter.get();
        }
        EXPECT_EQ(allocations, 0) << ins << " -> " << outs;
        for (int c = 0; c < buf.getNumChannels(); ++c)
            for (int i = 0; i < 3000; ++i)
                ASSERT_TRUE(std::isfinite(buf.getSample(c, i)));
        p->setPlayHead(nullptr);
    }
}

TEST_F(PluginProcessorTest, SavedStateIsJsonAndOneZeroByteAndRestoresEverything)
{
    proc->valueChangedInternal(0, 0.5); // input gain: a global setting
    proc->valueChangedInternal(4, 3000.0);
    proc->modulatorChangedInternal(20, 0.3);
    proc->changeModulationAmount(89, 7, -0.4);
    proc->changeMacroAmount(613, 4, 0.6, WavePath{WavePath::Type_SQUARE_INV, 0.1, 0.9});
    proc->setPatchName("Funk");
    proc->setFolderName("Bass");
    proc->setMacroName("Macro 3", "Wobble");

    juce::MemoryBlock block;
    proc->getStateInformation(block);
    ASSERT_GT(block.getSize(), 2u);
    const char* bytes = static_cast<const char*>(block.getData());
    EXPECT_EQ(bytes[block.getSize() - 1], '\0');
    EXPECT_EQ(std::strlen(bytes), block.getSize() - 1);
    juce::var doc;
    ASSERT_TRUE(juce::JSON::parse(juce::String::fromUTF8(bytes), doc).wasOk());
    auto* obj = doc.getDynamicObject();
    ASSERT_NE(obj, nullptr);
    const char* order[] = {"dsp_version", "patch_name", "folder_name", "Macro 1", "Macro 2",
                           "Macro 3",     "Macro 4",    "author",      "info",    "settings"};
    ASSERT_EQ(obj->getProperties().size(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(obj->getProperties().getName(i).toString(), order[i]);

    auto other = make();
    other->setStateInformation(block.getData(), int(block.getSize()));
    for (const auto& [id, control] : proc->getControls())
        EXPECT_NEAR(other->getControls().at(id)->value(), control->value(),
                    1e-5 * (1.0 + std::abs(control->value())))
            << id;
    EXPECT_NEAR(other->getControls().at(0)->value(), value(0), 1e-6);
    ASSERT_NE(other->getModulationConnection(89, 7), nullptr);
    EXPECT_DOUBLE_EQ(other->getModulationAmount(other->getModulationConnection(89, 7)), -0.4);
    const auto macro = other->getMacroSetting(other->getMacroConnection(613, 4));
    EXPECT_DOUBLE_EQ(macro.first, 0.6);
    EXPECT_EQ(macro.second.type, WavePath::Type_SQUARE_INV);
    EXPECT_DOUBLE_EQ(macro.second.curve_max, 0.9);
    EXPECT_EQ(other->getPatchName(), "Funk");
    EXPECT_EQ(other->getFolderName(), "Bass");
    EXPECT_EQ(other->getMacroName("Macro 3"), "Wobble");
    EXPECT_EQ(other->getCurrentProgram(), -1);
}

TEST_F(PluginProcessorTest, ProgramChangesWithinHalfASecondOfAStateRestoreAreIgnored)
{
    TempLocations::write(locations.bankFolder(), "Factory/A/First.fpx", TempLocations::patchText("1.0.0"));
    TempLocations::write(locations.bankFolder(), "Factory/A/It gets funkier.fpx",
                         TempLocations::patchText("1.0.0", "funk"));
    auto p = make();
    EXPECT_EQ(p->getNumPrograms(), 2);
    EXPECT_EQ(p->getCurrentProgram(), 1); // the default patch
    EXPECT_EQ(p->getProgramName(1), "It gets funkier");
    EXPECT_EQ(p->getPatchName(), "It gets funkier");
    EXPECT_EQ(p->getFolderName(), "A");

    juce::MemoryBlock block;
    p->getStateInformation(block);
    p->setStateInformation(block.getData(), int(block.getSize()));
    p->now += 300;
    p->setCurrentProgram(0);
    EXPECT_EQ(p->getCurrentProgram(), 1);
    p->now += 300;
    p->setCurrentProgram(0);
    EXPECT_EQ(p->getCurrentProgram(), 0);
    EXPECT_EQ(p->getPatchName(), "First");
    EXPECT_EQ(p->getAuthor(), "someone");
}

TEST_F(PluginProcessorTest, RenamingAProgramMovesItsFile)
{
    const auto f =
        TempLocations::write(locations.bankFolder(), "User/B/Old.fpx", TempLocations::patchText("1.0.0"));
    proc->changeProgramName(0, "New");
    EXPECT_FALSE(f.existsAsFile());
    EXPECT_TRUE(f.getSiblingFile("New.fpx").existsAsFile());
}

TEST_F(PluginProcessorTest, ManufacturerSpecificAnswers)
{
    EXPECT_EQ(proc->handleVstPluginCanDo(0, 0, (void*)"NKSCallbacks", 0), 1);
    EXPECT_EQ(proc->handleVstPluginCanDo(0, 0, (void*)"NKSCallback", 0), 0);
    EXPECT_EQ(proc->handleVstPluginCanDo(0, 0, nullptr, 0), 0);

    auto index = [](int tag, int prop) { return juce::int32((tag << 16) | prop); };
    struct Read
    {
        int prop;
        juce::int64 value;
        juce::uint64 size;
        bool writable;
    } reads[] = {{12, 3, 4, false}, {13, 0, 4, true}, {32, 1, 8, true}};
    for (const auto& r : reads)
    {
        unsigned char data[16] = {};
        EXPECT_EQ(proc->handleVstManufacturerSpecific(index(0x4E49, r.prop), 0, data, 0), 1);
        juce::int64 v = 0;
        std::memcpy(&v, data, size_t(r.size));
        EXPECT_EQ(v, r.value) << r.prop;
        unsigned char info[16] = {};
        EXPECT_EQ(proc->handleVstManufacturerSpecific(index(0x4E69, r.prop), 0, info, 0), 1);
        juce::uint64 size = 0;
        std::memcpy(&size, info, sizeof(size));
        EXPECT_EQ(size, r.size);
        EXPECT_EQ(info[8] == 1, r.writable);
    }
    int dummy = 0;
    EXPECT_EQ(proc->handleVstManufacturerSpecific(index(0x4E49, 28), 0, nullptr, 0), 1);
    EXPECT_EQ(proc->handleVstManufacturerSpecific(index(0x6E69, 13), 4, &dummy, 0), 1);
    EXPECT_EQ(proc->handleVstManufacturerSpecific(index(0x6E69, 13), 5, &dummy, 0), 0);
    EXPECT_EQ(proc->handleVstManufacturerSpecific(index(0x6E69, 32), 8, &dummy, 0), 1);
    EXPECT_EQ(proc->handleVstManufacturerSpecific(index(0x6E69, 32), 8, nullptr, 0), 0);
    EXPECT_EQ(proc->handleVstManufacturerSpecific(index(0x6E69, 12), 4, &dummy, 0), 0);
    EXPECT_EQ(proc->handleVstManufacturerSpecific(index(0x4E49, 99), 0, &dummy, 0), 0);
    EXPECT_EQ(proc->handleVstManufacturerSpecific(index(0x1234, 12), 0, &dummy, 0), 0);
}

// Audio runs while a host thread automates parameters and one editing thread changes connections
// and saves the state; everything stays finite and every saved state restores within range.
TEST_F(PluginProcessorTest, AudioKeepsRunningWhileOtherThreadsAutomateAndEdit)
{
    std::atomic<bool> stop{false};
    std::atomic<bool> bad{false};
    std::thread audio(
        [&]
        {
            std::mt19937 rng(1);
            juce::AudioBuffer<float> buf(2, 1500);
            juce::MidiBuffer midi;
            for (int b = 0; b < 3000 && !bad; ++b)
            {
                const int n = int(rng() % 1500);
                juce::AudioBuffer<float> view(buf.getArrayOfWritePointers(), 2, n);
                fill(view);
                proc->processBlock(view, midi);
                for (int c = 0; c < 2; ++c)
                    for (int i = 0; i < n; ++i)
                        if (!std::isfinite(view.getSample(c, i)))
                            bad = true;
            }
            stop = true;
        });
    std::thread host(
        [&]
        {
            std::mt19937 rng(2);
            const auto& params = proc->getParameters();
            for (int k = 0; !stop; ++k)
            {
                if (k % 16 == 0)
                    std::this_thread::sleep_for(std::chrono::microseconds(50));
                auto* p = params[int(rng() % 614)];
                const float v = float(rng() % 1000) / 999.0f;
                if (rng() % 2)
                    p->setValueNotifyingHost(v);
                else
                    p->setValue(v);
            }
        });
    std::thread editor(
        [&]
        {
            std::mt19937 rng(3);
            int saves = 0;
            while (!stop)
            {
                std::this_thread::sleep_for(std::chrono::microseconds(20));
                const int slot = int(rng() % 8);
                const int dst = (rng() % 2) ? int(rng() % 11) : 15 + int(rng() % 592);
                proc->changeModulationAmount(15 + 74 * slot, dst, double(int(rng() % 200) - 100) / 100.0);
                proc->changeMacroAmount(607 + 3 * int(rng() % 4), int(rng() % 11),
                                        double(rng() % 100) / 100.0, WavePath{int(rng() % 5), 0.0, 1.0});
                if (rng() % 50 == 0)
                    proc->clearModulations();
                if (++saves % 20 == 0)
                {
                    juce::MemoryBlock block;
                    proc->getStateInformation(block);
                    const juce::var doc =
                        juce::JSON::parse(juce::String::fromUTF8(static_cast<const char*>(block.getData())));
                    if (!doc["settings"].isObject())
                        bad = true;
                }
            }
        });
    audio.join();
    host.join();
    editor.join();
    EXPECT_FALSE(bad);

    // After the storm, a saved state restores to the same values.
    juce::MemoryBlock block;
    proc->getStateInformation(block);
    auto other = make();
    other->setStateInformation(block.getData(), int(block.getSize()));
    const auto* params = proc->getEngine().getParameters();
    for (const auto& [id, control] : proc->getControls())
    {
        const auto* d = params->getDetails(id);
        if ((d->desc->get_flags() & 4) != 0)
            continue;
        const double x = other->getControls().at(id)->value();
        EXPECT_GE(x, d->desc->get_nat_min()) << id;
        EXPECT_LE(x, d->desc->get_nat_max()) << id;
        EXPECT_NEAR(x, control->value(), 1e-5 * (1.0 + std::abs(control->value()))) << id;
    }
    EXPECT_EQ(other->getModulationConnections().size(), proc->getModulationConnections().size());
    EXPECT_EQ(other->getMacroConnections().size(), proc->getMacroConnections().size());
}

} // namespace

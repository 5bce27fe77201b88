#include "dsp/midi_manager.h"

#include "gui/TempLocations.h"
#include "support/AllocCounter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <random>
#include <thread>
#include <vector>

namespace
{

// Records what the manager asks of its host. The audio-thread side writes into a fixed array so
// that recording allocates nothing.
class FakeHost : public MidiManager::Host
{
public:
    struct Value
    {
        int id;
        double value;
    };
    struct Program
    {
        int bank, folder, program;
    };

    void valueChangedThroughMidi(int id, double value) override
    {
        const int n = nbrValues.load(std::memory_order_relaxed);
        if (n < static_cast<int>(values.size()))
        {
            values[n] = {id, value};
            nbrValues.store(n + 1, std::memory_order_release);
        }
    }
    juce::File loadProgram(int bank, int folder, int program) override
    {
        events.push_back("load");
        programs.push_back({bank, folder, program});
        return juce::File("/patches/" + juce::String(programs.size()) + ".fpx");
    }
    void saveLearnMap(const MidiLearnMap& map) override
    {
        events.push_back("save");
        saved.push_back(map);
    }
    void patchChangedThroughMidi(juce::File patch) override
    {
        events.push_back("patch " + patch.getFileName().toStdString());
    }

    std::vector<Value> takeValues()
    {
        const int n = nbrValues.exchange(0);
        return {values.begin(), values.begin() + n};
    }

    std::array<Value, 4096> values{};
    std::atomic<int> nbrValues{0};
    std::vector<Program> programs;
    std::vector<MidiLearnMap> saved;
    std::vector<std::string> events;
};

bool operator==(const FakeHost::Value& a, const FakeHost::Value& b)
{
    return a.id == b.id && std::abs(a.value - b.value) < 1e-12;
}
bool operator==(const FakeHost::Program& a, const FakeHost::Program& b)
{
    return a.bank == b.bank && a.folder == b.folder && a.program == b.program;
}
void PrintTo(const FakeHost::Value& v, std::ostream* os)
{
    *os << "(" << v.id << ", " << v.value << ")";
}
void PrintTo(const FakeHost::Program& p, std::ostream* os)
{
    *os << "(" << p.bank << ", " << p.folder << ", " << p.program << ")";
}

juce::MidiMessage cc(int number, int value)
{
    return juce::MidiMessage::controllerEvent(1, number, value);
}
juce::MidiMessage pc(int program)
{
    return juce::MidiMessage::programChange(1, program);
}

class MidiManagerTest : public ::testing::Test
{
protected:
    juce::MidiKeyboardState keyboard;
    FakeHost host;
    MidiManager midi{&keyboard, &host};
};

TEST_F(MidiManagerTest, LearnRecordsSavesAndDrivesTheControlAtOnce)
{
    midi.armMidiLearn(7, 0.0, 1.0);
    midi.processMidiMessage(cc(20, 64), 0);

    // The learning controller drives the control on the audio thread, before any file work.
    EXPECT_EQ(host.takeValues(), (std::vector<FakeHost::Value>{{7, 64.0 / 127.0}}));
    EXPECT_TRUE(host.saved.empty());

    midi.handlePendingFileWork();
    const MidiLearnMap expected{{20, {{7, {0.0, 1.0}}}}};
    EXPECT_EQ(midi.getMidiLearnMap(), expected);
    ASSERT_EQ(host.saved.size(), 1u);
    EXPECT_EQ(host.saved.back(), expected);
    EXPECT_FALSE(midi.isMidiLearnArmed());
    EXPECT_TRUE(midi.isMidiMapped(7));

    // Learning is over: another controller learns nothing, the learned one keeps driving.
    midi.processMidiMessage(cc(21, 5), 0);
    midi.processMidiMessage(cc(20, 127), 0);
    midi.handlePendingFileWork();
    EXPECT_EQ(host.takeValues(), (std::vector<FakeHost::Value>{{7, 1.0}}));
    EXPECT_EQ(host.saved.size(), 1u);
}

TEST_F(MidiManagerTest, LearnedControlFollowsTheControllerBeforeTheMessageThreadCatchesUp)
{
    midi.armMidiLearn(7, 0.2, 0.8);
    midi.processMidiMessage(cc(20, 0), 0);
    midi.processMidiMessage(cc(20, 127), 0);
    EXPECT_EQ(host.takeValues(), (std::vector<FakeHost::Value>{{7, 0.2}, {7, 0.8}}));
}

TEST_F(MidiManagerTest, RangesAndOrderOfMappedControls)
{
    midi.setMidiLearnMap({{20, {{7, {0.2, 0.8}}}}, {30, {{9, {0.0, 1.0}}, {3, {1.0, 0.0}}}}});
    struct Case
    {
        int source;
        int value;
        std::vector<FakeHost::Value> expected;
    };
    const Case cases[] = {
        {20, 127, {{7, 0.8}}},
        {20, 0, {{7, 0.2}}},
        {20, 64, {{7, 0.6 * 64.0 / 127.0 + 0.2}}},
        // Two controls on one controller, in ascending id; an inverted range sweeps downwards.
        {30, 127, {{3, 0.0}, {9, 1.0}}},
        {30, 0, {{3, 1.0}, {9, 0.0}}},
        {31, 64, {}},
    };
    for (const Case& c : cases)
    {
        midi.processMidiMessage(cc(c.source, c.value), 0);
        EXPECT_EQ(host.takeValues(), c.expected) << "controller " << c.source << " value " << c.value;
    }
    midi.handlePendingFileWork();
    EXPECT_TRUE(host.saved.empty()) << "setting the map or driving controls saves nothing";
}

TEST_F(MidiManagerTest, RelearningAPairReplacesItsRangeAndMergesInIdOrder)
{
    midi.setMidiLearnMap({{20, {{3, {0.0, 1.0}}, {9, {0.0, 1.0}}}}});
    midi.armMidiLearn(9, 0.5, 0.5);
    midi.processMidiMessage(cc(20, 127), 0);
    midi.armMidiLearn(5, 0.0, 0.5);
    midi.processMidiMessage(cc(20, 127), 0);
    EXPECT_EQ(host.takeValues(),
              (std::vector<FakeHost::Value>{{3, 1.0}, {9, 0.5}, {3, 1.0}, {5, 0.5}, {9, 0.5}}));
    midi.handlePendingFileWork();
    const MidiLearnMap expected{{20, {{3, {0.0, 1.0}}, {5, {0.0, 0.5}}, {9, {0.5, 0.5}}}}};
    EXPECT_EQ(midi.getMidiLearnMap(), expected);
}

TEST_F(MidiManagerTest, CancelledLearnLearnsNothing)
{
    midi.armMidiLearn(7, 0.0, 1.0);
    midi.cancelMidiLearn();
    midi.processMidiMessage(cc(20, 64), 0);
    midi.handlePendingFileWork();
    EXPECT_TRUE(midi.getMidiLearnMap().empty());
    EXPECT_TRUE(host.takeValues().empty());
    EXPECT_TRUE(host.saved.empty());
}

TEST_F(MidiManagerTest, ProgramChangesUseBankSelectAndArmingForgetsIt)
{
    struct Step
    {
        bool arm;
        std::vector<juce::MidiMessage> messages;
        FakeHost::Program expected;
    };
    const Step steps[] = {
        {false, {cc(0, 1), cc(32, 2), pc(3)}, {1, 2, 3}},
        {false, {pc(4)}, {1, 2, 4}},
        {true, {pc(5)}, {-1, -1, 5}},
        {false, {cc(32, 6), pc(0)}, {-1, 6, 0}},
    };
    for (const Step& step : steps)
    {
        if (step.arm)
            midi.armMidiLearn(7, 0.0, 1.0);
        for (const auto& m : step.messages)
            midi.processMidiMessage(m, 0);
        midi.handlePendingFileWork();
        ASSERT_FALSE(host.programs.empty());
        EXPECT_EQ(host.programs.back(), step.expected);
    }
    EXPECT_EQ(host.programs.size(), 4u);
    // Bank select controllers count as controllers: the armed learn went to controller 32.
    EXPECT_EQ(midi.getMidiLearnMap(), (MidiLearnMap{{32, {{7, {0.0, 1.0}}}}}));
}

TEST_F(MidiManagerTest, ProgramChangesOfABlockLoadInOrderOnTheMessageThread)
{
    const juce::MidiMessage block[] = {pc(1), cc(0, 2), pc(4), cc(32, 3), pc(5)};
    for (const auto& m : block)
        midi.processMidiMessage(m, 0);
    EXPECT_TRUE(host.programs.empty()) << "no file work on the audio thread";

    const std::thread::id messageThread = std::this_thread::get_id();
    midi.handlePendingFileWork();
    EXPECT_EQ(std::this_thread::get_id(), messageThread);
    EXPECT_EQ(host.programs, (std::vector<FakeHost::Program>{{-1, -1, 1}, {2, -1, 4}, {2, 3, 5}}));
    EXPECT_EQ(host.events, (std::vector<std::string>{"load", "patch 1.fpx", "load", "patch 2.fpx", "load",
                                                     "patch 3.fpx"}));

    midi.handlePendingFileWork();
    EXPECT_EQ(host.programs.size(), 3u) << "each request is handled once";
}

TEST_F(MidiManagerTest, LearnAndProgramChangeKeepTheirOrder)
{
    midi.armMidiLearn(7, 0.0, 1.0);
    midi.processMidiMessage(cc(20, 1), 0);
    midi.processMidiMessage(pc(2), 0);
    midi.handlePendingFileWork();
    EXPECT_EQ(host.events, (std::vector<std::string>{"save", "load", "patch 1.fpx"}));
}

TEST_F(MidiManagerTest, ClearingLeavesAnEmptySource)
{
    midi.armMidiLearn(7, 0.0, 1.0);
    midi.processMidiMessage(cc(20, 64), 0);
    midi.armMidiLearn(7, 0.0, 1.0);
    midi.processMidiMessage(cc(21, 64), 0);
    // Clearing applies the pending learn first.
    midi.clearMidiLearn(7);

    EXPECT_EQ(midi.getMidiLearnMap(), (MidiLearnMap{{20, {}}, {21, {}}}));
    EXPECT_FALSE(midi.isMidiMapped(7));
    ASSERT_FALSE(host.saved.empty());
    EXPECT_EQ(host.saved.back(), midi.getMidiLearnMap());

    host.takeValues();
    midi.processMidiMessage(cc(20, 64), 0);
    EXPECT_TRUE(host.takeValues().empty());

    const size_t nbrSaves = host.saved.size();
    midi.clearMidiLearn(7);
    EXPECT_EQ(host.saved.size(), nbrSaves) << "clearing an unmapped control changes nothing";
}

TEST_F(MidiManagerTest, NotesOnlyReachTheKeyboardState)
{
    juce::MidiBuffer buffer;
    buffer.addEvent(juce::MidiMessage::noteOn(1, 60, 0.5f), 0);
    midi.processMidiMessage(juce::MidiMessage::noteOn(1, 60, 0.5f), 0);
    midi.replaceKeyboardMessages(buffer, 64);
    EXPECT_TRUE(keyboard.isNoteOn(1, 60));

    juce::MidiBuffer off;
    off.addEvent(juce::MidiMessage::noteOff(1, 60), 3);
    midi.processMidiMessage(juce::MidiMessage::noteOff(1, 60), 3);
    midi.replaceKeyboardMessages(off, 64);
    EXPECT_FALSE(keyboard.isNoteOn(1, 60));

    midi.handlePendingFileWork();
    EXPECT_TRUE(host.takeValues().empty());
    EXPECT_TRUE(host.events.empty());

    // Notes played on the keyboard itself are added to the buffer.
    keyboard.noteOn(1, 64, 0.5f);
    juce::MidiBuffer fromKeyboard;
    midi.replaceKeyboardMessages(fromKeyboard, 64);
    ASSERT_EQ(fromKeyboard.getNumEvents(), 1);
    EXPECT_TRUE((*fromKeyboard.begin()).getMessage().isNoteOn());
    EXPECT_EQ((*fromKeyboard.begin()).getMessage().getNoteNumber(), 64);
}

TEST_F(MidiManagerTest, CollectorPathDeliversMessages)
{
    midi.setSampleRate(48000.0);
    juce::MidiMessage m = cc(20, 3);
    m.setTimeStamp(juce::Time::getMillisecondCounterHiRes() * 0.001);
    midi.handleIncomingMidiMessage(nullptr, m);
    juce::MidiBuffer buffer;
    midi.removeNextBlockOfMessages(buffer, 256);
    ASSERT_EQ(buffer.getNumEvents(), 1);
    EXPECT_TRUE((*buffer.begin()).getMessage().isController());
}

TEST_F(MidiManagerTest, AudioThreadPathDoesNotAllocate)
{
    midi.setMidiLearnMap({{20, {{3, {0.0, 1.0}}, {9, {0.0, 1.0}}}}});
    midi.armMidiLearn(7, 0.0, 1.0);
    juce::MidiBuffer buffer;
    buffer.ensureSize(1024);
    midi.processMidiMessage(cc(1, 1), 0); // warm-up: learns 1 -> 7
    midi.handlePendingFileWork();
    midi.armMidiLearn(8, 0.0, 1.0);
    host.takeValues();

    long nbrAlloc = 0;
    {
        AllocCounter counter;
        midi.processMidiMessage(cc(2, 64), 0); // learn
        midi.processMidiMessage(cc(2, 10), 0); // drives the pending learn
        for (int i = 0; i < 50; ++i)
        {
            midi.processMidiMessage(cc(20, i), 0);
            midi.processMidiMessage(cc(1, i), 0);
            midi.midiInput(20, i);
        }
        midi.processMidiMessage(cc(0, 1), 0);
        midi.processMidiMessage(pc(3), 0);
        midi.processMidiMessage(juce::MidiMessage::noteOn(1, 60, 0.5f), 0);
        midi.replaceKeyboardMessages(buffer, 256);
        nbrAlloc = counter.get();
    }
    EXPECT_EQ(nbrAlloc, 0);
    EXPECT_EQ(host.nbrValues.load(), 2 + 50 * 5);
    midi.handlePendingFileWork();
    EXPECT_EQ(host.programs, (std::vector<FakeHost::Program>{{1, -1, 3}}));
}

TEST_F(MidiManagerTest, FullRingDropsRequestsWithoutBlocking)
{
    for (int i = 0; i < MidiManager::REQUEST_CAPACITY + 10; ++i)
        midi.processMidiMessage(pc(i % 128), 0);
    EXPECT_EQ(midi.getNbrDroppedRequests(), 10);
    midi.handlePendingFileWork();
    EXPECT_EQ(host.programs.size(), static_cast<size_t>(MidiManager::REQUEST_CAPACITY));
    EXPECT_EQ(host.programs.back().program, (MidiManager::REQUEST_CAPACITY - 1) % 128);
}

TEST(MidiManagerReentryTest, HostCallThatDrainsAgainHandlesEachRequestOnce)
{
    // Loading a patch may reach back into the manager, which drains the ring from inside the drain.
    class ArmingHost : public FakeHost
    {
    public:
        juce::File loadProgram(int bank, int folder, int program) override
        {
            if (manager != nullptr)
                manager->armMidiLearn(program, 0.0, 1.0);
            return FakeHost::loadProgram(bank, folder, program);
        }
        MidiManager* manager = nullptr;
    };
    ArmingHost host;
    MidiManager midi(nullptr, &host);
    host.manager = &midi;
    for (int p : {1, 2, 3})
        midi.processMidiMessage(pc(p), 0);
    midi.handlePendingFileWork();
    std::vector<int> loaded;
    for (const auto& program : host.programs)
        loaded.push_back(program.program);
    EXPECT_EQ(loaded, (std::vector<int>{1, 2, 3}));
}

// The range armed for a control in the concurrency test; any other value seen means a torn read.
double rangeMin(int id)
{
    return id * 0.01;
}
double rangeMax(int id)
{
    return 1.0 - id * 0.02;
}

TEST(MidiManagerConcurrencyTest, AudioThreadFeedsControllersWhileTheMessageThreadEdits)
{
    class ThreadHost : public MidiManager::Host
    {
    public:
        void valueChangedThroughMidi(int id, double value) override
        {
            ++nbrValues;
            const double lo = std::min(rangeMin(id), rangeMax(id));
            const double hi = std::max(rangeMin(id), rangeMax(id));
            if (id < 0 || id >= 10 || value < lo - 1e-12 || value > hi + 1e-12)
                ++nbrBadValues;
        }
        juce::File loadProgram(int, int, int) override { return {}; }
        void saveLearnMap(const MidiLearnMap& map) override
        {
            lastSaved = map;
            ++nbrSaves;
        }
        void patchChangedThroughMidi(juce::File) override {}

        std::atomic<long> nbrValues{0};
        std::atomic<long> nbrBadValues{0};
        MidiLearnMap lastSaved;
        int nbrSaves = 0;
    };

    ThreadHost host;
    juce::MidiKeyboardState keyboard;
    MidiManager midi(&keyboard, &host);

    std::atomic<bool> stop{false};
    std::thread audio(
        [&]
        {
            std::minstd_rand rng(1);
            juce::MidiBuffer buffer;
            buffer.ensureSize(1024);
            while (!stop.load())
            {
                for (int i = 0; i < 16; ++i)
                    midi.processMidiMessage(
                        juce::MidiMessage::controllerEvent(1, 40 + int(rng() % 8), int(rng() % 128)), 0);
                midi.replaceKeyboardMessages(buffer, 256);
                buffer.clear();
            }
        });

    std::minstd_rand rng(2);
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
    while (std::chrono::steady_clock::now() < end)
    {
        const int id = int(rng() % 10);
        switch (rng() % 4)
        {
        case 0:
        case 1:
            midi.armMidiLearn(id, rangeMin(id), rangeMax(id));
            break;
        case 2:
            midi.clearMidiLearn(id);
            break;
        default:
            midi.handlePendingFileWork();
            break;
        }
    }
    stop.store(true);
    audio.join();
    midi.handlePendingFileWork();

    EXPECT_GT(host.nbrValues.load(), 0);
    EXPECT_EQ(host.nbrBadValues.load(), 0);
    const MidiLearnMap finalMap = midi.getMidiLearnMap();
    for (const auto& [source, targets] : finalMap)
    {
        EXPECT_GE(source, 40);
        EXPECT_LT(source, 48);
        for (const auto& [id, range] : targets)
        {
            EXPECT_EQ(range.first, rangeMin(id));
            EXPECT_EQ(range.second, rangeMax(id));
        }
    }
    // Every change was saved, so the last save is the final map.
    ASSERT_GT(host.nbrSaves, 0);
    EXPECT_EQ(host.lastSaved, finalMap);
}

TEST(MidiManagerFileTest, HostSavingThroughTheConfigurationKeepsTheLearnedMap)
{
    crenzel_test::TempLocations temp;

    class ConfigHost : public FakeHost
    {
    public:
        void saveLearnMap(const MidiLearnMap& map) override { LoadSave::saveMidiMapToConfig(map); }
    };
    ConfigHost host;
    MidiManager midi(nullptr, &host);
    midi.armMidiLearn(7, 0.25, 0.75);
    midi.processMidiMessage(cc(20, 64), 0);
    midi.armMidiLearn(9, 0.0, 1.0);
    midi.processMidiMessage(cc(20, 1), 0);
    midi.clearMidiLearn(9);

    MidiLearnMap loaded;
    ASSERT_TRUE(LoadSave::loadMidiMapFromConfig(loaded));
    EXPECT_EQ(loaded, (MidiLearnMap{{20, {{7, {0.25, 0.75}}}}}));
    EXPECT_TRUE(temp.configFile().existsAsFile());

    MidiManager restored(nullptr, &host);
    restored.setMidiLearnMap(loaded);
    EXPECT_TRUE(restored.isMidiMapped(7));
}

TEST(StringLayoutTest, DefaultsAndSetters)
{
    StringLayout layout;
    EXPECT_EQ(layout.getLayout(), std::wstring(DEFAULT_KEYBOARD));
    EXPECT_EQ(layout.getDownKey(), L'z');
    EXPECT_EQ(layout.getUpKey(), L'x');
    layout.setLayout(L"qwe");
    layout.setUpKey(L'm');
    layout.setDownKey(L'n');
    EXPECT_EQ(layout.getLayout(), L"qwe");
    EXPECT_EQ(layout.getUpKey(), L'm');
    EXPECT_EQ(layout.getDownKey(), L'n');
}

} // namespace

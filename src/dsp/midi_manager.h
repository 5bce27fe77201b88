#pragma once

#include "gui/patches/LoadSave.h"

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_audio_devices/juce_audio_devices.h>
#include <juce_events/juce_events.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The computer-keyboard note layout kept in the configuration file.
class StringLayout
{
public:
    StringLayout() = default;

    const std::wstring& getLayout() const { return layout; }
    void setLayout(const std::wstring& l) { layout = l; }
    wchar_t getUpKey() const { return upKey; }
    void setUpKey(wchar_t key) { upKey = key; }
    wchar_t getDownKey() const { return downKey; }
    void setDownKey(wchar_t key) { downKey = key; }

private:
    std::wstring layout = DEFAULT_KEYBOARD;
    wchar_t upKey = L'x';
    wchar_t downKey = L'z';
};

// MIDI input: learned controllers drive controls, bank select and program changes load patches,
// notes only reach the keyboard state.
//
// Threads: processMidiMessage, midiInput, replaceKeyboardMessages and removeNextBlockOfMessages run
// on the audio thread and never allocate, lock (apart from JUCE's own keyboard state and collector)
// or touch files. Everything else runs on the message thread. The audio thread reads an immutable
// snapshot of the learn map and the learn arm, published through an atomic pointer; it hands
// program changes and completed learns to the message thread through a fixed-size ring, which a
// 10 ms timer (or handlePendingFileWork) drains in arrival order.
class MidiManager : public juce::MidiInputCallback, private juce::Timer
{
public:
    class Listener
    {
    public:
        virtual ~Listener() = default;
        // Audio thread.
        virtual void valueChangedThroughMidi(int id, double value) = 0;
        // Message thread, after a program change's patch load (even when nothing was loaded).
        virtual void patchChangedThroughMidi(juce::File patch) = 0;
    };

    // The file side, kept out of this class so that it needs no DSP interface.
    class Host : public Listener
    {
    public:
        // Message thread: loads the patch of a program change; an empty file when none matches.
        virtual juce::File loadProgram(int bank, int folder, int program) = 0;
        // Message thread: stores the learn map after every change made by learning or clearing.
        virtual void saveLearnMap(const MidiLearnMap& map) = 0;
    };

    // Pending program changes and learns beyond this many are dropped until the next drain.
    static constexpr int REQUEST_CAPACITY = 256;

    // host may be null; keyboardState may be null (notes are then ignored).
    MidiManager(juce::MidiKeyboardState* keyboardState, Host* host);
    ~MidiManager() override;

    MidiManager(const MidiManager&) = delete;
    MidiManager& operator=(const MidiManager&) = delete;

    // ---- Message thread ---------------------------------------------------------------------
    // Each of these first applies the work already handed over by the audio thread, so that they
    // take effect after it.
    void armMidiLearn(int id, double min, double max);
    void cancelMidiLearn();
    void clearMidiLearn(int id);
    void setMidiLearnMap(const MidiLearnMap& map);

    bool isMidiMapped(int id) const;
    bool isMidiLearnArmed() const { return learnTarget >= 0; }
    // The map as the message thread has it: learns still waiting in the ring are not in it yet.
    MidiLearnMap getMidiLearnMap() const { return map; }

    // Loads the patches of pending program changes and applies pending learns, in arrival order.
    void handlePendingFileWork();
    // Number of requests lost because the ring was full.
    int getNbrDroppedRequests() const { return droppedRequests.load(std::memory_order_relaxed); }

    void setSampleRate(double sampleRate);

    // ---- Audio thread -----------------------------------------------------------------------
    void processMidiMessage(const juce::MidiMessage& message, int samplePosition);
    void midiInput(int source, double value);
    void replaceKeyboardMessages(juce::MidiBuffer& buffer, int numSamples);
    void removeNextBlockOfMessages(juce::MidiBuffer& buffer, int numSamples);

    // ---- MIDI device thread -----------------------------------------------------------------
    void handleIncomingMidiMessage(juce::MidiInput* source, const juce::MidiMessage& message) override;

private:
    struct State
    {
        MidiLearnMap map;
        int learnTarget = -1;
        double learnMin = 0.0;
        double learnMax = 1.0;
        std::uint32_t armSeq = 0;
        std::uint64_t appliedLearnSeq = 0;
        std::uint64_t generation = 0;
    };

    struct Request
    {
        enum class Kind : std::uint8_t
        {
            program,
            learn
        };
        Kind kind = Kind::program;
        int bank = -1;
        int folder = -1;
        int program = -1;
        int source = -1;
        int target = -1;
        double min = 0.0;
        double max = 1.0;
        std::uint32_t armSeq = 0;
        std::uint64_t learnSeq = 0;
    };

    // A learn made on the audio thread that its snapshot does not show yet.
    struct PendingLearn
    {
        std::uint64_t seq = 0; // 0: free
        int source = -1;
        int target = -1;
        double min = 0.0;
        double max = 1.0;
    };
    static constexpr int NBR_PENDING_LEARNS = 4;

    void timerCallback() override;

    // Message thread.
    void publish();
    void freeRetired();
    bool applyRequest(const Request& request);

    // Audio thread.
    const State* acquireState();
    void releaseState(const State* state);
    void handleController(const State& state, int source, double value);
    bool pushRequest(const Request& request);

    juce::MidiKeyboardState* keyboardState;
    Host* host;
    juce::MidiMessageCollector collector;

    // Message-thread copy of the learn state; the audio thread sees it only through snapshots.
    MidiLearnMap map;
    int learnTarget = -1;
    double learnMin = 0.0;
    double learnMax = 1.0;
    std::uint32_t armSeq = 0;
    std::uint64_t appliedLearnSeq = 0;
    std::uint64_t generation = 0;
    std::unique_ptr<const State> current;
    std::vector<std::unique_ptr<const State>> retired;
    bool draining = false;

    std::atomic<const State*> published{nullptr};
    // Generation of the snapshot that the audio thread last finished with; older retired snapshots
    // can no longer be in use.
    std::atomic<std::uint64_t> audioAck{0};

    // Audio-thread state.
    int bank = -1;
    int folder = -1;
    int lastProgram = -1;
    std::uint32_t seenArmSeq = 0;
    std::uint32_t consumedArmSeq = 0;
    std::uint64_t learnSeq = 0;
    std::array<PendingLearn, NBR_PENDING_LEARNS> pendingLearns{};

    // Single-producer (audio thread), single-consumer (message thread) ring.
    std::array<Request, REQUEST_CAPACITY> ring{};
    std::atomic<std::uint32_t> ringHead{0}; // next slot to write
    std::atomic<std::uint32_t> ringTail{0}; // next slot to read
    std::atomic<int> droppedRequests{0};
};

#include "dsp/midi_manager.h"

#include <algorithm>

MidiManager::MidiManager(juce::MidiKeyboardState* keyboardState_, Host* host_)
    : keyboardState(keyboardState_), host(host_)
{
    publish();
    // Without a message loop (command-line tools, tests) nobody would deliver the timer; the owner
    // then drains with handlePendingFileWork.
    if (juce::MessageManager::getInstanceWithoutCreating() != nullptr)
        startTimer(10);
}

MidiManager::~MidiManager()
{
    stopTimer();
    published.store(nullptr, std::memory_order_release);
}

// ---- Message thread -------------------------------------------------------------------------

void MidiManager::armMidiLearn(int id, double min, double max)
{
    handlePendingFileWork();
    ++armSeq;
    learnTarget = id;
    learnMin = min;
    learnMax = max;
    publish();
}

void MidiManager::cancelMidiLearn()
{
    handlePendingFileWork();
    learnTarget = -1;
    publish();
}

void MidiManager::clearMidiLearn(int id)
{
    handlePendingFileWork();
    bool changed = false;
    for (auto& [source, targets] : map)
        changed = targets.erase(id) > 0 || changed;
    if (!changed)
        return;
    publish();
    if (host != nullptr)
        host->saveLearnMap(map);
}

void MidiManager::setMidiLearnMap(const MidiLearnMap& newMap)
{
    handlePendingFileWork();
    map = newMap;
    publish();
}

bool MidiManager::isMidiMapped(int id) const
{
    return std::any_of(map.begin(), map.end(),
                       [id](const auto& entry) { return entry.second.count(id) > 0; });
}

void MidiManager::handlePendingFileWork()
{
    // A host call may reach back here (arming from a patch load); the outer drain keeps the order.
    if (draining)
        return;
    draining = true;
    bool learned = false;
    for (std::uint32_t tail = ringTail.load(std::memory_order_relaxed);
         tail != ringHead.load(std::memory_order_acquire); tail = ringTail.load(std::memory_order_relaxed))
    {
        const Request request = ring[tail % REQUEST_CAPACITY];
        ringTail.store(tail + 1, std::memory_order_release);
        learned = applyRequest(request) || learned;
    }
    draining = false;
    if (learned)
        publish();
    freeRetired();
}

bool MidiManager::applyRequest(const Request& request)
{
    if (request.kind == Request::Kind::program)
    {
        const juce::File patch =
            host != nullptr ? host->loadProgram(request.bank, request.folder, request.program) : juce::File();
        if (host != nullptr)
            host->patchChangedThroughMidi(patch);
        return false;
    }

    map[request.source][request.target] = {request.min, request.max};
    appliedLearnSeq = std::max(appliedLearnSeq, request.learnSeq);
    // A learn ends only the arm it answered; a newer arm stays.
    if (request.armSeq == armSeq)
        learnTarget = -1;
    if (host != nullptr)
        host->saveLearnMap(map);
    return true;
}

void MidiManager::publish()
{
    auto state = std::make_unique<State>();
    state->map = map;
    state->learnTarget = learnTarget;
    state->learnMin = learnMin;
    state->learnMax = learnMax;
    state->armSeq = armSeq;
    state->appliedLearnSeq = appliedLearnSeq;
    state->generation = ++generation;
    published.store(state.get(), std::memory_order_release);
    if (current != nullptr)
        retired.push_back(std::move(current));
    current = std::move(state);
    freeRetired();
}

void MidiManager::freeRetired()
{
    // The audio thread finished with a generation at least as new as any retired snapshot that
    // is older than it: such a snapshot can never be loaded again.
    const std::uint64_t ack = audioAck.load(std::memory_order_acquire);
    retired.erase(std::remove_if(retired.begin(), retired.end(),
                                 [ack](const std::unique_ptr<const State>& s)
                                 { return s->generation < ack; }),
                  retired.end());
}

void MidiManager::timerCallback()
{
    handlePendingFileWork();
}

void MidiManager::setSampleRate(double sampleRate)
{
    collector.reset(sampleRate);
}

// ---- Audio thread ---------------------------------------------------------------------------

const MidiManager::State* MidiManager::acquireState()
{
    const State* state = published.load(std::memory_order_acquire);
    if (state->armSeq != seenArmSeq)
    {
        // Arming forgets the bank select and the last program.
        seenArmSeq = state->armSeq;
        bank = -1;
        folder = -1;
        lastProgram = -1;
    }
    for (PendingLearn& pending : pendingLearns)
        if (pending.seq != 0 && pending.seq <= state->appliedLearnSeq)
            pending.seq = 0;
    return state;
}

void MidiManager::releaseState(const State* state)
{
    audioAck.store(state->generation, std::memory_order_release);
}

void MidiManager::processMidiMessage(const juce::MidiMessage& message, int /*samplePosition*/)
{
    const State* state = acquireState();
    if (message.isProgramChange())
    {
        lastProgram = message.getProgramChangeNumber();
        Request request;
        request.kind = Request::Kind::program;
        request.bank = bank;
        request.folder = folder;
        request.program = lastProgram;
        pushRequest(request);
    }
    else if (message.isController())
    {
        const int number = message.getControllerNumber();
        const int value = message.getControllerValue();
        if (number == 32)
            folder = value;
        else if (number == 0)
            bank = value;
        handleController(*state, number, value);
    }
    releaseState(state);
}

void MidiManager::midiInput(int source, double value)
{
    const State* state = acquireState();
    handleController(*state, source, value);
    releaseState(state);
}

void MidiManager::handleController(const State& state, int source, double value)
{
    if (state.learnTarget >= 0 && state.armSeq != consumedArmSeq)
    {
        consumedArmSeq = state.armSeq;
        Request request;
        request.kind = Request::Kind::learn;
        request.source = source;
        request.target = state.learnTarget;
        request.min = state.learnMin;
        request.max = state.learnMax;
        request.armSeq = state.armSeq;
        request.learnSeq = ++learnSeq;
        if (pushRequest(request))
        {
            auto slot = std::find_if(pendingLearns.begin(), pendingLearns.end(),
                                     [](const PendingLearn& p) { return p.seq == 0; });
            // Without a free slot the learned control is driven once the message thread has
            // published the learn.
            if (slot != pendingLearns.end())
                *slot = {request.learnSeq, source, request.target, request.min, request.max};
        }
    }

    // Learns not yet in the snapshot for this source, sorted by control id; a later learn of the
    // same pair replaces an earlier one.
    std::array<const PendingLearn*, NBR_PENDING_LEARNS> extra{};
    int nbr_extra = 0;
    for (const PendingLearn& pending : pendingLearns)
    {
        if (pending.seq == 0 || pending.source != source)
            continue;
        int i = 0;
        while (i < nbr_extra && extra[i]->target < pending.target)
            ++i;
        if (i < nbr_extra && extra[i]->target == pending.target)
        {
            if (extra[i]->seq < pending.seq)
                extra[i] = &pending;
            continue;
        }
        for (int j = nbr_extra; j > i; --j)
            extra[j] = extra[j - 1];
        extra[i] = &pending;
        ++nbr_extra;
    }

    const auto found = state.map.find(source);
    if ((found == state.map.end() && nbr_extra == 0) || host == nullptr)
        return;

    const double x = value / 127.0;
    auto send = [this, x](int id, double min, double max)
    { host->valueChangedThroughMidi(id, (max - min) * x + min); };

    // Merge the snapshot's controls with the pending ones in ascending id.
    int e = 0;
    if (found != state.map.end())
    {
        for (const auto& [id, range] : found->second)
        {
            for (; e < nbr_extra && extra[e]->target < id; ++e)
                send(extra[e]->target, extra[e]->min, extra[e]->max);
            if (e < nbr_extra && extra[e]->target == id)
            {
                send(id, extra[e]->min, extra[e]->max);
                ++e;
            }
            else
                send(id, range.first, range.second);
        }
    }
    for (; e < nbr_extra; ++e)
        send(extra[e]->target, extra[e]->min, extra[e]->max);
}

bool MidiManager::pushRequest(const Request& request)
{
    const std::uint32_t head = ringHead.load(std::memory_order_relaxed);
    if (head - ringTail.load(std::memory_order_acquire) >= static_cast<std::uint32_t>(REQUEST_CAPACITY))
    {
        droppedRequests.fetch_add(1, std::memory_order_relaxed);
        return false;
    }
    ring[head % REQUEST_CAPACITY] = request;
    ringHead.store(head + 1, std::memory_order_release);
    return true;
}

void MidiManager::replaceKeyboardMessages(juce::MidiBuffer& buffer, int numSamples)
{
    if (keyboardState != nullptr)
        keyboardState->processNextMidiBuffer(buffer, 0, numSamples, true);
    // Called every block: lets the message thread free snapshots even while no MIDI arrives.
    releaseState(published.load(std::memory_order_acquire));
}

void MidiManager::removeNextBlockOfMessages(juce::MidiBuffer& buffer, int numSamples)
{
    collector.removeNextBlockOfMessages(buffer, numSamples);
}

// ---- MIDI device thread ---------------------------------------------------------------------

void MidiManager::handleIncomingMidiMessage(juce::MidiInput* /*source*/, const juce::MidiMessage& message)
{
    collector.addMessageToQueue(message);
}

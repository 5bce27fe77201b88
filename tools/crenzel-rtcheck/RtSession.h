#pragma once

#include "SessionPlayHead.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

// Plays a host session through a processor: blocks of changing sizes on an audio thread of its own,
// with host automation on a set of parameters every block, bypass toggles, notes, controllers,
// program changes and tempo changes, while the calling (message) thread keeps delivering messages.
class RtSession
{
public:
    // `in_process`: the processor is this program's own, with no format wrapper around it, so the
    // host's calls on the audio thread (automation, bypass) are checked too, and some blocks go
    // through processBlockBypassed as a graph host's bypass does.
    RtSession(juce::AudioProcessor& proc, bool in_process);
    ~RtSession();
    RtSession(const RtSession&) = delete;
    RtSession& operator=(const RtSession&) = delete;

    // Message thread, audio thread idle.
    void prepare(double rate, int max_block);
    void release();
    // Parameters moved per block by the host's automation.
    void set_automation(int nbr_per_block) { _nbr_auto.store(nbr_per_block); }
    // Runs that many blocks; meanwhile the messages are delivered and, if given, `on_message`
    // runs between two deliveries.
    void play(int nbr_blocks, const std::function<void()>& on_message = {});

    int get_nbr_automated() const { return int(_automated.size()); }
    int64_t get_nbr_blocks() const { return _nbr_blocks; }
    int64_t get_nbr_spl() const { return _nbr_spl; }
    // Blocks whose output differs from their input.
    int64_t get_nbr_changed() const { return _nbr_changed; }

private:
    void audio_loop();
    void process_block();
    void add_midi(int nbr_spl);

    juce::AudioProcessor& _proc;
    const bool _in_process;
    std::vector<juce::AudioProcessorParameter*> _automated;
    juce::AudioProcessorParameter* _bypass = nullptr;
    SessionPlayHead _head;
    juce::AudioBuffer<float> _buffer;
    juce::AudioBuffer<float> _source;
    juce::MidiBuffer _midi;
    double _rate = 48000.0;
    int _max_block = 512;
    std::atomic<int> _nbr_auto{0};
    std::atomic<int> _pending{0};
    std::atomic<bool> _quit{false};
    // Audio thread only.
    int64_t _nbr_blocks = 0;
    int64_t _nbr_spl = 0;
    int64_t _nbr_changed = 0;
    int64_t _src_pos = 0;
    uint32_t _rnd = 12345;
    size_t _auto_pos = 0;
    int _last_note = -1;
    std::thread _thread;
};

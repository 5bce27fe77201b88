#include "RtSession.h"

#include <chrono>
#include <cmath>

namespace
{
// Sizes a host may hand over, from one sample to the prepared maximum, in an order that keeps
// changing the chunking inside the processor.
constexpr int kBlockSizes[] = {64, 128, 256, 441, 512, 1024, 1, 17, 300, 480, 160, 32, 1000, 255, 257};
constexpr double kTempi[] = {120.0, 90.5, 174.0, 60.0, 200.0, 133.33};
constexpr int kCcs[] = {1, 7, 11, 74, 64};

bool isAutomatable(juce::AudioProcessor& proc, juce::AudioProcessorParameter* p)
{
    if (p == proc.getBypassParameter() || p->getName(64).startsWith("MIDI CC ") ||
        p->getName(64).equalsIgnoreCase("Bypass"))
        return false;
    // The LV2 host's extra "enabled" port stands for the same bypass.
    if (const auto* h = dynamic_cast<juce::HostedAudioProcessorParameter*>(p))
        return !h->getParameterID().endsWith(":enabled");
    return true;
}
} // namespace

extern "C" void __rtsan_realtime_enter();
extern "C" void __rtsan_realtime_exit();

RtSession::RtSession(juce::AudioProcessor& proc, bool in_process) : _proc(proc), _in_process(in_process)
{
    for (auto* p : proc.getParameters())
        if (isAutomatable(proc, p))
            _automated.push_back(p);
    _bypass = proc.getBypassParameter();
    for (auto* p : proc.getParameters())
        if (_bypass == nullptr && p->getName(64).equalsIgnoreCase("Bypass"))
            _bypass = p;
    _proc.setPlayHead(&_head);
    _midi.ensureSize(8192);
    _thread = std::thread([this] { audio_loop(); });
}

RtSession::~RtSession()
{
    _quit.store(true);
    _thread.join();
}

void RtSession::prepare(double rate, int max_block)
{
    _rate = rate;
    _max_block = max_block;
    _proc.setPlayConfigDetails(2, 2, rate, max_block);
    _proc.prepareToPlay(rate, max_block);
    _buffer.setSize(2, max_block);
    // A second of input: two tones and a click train, read round robin.
    _source.setSize(2, int(rate));
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < _source.getNumSamples(); ++i)
            _source.setSample(c, i,
                              float(0.3 * std::sin(0.031 * i + c) + 0.2 * std::sin(0.0071 * i)) +
                                  ((i % 4800) < 40 ? 0.4f : 0.0f));
    _head.set(120.0, true, rate);
}

void RtSession::release()
{
    _proc.releaseResources();
}

void RtSession::play(int nbr_blocks, const std::function<void()>& on_message)
{
    _pending.store(nbr_blocks);
    auto* mm = juce::MessageManager::getInstance();
    while (_pending.load() > 0)
    {
        mm->runDispatchLoopUntil(2);
        if (on_message)
            on_message();
    }
    mm->runDispatchLoopUntil(5);
}

void RtSession::audio_loop()
{
    while (!_quit.load())
    {
        if (_pending.load() <= 0)
        {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        process_block();
        _pending.fetch_sub(1);
    }
}

void RtSession::process_block()
{
    const int64_t b = _nbr_blocks;
    const int n = std::min(_max_block, kBlockSizes[b % std::size(kBlockSizes)]);

    // Transport: tempo changes, stops and restarts, jumps back.
    if (b % 40 == 0)
        _head.set(kTempi[(b / 40) % std::size(kTempi)], b % 150 >= 20, _rate);
    if (b % 300 == 299)
        _head.jump(0);

    // A format wrapper takes its lock around the processor's block; without one, everything this
    // thread does for the block is held to the same rules.
    if (_in_process)
        __rtsan_realtime_enter();

    // Host automation: consecutive parameters, so that every one of them moves over a session.
    for (int k = 0; k < _nbr_auto.load() && !_automated.empty(); ++k)
    {
        _rnd = _rnd * 1664525u + 1013904223u;
        _automated[_auto_pos++ % _automated.size()]->setValue(float(_rnd >> 8) / float(1u << 24));
    }
    if (_bypass != nullptr && b % 97 == 0)
        _bypass->setValue(1.0f);
    if (_bypass != nullptr && b % 97 == 9)
        _bypass->setValue(0.0f);

    juce::AudioBuffer<float> view(_buffer.getArrayOfWritePointers(), 2, n);
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < n; ++i)
            view.setSample(c, i, _source.getSample(c, int((_src_pos + i) % _source.getNumSamples())));
    _src_pos += n;
    _midi.clear();
    add_midi(n);

    if (_in_process && b % 61 < 4)
        _proc.processBlockBypassed(view, _midi);
    else
        _proc.processBlock(view, _midi);
    if (_in_process)
        __rtsan_realtime_exit();

    // A processor that silently skipped its work would pass the check without being checked.
    bool changed = false;
    for (int c = 0; c < 2 && !changed; ++c)
        for (int i = 0; i < n && !changed; ++i)
            changed = view.getSample(c, i) !=
                      _source.getSample(c, int((_src_pos - n + i) % _source.getNumSamples()));
    _nbr_changed += changed ? 1 : 0;

    _head.advance(n);
    ++_nbr_blocks;
    _nbr_spl += n;
}

void RtSession::add_midi(int n)
{
    const int64_t b = _nbr_blocks;
    if (b % 8 == 0)
    {
        if (_last_note >= 0)
            _midi.addEvent(juce::MidiMessage::noteOff(1, _last_note), 0);
        _last_note = 36 + int((b * 7) % 48);
        _midi.addEvent(juce::MidiMessage::noteOn(1, _last_note, juce::uint8(100)), n / 2);
    }
    _midi.addEvent(juce::MidiMessage::controllerEvent(1, kCcs[b % std::size(kCcs)], int((b * 13) % 128)),
                   n - 1);
    if (b % 50 == 25)
        _midi.addEvent(juce::MidiMessage::pitchWheel(1, int((b * 331) % 16384)), 0);
    if (b % 160 == 80)
    {
        // Bank select, then the program: the patch loads on the message thread.
        _midi.addEvent(juce::MidiMessage::controllerEvent(1, 0, 0), 0);
        _midi.addEvent(juce::MidiMessage::controllerEvent(1, 32, 0), 0);
        _midi.addEvent(juce::MidiMessage::programChange(1, int((b / 160) % 28)), 0);
    }
}

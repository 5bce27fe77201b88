// Host torture of a built bundle, through the same hosting classes as the load check. Everything is
// seeded, so a failure replays with the same --seed.
#include "Torture.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_events/juce_events.h>

#include <malloc.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace
{
// The input peaks at 0.9. Input, dry and output gains reach 4 each (+12 dB) and the resonance
// reaches +40 dB, so a sane output stays far below +80 dBFS; anything above is a runaway filter.
constexpr float kBound = 10000.0f;

const int kSizes[] = {1, 2, 3, 17, 64, 100, 257, 511, 1024, 4097, 8192};
const double kRates[] = {22050.0, 44100.0, 48000.0, 88200.0, 96000.0, 176400.0, 192000.0};

using Instance = std::unique_ptr<juce::AudioPluginInstance>;
using ParamList = juce::Array<juce::AudioProcessorParameter*>;

struct Checks
{
    int failures = 0;

    void check(bool ok, const juce::String& what)
    {
        std::printf("%s: %s\n", ok ? "ok" : "FAIL", what.toRawUTF8());
        std::fflush(stdout);
        if (!ok)
            ++failures;
    }
};

// Finite-and-bounded record of everything a section played.
struct Level
{
    float peak = 0.0f;
    bool finite = true;
    long nbr_spl = 0;

    void add(const juce::AudioBuffer<float>& buf)
    {
        for (int c = 0; c < buf.getNumChannels(); ++c)
            for (int i = 0; i < buf.getNumSamples(); ++i)
            {
                const float v = buf.getSample(c, i);
                finite &= std::isfinite(v);
                peak = std::max(peak, std::abs(v));
            }
        nbr_spl += buf.getNumSamples();
    }
    void add(const Level& o)
    {
        peak = std::max(peak, o.peak);
        finite &= o.finite;
        nbr_spl += o.nbr_spl;
    }
    bool ok() const { return finite && peak <= kBound; }
    juce::String describe() const
    {
        return juce::String(nbr_spl) + " samples, peak " + juce::String(peak) +
               (finite ? "" : ", NOT FINITE");
    }
};

void fillInput(juce::AudioBuffer<float>& buf, long offset)
{
    for (int c = 0; c < buf.getNumChannels(); ++c)
        for (int i = 0; i < buf.getNumSamples(); ++i)
        {
            const long n = offset + i;
            buf.setSample(c, i,
                          0.4f * float(std::sin(0.031 * double(n) + c)) + ((n % 4800) < 40 ? 0.5f : 0.0f));
        }
}

float maxDiff(const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b)
{
    float d = 0.0f;
    for (int c = 0; c < std::min(a.getNumChannels(), b.getNumChannels()); ++c)
        for (int i = 0; i < std::min(a.getNumSamples(), b.getNumSamples()); ++i)
            d = std::max(d, std::abs(a.getSample(c, i) - b.getSample(c, i)));
    return d;
}

// Equal, or the same zero shown with and without its sign ("-0.0" reads back as "0.0").
bool sameText(const juce::String& a, const juce::String& b)
{
    const juce::String x = a.removeCharacters(" "), y = b.removeCharacters(" ");
    return x == y || (x == "-" + y && y.containsOnly("0.")) || (y == "-" + x && x.containsOnly("0."));
}

juce::String idOf(juce::AudioProcessorParameter* p)
{
    const auto* h = dynamic_cast<juce::HostedAudioProcessorParameter*>(p);
    return h != nullptr ? h->getParameterID() : juce::String();
}

// The plug-in's own 615: without the VST3 client's MIDI controller and program parameters and the
// LV2 client's "enabled" port.
ParamList ours(juce::AudioProcessor& p)
{
    static const juce::String vst3_program_id(juce::int64(0x70727374)); // 'prst'
    ParamList list;
    for (auto* prm : p.getParameters())
    {
        const juce::String id = idOf(prm);
        if (!prm->getName(64).startsWith("MIDI CC ") && id != "sym:enabled" && id != vst3_program_id)
            list.add(prm);
    }
    return list;
}

juce::AudioProcessorParameter* bypassOf(juce::AudioProcessor& p)
{
    if (auto* b = p.getBypassParameter())
        return b;
    for (auto* prm : p.getParameters())
        if (prm->getName(64) == "Bypass")
            return prm;
    return nullptr;
}

bool isOurBypass(juce::AudioProcessorParameter* p)
{
    return p->getName(64) == "Bypass" && idOf(p) != "sym:enabled";
}

class Torture
{
public:
    Torture(const juce::String& kind, const juce::String& target, const juce::String& folder, unsigned seed)
        : _rng(seed), _kind(kind), _target(target), _lv2(kind.equalsIgnoreCase("LV2"))
    {
        // JUCE's LV2 host crashes on a relative search folder.
        if (folder.isNotEmpty())
            _folder = juce::File::getCurrentWorkingDirectory().getChildFile(folder).getFullPathName();
    }

    bool findPlugin()
    {
        _formats.addDefaultFormats();
        for (auto* f : _formats.getFormats())
            if (f->getName().equalsIgnoreCase(_kind))
                _format = f;
        if (_format == nullptr)
        {
            std::fprintf(stderr, "no %s hosting in this build\n", _kind.toRawUTF8());
            return false;
        }
        // LV2 plug-ins are found by URI among the bundles of a search path.
        if (_folder.isNotEmpty())
            _format->searchPathsForPlugins(juce::FileSearchPath(_folder), true, false);
        juce::OwnedArray<juce::PluginDescription> found;
        _format->findAllTypesForFile(found, _target);
        _checks.check(found.size() == 1, "one plug-in found in " + _target);
        if (found.size() != 1)
            return false;
        _desc = *found[0];
        return true;
    }

    Instance create(double rate, int block)
    {
        juce::String error;
        auto p = _formats.createPluginInstance(_desc, rate, block, error);
        if (p == nullptr)
            _checks.check(false, "instance created: " + error);
        return p;
    }

    static void prepare(juce::AudioProcessor& p, double rate, int block)
    {
        p.setPlayConfigDetails(2, 2, rate, block);
        p.prepareToPlay(rate, block);
    }

    // Plays nbr_spl samples in blocks of `block`; returns the level of the output.
    Level play(juce::AudioProcessor& p, long nbr_spl, int block)
    {
        Level lvl;
        juce::AudioBuffer<float> buf(2, block);
        for (long done = 0; done < nbr_spl; done += block)
        {
            const int n = int(std::min<long>(block, nbr_spl - done));
            buf.setSize(2, n, false, false, true);
            fillInput(buf, _pos);
            _pos += n;
            _midi.clear();
            p.processBlock(buf, _midi);
            lvl.add(buf);
        }
        return lvl;
    }

    // Spreads the first nbr parameters over their range, so that the effect is clearly on.
    static void moveParameters(juce::AudioProcessor& p, int nbr)
    {
        int k = 0;
        for (auto* prm : ours(p))
            if (!isOurBypass(prm) && k < nbr)
                prm->setValueNotifyingHost(std::fmod(0.61803f * float(++k) + 0.05f, 1.0f));
    }

    float uniform() { return std::uniform_real_distribution<float>(0.0f, 1.0f)(_rng); }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(_rng); }

    // ---- Sections -------------------------------------------------------------------------------
    // Every size at every rate; an empty `prepared` prepares for the largest size played.
    void blockSizesAndRates(const std::vector<int>& prepared, const juce::String& what)
    {
        auto p = create(48000.0, 512);
        if (p == nullptr)
            return;
        moveParameters(*p, 40);
        bool all_ok = true;
        Level total;
        for (size_t r = 0; r < std::size(kRates); ++r)
        {
            const double rate = kRates[r];
            const int size_prepared = prepared.empty() ? 8192 : prepared[r % prepared.size()];
            prepare(*p, rate, size_prepared);
            for (const int size : kSizes)
            {
                const Level lvl = play(*p, std::max<long>(long(rate / 10), 3L * size), size);
                total.add(lvl);
                if (!lvl.ok())
                {
                    all_ok = false;
                    std::printf("  %g Hz, prepared %d, blocks of %d: %s\n", rate, size_prepared, size,
                                lvl.describe().toRawUTF8());
                }
            }
            p->releaseResources();
        }
        _checks.check(all_ok,
                      what + ", finite and within " + juce::String(kBound) + " (" + total.describe() + ")");
    }

    void prepareReleaseCycles()
    {
        auto p = create(44100.0, 256);
        if (p == nullptr)
            return;
        moveParameters(*p, 40);
        Level total;
        for (int i = 0; i < 24; ++i)
        {
            const double rate = kRates[i % std::size(kRates)];
            const int size = kSizes[(i * 5) % std::size(kSizes)];
            prepare(*p, rate, size);
            // Some hosts prepare twice in a row, or release twice.
            if (i % 4 == 1)
                prepare(*p, rate, size);
            total.add(play(*p, 3L * size + 7, size));
            p->releaseResources();
            if (i % 4 == 2)
                p->releaseResources();
        }
        prepare(*p, 48000.0, 512);
        total.add(play(*p, 48000, 512));
        _checks.check(total.ok() && total.peak > 1e-3f,
                      "24 prepare/release cycles, output finite and bounded (" + total.describe() + ")");
    }

    void bypassToggling()
    {
        auto p = create(48000.0, 333);
        if (p == nullptr)
            return;
        prepare(*p, 48000.0, 333);
        moveParameters(*p, 12);
        auto* bypass = bypassOf(*p);
        _checks.check(bypass != nullptr, "bypass parameter present");
        if (bypass == nullptr)
            return;
        juce::AudioBuffer<float> x(2, 333), y(2, 333);
        const auto block = [&]
        {
            fillInput(x, _pos);
            _pos += x.getNumSamples();
            y.makeCopyOf(x);
            _midi.clear();
            p->processBlock(x, _midi);
            return maxDiff(x, y);
        };
        for (int b = 0; b < 20; ++b)
            block();
        bool untouched = true, back = true;
        float least_effect = 1e9f;
        for (int t = 0; t < 10; ++t)
        {
            bypass->setValueNotifyingHost(1.0f);
            for (int b = 0; b < 4 + t % 3; ++b)
                untouched &= block() == 0.0f;
            bypass->setValueNotifyingHost(0.0f);
            float effect = 0.0f;
            for (int b = 0; b < 4; ++b)
                effect = std::max(effect, block());
            least_effect = std::min(least_effect, effect);
            back &= effect > 1e-3f;
        }
        _checks.check(untouched, "bypass toggled 10 times: audio untouched while bypassed");
        _checks.check(back, "the effect comes back after each bypass (least change " +
                                juce::String(least_effect) + ")");
    }

    // Values of the plug-in's parameters as the host sees them, without the "UNUSED" placeholders
    // of the modulator slots: no patch and so no state sets those.
    static std::vector<float> values(juce::AudioProcessor& p)
    {
        std::vector<float> v;
        for (auto* prm : ours(p))
            v.push_back(prm->getName(64) == "UNUSED" ? 0.0f : prm->getValue());
        return v;
    }

    void fuzzAll(juce::AudioProcessor& p)
    {
        for (auto* prm : ours(p))
            if (!isOurBypass(prm))
                prm->setValueNotifyingHost(uniform());
    }

    void stateRestoreWhilePlaying()
    {
        auto a = create(48000.0, 256);
        auto ref = create(48000.0, 256);
        if (a == nullptr || ref == nullptr)
            return;
        prepare(*a, 48000.0, 256);
        prepare(*ref, 48000.0, 256);
        bool same = true;
        Level total;
        for (int round = 0; round < 3; ++round)
        {
            fuzzAll(*a);
            total.add(play(*a, 2048, 256));
            juce::MemoryBlock saved;
            a->getStateInformation(saved);
            // What the saved state means in parameter values: a second instance restored from it.
            // (The host's own view of a discrete parameter keeps the unsnapped value it set.)
            ref->setStateInformation(saved.getData(), int(saved.getSize()));
            play(*ref, 512, 256);
            const auto want = values(*ref);

            // The host restores from its message thread while its audio thread keeps playing.
            fuzzAll(*a);
            std::atomic<bool> stop{false};
            std::atomic<int> nbr_blocks{0};
            Level audio;
            std::thread audio_thread(
                [&]
                {
                    juce::AudioBuffer<float> buf(2, 256);
                    juce::MidiBuffer midi;
                    long pos = 0;
                    while (!stop.load())
                    {
                        fillInput(buf, pos);
                        pos += 256;
                        midi.clear();
                        a->processBlock(buf, midi);
                        audio.add(buf);
                        ++nbr_blocks;
                    }
                });
            const auto waitBlocks = [&](int n)
            {
                const int until = nbr_blocks.load() + n;
                while (nbr_blocks.load() < until)
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
            };
            waitBlocks(8);
            a->setStateInformation(saved.getData(), int(saved.getSize()));
            waitBlocks(8);
            juce::MemoryBlock during;
            a->getStateInformation(during);
            waitBlocks(4);
            stop = true;
            audio_thread.join();
            total.add(audio);
            play(*a, 256, 256);
            const auto got = values(*a);
            for (size_t i = 0; i < got.size() && i < want.size(); ++i)
                if (std::abs(got[i] - want[i]) >= 1e-6f)
                {
                    std::printf("  round %d, parameter %d (%s): saved %g, restored %g\n", round, int(i),
                                ours(*a)[int(i)]->getName(64).toRawUTF8(), double(want[i]), double(got[i]));
                    same = false;
                }
            same &= got.size() == want.size() && during.getSize() > 0;
        }
        _checks.check(same,
                      "3 states restored while audio plays equal the saved ones in every parameter value");
        _checks.check(total.ok(), "output around the restores finite and bounded (" + total.describe() + ")");
    }

    juce::String randomText(juce::AudioProcessorParameter& prm, const ParamList& all)
    {
        static const char* const pool[] = {
            "",      "0",       "1",    "-1",     "0.5",    "1e9",     "-1e9",
            "1e400", "nan",     "inf",  "-inf",   "abc",    " 12 dB",  "+3.0 dB",
            "100 %", "Tempo",   "Time", "Sine",   "ADSR",   "1/4",     "3:2",
            "0x10",  "1,5",     "-0",   "12 kHz", "440 Hz", "-120 dB", "99999999999999999999999",
            "--5",   "\xc3\xa9"};
        switch (below(4))
        {
        case 0:
            return juce::String::fromUTF8(pool[below(int(std::size(pool)))]);
        case 1:
            return prm.getText(uniform(), 64);
        case 2:
            return all[below(all.size())]->getText(uniform(), 64);
        default:
            return juce::String(double(uniform()) * 4000.0 - 2000.0);
        }
    }

    void parameterFuzzing()
    {
        auto p = create(44100.0, 8192);
        if (p == nullptr)
            return;
        prepare(*p, 44100.0, 8192);
        const ParamList list = ours(*p);
        const auto& every = p->getParameters();
        _checks.check(list.size() == 615, "615 parameters to fuzz (" + juce::String(list.size()) + ")");
        bool in_range = true, texts_in_range = true;
        int nbr_round_trip = 0, nbr_round_trip_bad = 0, nbr_texts = 0, nbr_host_nan = 0;
        Level total;
        juce::AudioBuffer<float> buf(2, 8192);
        constexpr int kBlocks = 200;
        for (int b = 0; b < kBlocks; ++b)
        {
            for (auto* prm : list)
            {
                float v = 0.0f;
                const int how = below(10);
                if (isOurBypass(prm))
                    v = how == 0 ? 1.0f : 0.0f;
                else if (how < 6)
                    v = uniform();
                else if (how == 6)
                    v = float(below(2));
                else
                {
                    const juce::String text = randomText(*prm, list);
                    v = prm->getValueForText(text);
                    ++nbr_texts;
                    // LV2 has no text conversion in the plug-in: JUCE's LV2 host parses numbers
                    // itself and turns "nan" into NaN. Not the plug-in's; counted, not applied.
                    if (_lv2 && std::isnan(v))
                    {
                        ++nbr_host_nan;
                        continue;
                    }
                    if (!(v >= 0.0f && v <= 1.0f))
                    {
                        if (texts_in_range)
                            std::printf("  %s: text \"%s\" gives %g\n", prm->getName(64).toRawUTF8(),
                                        text.toRawUTF8(), double(v));
                        texts_in_range = false;
                        continue;
                    }
                }
                prm->setValueNotifyingHost(v);
            }
            // Notes too: they start the envelopes.
            _midi.clear();
            if (b % 3 == 0)
                _midi.addEvent(juce::MidiMessage::noteOn(1, 36 + below(48), juce::uint8(1 + below(127))), 0);
            if (b % 3 == 2)
                _midi.addEvent(juce::MidiMessage::allNotesOff(1), 0);
            const int n = b % 17 == 0 ? 8192 : 1 + below(1024);
            buf.setSize(2, n, false, false, true);
            fillInput(buf, _pos);
            _pos += n;
            p->processBlock(buf, _midi);
            total.add(buf);
            for (auto* prm : every)
            {
                const float v = prm->getValue();
                if (!(v >= 0.0f && v <= 1.0f))
                {
                    if (in_range)
                        std::printf("  block %d, %s: value %g\n", b, prm->getName(64).toRawUTF8(), double(v));
                    in_range = false;
                }
            }
            // A displayed text reads back as a value that displays the same way.
            for (int k = 0; k < (b == kBlocks - 1 ? list.size() : 20); ++k)
            {
                auto* prm = b == kBlocks - 1 ? list[k] : list[below(list.size())];
                const juce::String t1 = prm->getText(prm->getValue(), 64);
                const float v1 = prm->getValueForText(t1);
                const juce::String t2 = prm->getText(v1, 64);
                ++nbr_round_trip;
                if (!sameText(t1, t2) || !(v1 >= 0.0f && v1 <= 1.0f))
                {
                    if (nbr_round_trip_bad < 10)
                        std::printf("  %s: \"%s\" -> %g -> \"%s\"\n", prm->getName(64).toRawUTF8(),
                                    t1.toRawUTF8(), double(v1), t2.toRawUTF8());
                    ++nbr_round_trip_bad;
                }
            }
        }
        if (nbr_host_nan > 0)
            std::printf("note: the LV2 host parsed %d texts to NaN\n", nbr_host_nan);
        _checks.check(texts_in_range, juce::String(nbr_texts) + " random texts give values within 0..1");
        _checks.check(in_range,
                      "every parameter stays within 0..1 over " + juce::String(kBlocks) + " fuzzed blocks");
        _checks.check(nbr_round_trip_bad == 0, "texts round-trip (" + juce::String(nbr_round_trip_bad) +
                                                   " of " + juce::String(nbr_round_trip) + " differ)");
        _checks.check(total.ok(), "fuzzed output finite and bounded (" + total.describe() + ")");
        p->releaseResources();
    }

    // Hosts create a new instance before deleting the old one, and restore states between them.
    void lifecycle(int nbr_cycles)
    {
        Instance previous;
        juce::MemoryBlock state;
        int nbr_created = 0;
        size_t heap_early = 0, heap_late = 0;
        int i_early = 0, i_late = 0;
        Level total;
        const auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < nbr_cycles; ++i)
        {
            const double rate = kRates[i % std::size(kRates)];
            auto p = create(rate, 100);
            if (p == nullptr)
                break;
            ++nbr_created;
            prepare(*p, rate, 100);
            if (state.getSize() > 0 && i % 5 == 0)
                p->setStateInformation(state.getData(), int(state.getSize()));
            else
                moveParameters(*p, 5 + i % 30);
            total.add(play(*p, 300, 100));
            state.reset();
            p->getStateInformation(state);
            p->releaseResources();
            previous = std::move(p);
            // Hosts run a message loop: JUCE's LV2 host queues the plug-in's events for the
            // editor until it runs.
            juce::MessageManager::getInstance()->runDispatchLoopUntil(1);
            // Measured where the same two rates are alive: an instance's buffers follow its rate.
            if (i % std::size(kRates) == std::size(kRates) - 1 && i >= 13)
            {
                (heap_early == 0 ? heap_early : heap_late) = heapInUse();
                (i_early == 0 ? i_early : i_late) = i;
            }
        }
        previous.reset();
        const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        _checks.check(nbr_created == nbr_cycles && total.ok(),
                      juce::String(nbr_created) + " instances created, played and deleted in " +
                          juce::String(secs, 2) + " s (" + total.describe() + ")");
        // A leak that stays reachable (a registry that keeps every instance's objects) escapes
        // the leak checkers; it shows as heap growth from cycle to cycle. Under valgrind the
        // allocator's counters read 0.
        if (heap_early > 0 && i_late > i_early)
        {
            const double per_cycle = (double(heap_late) - double(heap_early)) / double(i_late - i_early);
            _checks.check(per_cycle < 4096.0, "heap growth per instance from instance " +
                                                  juce::String(i_early) + " to " + juce::String(i_late) +
                                                  ": " + juce::String(per_cycle, 0) + " bytes (below 4096)");
        }
    }

    static size_t heapInUse()
    {
        const struct mallinfo2 m = mallinfo2();
        return m.uordblks + m.hblkhd;
    }

    int failures() const { return _checks.failures; }

private:
    std::mt19937 _rng;
    juce::String _kind, _target, _folder;
    bool _lv2 = false;
    juce::AudioPluginFormatManager _formats;
    juce::AudioPluginFormat* _format = nullptr;
    juce::PluginDescription _desc;
    Checks _checks;
    juce::MidiBuffer _midi;
    long _pos = 0;
};
} // namespace

int runHostTorture(int argc, char** argv)
{
    juce::StringArray plain;
    juce::String only;
    int nbr_cycles = 50;
    unsigned seed = 20260601;
    bool oversize = false;
    for (int i = 0; i < argc; ++i)
    {
        const juce::String a(argv[i]);
        if (a.startsWith("--only="))
            only = a.fromFirstOccurrenceOf("=", false, false);
        else if (a.startsWith("--cycles="))
            nbr_cycles = a.fromFirstOccurrenceOf("=", false, false).getIntValue();
        else if (a == "--oversize")
            oversize = true;
        else if (a.startsWith("--seed="))
            seed = unsigned(a.fromFirstOccurrenceOf("=", false, false).getLargeIntValue());
        else
            plain.add(a);
    }
    if (plain.size() < 2 || plain.size() > 3)
    {
        std::fprintf(stderr,
                     "usage: crenzel-hostcheck torture VST3|LV2 BUNDLE-OR-URI [SEARCH-FOLDER] "
                     "[--only=sizes|oversize|cycles|bypass|state|fuzz|lifecycle] [--oversize] [--cycles=N] "
                     "[--seed=N]\n");
        return 2;
    }
    juce::ScopedJuceInitialiser_GUI juce_init;
    Torture t(plain[0], plain[1], plain.size() > 2 ? plain[2] : juce::String(), seed);
    if (!t.findPlugin())
        return 1;
    std::printf("seed %u\n", seed);
    const auto wanted = [&](const char* name) { return only.isEmpty() || only == name; };
    if (wanted("sizes"))
        t.blockSizesAndRates({}, "every block size at every rate");
    // Hosts send blocks larger than the size they prepared for. JUCE 7.0.5's VST3 client copies
    // such a block past the end of its own buffer, before the processor sees it, so under VST3
    // this runs only when asked for.
    if (only == "oversize" || (only.isEmpty() && (!plain[0].equalsIgnoreCase("VST3") || oversize)))
        t.blockSizesAndRates({1, 64, 512, 1024, 100, 4096, 257}, "blocks larger than prepared");
    if (wanted("cycles"))
        t.prepareReleaseCycles();
    if (wanted("bypass"))
        t.bypassToggling();
    if (wanted("state"))
        t.stateRestoreWhilePlaying();
    if (wanted("fuzz"))
        t.parameterFuzzing();
    if (wanted("lifecycle"))
        t.lifecycle(nbr_cycles);
    std::printf("%d check(s) failed\n", t.failures());
    return t.failures() == 0 ? 0 : 1;
}

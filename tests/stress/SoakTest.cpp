// Ten minutes of audio or more, rendered offline, with one random change before every block: a host
// parameter, a modulation connection, a macro, an LFO waveform, a patch load, a sample-rate reset or a
// block size. The output must stay finite and within what the effect can produce, processBlock must
// never touch the heap after warm-up, and the state saved at the end must restore into a fresh
// processor. The seed is printed; CRENZEL_SOAK_SEED=<n> replays a run, CRENZEL_SOAK_SEED=random
// draws a new one, and CRENZEL_SOAK_SECONDS=<s> renders longer. A seed replays every change; the
// audio's last bits may still differ with the heap layout, as connections are summed in pointer order.
#include "dsp/ProcessorFixture.h"
#include "stress/SoakSignal.h"
#include "support/AllocCounter.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#ifndef CRENZEL_PRESETS_DIR
#define CRENZEL_PRESETS_DIR ""
#endif

namespace crenzel_test
{
namespace
{

// Output bounds, from the effect's largest settings. The input and output gains reach 4 (+12 dB);
// the band and low-pass weights of the tone balance are at most 1/sqrt 2; the saturation stays
// below 1 in magnitude. With the distortion after the mix (POST) everything is saturated, so the
// output stays below 4. Before the mix (PRE) only the low-pass is, and the up to 15 band-passes add
// up unsaturated: each (peak gain 1, Q = 1..15, centre up to 0.475 fs) has an impulse response whose
// absolute sum is at most 1.31, taken as 1.5 to leave room for gliding coefficients.
constexpr double kMaxGain = 4.0;
constexpr double kBandWeight = 0.70710678118654752;
constexpr double kBandAbsSum = 1.5;
constexpr int kMaxBands = 15;
constexpr double kPostBound = kMaxGain * 1.0 * (1.0 + 1e-5);
constexpr double kPreBound =
    kMaxGain * (kBandWeight * kMaxBands * kBandAbsSum * kMaxGain * SoakSignal::kPeak + kBandWeight * 1.0);

constexpr double kMinSeconds = 600.0;
constexpr double kWarmUpSeconds = 1.0;
constexpr int kMaxBlock = 2048;
constexpr uint32_t kDefaultSeed = 20261211;
constexpr int kRoutingId = 6;
constexpr int kWaveformParam = 5;
constexpr int kNbrWaveforms = 13;

enum Change
{
    Change_PARAM,
    Change_MODULATION,
    Change_MACRO,
    Change_WAVEFORM,
    Change_PATCH,
    Change_RESET,
    Change_BLOCK_SIZE,
    Change_NBR_ELT
};

// Weights of the changes; patch loads and resets are the slow ones, off the audio thread.
constexpr int kWeights[Change_NBR_ELT] = {32, 18, 12, 10, 1, 1, 26};
const char* const kChangeNames[Change_NBR_ELT] = {"parameter", "modulation", "macro",     "waveform",
                                                  "patch",     "reset",      "block size"};

uint32_t soakSeed()
{
    const char* text = std::getenv("CRENZEL_SOAK_SEED");
    if (text == nullptr || *text == '\0')
        return kDefaultSeed;
    if (std::string(text) == "random")
        return std::random_device{}();
    return uint32_t(std::strtoul(text, nullptr, 10));
}

double soakSeconds()
{
    const char* text = std::getenv("CRENZEL_SOAK_SECONDS");
    const double s = (text != nullptr) ? std::atof(text) : 0.0;
    return std::max(kMinSeconds, std::isfinite(s) ? s : 0.0);
}

class Soak : public ProcessorTest
{
protected:
    // The factory patches are installed where the first start copies them from, so that they
    // become the host programs as on a real system.
    void SetUp() override
    {
        const juce::File factory = juce::File(CRENZEL_PRESETS_DIR).getChildFile("Factory");
        ASSERT_TRUE(factory.isDirectory()) << CRENZEL_PRESETS_DIR;
        ASSERT_TRUE(factory.copyDirectoryTo(locations.installedFactory()));
        // Sorted, so that a seed replays the same loads on any file system.
        auto files = factory.findChildFiles(juce::File::findFiles, true, "*.fpx");
        files.sort();
        for (const auto& f : files)
            patches.push_back(LoadSave::parseJsonFile(f));
        ASSERT_FALSE(patches.empty());
        ProcessorTest::SetUp();
        ASSERT_GT(proc->getNumPrograms(), 1);
        for (const auto& [id, control] : proc->getControls())
            ids.push_back(id);
        for (const auto& [id, control] : proc->getEngine().getModulationDestinations())
            destinations.push_back(id);
    }

    double amount(SoakDice& dice)
    {
        if (dice.chance(0.1))
            return dice.chance(0.5) ? 1.0 : -1.0;
        if (dice.chance(0.05))
            return 1e-9; // counts as zero: removes
        return 2.0 * dice.unit() - 1.0;
    }

    template <typename T>
    static T* pickExisting(const std::set<T*>& set, SoakDice& dice)
    {
        auto it = set.begin();
        std::advance(it, dice.below(int(set.size())));
        return *it;
    }

    // True while the distortion may run before the mix in this block.
    bool mayRunPre() const
    {
        const int nbr = proc->getNumModulations(kRoutingId) + proc->getNumMacroModulations(kRoutingId);
        return nbr > 0 || proc->getControls().at(kRoutingId)->value() < 0.5;
    }

    std::vector<juce::var> patches;
    std::vector<int> ids;
    std::vector<int> destinations;
};

TEST_F(Soak, TenMinutesOfRandomChangesStayBoundedAllocationFreeAndRestorable)
{
    const uint32_t seed = soakSeed();
    const double seconds = soakSeconds();
    std::cout << "[   SOAK   ] seed " << seed << " (CRENZEL_SOAK_SEED=" << seed << " replays it), " << seconds
              << " s of audio" << std::endl;
    RecordProperty("seed", std::to_string(seed));
    SCOPED_TRACE("CRENZEL_SOAK_SEED=" + std::to_string(seed));

    SoakDice dice(seed);
    SoakSignal signal(dice);
    const double rates[] = {44100.0, 48000.0, 88200.0, 96000.0, 192000.0};
    const int announcedSizes[] = {32, 64, 100, 256, 441, 512, 1000, 1024, 2048};
    double rate = 48000.0;
    int announced = 512;
    int ins = 2;
    int outs = 2;
    int n = 512;

    TestPlayHead head;
    head.playing = true;
    proc->setPlayHead(&head);
    juce::AudioBuffer<float> input(2, kMaxBlock);
    juce::AudioBuffer<float> buf(2, kMaxBlock);
    juce::MidiBuffer midi;

    std::string change = "start";
    std::vector<std::string> faults;
    auto fault = [&](const std::string& what, long block, double t)
    {
        if (faults.size() < 12)
            faults.push_back("block " + std::to_string(block) + " at " + std::to_string(t) + " s after " +
                             change + ": " + what);
    };
    long nbr_blocks = 0;
    long nbr_alloc_blocks = 0;
    long nbr_bad_samples = 0;
    long nbr_changed_blocks = 0; // blocks whose output differs from their input
    long nbr_changes[Change_NBR_ELT] = {};
    double peak_post = 0.0;
    double peak_pre = 0.0;
    double t = 0.0;
    bool pre_before = true;
    const auto start = std::chrono::steady_clock::now();

    for (; t < seconds; ++nbr_blocks)
    {
        // ---- One change, made between blocks as the message or host thread would -------------
        int roll = dice.below(100);
        int kind = 0;
        while (roll >= kWeights[kind])
            roll -= kWeights[kind++];
        ++nbr_changes[kind];
        switch (kind)
        {
        case Change_PARAM:
        {
            if (dice.chance(0.1))
            {
                head.bpm = 20.0 + 280.0 * dice.unit();
                change = "host tempo " + std::to_string(head.bpm);
                break;
            }
            const int index = dice.below(int(ids.size())); // the bypass is left alone
            const float v = dice.chance(0.3) ? float(dice.below(2)) : float(dice.unit());
            proc->getParameters()[index]->setValueNotifyingHost(v);
            change = "parameter " + std::to_string(ids[size_t(index)]) + " = " + std::to_string(v);
            break;
        }
        case Change_MODULATION:
        {
            const auto& set = proc->getModulationConnections();
            if (!set.empty() && dice.chance(0.4))
            {
                ModulationConnection* c = pickExisting(set, dice);
                const double a = dice.chance(0.5) ? 0.0 : amount(dice);
                change = "modulation " + std::to_string(c->source) + " -> " + std::to_string(c->destination) +
                         " changed to " + std::to_string(a);
                proc->setModulationAmount(c, a);
                break;
            }
            const int src = PluginEngine::getModulationSourceId(dice.below(PluginEngine::kNbrSlots));
            const int dst = destinations[size_t(dice.below(int(destinations.size())))];
            const double a = amount(dice);
            proc->changeModulationAmount(src, dst, a);
            change = "modulation " + std::to_string(src) + " -> " + std::to_string(dst) + " = " +
                     std::to_string(a);
            break;
        }
        case Change_MACRO:
        {
            const int macro = PluginEngine::getMacroId(1 + dice.below(PluginEngine::kNbrMacros));
            if (dice.chance(0.4))
            {
                const float v = dice.chance(0.3) ? float(dice.below(2)) : float(dice.unit());
                proc->getBridge(macro)->setValueNotifyingHost(v);
                change = "macro " + std::to_string(macro) + " = " + std::to_string(v);
                break;
            }
            const WavePath curve{dice.below(WavePath::Type_NBR_ELT), dice.unit(), dice.unit()};
            const auto& set = proc->getMacroConnections();
            if (!set.empty() && dice.chance(0.4))
            {
                MacroConnection* c = pickExisting(set, dice);
                const double a = dice.chance(0.5) ? 0.0 : amount(dice);
                change = "macro " + std::to_string(c->source) + " -> " + std::to_string(c->destination) +
                         " changed to " + std::to_string(a);
                proc->setMacroModulation(c, a, curve);
                break;
            }
            const int dst = destinations[size_t(dice.below(int(destinations.size())))];
            const double a = amount(dice);
            proc->changeMacroAmount(macro, dst, a, curve);
            change = "macro " + std::to_string(macro) + " -> " + std::to_string(dst) + " = " +
                     std::to_string(a) + " curve " + std::to_string(curve.type);
            break;
        }
        case Change_WAVEFORM:
        {
            const int slot = dice.below(PluginEngine::kNbrSlots);
            const int wave = dice.below(kNbrWaveforms);
            proc->modulatorChangedInternal(PluginEngine::getModulationSourceId(slot) + kWaveformParam, wave);
            change = "slot " + std::to_string(slot) + " waveform " + std::to_string(wave);
            break;
        }
        case Change_PATCH:
            if (dice.chance(0.5))
            {
                const int program = dice.below(proc->getNumPrograms());
                proc->now += 1000;
                proc->setCurrentProgram(program);
                change = "program " + std::to_string(program);
            }
            else
            {
                const int patch = dice.below(int(patches.size()));
                proc->loadFromVar(patches[size_t(patch)]);
                change = "patch document " + std::to_string(patch);
            }
            break;
        case Change_RESET:
        {
            rate = rates[dice.below(5)];
            announced = announcedSizes[dice.below(9)];
            if (dice.chance(0.25))
            {
                const int layout = dice.below(3);
                ins = (layout == 2) ? 2 : 1;
                outs = (layout == 0) ? 1 : 2;
            }
            proc->setPlayConfigDetails(ins, outs, rate, announced);
            proc->prepareToPlay(rate, announced);
            if (!dice.chance(0.1))
                n = std::min(n, announced);
            change = "reset " + std::to_string(int(rate)) + " Hz, " + std::to_string(announced) +
                     " samples, " + std::to_string(ins) + " -> " + std::to_string(outs);
            break;
        }
        case Change_BLOCK_SIZE:
        default:
        {
            const int roll2 = dice.below(100);
            if (roll2 < 10 && announced < kMaxBlock)
                n = dice.between(announced + 1, kMaxBlock); // beyond what was announced
            else if (roll2 < 35)
                n = dice.between(1, std::min(16, announced));
            else if (roll2 < 45)
                n = announced;
            else
                n = dice.between(1, announced);
            change = "block size " + std::to_string(n);
            break;
        }
        }

        // ---- The block ----------------------------------------------------------------------
        signal.render(input.getWritePointer(0), input.getWritePointer(1), n, rate);
        for (int c = 0; c < 2; ++c)
            buf.copyFrom(c, 0, input, c, 0, n);
        const int channels = std::max(ins, outs);
        juce::AudioBuffer<float> view(buf.getArrayOfWritePointers(), channels, n);
        const bool pre_now = mayRunPre();
        long allocations = 0;
        {
            AllocCounter counter;
            proc->processBlock(view, midi);
            allocations = counter.get();
        }
        if (t >= kWarmUpSeconds && allocations != 0)
        {
            ++nbr_alloc_blocks;
            fault(std::to_string(allocations) + " allocations in processBlock", nbr_blocks, t);
        }

        // ---- The output ---------------------------------------------------------------------
        // A routing change reaches the audio at the next block: both blocks use the wider bound.
        const bool post = !pre_now && !pre_before;
        const double bound = post ? kPostBound : kPreBound;
        double& peak = post ? peak_post : peak_pre;
        bool changed = false;
        for (int c = 0; c < outs; ++c)
        {
            const float* s = view.getReadPointer(c);
            const float* in = input.getReadPointer(std::min(c, ins - 1));
            for (int i = 0; i < n; ++i)
            {
                changed = changed || s[i] != in[i];
                const double x = std::abs(double(s[i]));
                if (std::isfinite(x) && x <= bound)
                {
                    peak = std::max(peak, x);
                    continue;
                }
                if (nbr_bad_samples++ == 0)
                    fault("sample " + std::to_string(i) + " of channel " + std::to_string(c) + " is " +
                              std::to_string(s[i]) + ", bound " + std::to_string(bound),
                          nbr_blocks, t);
            }
        }
        nbr_changed_blocks += changed ? 1 : 0;
        pre_before = pre_now;
        head.samples += n;
        t += n / rate;
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::cout << "[   SOAK   ] " << nbr_blocks << " blocks, " << t << " s of audio in " << wall
              << " s; peaks " << peak_post << " (POST, bound " << kPostBound << "), " << peak_pre
              << " (PRE, bound " << kPreBound << "); " << nbr_changed_blocks
              << " blocks changed by the effect; changes:";
    for (int k = 0; k < Change_NBR_ELT; ++k)
        std::cout << " " << kChangeNames[k] << " " << nbr_changes[k];
    std::cout << std::endl;
    for (const auto& f : faults)
        ADD_FAILURE() << f;
    EXPECT_GE(t, kMinSeconds);
    EXPECT_EQ(nbr_alloc_blocks, 0);
    EXPECT_EQ(nbr_bad_samples, 0);
    // Bounds met by blocks that skipped the effect would prove nothing; silent input and
    // silent settings account for the few that pass unchanged.
    EXPECT_GT(nbr_changed_blocks, nbr_blocks * 3 / 4);
    EXPECT_GT(peak_post, SoakSignal::kPeak);
    proc->setPlayHead(nullptr);

    // ---- The state at the end restores into a fresh processor -----------------------------
    juce::MemoryBlock state;
    proc->getStateInformation(state);
    auto fresh = make();
    fresh->setStateInformation(state.getData(), int(state.getSize()));
    const auto* params = proc->getEngine().getParameters();
    for (const auto& [id, control] : proc->getControls())
    {
        const auto* desc = params->getDetails(id)->desc;
        // A control that no load restores keeps the fresh processor's value.
        if ((desc->get_flags() & zun::param::ParamDescInterface::Flags_AUTOLOCK) != 0)
            continue;
        // Restored values reach the control through its host parameter, in single precision.
        EXPECT_NEAR(desc->conv_nat_to_nrm(fresh->getControls().at(id)->value()),
                    desc->conv_nat_to_nrm(control->value()), 1e-6)
            << "control " << id << ": " << fresh->getControls().at(id)->value() << " instead of "
            << control->value();
    }
    auto modulations = [](PluginProcessor& p)
    {
        std::map<std::pair<int, int>, double> m;
        for (const ModulationConnection* c : p.getModulationConnections())
            m[{c->source, c->destination}] = p.getModulationAmount(c);
        return m;
    };
    auto macros = [](PluginProcessor& p)
    {
        std::map<std::pair<int, int>, std::tuple<double, int, double, double>> m;
        for (const MacroConnection* c : p.getMacroConnections())
        {
            const auto [a, curve] = p.getMacroSetting(c);
            m[{c->source, c->destination}] = {a, int(curve.type), double(curve.curve_min),
                                              double(curve.curve_max)};
        }
        return m;
    };
    // The state text keeps 15 significant digits.
    auto close = [](double a, double b) { return std::abs(a - b) <= 1e-12 * (1.0 + std::abs(b)); };
    const auto mods = modulations(*proc);
    const auto restoredMods = modulations(*fresh);
    EXPECT_EQ(restoredMods.size(), mods.size());
    for (const auto& [key, a] : mods)
    {
        const auto it = restoredMods.find(key);
        EXPECT_TRUE(it != restoredMods.end() && close(it->second, a))
            << "modulation " << key.first << " -> " << key.second << " = " << a;
    }
    const auto macs = macros(*proc);
    const auto restoredMacs = macros(*fresh);
    EXPECT_EQ(restoredMacs.size(), macs.size());
    for (const auto& [key, setting] : macs)
    {
        const auto it = restoredMacs.find(key);
        const bool same = it != restoredMacs.end() && close(std::get<0>(it->second), std::get<0>(setting)) &&
                          std::get<1>(it->second) == std::get<1>(setting) &&
                          close(std::get<2>(it->second), std::get<2>(setting)) &&
                          close(std::get<3>(it->second), std::get<3>(setting));
        EXPECT_TRUE(same) << "macro " << key.first << " -> " << key.second << " = " << std::get<0>(setting);
    }
    std::cout << "[   SOAK   ] final state: " << mods.size() << " modulations, " << macs.size()
              << " macro connections" << std::endl;
}

} // namespace
} // namespace crenzel_test

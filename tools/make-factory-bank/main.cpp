// Builds every factory patch on a fresh processor and writes it as a patch file.
// Usage: crenzel-make-factory-bank <presets folder>   (writes <folder>/Factory/<Folder>/<Patch>.fpx)

#include "dsp/LfoModuleDesc.h"
#include "dsp/PluginProcessor.h"
#include "gui/patches/LoadSave.h"

#include <juce_events/juce_events.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace
{

using L = dsp::LfoModuleDesc;

enum Control
{
    C_DELAY = 3,
    C_CUTOFF = 4,
    C_DISTO = 5,
    C_ROUTING = 6,
    C_TONE = 7,
    C_WIDTH = 8,
    C_BANDS = 9,
    C_RESO = 10,
};

enum Wave
{
    W_SINE = 0,
    W_TRIANGLE,
    W_MSQUARE,
    W_SAW,
    W_PARABOLA,
    W_NPHASE,
    W_BIPHASE,
    W_VARISLOPE,
    W_NOISE1,
    W_NOISE2,
    W_STEPSEQ,
    W_ADSR,
    W_FOLLOWER
};

constexpr int kSlotBase = 15;
constexpr int kSlotSize = 74;

// Writes a patch through the same entry points the editor uses.
class Recipe
{
public:
    explicit Recipe(PluginProcessor& p) : _p(p) {}

    Recipe& set(int id, double v)
    {
        _p.valueChanged(id, v);
        return *this;
    }
    Recipe& slot(int s, int j, double v) { return set(kSlotBase + kSlotSize * s + j, v); }
    // A free-running shape with its period in seconds.
    Recipe& lfo(int s, int wave, double seconds)
    {
        slot(s, L::Param_WAVEFORM, wave);
        slot(s, L::Param_LFO_TEMPO_SWITCH, 0);
        return slot(s, L::Param_LFO_PERIOD_S, seconds);
    }
    // A shape locked to the tempo, its period in beats.
    Recipe& synced(int s, int wave, double beats)
    {
        slot(s, L::Param_WAVEFORM, wave);
        slot(s, L::Param_LFO_TEMPO_SWITCH, 1);
        return slot(s, L::Param_LFO_PERIOD_BEATS, beats);
    }
    Recipe& steps(int s, std::vector<double> values)
    {
        slot(s, L::Param_NBR_STEPS, double(values.size()));
        for (size_t k = 0; k < values.size(); ++k)
            slot(s, L::Param_STEP_0 + int(k), values[k]);
        return *this;
    }
    Recipe& mod(int s, int destination, double amount)
    {
        _p.changeModulationAmount(kSlotBase + kSlotSize * s, destination, amount);
        return *this;
    }
    // Macro m (1..4) at a position, driving a destination through a curve.
    Recipe& macro(int m, double position, int destination, double amount, int curve, double lo = 0.0,
                  double hi = 1.0)
    {
        const int id = PluginEngine::getMacroId(m);
        set(id, position);
        WavePath path;
        path.type = curve;
        path.curve_min = lo;
        path.curve_max = hi;
        _p.changeMacroAmount(id, destination, amount, path);
        return *this;
    }
    Recipe& name(int m, const juce::String& text)
    {
        _p.setMacroName("Macro " + juce::String(m), text);
        return *this;
    }

private:
    PluginProcessor& _p;
};

struct Patch
{
    const char* folder;
    const char* name;
    const char* info;
    std::function<void(Recipe&)> build;
};

// clang-format off
const std::vector<Patch>& patches()
{
    static const std::vector<Patch> list = {
    // ---- Basics: one idea at a time, no modulation unless it is the point ----
    {"Basics", "Single Band Sweep",
     "One resonant band swept up and down by a slow sine. The plainest view of the filter.",
     [](Recipe& r) {
         r.set(C_BANDS, 1).set(C_RESO, 30).set(C_CUTOFF, 900);
         r.lfo(0, W_SINE, 4.0).mod(0, C_CUTOFF, 0.35);
     }},
    {"Basics", "Four Wide Bands",
     "Four bands spread far apart: a vowel-like comb across the spectrum. Try Band Width.",
     [](Recipe& r) { r.set(C_BANDS, 4).set(C_WIDTH, 5).set(C_RESO, 12).set(C_CUTOFF, 300); }},
    {"Basics", "Sixteen Narrow Bands",
     "All sixteen bands packed close with high resonance: a dense, glassy cluster.",
     [](Recipe& r) { r.set(C_BANDS, 16).set(C_WIDTH, 1).set(C_RESO, 60).set(C_CUTOFF, 1200); }},
    {"Basics", "Delay Spread Up",
     "Eight bands, each a little later than the one below it: hits smear upwards in pitch.",
     [](Recipe& r) { r.set(C_BANDS, 8).set(C_WIDTH, 2.5).set(C_RESO, 25).set(C_CUTOFF, 200).set(C_DELAY, 40); }},
    {"Basics", "Delay Spread Down",
     "The same eight bands with the delay reversed: the top rings first and the sound falls.",
     [](Recipe& r) { r.set(C_BANDS, 8).set(C_WIDTH, 2.5).set(C_RESO, 25).set(C_CUTOFF, 200).set(C_DELAY, -40); }},
    {"Basics", "Pre Drive",
     "Distortion before the filters (PRE): the bands shape a saturated signal, warm and round.",
     [](Recipe& r) {
         r.set(C_ROUTING, 0).set(C_DISTO, 8).set(C_TONE, 0.35);
         r.set(C_BANDS, 3).set(C_WIDTH, 3).set(C_RESO, 15).set(C_CUTOFF, 400);
     }},
    {"Basics", "Post Crunch",
     "Distortion after the filters (POST): the resonances themselves break up. Tone sets the bite.",
     [](Recipe& r) {
         r.set(C_ROUTING, 1).set(C_DISTO, 6).set(C_TONE, 0.75);
         r.set(C_BANDS, 3).set(C_WIDTH, 3).set(C_RESO, 40).set(C_CUTOFF, 400);
     }},

    // ---- Rhythmic: everything locked to the tempo ----
    {"Rhythmic", "It gets funkier",
     "A tempo-synced step sequence plays the cutoff while a square wave opens the resonance on the off-beats.",
     [](Recipe& r) {
         r.set(C_BANDS, 4).set(C_WIDTH, 2).set(C_RESO, 35).set(C_CUTOFF, 500);
         r.set(C_ROUTING, 1).set(C_DISTO, 3);
         r.synced(0, W_STEPSEQ, 4).steps(0, {-0.8, 0.6, -0.2, 1.0, -0.6, 0.3, 0.8, -1.0,
                                           -0.4, 0.9, 0.0, 0.5, -0.9, 0.7, -0.1, 0.4});
         r.mod(0, C_CUTOFF, 0.4);
         r.synced(1, W_MSQUARE, 1).slot(1, L::Param_PHASE, 0.5).mod(1, C_RESO, 0.25);
     }},
    {"Rhythmic", "Sixteenth Steps",
     "Sixteen steps per bar move the band count, so the texture jumps between thin and thick.",
     [](Recipe& r) {
         r.set(C_BANDS, 8).set(C_WIDTH, 1.8).set(C_RESO, 30).set(C_CUTOFF, 350);
         r.synced(0, W_STEPSEQ, 4).steps(0, {1, -1, 0.5, -0.5, 1, -0.2, -1, 0.3,
                                           0.8, -0.8, 0.1, -1, 1, 0.6, -0.6, -0.3});
         r.mod(0, C_BANDS, 0.45);
     }},
    {"Rhythmic", "Square Gate",
     "A half-beat square wave slams the cutoff between two positions: a tight filter gate.",
     [](Recipe& r) {
         r.set(C_BANDS, 2).set(C_WIDTH, 4).set(C_RESO, 20).set(C_CUTOFF, 2500);
         r.synced(0, W_MSQUARE, 0.5).mod(0, C_CUTOFF, -0.5);
     }},
    {"Rhythmic", "Saw Ramps",
     "Each beat a saw ramp drags the cutoff down, with the distortion in front (PRE).",
     [](Recipe& r) {
         r.set(C_BANDS, 5).set(C_WIDTH, 2.2).set(C_RESO, 45).set(C_CUTOFF, 700);
         r.set(C_ROUTING, 0).set(C_DISTO, 4);
         r.synced(0, W_SAW, 1).slot(0, L::Param_SIGN, 1).mod(0, C_CUTOFF, 0.45);
     }},
    {"Rhythmic", "Biphase Triplets",
     "A biphase shape in triplet time swings the band delay from spread-up to spread-down.",
     [](Recipe& r) {
         r.set(C_BANDS, 8).set(C_WIDTH, 2).set(C_RESO, 30).set(C_CUTOFF, 250);
         r.synced(0, W_BIPHASE, 2.0 / 3.0).mod(0, C_DELAY, 0.6);
     }},
    {"Rhythmic", "Held Noise",
     "Random values held for an eighth note each: sample-and-hold filter jumps in time.",
     [](Recipe& r) {
         r.set(C_BANDS, 3).set(C_WIDTH, 3.5).set(C_RESO, 50).set(C_CUTOFF, 800);
         r.synced(0, W_NOISE1, 0.5).slot(0, L::Param_SNH, 1.0).mod(0, C_CUTOFF, 0.5);
     }},
    {"Rhythmic", "Transient Wah",
     "Every hit in the input triggers an envelope that snaps the cutoff open and lets it fall back.",
     [](Recipe& r) {
         r.set(C_BANDS, 2).set(C_WIDTH, 2).set(C_RESO, 55).set(C_CUTOFF, 250);
         r.slot(0, L::Param_WAVEFORM, W_ADSR).slot(0, L::Param_ADSR_GAIN, 1.0);
         r.slot(0, L::Param_ADSR_ATK_S, 0.005).slot(0, L::Param_ADSR_DCY_S, 0.18);
         r.slot(0, L::Param_ADSR_SUS_S, 0.05).slot(0, L::Param_ADSR_SUS_LVL, 0.3);
         r.slot(0, L::Param_ADSR_RLS_S, 0.25);
         r.mod(0, C_CUTOFF, 0.6);
     }},

    // ---- Resonant: the bands as an instrument ----
    {"Resonant", "Resonator Chord",
     "Five bands at a chord-like spacing with strong resonance: the input plays a pitched chord.",
     [](Recipe& r) { r.set(C_BANDS, 5).set(C_WIDTH, 3).set(C_RESO, 85).set(C_CUTOFF, 220); }},
    {"Resonant", "Ringing Metal",
     "Sixteen tight, slightly delayed bands at full resonance: struck-metal overtones.",
     [](Recipe& r) { r.set(C_BANDS, 16).set(C_WIDTH, 2.2).set(C_RESO, 100).set(C_CUTOFF, 500).set(C_DELAY, 6); }},
    {"Resonant", "Follower Wah",
     "The envelope follower reads the input level: play louder and the bands open up.",
     [](Recipe& r) {
         r.set(C_BANDS, 3).set(C_WIDTH, 2.5).set(C_RESO, 45).set(C_CUTOFF, 200);
         r.slot(0, L::Param_WAVEFORM, W_FOLLOWER).slot(0, L::Param_ENVF_GAIN, 2.5);
         r.slot(0, L::Param_ENVF_ATK_S, 0.01).slot(0, L::Param_ENVF_RLS_S, 0.3);
         r.mod(0, C_CUTOFF, 0.6);
     }},
    {"Resonant", "Follower Crush",
     "Loud passages push the post-filter distortion harder; quiet ones stay clean and ringing.",
     [](Recipe& r) {
         r.set(C_BANDS, 6).set(C_WIDTH, 1.6).set(C_RESO, 70).set(C_CUTOFF, 600);
         r.set(C_ROUTING, 1).set(C_DISTO, 1.5).set(C_TONE, 0.6);
         r.slot(0, L::Param_WAVEFORM, W_FOLLOWER).slot(0, L::Param_ENVF_GAIN, 3);
         r.slot(0, L::Param_ENVF_ATK_S, 0.002).slot(0, L::Param_ENVF_RLS_S, 0.15).slot(0, L::Param_ENVF_HOLD_S, 0.05);
         r.mod(0, C_DISTO, 0.7);
     }},
    {"Resonant", "Parabola Bloom",
     "A parabola shape breathes the resonance in and out over two seconds.",
     [](Recipe& r) {
         r.set(C_BANDS, 7).set(C_WIDTH, 2.8).set(C_RESO, 40).set(C_CUTOFF, 320);
         r.lfo(0, W_PARABOLA, 2.0).mod(0, C_RESO, 0.45);
     }},
    {"Resonant", "Dark Tone Bells",
     "Wide bell-like bands with the tone turned down and a gentle post drive to warm the tails.",
     [](Recipe& r) {
         r.set(C_BANDS, 4).set(C_WIDTH, 4.5).set(C_RESO, 75).set(C_CUTOFF, 150);
         r.set(C_ROUTING, 1).set(C_DISTO, 2.5).set(C_TONE, 0.1);
     }},

    // ---- Evolving: slow, free-running movement ----
    {"Evolving", "Varislope Drift",
     "A slow varislope shape with some chaos: the cutoff wanders and never quite repeats.",
     [](Recipe& r) {
         r.set(C_BANDS, 6).set(C_WIDTH, 2).set(C_RESO, 35).set(C_CUTOFF, 600);
         r.lfo(0, W_VARISLOPE, 7.0).slot(0, L::Param_CHAOS, 0.4).slot(0, L::Param_VAR_SHAPE, 0.7);
         r.mod(0, C_CUTOFF, 0.4);
     }},
    {"Evolving", "N-Phase Swirl",
     "An n-phase shape slowly sweeps the band delay across zero, a swirling phaser-like motion.",
     [](Recipe& r) {
         r.set(C_BANDS, 10).set(C_WIDTH, 1.5).set(C_RESO, 30).set(C_CUTOFF, 300);
         r.lfo(0, W_NPHASE, 5.0).mod(0, C_DELAY, 0.5);
     }},
    {"Evolving", "Noise Clouds",
     "Smoothed random motion on the cutoff and the band width: a restless cloud of resonances.",
     [](Recipe& r) {
         r.set(C_BANDS, 12).set(C_WIDTH, 2).set(C_RESO, 50).set(C_CUTOFF, 450);
         r.lfo(0, W_NOISE2, 1.5).slot(0, L::Param_SMOOTH, 0.8).mod(0, C_CUTOFF, 0.35);
         r.lfo(1, W_NOISE1, 3.0).slot(1, L::Param_SMOOTH, 1.0).mod(1, C_WIDTH, 0.3);
     }},
    {"Evolving", "Triangle Tides",
     "Two triangles at unrelated periods move the band width and the cutoff; phase distortion skews the rise.",
     [](Recipe& r) {
         r.set(C_BANDS, 8).set(C_WIDTH, 3).set(C_RESO, 28).set(C_CUTOFF, 350);
         r.lfo(0, W_TRIANGLE, 11.0).slot(0, L::Param_PHASE_DIST, 0.6).mod(0, C_WIDTH, 0.4);
         r.lfo(1, W_TRIANGLE, 3.7).slot(1, L::Param_POLARITY, 1).mod(1, C_CUTOFF, 0.3);
     }},
    {"Evolving", "Modulated Modulator",
     "A slow sine changes the speed of a faster sine on the cutoff: vibrato that speeds up and slows down.",
     [](Recipe& r) {
         r.set(C_BANDS, 4).set(C_WIDTH, 2.5).set(C_RESO, 45).set(C_CUTOFF, 700);
         r.lfo(0, W_SINE, 0.4).mod(0, C_CUTOFF, 0.3);
         r.lfo(1, W_SINE, 9.0).mod(1, kSlotBase + L::Param_LFO_PERIOD_S, 0.3);
     }},

    // ---- Macros: one knob per gesture, each with its own curve ----
    {"Macros", "Macro Linear Sweep",
     "Macro 1 sweeps the cutoff in a straight line. Set at the middle: turn it to hear the whole range.",
     [](Recipe& r) {
         r.set(C_BANDS, 3).set(C_WIDTH, 3).set(C_RESO, 40).set(C_CUTOFF, 200);
         r.macro(1, 0.7, C_CUTOFF, 0.6, WavePath::Type_LINEAR).name(1, "Sweep");
     }},
    {"Macros", "Macro Curve Set",
     "Four macros, four curves: Square opens the bands, Cubic adds drive, the inverse curves pull resonance and delay.",
     [](Recipe& r) {
         r.set(C_BANDS, 4).set(C_WIDTH, 2).set(C_RESO, 30).set(C_CUTOFF, 400).set(C_ROUTING, 1);
         r.macro(1, 0.6, C_BANDS, 0.5, WavePath::Type_SQUARE).name(1, "Bands");
         r.macro(2, 0.5, C_DISTO, 0.6, WavePath::Type_CUBIC).name(2, "Drive");
         r.macro(3, 0.4, C_RESO, 0.5, WavePath::Type_SQUARE_INV).name(3, "Ring");
         r.macro(4, 0.3, C_DELAY, 0.4, WavePath::Type_CUBIC_INV, 0.1, 0.9).name(4, "Smear");
     }},
    {"Macros", "Macro Depth",
     "Macro 1 sets how far the tempo-synced sine moves the cutoff: from still to a deep wobble.",
     [](Recipe& r) {
         r.set(C_BANDS, 2).set(C_WIDTH, 3).set(C_RESO, 50).set(C_CUTOFF, 500);
         r.synced(0, W_SINE, 2).mod(0, C_CUTOFF, 0.2);
         r.macro(1, 0.8, kSlotBase + L::Param_LFO_GAIN, 0.8, WavePath::Type_SQUARE).name(1, "Depth");
     }},
    };
    return list;
}
// clang-format on

const std::vector<std::pair<const char*, const char*>>& folderTexts()
{
    static const std::vector<std::pair<const char*, const char*>> list = {
        {"Basics", "One idea per patch: band count and width, band delay up and down, distortion "
                   "before and after the filters. Start here to learn what each control does."},
        {"Rhythmic", "Movement locked to the host tempo: step sequences, square gates, saw ramps, "
                     "held noise, and an envelope triggered by the hits in your signal."},
        {"Resonant", "The bands as a pitched instrument: chords, metal and bells, and the envelope "
                     "follower turning the input level into filter and drive movement."},
        {"Evolving", "Slow free-running shapes (varislope, n-phase, noise, triangles) for textures "
                     "that keep changing over time."},
        {"Macros", "Patches built for performance: each macro drives one gesture through its own "
                   "curve (linear, square, cubic and their inverses)."},
    };
    return list;
}

bool writePatch(const juce::File& bank, const Patch& patch)
{
    PluginProcessor p;
    p.setPlayConfigDetails(2, 2, 48000.0, 512);
    p.prepareToPlay(48000.0, 512);
    Recipe r(p);
    patch.build(r);
    p.setPatchName(patch.name);
    p.setFolderName(patch.folder);
    const juce::var doc = p.saveToVar("Zundor", patch.info);
    const juce::File file =
        bank.getChildFile(patch.folder).getChildFile(juce::String(patch.name) + "." + PATCH_EXTENSION);
    return LoadSave::writeJsonToFile(file, doc, true);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s <presets folder>\n", argv[0]);
        return 2;
    }
    const juce::File out = juce::File::getCurrentWorkingDirectory().getChildFile(argv[1]);
    const juce::File bank = out.getChildFile("Factory");

    // The processor looks for patches at start; keep it away from the user's own files.
    const juce::File scratch = juce::File::createTempFile("crenzel-bank");
    scratch.createDirectory();
    for (const char* name : {"CRENZEL_USER_DATA_DIR", "CRENZEL_COMMON_DATA_DIR", "CRENZEL_CONFIG_DIR"})
        ::setenv(name, scratch.getChildFile(name).getFullPathName().toRawUTF8(), 1);

    int failures = 0;
    {
        juce::ScopedJuceInitialiser_GUI init;
        bank.deleteRecursively();
        for (const Patch& patch : patches())
            if (!writePatch(bank, patch))
            {
                std::fprintf(stderr, "cannot write %s/%s\n", patch.folder, patch.name);
                ++failures;
            }
        for (const auto& [folder, text] : folderTexts())
        {
            const juce::String crlf = juce::String(text) + "\r\n";
            if (!bank.getChildFile(juce::String(folder) + "." + README_FILE_EXTENSION)
                     .replaceWithText(crlf, false, false, nullptr))
                ++failures;
        }
    }
    scratch.deleteRecursively();
    std::printf("%d patches in %s\n", int(patches().size()) - failures, bank.getFullPathName().toRawUTF8());
    return failures == 0 ? 0 : 1;
}

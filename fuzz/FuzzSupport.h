#pragma once

// Shared by the fuzz targets (each target is one file, so the definitions here are its own):
// redirected file locations, a prepared processor, and the checks that turn a quiet fault (a bad
// control value, a non-finite sample) into a crash the fuzzer sees.
#include "dsp/PluginProcessor.h"

#include <juce_events/juce_events.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace crenzel_fuzz
{

[[noreturn]] inline void fail(const char* what, int id, double value)
{
    std::fprintf(stderr, "crenzel fuzz failure: %s (id %d, value %.17g)\n", what, id, value);
    std::abort();
}

inline std::string& rootPath()
{
    static std::string path;
    return path;
}

// Every file location (and HOME) in one temporary folder for the whole run, so that no input
// touches the user's own patches or configuration. Removed at a normal exit; a crash leaves it
// for the post-mortem.
inline juce::File redirectLocations()
{
    static const juce::File root = []
    {
        const juce::File dir =
            juce::File::getSpecialLocation(juce::File::tempDirectory)
                .getNonexistentChildFile(
                    "crenzel-fuzz-" + juce::String::toHexString(juce::Random().nextInt64()), "", false);
        dir.createDirectory();
        const auto set = [&dir](const char* name, const char* sub)
        {
            const juce::File d = dir.getChildFile(sub);
            d.createDirectory();
            ::setenv(name, d.getFullPathName().toRawUTF8(), 1);
        };
        set("HOME", "home");
        set("XDG_DATA_HOME", "home/share");
        set("XDG_CONFIG_HOME", "home/config");
        set("CRENZEL_USER_DATA_DIR", "user");
        set("CRENZEL_COMMON_DATA_DIR", "common");
        set("CRENZEL_CONFIG_DIR", "config");
        rootPath() = dir.getFullPathName().toStdString();
        std::atexit([] { juce::File(rootPath()).deleteRecursively(); });
        return dir;
    }();
    return root;
}

constexpr int kBlock = 480;

// Patch files for program changes: two factory folders and a user folder, with documents that
// range from ordinary to hostile. Written before the processor exists, so that its patch list
// (and so its programs) includes them.
inline void writeBank()
{
    const juce::File bank = redirectLocations().getChildFile("user/Audio/Presets/Zundor/Crenzel");
    const auto write = [&bank](const char* path, const char* text)
    {
        const juce::File f = bank.getChildFile(path);
        f.getParentDirectory().createDirectory();
        f.replaceWithText(text, false, false, nullptr);
    };
    write("Factory/Alpha/Plain.fpx", R"({"dsp_version": "1.0.0", "settings": {"4": 800, "7": 0.25,
        "modulations": [{"source": 15, "destination": 4, "amount": 0.5}],
        "macros": [{"source": 607, "destination": 7, "amount": 1, "curve_type": 2}]}})");
    write("Factory/Alpha/Extremes.fpx", R"({"settings": {"0": 1e300, "1": -1e300, "4": "9e99",
        "9": 1e20, "10": -3, "16": 1e-300, "619": 1e9, "modulations": [], "macros": []}})");
    write("Factory/Beta/Broken.fpx", R"({"settings": [1, 2, 3]})");
    write("Factory/Beta/NotJson.fpx", "settings = 1");
    write("User/Mine/Empty.fpx", "");
    write("User/Mine/Old.fpx", R"({"dsp_version": "0.1", "settings": {"7": 1}})");
}

// One processor for the run: building one per input would spend the time budget on set-up.
inline PluginProcessor& processor()
{
    static juce::ScopedJuceInitialiser_GUI* init = []
    {
        redirectLocations();
        writeBank();
        return new juce::ScopedJuceInitialiser_GUI();
    }();
    (void)init;
    static PluginProcessor* proc = []
    {
        auto* p = new PluginProcessor();
        p->setPlayConfigDetails(2, 2, 48000.0, kBlock);
        p->prepareToPlay(48000.0, kBlock);
        return p;
    }();
    return *proc;
}

// Runs blocks of a quiet signal and requires every output sample to be finite.
inline void runBlocks(PluginProcessor& p, int nbr_blocks, juce::MidiBuffer* midi = nullptr)
{
    juce::AudioBuffer<float> buf(2, kBlock);
    juce::MidiBuffer empty;
    for (int b = 0; b < nbr_blocks; ++b)
    {
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < kBlock; ++i)
                buf.setSample(c, i, 0.25f * std::sin(0.05f * float(i + b * kBlock) + float(c)));
        juce::MidiBuffer& m = (midi != nullptr && b == 0) ? *midi : empty;
        p.processBlock(buf, m);
        empty.clear();
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < kBlock; ++i)
                if (!std::isfinite(buf.getSample(c, i)))
                    fail("non-finite output sample", c, double(buf.getSample(c, i)));
    }
}

// Every control within its description's range.
inline void checkControls(PluginProcessor& p)
{
    const auto* params = p.getEngine().getParameters();
    for (const auto& [id, control] : p.getControls())
    {
        const ParameterDetails* d = params->getDetails(id);
        if (d == nullptr || d->desc == nullptr)
            continue;
        const double v = control->value();
        const double lo = std::min(d->desc->get_nat_min(), d->desc->get_nat_max());
        const double hi = std::max(d->desc->get_nat_min(), d->desc->get_nat_max());
        if (!(v >= lo && v <= hi))
            fail("control out of range after loading", id, v);
    }
}

} // namespace crenzel_fuzz

// The locations are redirected before anything else of the product runs.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    crenzel_fuzz::redirectLocations();
    return 0;
}

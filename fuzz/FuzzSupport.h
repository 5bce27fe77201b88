#pragma once

// Shared by the fuzz targets: redirected file locations, a prepared processor, and the checks
// that turn a quiet fault (a bad control value, a non-finite sample) into a crash the fuzzer sees.
#include "dsp/PluginProcessor.h"

#include <juce_events/juce_events.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace crenzel_fuzz
{

[[noreturn]] inline void fail(const char* what, int id, double value)
{
    std::fprintf(stderr, "crenzel fuzz failure: %s (id %d, value %.17g)\n", what, id, value);
    std::abort();
}

// Every file location in one temporary folder for the whole run, so that no input touches the
// user's own patches or configuration.
inline juce::File redirectLocations()
{
    static const juce::File root = []
    {
        const juce::File dir = juce::File::getSpecialLocation(juce::File::tempDirectory)
                                   .getNonexistentChildFile("crenzel-fuzz", "", false);
        dir.createDirectory();
        ::setenv("CRENZEL_USER_DATA_DIR", dir.getChildFile("user").getFullPathName().toRawUTF8(), 1);
        ::setenv("CRENZEL_COMMON_DATA_DIR", dir.getChildFile("common").getFullPathName().toRawUTF8(), 1);
        ::setenv("CRENZEL_CONFIG_DIR", dir.getChildFile("config").getFullPathName().toRawUTF8(), 1);
        return dir;
    }();
    return root;
}

constexpr int kBlock = 480;

// One processor for the run: building one per input would spend the time budget on set-up.
inline PluginProcessor& processor()
{
    static juce::ScopedJuceInitialiser_GUI* init = []
    {
        redirectLocations();
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

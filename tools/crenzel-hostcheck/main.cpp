// Loads a built Crenzel bundle through JUCE's hosting classes, as hosts and validators do, and
// checks it against the processor built into this program.
#include "../crenzel-render/HostPlayHead.h"
#include "Torture.h"
#include "dsp/PluginProcessor.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_events/juce_events.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace
{
int failures = 0;

void check(bool ok, const juce::String& what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAIL", what.toRawUTF8());
    if (!ok)
        ++failures;
}

void fillInput(juce::AudioBuffer<float>& buf, int offset)
{
    for (int c = 0; c < buf.getNumChannels(); ++c)
        for (int i = 0; i < buf.getNumSamples(); ++i)
        {
            const int n = offset + i;
            buf.setSample(c, i, 0.4f * float(std::sin(0.031 * n + c)) + ((n % 4800) < 40 ? 0.5f : 0.0f));
        }
}

float maxDiff(const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b)
{
    float d = 0.0f;
    for (int c = 0; c < std::min(a.getNumChannels(), b.getNumChannels()); ++c)
        for (int i = 0; i < a.getNumSamples(); ++i)
            d = std::max(d, std::abs(a.getSample(c, i) - b.getSample(c, i)));
    return d;
}

juce::AudioProcessorParameter* findByName(juce::AudioProcessor& p, const juce::String& name)
{
    for (auto* prm : p.getParameters())
        if (prm->getName(64) == name)
            return prm;
    return nullptr;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && juce::String(argv[1]) == "torture")
        return runHostTorture(argc - 2, argv + 2);
    if (argc < 3)
    {
        std::fprintf(stderr, "usage: crenzel-hostcheck VST3|LV2 BUNDLE-OR-URI [SEARCH-FOLDER]\n");
        return 2;
    }
    juce::ScopedJuceInitialiser_GUI juce_init;
    const juce::String kind(argv[1]);
    const juce::String target(argv[2]);
    constexpr double rate = 48000.0;
    constexpr int block = 512;

    juce::AudioPluginFormatManager formats;
    formats.addDefaultFormats();
    juce::AudioPluginFormat* format = nullptr;
    for (auto* f : formats.getFormats())
        if (f->getName().equalsIgnoreCase(kind))
            format = f;
    if (format == nullptr)
    {
        std::fprintf(stderr, "no %s hosting in this build\n", kind.toRawUTF8());
        return 2;
    }

    // LV2 plug-ins are found by URI among the bundles of a search path.
    if (argc > 3)
        format->searchPathsForPlugins(juce::FileSearchPath(juce::String(argv[3])), true, false);
    juce::OwnedArray<juce::PluginDescription> found;
    format->findAllTypesForFile(found, target);
    check(found.size() == 1, "one plug-in found in " + target);
    if (found.isEmpty())
        return 1;
    const juce::PluginDescription desc = *found[0];
    check(desc.name == "Crenzel", "name is Crenzel (" + desc.name + ")");
    check(desc.manufacturerName == "Zundor", "maker is Zundor (" + desc.manufacturerName + ")");

    juce::String error;
    auto hosted = formats.createPluginInstance(desc, rate, block, error);
    auto second = formats.createPluginInstance(desc, rate, block, error);
    check(hosted != nullptr && second != nullptr, "instances created " + error);
    if (hosted == nullptr || second == nullptr)
        return 1;
    std::unique_ptr<juce::AudioProcessor> local(createPluginFilter());

    // Parameters: the same count and names as the processor itself, ids unique and stable. The
    // VST3 client adds hidden parameters that carry MIDI controllers, and one that changes programs
    // when there are several; they are not ours.
    const auto ours = [](juce::AudioProcessor& p)
    {
        juce::Array<juce::AudioProcessorParameter*> list;
        for (auto* prm : p.getParameters())
            if (!prm->getName(64).startsWith("MIDI CC ") && prm->getName(64) != "Program")
                list.add(prm);
        return list;
    };
    const auto hp = ours(*hosted);
    const auto sp = ours(*second);
    auto& lp = local->getParameters();
    const bool lv2 = kind.equalsIgnoreCase("LV2");
    // The built-in parameter behind each hosted one. VST3 keeps the processor's order. JUCE's LV2
    // host sorts by URI ("...:p<control id>", "...:bypass") and adds the client's "enabled" port,
    // which drives the same bypass.
    const auto pairUp = [&](const juce::Array<juce::AudioProcessorParameter*>& list)
    {
        std::vector<std::pair<juce::AudioProcessorParameter*, juce::AudioProcessorParameter*>> pairs;
        int nbr_extra = 0;
        for (int i = 0; i < list.size(); ++i)
        {
            if (!lv2)
            {
                pairs.emplace_back(list[i], i < lp.size() ? lp[i] : nullptr);
                continue;
            }
            const auto* h = dynamic_cast<juce::HostedAudioProcessorParameter*>(list[i]);
            const juce::String id = h != nullptr ? h->getParameterID() : juce::String();
            if (id == "sym:enabled")
            {
                ++nbr_extra;
                continue;
            }
            juce::String name = id.fromLastOccurrenceOf(":", false, false);
            if (name.startsWithChar('p') && name.substring(1).containsOnly("0123456789"))
                name = name.substring(1);
            juce::AudioProcessorParameter* match = nullptr;
            for (auto* l : lp)
                if (auto* lh = dynamic_cast<juce::HostedAudioProcessorParameter*>(l))
                    if (lh->getParameterID() == name)
                        match = l;
            pairs.emplace_back(list[i], match);
        }
        return std::make_pair(pairs, nbr_extra);
    };
    const auto [hpairs, nbr_extra] = pairUp(hp);
    {
        std::set<juce::AudioProcessorParameter*> matched;
        for (const auto& [h, l] : hpairs)
            if (l != nullptr)
                matched.insert(l);
        check(int(hpairs.size()) == lp.size() && int(matched.size()) == lp.size() &&
                  nbr_extra == (lv2 ? 1 : 0),
              "parameter count " + juce::String(int(matched.size())) + " of " + juce::String(lp.size()) +
                  " matched (" + juce::String(hp.size()) + " hosted)");
        bool names = int(hpairs.size()) == lp.size();
        for (const auto& [h, l] : hpairs)
            if (l == nullptr || h->getName(64) != l->getName(64))
            {
                names = false;
                std::printf("  parameter %s vs %s\n", h->getName(64).toRawUTF8(),
                            l != nullptr ? l->getName(64).toRawUTF8() : "(none)");
            }
        check(names, "parameter names match");
        juce::StringArray ids;
        for (auto* h : hp)
            if (auto* hh = dynamic_cast<juce::HostedAudioProcessorParameter*>(h))
                ids.add(hh->getParameterID());
        juce::StringArray unique(ids);
        unique.removeDuplicates(false);
        check(unique.size() == ids.size() && ids.size() == hp.size(), "parameter ids are unique");
        bool stable = sp.size() == hp.size();
        for (int i = 0; stable && i < hp.size(); ++i)
            if (auto* a = dynamic_cast<juce::HostedAudioProcessorParameter*>(hp[i]))
                if (auto* b = dynamic_cast<juce::HostedAudioProcessorParameter*>(sp[i]))
                    stable = a->getParameterID() == b->getParameterID();
        check(stable, "parameter ids are the same in a second instance");
    }

    for (juce::AudioProcessor* p : {static_cast<juce::AudioProcessor*>(hosted.get()),
                                    static_cast<juce::AudioProcessor*>(second.get()), local.get()})
    {
        p->setPlayConfigDetails(2, 2, rate, block);
        p->prepareToPlay(rate, block);
    }

    {
        // Change a few parameters on the hosted instance and carry its state over to a second one; a
        // third restored from the second must agree with it (the host's own view of a discrete
        // parameter keeps the unsnapped value it set, so compare two restored instances).
        int nbr_set = 0;
        for (const auto& [h, l] : hpairs)
            if (l != nullptr && l != local->getBypassParameter() && nbr_set < 12)
                h->setValueNotifyingHost(std::fmod(0.37f * float(++nbr_set), 1.0f));
        // LV2 carries parameter changes both ways in its event ports, which only run() handles.
        const auto runOnce = [](juce::AudioProcessor& p)
        {
            juce::AudioBuffer<float> x(2, block);
            juce::MidiBuffer none;
            x.clear();
            p.processBlock(x, none);
        };
        runOnce(*hosted);
        juce::MemoryBlock state;
        hosted->getStateInformation(state);
        second->setStateInformation(state.getData(), int(state.getSize()));
        runOnce(*second);
        auto third = formats.createPluginInstance(desc, rate, block, error);
        check(third != nullptr, "third instance created " + error);
        if (third == nullptr)
            return 1;
        juce::MemoryBlock state2;
        second->getStateInformation(state2);
        third->setPlayConfigDetails(2, 2, rate, block);
        third->prepareToPlay(rate, block);
        third->setStateInformation(state2.getData(), int(state2.getSize()));
        runOnce(*third);
        const auto tp = ours(*third);
        bool same_values = tp.size() == sp.size();
        int nbr_moved = 0;
        for (int i = 0; same_values && i < sp.size(); ++i)
        {
            nbr_moved += std::abs(sp[i]->getValue() - sp[i]->getDefaultValue()) > 1e-6f ? 1 : 0;
            if (std::abs(tp[i]->getValue() - sp[i]->getValue()) >= 1e-6f)
            {
                std::printf("  parameter %d (%s): %g vs %g\n", i, sp[i]->getName(64).toRawUTF8(),
                            double(sp[i]->getValue()), double(tp[i]->getValue()));
                same_values = false;
            }
        }
        check(same_values && nbr_moved >= 8, "state restores in other instances (" +
                                                 juce::String(int(state.getSize())) + " bytes, " +
                                                 juce::String(nbr_moved) + " values moved)");
    }

    // The same input and values give the same output, sample for sample. A fresh instance, as the
    // built-in processor cannot read a host's own state format; both get the same values through
    // their parameters.
    auto cmp = formats.createPluginInstance(desc, rate, block, error);
    check(cmp != nullptr, "fourth instance created " + error);
    if (cmp == nullptr)
        return 1;
    cmp->setPlayConfigDetails(2, 2, rate, block);
    cmp->prepareToPlay(rate, block);
    // A playing transport at a fixed tempo, so tempo-synced and timeline-corrected modulation is
    // exercised the same way in both.
    HostPlayHead head(128.0);
    cmp->setPlayHead(&head);
    local->setPlayHead(&head);
    {
        int nbr_set = 0;
        for (const auto& [h, l] : pairUp(ours(*cmp)).first)
            if (l != nullptr && l != local->getBypassParameter() && nbr_set < 40)
            {
                const float v = std::fmod(0.61803f * float(++nbr_set) + 0.05f, 1.0f);
                h->setValueNotifyingHost(v);
                l->setValueNotifyingHost(v);
            }
    }
    juce::MidiBuffer midi;
    float worst = 0.0f;
    bool finite = true;
    for (int b = 0; b < 40; ++b)
    {
        juce::AudioBuffer<float> x(2, block), y(2, block);
        fillInput(x, b * block);
        y.makeCopyOf(x);
        head.setTimeInSamples(juce::int64(b) * block, rate);
        cmp->processBlock(x, midi);
        local->processBlock(y, midi);
        worst = std::max(worst, maxDiff(x, y));
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < block; ++i)
                finite &= std::isfinite(x.getSample(c, i));
    }
    check(finite, "hosted output is finite");
    // VST3 matches exactly. JUCE's LV2 host saves and restores the state in prepareToPlay, and
    // re-applying the same values leaves a difference of a few 1e-6 (about -110 dB), the same as
    // a state round trip in the built-in processor gives.
    check(worst <= (lv2 ? 1e-5f : 0.0f),
          "hosted output matches the built-in processor (max diff " + juce::String(worst) + ")");

    // Bypass passes the input untouched.
    juce::AudioProcessorParameter* bypass = second->getBypassParameter();
    if (bypass == nullptr)
        bypass = findByName(*second, "Bypass");
    if (lp.size() > 0)
        check(bypass != nullptr, "bypass parameter present");
    if (bypass != nullptr)
    {
        bypass->setValueNotifyingHost(1.0f);
        juce::AudioBuffer<float> x(2, block), y(2, block);
        fillInput(x, 12345);
        y.makeCopyOf(x);
        second->processBlock(x, midi);
        check(maxDiff(x, y) == 0.0f, "bypass passes audio untouched");
    }

    for (juce::AudioProcessor* p : {static_cast<juce::AudioProcessor*>(hosted.get()),
                                    static_cast<juce::AudioProcessor*>(second.get()), local.get()})
        p->releaseResources();
    std::printf("%d check(s) failed\n", failures);
    return failures == 0 ? 0 : 1;
}

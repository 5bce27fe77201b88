#include "dsp/PluginProcessor.h"
#include "gui/TempLocations.h"
#include "gui/patches/LoadSave.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

#ifndef CRENZEL_PRESETS_DIR
#define CRENZEL_PRESETS_DIR ""
#endif

namespace
{

constexpr double kRate = 48000.0;
constexpr int kBlock = 512;
constexpr int kLength = 4 * 48000;

juce::File factoryFolder()
{
    return juce::File(CRENZEL_PRESETS_DIR).getChildFile("Factory");
}

struct Entry
{
    juce::File file;
    juce::var doc;
};

std::vector<Entry> factoryPatches()
{
    std::vector<Entry> out;
    auto folders = factoryFolder().findChildFiles(juce::File::findDirectories, false);
    folders.sort();
    for (const auto& folder : folders)
    {
        auto files =
            folder.findChildFiles(juce::File::findFiles, false, juce::String("*.") + PATCH_EXTENSION);
        files.sort();
        for (const auto& f : files)
            out.push_back({f, juce::JSON::parse(f.loadFileAsString())});
    }
    return out;
}

std::unique_ptr<PluginProcessor> makeProcessor()
{
    auto p = std::make_unique<PluginProcessor>();
    p->setPlayConfigDetails(2, 2, kRate, kBlock);
    p->prepareToPlay(kRate, kBlock);
    return p;
}

// Kick-like thumps and noise hits four times a second over a steady tone, so that transient
// triggers, the level follower and the resonances all have something to work on.
const juce::AudioBuffer<float>& testSignal()
{
    static const juce::AudioBuffer<float> signal = []
    {
        juce::AudioBuffer<float> b(2, kLength);
        juce::Random random(1234);
        const int period = int(kRate / 4);
        for (int i = 0; i < kLength; ++i)
        {
            const double t = double(i % period) / kRate;
            const double env = std::exp(-t * 30.0);
            const double hit =
                env * (0.5 * std::sin(2.0 * M_PI * 70.0 * t) + 0.3 * (random.nextFloat() - 0.5));
            const double tone = 0.15 * std::sin(2.0 * M_PI * 220.0 * double(i) / kRate);
            for (int c = 0; c < 2; ++c)
                b.setSample(c, i, float(hit + tone * (c == 0 ? 1.0 : 0.8)));
        }
        return b;
    }();
    return signal;
}

juce::AudioBuffer<float> render(PluginProcessor& p)
{
    juce::AudioBuffer<float> out(testSignal());
    juce::MidiBuffer midi;
    for (int pos = 0; pos < kLength; pos += kBlock)
    {
        const int n = std::min(kBlock, kLength - pos);
        juce::AudioBuffer<float> view(out.getArrayOfWritePointers(), 2, pos, n);
        p.processBlock(view, midi);
        midi.clear();
    }
    return out;
}

double rms(const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>* minus = nullptr)
{
    double sum = 0.0;
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < a.getNumSamples(); ++i)
        {
            const double d = double(a.getSample(c, i)) - (minus ? double(minus->getSample(c, i)) : 0.0);
            sum += d * d;
        }
    return std::sqrt(sum / (2.0 * a.getNumSamples()));
}

using Connections = std::map<std::tuple<int, int>, std::vector<double>>;

// (source, destination) -> amount and, for macros, curve type, min and max.
Connections connections(const juce::var& settings, const char* key)
{
    Connections out;
    if (const auto* list = settings[key].getArray())
        for (const auto& c : *list)
        {
            std::vector<double> v{double(c["amount"])};
            if (c.hasProperty("curve_type"))
                v.insert(v.end(), {double(c["curve_type"]), double(c["curve_min"]), double(c["curve_max"])});
            out[{int(c["source"]), int(c["destination"])}] = v;
        }
    return out;
}

class FactoryBankTest : public ::testing::Test
{
protected:
    crenzel_test::TempLocations locations;
    juce::ScopedJuceInitialiser_GUI juceInit;
};

TEST_F(FactoryBankTest, BankHasFoldersWithDescriptionsAndNamedPatches)
{
    ASSERT_TRUE(factoryFolder().isDirectory()) << factoryFolder().getFullPathName();
    const auto folders = factoryFolder().findChildFiles(juce::File::findDirectories, false);
    EXPECT_GE(folders.size(), 4);
    for (const auto& folder : folders)
    {
        const juce::File text = folder.getSiblingFile(folder.getFileName() + "." + README_FILE_EXTENSION);
        EXPECT_TRUE(text.existsAsFile()) << text.getFullPathName();
        EXPECT_GT(text.loadFileAsString().trim().length(), 20);
        EXPECT_GE(folder.getNumberOfChildFiles(juce::File::findFiles, juce::String("*.") + PATCH_EXTENSION),
                  3)
            << folder.getFileName();
    }

    const auto patches = factoryPatches();
    EXPECT_GE(patches.size(), 24u);
    for (const auto& [file, doc] : patches)
    {
        SCOPED_TRACE(file.getFullPathName());
        ASSERT_TRUE(doc.isObject());
        EXPECT_EQ(doc["dsp_version"].toString(), LoadSave::DSP_VERSION);
        EXPECT_EQ(LoadSave::getAuthor(doc), "Zundor");
        EXPECT_GT(LoadSave::getInfo(doc).length(), 20);
        EXPECT_EQ(doc["patch_name"].toString(), file.getFileNameWithoutExtension());
        EXPECT_EQ(doc["folder_name"].toString(), file.getParentDirectory().getFileName());
        // Written like the save dialog writes: CR LF, and never a bare LF.
        const juce::String text = file.loadFileAsString();
        EXPECT_TRUE(text.contains("\r\n"));
        EXPECT_EQ(text.replace("\r\n", "").indexOfChar('\n'), -1);
    }
}

TEST_F(FactoryBankTest, EveryValueIsARegisteredControlWithinItsRange)
{
    auto proc = makeProcessor();
    const auto* params = proc->getEngine().getParameters();
    for (const auto& [file, doc] : factoryPatches())
    {
        SCOPED_TRACE(file.getFullPathName());
        const juce::var settings = doc["settings"];
        ASSERT_TRUE(settings.isObject());
        int count = 0;
        for (const auto& [key, value] : settings.getDynamicObject()->getProperties())
        {
            const juce::String k = key.toString();
            if (k == "modulations" || k == "macros")
                continue;
            const ParameterDetails* d = params->getDetails(k.getIntValue());
            ASSERT_NE(d, nullptr) << k;
            ASSERT_TRUE(value.isDouble() || value.isInt() || value.isInt64()) << k;
            EXPECT_GE(double(value), d->desc->get_nat_min()) << k;
            EXPECT_LE(double(value), d->desc->get_nat_max()) << k;
            ++count;
        }
        EXPECT_EQ(count, int(proc->getControls().size()));
        for (const char* list : {"modulations", "macros"})
            for (const auto& [ends, v] : connections(settings, list))
            {
                EXPECT_TRUE(params->isParameter(std::get<1>(ends))) << list;
                EXPECT_GT(std::abs(v[0]), DspInterface::kAmountThreshold);
                EXPECT_LE(std::abs(v[0]), 1.0);
            }
        for (const auto& [ends, v] : connections(settings, "macros"))
        {
            EXPECT_EQ((std::get<0>(ends) - PluginEngine::kFirstMacroId) % 3, 0);
            EXPECT_GE(v[1], 0.0);
            EXPECT_LT(v[1], double(WavePath::Type_NBR_ELT));
        }
    }
}

TEST_F(FactoryBankTest, EveryPatchSurvivesLoadAndSave)
{
    for (const auto& [file, doc] : factoryPatches())
    {
        SCOPED_TRACE(file.getFullPathName());
        auto proc = makeProcessor();
        proc->loadFromVar(doc);
        render(*proc); // connection and control changes reach the engine at the next block
        const juce::var again = proc->saveToVar(LoadSave::getAuthor(doc), LoadSave::getInfo(doc));
        const juce::var a = doc["settings"], b = again["settings"];
        const auto* params = proc->getEngine().getParameters();
        for (const auto& [id, control] : proc->getControls())
        {
            const auto* d = params->getDetails(id);
            const double span = d->desc->get_nat_max() - d->desc->get_nat_min();
            const juce::Identifier key{juce::String(id)};
            ASSERT_TRUE(a.hasProperty(key) && b.hasProperty(key)) << id;
            // The host parameter in between keeps single precision.
            EXPECT_NEAR(double(a[key]), double(b[key]), 1e-6 * span + 1e-9) << id;
        }
        for (const char* list : {"modulations", "macros"})
        {
            const Connections ca = connections(a, list), cb = connections(b, list);
            ASSERT_EQ(ca.size(), cb.size()) << list;
            for (const auto& [ends, v] : ca)
            {
                ASSERT_EQ(cb.count(ends), 1u)
                    << list << " " << std::get<0>(ends) << "->" << std::get<1>(ends);
                const auto& w = cb.at(ends);
                ASSERT_EQ(v.size(), w.size());
                for (size_t k = 0; k < v.size(); ++k)
                    EXPECT_NEAR(v[k], w[k], 1e-9) << list;
            }
        }
        for (int m = 1; m <= 4; ++m)
        {
            const juce::String name = "Macro " + juce::String(m);
            EXPECT_EQ(again[juce::Identifier(name)].toString(), doc[juce::Identifier(name)].toString());
        }
    }
}

TEST_F(FactoryBankTest, EveryPatchSoundsSafeAndDistinct)
{
    auto reference = makeProcessor();
    const juce::AudioBuffer<float> plain = render(*reference);

    std::map<juce::String, std::vector<std::pair<juce::String, juce::AudioBuffer<float>>>> byFolder;
    for (const auto& [file, doc] : factoryPatches())
    {
        SCOPED_TRACE(file.getFullPathName());
        auto proc = makeProcessor();
        proc->loadFromVar(doc);
        juce::AudioBuffer<float> out = render(*proc);

        float peak = 0.0f;
        bool finite = true;
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < kLength; ++i)
            {
                const float x = out.getSample(c, i);
                finite = finite && std::isfinite(x);
                peak = std::max(peak, std::abs(x));
            }
        ASSERT_TRUE(finite);
        EXPECT_LT(peak, 2.0f);     // +6 dBFS
        EXPECT_GT(rms(out), 1e-3); // not silent

        // -40 dB relative to the louder of the two.
        EXPECT_GT(rms(out, &plain), 0.01 * std::max(rms(out), rms(plain))) << "sounds like the default";
        auto& siblings = byFolder[file.getParentDirectory().getFileName()];
        for (const auto& [name, other] : siblings)
            EXPECT_GT(rms(out, &other), 0.01 * std::max(rms(out), rms(other))) << "sounds like " << name;
        siblings.emplace_back(file.getFileNameWithoutExtension(), std::move(out));
    }
}

TEST_F(FactoryBankTest, DefaultProgramIsTheFunkyPatch)
{
    ASSERT_TRUE(factoryFolder().copyDirectoryTo(LoadSave::getFactoryBankDirectory()));
    int index = -1;
    ASSERT_TRUE(LoadSave::getDefaultProgramIndex(index));
    const auto files = LoadSave::getPatchFiles();
    ASSERT_GE(index, 0);
    ASSERT_LT(index, files.size());
    EXPECT_TRUE(files[index].getFileName().contains("It gets funkier"));
    EXPECT_EQ(LoadSave::getNumPatches(), int(factoryPatches().size()));
}

} // namespace

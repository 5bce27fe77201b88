#include "dsp/ProcessorFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
using crenzel_test::ProcessorTest;
using crenzel_test::TempLocations;

class LoadSaveDocumentTest : public ProcessorTest
{
protected:
    void SetUp() override
    {
        ProcessorTest::SetUp();
        // A known state that every malformed document is applied over.
        proc->valueChangedInternal(7, 0.9);
        proc->valueChangedInternal(4, 2000.0);
        proc->changeModulationAmount(15, 4, 0.5);
        proc->setPatchName("Before");
    }

    void apply(const juce::String& text)
    {
        const auto utf8 = text.toStdString();
        proc->setStateInformation(utf8.data(), int(utf8.size()));
    }

    double defaultOf(int id) const
    {
        return proc->getEngine().getParameters()->getDetails(id)->default_value;
    }
};

// Damaged documents: nothing crashes, bad parts are skipped, the rest applies.
TEST_F(LoadSaveDocumentTest, DamagedDocumentsApplyWhatIsSound)
{
    const juce::String valid =
        R"({"patch_name": "After", "settings": {"7": 0.25, "modulations": [{"source": 89, "destination": 5, "amount": 0.3}], "macros": []}})";
    struct Case
    {
        const char* name;
        juce::String text;
        std::function<void(PluginProcessor&)> check;
    };
    auto unchanged = [](PluginProcessor& p)
    {
        EXPECT_NEAR(p.getControls().at(7)->value(), 0.9, 1e-6);
        EXPECT_NE(p.getModulationConnection(15, 4), nullptr);
        EXPECT_EQ(p.getPatchName(), "Before");
    };
    const Case cases[] = {
        {"not json", "{\"settings\": {\"7\": ", unchanged},
        {"truncated", valid.substring(0, valid.length() / 2), unchanged},
        {"array", "[1, 2, 3]", unchanged},
        {"number", "42", unchanged},
        {"empty", "", unchanged},
        {"no settings", R"({"patch_name": "After"})",
         [](PluginProcessor& p)
         {
             EXPECT_NEAR(p.getControls().at(7)->value(), 0.9, 1e-6);
             EXPECT_EQ(p.getPatchName(), "After");
         }},
        {"settings not an object", R"({"patch_name": "After", "settings": [1]})",
         [](PluginProcessor& p) { EXPECT_EQ(p.getPatchName(), "After"); }},
        {"lists that are no arrays", R"({"settings": {"7": 0.25, "modulations": 5, "macros": {"a": 1}}})",
         [](PluginProcessor& p)
         {
             EXPECT_NEAR(p.getControls().at(7)->value(), 0.25, 1e-6);
             EXPECT_TRUE(p.getModulationConnections().empty());
         }},
        {"entries that are no objects or lack fields",
         R"({"settings": {"modulations": [1, "a", null, [15, 4, 0.5], {"source": 15}, {"source": 15, "destination": 6, "amount": "x"},
                                           {"source": 89, "destination": 5, "amount": 0.3}]}})",
         [](PluginProcessor& p)
         {
             ASSERT_EQ(p.getModulationConnections().size(), 1u);
             EXPECT_NE(p.getModulationConnection(89, 5), nullptr);
         }},
        {"values out of range, as text, non-numeric, infinite",
         R"({"settings": {"4": 1e9, "7": "0.25", "3": "abc", "5": 1e999, "6": true}})",
         [this](PluginProcessor& p)
         {
             EXPECT_NEAR(p.getControls().at(4)->value(), 10240.0, 1e-2);
             EXPECT_NEAR(p.getControls().at(7)->value(), 0.25, 1e-6);
             EXPECT_NEAR(p.getControls().at(3)->value(), defaultOf(3), 1e-5 * (1 + std::abs(defaultOf(3))));
             EXPECT_NEAR(p.getControls().at(5)->value(), defaultOf(5), 1e-5 * (1 + std::abs(defaultOf(5))));
         }},
        {"unknown control ids", R"({"settings": {"9999": 1, "-3": 2, "11": 5, "7": 0.25}})",
         [](PluginProcessor& p) { EXPECT_NEAR(p.getControls().at(7)->value(), 0.25, 1e-6); }},
        {"connections from no source or to no destination",
         R"({"settings": {"modulations": [{"source": 16, "destination": 4, "amount": 0.5},
                                          {"source": 607, "destination": 4, "amount": 0.5},
                                          {"source": 607.5, "destination": 4, "amount": 0.5},
                                          {"source": 15, "destination": 11, "amount": 0.5},
                                          {"source": 15, "destination": 12, "amount": 0.5},
                                          {"source": 15, "destination": 607, "amount": 0.5},
                                          {"source": 15, "destination": 619, "amount": 0.5},
                                          {"source": 607, "destination": 4, "amount": 0.5},
                                          {"source": 533, "destination": 606, "amount": 7}],
                          "macros": [{"source": 608, "destination": 4, "amount": 0.5},
                                     {"source": 15, "destination": 4, "amount": 0.5},
                                     {"source": 616, "destination": 614, "amount": 0.5},
                                     {"source": 616, "destination": 0, "amount": -3, "curve_type": 99,
                                      "curve_min": -1, "curve_max": 1e999}]}})",
         [](PluginProcessor& p)
         {
             ASSERT_EQ(p.getModulationConnections().size(), 1u);
             auto* m = p.getModulationConnection(533, 606);
             ASSERT_NE(m, nullptr);
             EXPECT_EQ(p.getModulationAmount(m), 1.0);
             ASSERT_EQ(p.getMacroConnections().size(), 1u);
             const auto s = p.getMacroSetting(p.getMacroConnection(616, 0));
             EXPECT_EQ(s.first, -1.0);
             EXPECT_EQ(s.second.type, WavePath::Type_CUBIC_INV);
             EXPECT_EQ(s.second.curve_min, 0.0);
             EXPECT_EQ(s.second.curve_max, 1.0);
         }},
        {"a pair listed twice keeps one connection",
         R"({"settings": {"modulations": [{"source": 15, "destination": 4, "amount": 0.5},
                                          {"source": 15, "destination": 4, "amount": -0.2}]}})",
         [](PluginProcessor& p)
         {
             ASSERT_EQ(p.getModulationConnections().size(), 1u);
             EXPECT_EQ(p.getModulationAmount(p.getModulationConnection(15, 4)), -0.2);
         }},
        {"names that are no texts",
         R"({"patch_name": {"a": 1}, "Macro 1": [1], "author": 7, "settings": {}})",
         [](PluginProcessor& p)
         {
             EXPECT_EQ(p.getPatchName(), "Before");
             EXPECT_EQ(p.getMacroName("Macro 1"), "");
             EXPECT_EQ(p.getAuthor(), "7");
         }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        proc = make();
        SetUp();
        apply(c.text);
        c.check(*proc);
        // The engine takes whatever was queued without harm.
        run(*proc, 600);
        for (const auto& [id, v] : proc->getControls())
            ASSERT_TRUE(std::isfinite(v->value())) << id;
    }
}

TEST_F(LoadSaveDocumentTest, PatchesKeepGlobalsAndLockedControlsHostStatesOnlyLockedOnes)
{
    const auto* params = proc->getEngine().getParameters();
    int locked = -1;
    for (const auto& [id, d] : params->getAllDetails())
        if ((d.desc->get_flags() & zun::param::ParamDescInterface::Flags_AUTOLOCK) != 0 && id != 619)
        {
            locked = id;
            break;
        }
    ASSERT_GE(locked, 0);
    const double lockedBefore = value(locked);
    proc->valueChangedInternal(0, 0.5);
    proc->valueChangedInternal(12, params->getDetails(12)->desc->get_nat_min());
    const double gen = value(12);

    juce::String doc;
    doc << R"({"settings": {"0": 1.5, "12": )" << params->getDetails(12)->desc->get_nat_max()
        << R"(, "619": 90, ")" << locked << R"(": 200}})";
    proc->loadFromVar(juce::JSON::parse(doc));
    EXPECT_NEAR(value(0), 0.5, 1e-6);
    EXPECT_EQ(value(12), gen);
    EXPECT_NEAR(value(619), 90.0, 1e-4);
    EXPECT_EQ(value(locked), lockedBefore);

    apply(doc);
    EXPECT_NEAR(value(0), 1.5, 1e-5);
    EXPECT_NEAR(value(12), params->getDetails(12)->desc->get_nat_max(), 1e-5);
    EXPECT_EQ(value(locked), lockedBefore);
}

TEST_F(LoadSaveDocumentTest, MissingKeysGiveDefaultsAndMacroNamesEmpty)
{
    proc->setMacroName("Macro 3", "Wobble");
    proc->setAuthor("me");
    proc->loadFromVar(juce::JSON::parse(R"({"Macro 1": "One", "settings": {"4": 500}})"));
    EXPECT_NEAR(value(7), defaultOf(7), 1e-6);
    EXPECT_NEAR(value(4), 500.0, 1e-2);
    EXPECT_TRUE(proc->getModulationConnections().empty());
    EXPECT_EQ(proc->getMacroName("Macro 1"), "One");
    EXPECT_EQ(proc->getMacroName("Macro 3"), "");
    EXPECT_EQ(proc->getAuthor(), "me");
}

TEST_F(LoadSaveDocumentTest, UpgradeOnlyBringsOlderVersionsForward)
{
    struct Case
    {
        const char* version; // nullptr: no key
        bool upgraded;
        const char* after;
    } cases[] = {{nullptr, true, "1.0.0"},  {"", true, "1.0.0"},   {"0.9", true, "1.0.0"},
                 {"1.0.0", false, "1.0.0"}, {"1.0", false, "1.0"}, {"2.0", false, "2.0"}};
    for (const auto& c : cases)
    {
        juce::DynamicObject::Ptr doc = new juce::DynamicObject();
        if (c.version != nullptr)
            doc->setProperty("dsp_version", c.version);
        EXPECT_EQ(LoadSave::upgrade_settings(proc.get(), doc.get()), c.upgraded)
            << (c.version ? c.version : "none");
        EXPECT_EQ(doc->getProperty("dsp_version").toString(), c.after);
    }
    EXPECT_FALSE(LoadSave::upgrade_settings(proc.get(), nullptr));
}

TEST_F(LoadSaveDocumentTest, LoadPatchNamesTheSoundAfterItsFileAndFolder)
{
    TempLocations::write(locations.bankFolder(), "User/Bass/Funk.fpx",
                         R"({"patch_name": "Other", "folder_name": "Elsewhere", "author": "her",
                             "settings": {"0": 1.5, "7": 0.125}})");
    const auto f = LoadSave::loadPatch(-1, -1, 0, proc.get(), proc->getSaveInfo());
    EXPECT_EQ(f.getFileName(), "Funk.fpx");
    EXPECT_EQ(proc->getPatchName(), "Funk");
    EXPECT_EQ(proc->getFolderName(), "Bass");
    EXPECT_EQ(proc->getAuthor(), "her");
    EXPECT_NEAR(value(7), 0.125, 1e-6);
    EXPECT_NEAR(value(0), defaultOf(0), 1e-6);
    // No patch at that place: nothing happens.
    EXPECT_EQ(LoadSave::loadPatch(3, 9, 9, proc.get(), proc->getSaveInfo()).getFileName(), "Funk.fpx");
}

} // namespace

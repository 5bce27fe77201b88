#include "gui/startup.h"

#include "gui/patches/LoadSave.h"

#include "gui/TempLocations.h"

#include <gtest/gtest.h>

#include <set>

using crenzel_test::TempLocations;

namespace
{

// The document upgrade that the DSP side will supply: version 1.0.0 is the first format, so an
// older document only gets its version raised.
bool upgradeVersion(juce::DynamicObject* document)
{
    const juce::String version = document->getProperty("dsp_version").toString();
    if (LoadSave::compareVersionStrings(version, "1.0.0") < 0 && version < juce::String("1.0.0"))
    {
        document->setProperty("dsp_version", "1.0.0");
        return true;
    }
    return false;
}

std::set<std::string> filesBelow(const juce::File& folder)
{
    std::set<std::string> out;
    for (const juce::File& f : folder.findChildFiles(juce::File::findFiles, true))
        out.insert(f.getRelativePathFrom(folder).toStdString());
    return out;
}

void installFactoryPresets(const TempLocations& temp)
{
    const juce::File factory = temp.installedFactory();
    TempLocations::write(factory, "Bass/It gets funkier.fpx", TempLocations::patchText("1.0.0", "Zundor"));
    TempLocations::write(factory, "Bass/Deep/Sub.fpx", TempLocations::patchText("1.0.0"));
    TempLocations::write(factory, "Bass/ignored.txt", "only patches are taken from folders");
    TempLocations::write(factory, "Pads/Wide.fpx", TempLocations::patchText("1.0.0"));
    TempLocations::write(factory, "Bass.png", "picture");
    TempLocations::write(factory, "Bass.txt", "description");
}

} // namespace

TEST(Startup, CopyFactoryPatchesReplacesTheFactoryBankOnly)
{
    TempLocations temp;
    installFactoryPresets(temp);
    const juce::File bank = temp.bankFolder();
    TempLocations::write(bank, "Factory/Old/Stale.fpx", "{}");
    TempLocations::write(bank, "User/Mine/Keep.fpx", "{}");

    EXPECT_TRUE(Startup::copyFactoryPatches());
    EXPECT_EQ(filesBelow(bank.getChildFile("Factory")),
              (std::set<std::string>{"Bass/It gets funkier.fpx", "Bass/Deep/Sub.fpx", "Pads/Wide.fpx",
                                     "Bass.png", "Bass.txt"}));
    EXPECT_EQ(bank.getChildFile("Factory/Bass/It gets funkier.fpx").loadFileAsString(),
              TempLocations::patchText("1.0.0", "Zundor"));
    EXPECT_TRUE(bank.getChildFile("User/Mine/Keep.fpx").existsAsFile());
    // No transient folder is left behind, hidden or not.
    EXPECT_EQ(bank.getNumberOfChildFiles(juce::File::findFilesAndDirectories), 2);
}

TEST(Startup, CopyFactoryPatchesNeverWipesTheBankWhenThereIsNothingToCopy)
{
    struct Case
    {
        const char* name;
        void (*prepare)(const TempLocations&);
    };
    const Case cases[] = {
        {"no installed presets", [](const TempLocations&) {}},
        {"empty installed factory folder",
         [](const TempLocations& t) { t.installedFactory().createDirectory(); }},
        {"installed factory without patches",
         [](const TempLocations& t)
         {
             TempLocations::write(t.installedFactory(), "Bass/readme.txt", "x");
             TempLocations::write(t.installedFactory(), "Bass.png", "x");
         }},
        {"patches directly in the installed factory folder only",
         [](const TempLocations& t) { TempLocations::write(t.installedFactory(), "Loose.fpx", "{}"); }},
    };
    for (const Case& c : cases)
    {
        TempLocations temp;
        c.prepare(temp);
        const juce::File mine =
            TempLocations::write(temp.bankFolder(), "Factory/Saved/Mine.fpx", "{\"a\": 1}");
        EXPECT_FALSE(Startup::copyFactoryPatches()) << c.name;
        EXPECT_EQ(mine.loadFileAsString(), "{\"a\": 1}") << c.name;
        EXPECT_EQ(filesBelow(temp.bankFolder()), std::set<std::string>{"Factory/Saved/Mine.fpx"}) << c.name;
    }
}

TEST(Startup, CopyFactoryPatchesWorksWhenTheInstalledPresetsAreTheUserBank)
{
    TempLocations temp;
    temp.env.set("CRENZEL_COMMON_DATA_DIR", temp.userData.getFullPathName());
    TempLocations::write(temp.bankFolder(), "Factory/Bass/A.fpx", "{\"a\": 1}");
    EXPECT_TRUE(Startup::copyFactoryPatches());
    EXPECT_EQ(temp.bankFolder().getChildFile("Factory/Bass/A.fpx").loadFileAsString(), "{\"a\": 1}");
}

TEST(Startup, UpgradeRewritesOnlyOldPatchesOfFolderLaidBanks)
{
    TempLocations temp;
    const juce::File bank = temp.bankFolder();
    const juce::File old = TempLocations::write(bank, "User/A/Old.fpx", TempLocations::patchText("0.9"));
    const juce::File none = TempLocations::write(bank, "User/A/NoVersion.fpx", TempLocations::patchText(""));
    const juce::File deep =
        TempLocations::write(bank, "User/B/sub/Deep.fpx", TempLocations::patchText("0.1"));
    const juce::File loose = TempLocations::write(bank, "User/Loose.fpx", TempLocations::patchText("0.5"));
    const juce::String current = TempLocations::patchText("1.0.0");
    const juce::String newer = TempLocations::patchText("2.0");
    const juce::File same = TempLocations::write(bank, "User/A/Same.fpx", current);
    const juce::File ahead = TempLocations::write(bank, "User/A/Ahead.fpx", newer);
    const juce::File broken = TempLocations::write(bank, "User/A/Broken.fpx", "{\"dsp_version\": \"0.9\"");
    // This bank's first patch lies directly in it: not upgraded at all.
    const juce::String oddText = TempLocations::patchText("0.9");
    const juce::File odd1 = TempLocations::write(bank, "Odd/Aaa.fpx", oddText);
    const juce::File odd2 = TempLocations::write(bank, "Odd/Zfolder/Z.fpx", oddText);

    EXPECT_EQ(Startup::upgradeUserPatches(upgradeVersion), 4);
    for (const juce::File& f : {old, none, deep, loose})
    {
        const juce::String text = f.loadFileAsString();
        EXPECT_EQ(LoadSave::parseJsonFile(f)["dsp_version"].toString(), "1.0.0") << f.getFileName();
        EXPECT_EQ(LoadSave::getAuthor(juce::JSON::parse(text)), "someone");
        EXPECT_FALSE(text.containsChar('\r')) << "LF line ends";
    }
    EXPECT_EQ(same.loadFileAsString(), current);
    EXPECT_EQ(ahead.loadFileAsString(), newer);
    EXPECT_EQ(broken.loadFileAsString(), "{\"dsp_version\": \"0.9\"");
    EXPECT_EQ(odd1.loadFileAsString(), oddText);
    EXPECT_EQ(odd2.loadFileAsString(), oddText);
    EXPECT_EQ(Startup::upgradeUserPatches(nullptr), 0);
}

TEST(Startup, FirstStartInstallsAndTheNextStartLoadsTheConfiguration)
{
    TempLocations temp;
    installFactoryPresets(temp);
    TempLocations::write(temp.bankFolder(), "User/Mine/Old.fpx", TempLocations::patchText("0.9"));
    int nbrLoads = 0;
    auto load = [&nbrLoads] { ++nbrLoads; };

    EXPECT_TRUE(Startup::isFirstStartup());
    EXPECT_TRUE(Startup::doStartupChecks(upgradeVersion, load));
    EXPECT_EQ(nbrLoads, 0);
    EXPECT_TRUE(temp.bankFolder().getChildFile("User").isDirectory());
    EXPECT_TRUE(temp.bankFolder().getChildFile("Factory/Pads/Wide.fpx").existsAsFile());
    EXPECT_EQ(LoadSave::parseJsonFile(temp.bankFolder().getChildFile("User/Mine/Old.fpx"))["dsp_version"]
                  .toString(),
              "1.0.0");
    EXPECT_EQ(LoadSave::getConfigVar()["dsp_version"].toString(), "1.0.0");
    EXPECT_FALSE(Startup::isFirstStartup());

    // The next start leaves the banks alone, even a factory patch the user changed.
    const juce::File changed = TempLocations::write(temp.bankFolder(), "Factory/Pads/Wide.fpx",
                                                    TempLocations::patchText("1.0.0", "me"));
    EXPECT_FALSE(Startup::doStartupChecks(upgradeVersion, load));
    EXPECT_EQ(nbrLoads, 1);
    EXPECT_EQ(LoadSave::getAuthor(LoadSave::parseJsonFile(changed)), "me");

    // An older settings version counts as a version change again.
    LoadSave::saveVarToConfig(juce::JSON::parse("{\"dsp_version\": \"0.9\", \"window_size\": 2}"));
    EXPECT_TRUE(Startup::doStartupChecks(upgradeVersion, load));
    EXPECT_EQ(LoadSave::getAuthor(LoadSave::parseJsonFile(changed)), "someone");
    EXPECT_FLOAT_EQ(LoadSave::loadWindowSize(), 2.0f);
}

TEST(Startup, WithoutInstalledPresetsSettingsStillPersistAndOnlyTheFirstStartUpgrades)
{
    TempLocations temp;
    ASSERT_FALSE(LoadSave::isInstalled());
    const juce::File mine = TempLocations::write(temp.bankFolder(), "Factory/Saved/Mine.fpx", "{}");
    int nbrLoads = 0;
    auto load = [&nbrLoads] { ++nbrLoads; };

    EXPECT_TRUE(Startup::doStartupChecks(upgradeVersion, load));
    EXPECT_TRUE(mine.existsAsFile());
    EXPECT_FALSE(Startup::isFirstStartup());
    for (int i = 0; i < 2; ++i)
        EXPECT_FALSE(Startup::doStartupChecks(upgradeVersion, load));
    EXPECT_EQ(nbrLoads, 2);
    EXPECT_TRUE(mine.existsAsFile());
}

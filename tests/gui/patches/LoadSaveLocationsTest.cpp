#include "gui/patches/LoadSaveLocations.h"
#include "gui/patches/LoadSave.h"

#include "gui/TempLocations.h"

#include <gtest/gtest.h>

using crenzel_test::ScopedEnvironment;
using crenzel_test::TempLocations;

namespace
{

// Clears every variable that picks a root, and points HOME into the temporary folder, so that
// the defaults resolve below it.
void clearRoots(ScopedEnvironment& env, const juce::File& home)
{
    for (const char* name : {"CRENZEL_USER_DATA_DIR", "CRENZEL_COMMON_DATA_DIR", "CRENZEL_CONFIG_DIR",
                             "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
        env.unset(name);
    env.set("HOME", home.getFullPathName());
}

} // namespace

TEST(LoadSaveLocations, DefaultsFollowHomeThenXdg)
{
    TempLocations temp;
    ScopedEnvironment env;
    const juce::File home = temp.root.getChildFile("home");
    clearRoots(env, home);

    EXPECT_EQ(LoadSave::getBankDirectory(), home.getChildFile(".local/share/Audio/Presets/Zundor/Crenzel"));
    EXPECT_EQ(LoadSave::getConfigFile(), home.getChildFile(".config/Zundor/Crenzel.config"));
    EXPECT_EQ(LoadSave::getPresetsBankDirectory(),
              juce::File(CRENZEL_INSTALL_DATA_DIR).getChildFile("Audio/Presets/Zundor/Crenzel"));

    const juce::File xdgData = temp.root.getChildFile("xdg-data");
    const juce::File xdgConfig = temp.root.getChildFile("xdg-config");
    env.set("XDG_DATA_HOME", xdgData.getFullPathName());
    env.set("XDG_CONFIG_HOME", xdgConfig.getFullPathName());
    EXPECT_EQ(LoadSave::getUserBankDirectory(), xdgData.getChildFile("Audio/Presets/Zundor/Crenzel/User"));
    EXPECT_TRUE(LoadSave::getUserBankDirectory().isDirectory());
    EXPECT_EQ(LoadSave::getConfigFile(), xdgConfig.getChildFile("Zundor/Crenzel.config"));

    // A relative XDG path is invalid and ignored.
    env.set("XDG_DATA_HOME", "relative/data");
    EXPECT_EQ(LoadSaveLocations::getUserDataRoot(), home.getChildFile(".local/share"));
}

TEST(LoadSaveLocations, RedirectionWinsAndIsReadAtEachCall)
{
    TempLocations temp;
    ScopedEnvironment env;
    env.set("XDG_DATA_HOME", temp.root.getChildFile("xdg").getFullPathName());

    EXPECT_EQ(LoadSave::getFactoryBankDirectory(), temp.bankFolder().getChildFile("Factory"));
    EXPECT_EQ(LoadSave::getFactoryPresetsBankDirectory(), temp.installedFactory());
    EXPECT_EQ(LoadSave::getConfigFile(), temp.configFile());

    const juce::File other = temp.root.getChildFile("other");
    env.set("CRENZEL_USER_DATA_DIR", other.getFullPathName());
    EXPECT_EQ(LoadSave::getBankDirectory(), other.getChildFile("Audio/Presets/Zundor/Crenzel"));
}

TEST(LoadSaveLocations, InstalledPresetsAreNeverCreated)
{
    TempLocations temp;
    EXPECT_FALSE(LoadSave::isInstalled());
    LoadSave::getFactoryPresetsBankDirectory();
    EXPECT_FALSE(temp.installedFolder().exists());
    temp.installedFactory().createDirectory();
    EXPECT_TRUE(LoadSave::isInstalled());
}

TEST(LoadSaveLocations, UpdateUrlCanBeRedirected)
{
    ScopedEnvironment env;
    env.unset("CRENZEL_UPDATE_URL");
    EXPECT_TRUE(LoadSaveLocations::getUpdateCheckUrl().startsWith("https://zundor.audio/"));
    env.set("CRENZEL_UPDATE_URL", "http://127.0.0.1:9/v.txt");
    EXPECT_EQ(LoadSaveLocations::getUpdateCheckUrl(), "http://127.0.0.1:9/v.txt");
}

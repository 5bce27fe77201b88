#include "gui/patches/LoadSave.h"

#include "gui/TempLocations.h"

#include <gtest/gtest.h>

#include <unistd.h>

using crenzel_test::TempLocations;

namespace
{

juce::var parse(const juce::String& text)
{
    return juce::JSON::parse(text);
}

} // namespace

TEST(LoadSaveConfig, DefaultsWhenMissingMalformedOrWrongType)
{
    TempLocations temp;
    const juce::String configs[] = {
        "",                        // no file
        "{\"window_size\": 2.0, ", // truncated
        "[1, 2]",                  // not an object
        "{\"check_for_updates\": \"no\", \"animate_widgets\": null, \"window_size\": 0, "
        "\"keyboard_layout\": \"qwerty\"}", // keys of the wrong kind
    };
    for (const juce::String& text : configs)
    {
        temp.configFile().deleteFile();
        if (text.isNotEmpty())
            TempLocations::write(temp.config, "Zundor/Crenzel.config", text);
        SCOPED_TRACE(text.toStdString());
        EXPECT_TRUE(LoadSave::shouldCheckForUpdates());
        EXPECT_TRUE(LoadSave::shouldAnimateWidgets());
        EXPECT_FLOAT_EQ(LoadSave::loadWindowSize(), 1.0f);
        EXPECT_EQ(LoadSave::getComputerKeyboardLayout(), std::wstring(DEFAULT_KEYBOARD));
        EXPECT_EQ(LoadSave::getComputerKeyboardOctaveControls(), std::make_pair(L'z', L'x'));
        MidiLearnMap map;
        EXPECT_FALSE(LoadSave::loadMidiMapFromConfig(map));
        EXPECT_TRUE(map.empty());
    }
    EXPECT_EQ(std::wstring(DEFAULT_KEYBOARD), L"awsedftgyhujkolp;'");
}

TEST(LoadSaveConfig, EachSaveKeepsTheOtherKeys)
{
    TempLocations temp;
    MidiLearnMap map{{20, {{7, {0.0, 1.0}}}}};
    EXPECT_TRUE(LoadSave::saveMidiMapToConfig(map));
    EXPECT_TRUE(LoadSave::saveWindowSize(1.25f));
    EXPECT_TRUE(LoadSave::saveAnimateWidgets(false));
    EXPECT_TRUE(LoadSave::saveUpdateCheckConfig(false));
    EXPECT_TRUE(LoadSave::saveLayoutToConfig(L"qwertyü", L'+', L'-'));
    EXPECT_TRUE(LoadSave::saveVersionConfig());

    EXPECT_FLOAT_EQ(LoadSave::loadWindowSize(), 1.25f);
    EXPECT_FALSE(LoadSave::shouldAnimateWidgets());
    EXPECT_FALSE(LoadSave::shouldCheckForUpdates());
    EXPECT_EQ(LoadSave::getComputerKeyboardLayout(), L"qwertyü");
    EXPECT_EQ(LoadSave::getComputerKeyboardOctaveControls(), std::make_pair(L'-', L'+'));
    MidiLearnMap back;
    EXPECT_TRUE(LoadSave::loadMidiMapFromConfig(back));
    EXPECT_EQ(back, map);

    const juce::var config = LoadSave::getConfigVar();
    EXPECT_EQ(config["dsp_version"].toString(), "1.0.0");
    ASSERT_TRUE(config["keyboard_layout"].isObject());
    EXPECT_EQ(config["keyboard_layout"]["octave_up"].toString(), "+");

    // Written as indented JSON with CR LF line ends, and nothing left beside it.
    const juce::String text = temp.configFile().loadFileAsString();
    EXPECT_TRUE(text.contains("\r\n"));
    EXPECT_FALSE(text.replace("\r\n", "").containsChar('\n'));
    EXPECT_EQ(
        temp.configFile().getParentDirectory().getNumberOfChildFiles(juce::File::findFilesAndDirectories), 1);
}

TEST(LoadSaveConfig, LayoutWithoutOctaveKeysGivesZero)
{
    TempLocations temp;
    TempLocations::write(temp.config, "Zundor/Crenzel.config",
                         "{\"keyboard_layout\": {\"chromatic_layout\": \"zxcv\", \"octave_up\": \"up\"}}");
    EXPECT_EQ(LoadSave::getComputerKeyboardLayout(), L"zxcv");
    EXPECT_EQ(LoadSave::getComputerKeyboardOctaveControls(), std::make_pair(L'\0', L'u'));
}

TEST(LoadSaveConfig, MidiMapIsWrittenInOrderAndReadBackIntoTheCurrentMap)
{
    TempLocations temp;
    const MidiLearnMap map{{64, {{16, {0.25, 0.75}}, {3, {-1.0, 2.5}}}}, {1, {}}, {20, {{7, {0.2, 0.8}}}}};
    ASSERT_TRUE(LoadSave::saveMidiMapToConfig(map));

    const juce::var learn = LoadSave::getConfigVar()["midi_learn"];
    ASSERT_TRUE(learn.isArray());
    ASSERT_EQ(learn.size(), 3);
    EXPECT_EQ(int(learn[0]["source"]), 1);
    EXPECT_EQ(learn[0]["destinations"].size(), 0);
    EXPECT_EQ(int(learn[2]["source"]), 64);
    EXPECT_TRUE(learn[2]["destinations"][0]["destination"].isString());
    EXPECT_EQ(learn[2]["destinations"][0]["destination"].toString(), "3");
    EXPECT_EQ(learn[2]["destinations"][1]["destination"].toString(), "16");

    // Loading adds to what the manager already has, replacing the range of a pair it lists.
    MidiLearnMap current{{20, {{7, {0.0, 1.0}}, {9, {1.0, 2.0}}}}, {100, {{5, {0.0, 1.0}}}}};
    ASSERT_TRUE(LoadSave::loadMidiMapFromConfig(current));
    const MidiLearnMap expected{{1, {}},
                                {20, {{7, {0.2, 0.8}}, {9, {1.0, 2.0}}}},
                                {64, {{3, {-1.0, 2.5}}, {16, {0.25, 0.75}}}},
                                {100, {{5, {0.0, 1.0}}}}};
    EXPECT_EQ(current, expected);
}

TEST(LoadSaveConfig, MidiMapEntriesThatAreNotOursAreSkipped)
{
    TempLocations temp;
    TempLocations::write(temp.config, "Zundor/Crenzel.config", R"({"midi_learn": [
        {"source": 5, "destinations": [
            {"destination": "16", "min_range": 0, "max_range": 1},
            {"destination": 17, "min_range": 0.5, "max_range": 1},
            {"destination": "abc", "min_range": 0, "max_range": 1},
            {"destination": "-3", "min_range": 0, "max_range": 1},
            {"destination": "18", "max_range": 1},
            {"destination": "19", "min_range": "x", "max_range": 1},
            "junk"]},
        {"destinations": [{"destination": "1", "min_range": 0, "max_range": 1}]},
        {"source": 6},
        7]})");
    MidiLearnMap map;
    EXPECT_TRUE(LoadSave::loadMidiMapFromConfig(map));
    const MidiLearnMap expected{{5, {{16, {0.0, 1.0}}, {17, {0.5, 1.0}}}}};
    EXPECT_EQ(map, expected);
}

TEST(LoadSaveConfig, MalformedConfigIsReplacedButKeptAsBackup)
{
    TempLocations temp;
    const juce::String damaged = "{\"midi_learn\": [{\"source\": 20, \"destinations\": [";
    TempLocations::write(temp.config, "Zundor/Crenzel.config", damaged);

    EXPECT_TRUE(LoadSave::saveWindowSize(2.0f));
    const juce::var config = LoadSave::getConfigVar();
    ASSERT_TRUE(config.isObject());
    EXPECT_EQ(config.getDynamicObject()->getProperties().size(), 1);
    EXPECT_EQ(temp.configFile().getSiblingFile("Crenzel.config.bak").loadFileAsString(), damaged);

    // A sound file is saved over without a backup.
    temp.configFile().getSiblingFile("Crenzel.config.bak").deleteFile();
    EXPECT_TRUE(LoadSave::saveAnimateWidgets(true));
    EXPECT_FALSE(temp.configFile().getSiblingFile("Crenzel.config.bak").exists());
    EXPECT_FLOAT_EQ(LoadSave::loadWindowSize(), 2.0f);
}

TEST(LoadSaveConfig, WritesReplaceTheFileInsteadOfRewritingItInPlace)
{
    TempLocations temp;
    ASSERT_TRUE(LoadSave::saveWindowSize(1.5f));
    const juce::String before = temp.configFile().loadFileAsString();

    // A hard link still sees the old content after the save only if the new text went to another
    // file that then took the name: a crash mid-write cannot leave a half-written configuration.
    const juce::File link = temp.root.getChildFile("link");
    ASSERT_EQ(::link(temp.configFile().getFullPathName().toRawUTF8(), link.getFullPathName().toRawUTF8()), 0);
    ASSERT_TRUE(LoadSave::saveWindowSize(3.0f));
    EXPECT_EQ(link.loadFileAsString(), before);
    EXPECT_FLOAT_EQ(LoadSave::loadWindowSize(), 3.0f);
}

TEST(LoadSaveConfig, ASymbolicLinkStaysALink)
{
    TempLocations temp;
    const juce::File kept =
        TempLocations::write(temp.root, "dotfiles/crenzel.json", "{\"window_size\": 1.5}");
    temp.configFile().getParentDirectory().createDirectory();
    ASSERT_TRUE(kept.createSymbolicLink(temp.configFile(), false));

    ASSERT_TRUE(LoadSave::saveAnimateWidgets(false));
    EXPECT_TRUE(temp.configFile().isSymbolicLink());
    EXPECT_FALSE(juce::JSON::parse(kept.loadFileAsString())["animate_widgets"]);
    EXPECT_FLOAT_EQ(LoadSave::loadWindowSize(), 1.5f);
}

TEST(LoadSaveConfig, SavesFailWithoutHarmWhenTheFolderCannotBeMade)
{
    TempLocations temp;
    // The configuration root is a file, so no folder can be made below it.
    temp.config.replaceWithText("not a folder");
    EXPECT_FALSE(LoadSave::saveWindowSize(2.0f));
    EXPECT_FALSE(LoadSave::saveVarToConfig(juce::var(new juce::DynamicObject())));
    EXPECT_EQ(temp.config.loadFileAsString(), "not a folder");
    EXPECT_FLOAT_EQ(LoadSave::loadWindowSize(), 1.0f);
}

TEST(LoadSaveConfig, OnlyObjectsAreWrittenAndWritingNeedsNoInstalledPresets)
{
    TempLocations temp;
    ASSERT_FALSE(LoadSave::isInstalled());
    EXPECT_FALSE(LoadSave::saveVarToConfig(parse("[1, 2]")));
    EXPECT_FALSE(LoadSave::saveVarToConfig(juce::var()));
    EXPECT_FALSE(temp.configFile().exists());

    EXPECT_TRUE(LoadSave::saveVarToConfig(parse("{\"window_size\": 0.75}")));
    EXPECT_FLOAT_EQ(LoadSave::loadWindowSize(), 0.75f);
}

TEST(LoadSaveConfig, HugeAndHostileFilesGiveDefaultsForWhatIsBad)
{
    TempLocations temp;
    // 8 MiB that is not JSON.
    TempLocations::write(temp.config, "Zundor/Crenzel.config", juce::String::repeatedString("x{", 4 << 20));
    EXPECT_FLOAT_EQ(LoadSave::loadWindowSize(), 1.0f);
    EXPECT_TRUE(LoadSave::shouldAnimateWidgets());

    // A large document whose good keys survive next to learn entries that are not ours: sources
    // outside the controllers' range, fractional or absurd numbers.
    juce::String text = "{\"window_size\": 1.5, \"animate_widgets\": false, \"midi_learn\": [";
    for (int i = 0; i < 20000; ++i)
        text << "{\"source\": 1e99, \"destinations\": [{\"destination\": \"7\", \"min_range\": 0, "
                "\"max_range\": 1}]},";
    text << "{\"source\": -1, \"destinations\": []}, {\"source\": 12.5, \"destinations\": []},"
            "{\"source\": 20, \"destinations\": [{\"destination\": \"7\", \"min_range\": 0.25, "
            "\"max_range\": 0.75}]}]}";
    TempLocations::write(temp.config, "Zundor/Crenzel.config", text);
    EXPECT_FLOAT_EQ(LoadSave::loadWindowSize(), 1.5f);
    EXPECT_FALSE(LoadSave::shouldAnimateWidgets());
    MidiLearnMap map;
    EXPECT_TRUE(LoadSave::loadMidiMapFromConfig(map));
    ASSERT_EQ(map.size(), 1u);
    EXPECT_EQ(map.at(20).at(7), std::make_pair(0.25, 0.75));
}

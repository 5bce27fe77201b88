#include "gui/patches/LoadSave.h"

#include "gui/TempLocations.h"

#include <gtest/gtest.h>

using crenzel_test::TempLocations;

TEST(LoadSaveVersion, CompareVersionStrings)
{
    struct Case
    {
        const char* a;
        const char* b;
        int expected;
    };
    const Case cases[] = {
        {"", "", 0},
        {"", "1.0.0", -1},
        {"1.0", "1.0.0", 0},
        {"1.10", "1.9", 1},
        {"1.0b", "1.0", 0},
        {"2", "10", -1},
        {"0.9", "1.0.0", -1},
        {"2.0", "1.0.0", 1},
        {"1.0.1", "1.0.0", 1},
        {"01.002", "1.2", 0},
        {"x.5", "0.5", 0},
        {"1..2", "1.0.2", 0},
        {"99999999999999999999.1", "99999999999999999998.9", 1},
        {"1.99999999999999999999", "1.100000000000000000000", -1},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(LoadSave::compareVersionStrings(c.a, c.b), c.expected) << c.a << " vs " << c.b;
        EXPECT_EQ(LoadSave::compareVersionStrings(c.b, c.a), -c.expected) << c.b << " vs " << c.a;
    }
}

TEST(LoadSaveVersion, VersionNumberReadsTheDigits)
{
    struct Case
    {
        const char* version;
        int expected;
    };
    const Case cases[] = {
        {"", 0},  {"1.2.3", 123}, {"2.0.0", 200}, {"1.0.0", 100},
        {"7", 7}, {"1.a.3", 103}, {"1.", 1},      {"99999999999.9.9", 2147483647},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadSave::getVersionNumber(c.version), c.expected) << c.version;
}

TEST(LoadSaveVersion, LinksAreOursAndTheDownloadNamesTheVersion)
{
    const juce::String download = LoadSave::getDownloadURL("123");
    EXPECT_TRUE(download.startsWith("https://zundor.audio/"));
    EXPECT_TRUE(download.endsWith("/Crenze-123-macosx-all-pro.pkg")) << download;
    EXPECT_EQ(LoadSave::getForumURL("1.0.0"), LoadSave::getForumURL("2.0.0"));
    EXPECT_TRUE(LoadSave::getForumURL("1.0.0").startsWith("https://zundor.audio/"));
    EXPECT_TRUE(LoadSave::getDocumentationURL().startsWith("https://zundor.audio/"));
    EXPECT_TRUE(LoadSave::getDocumentationURL().endsWith(".pdf"));
}

TEST(LoadSaveVersion, WasUpgradedUnlessTheConfigNamesTheCurrentVersion)
{
    TempLocations temp;
    struct Case
    {
        const char* config; // nullptr: no file
        bool expected;
    };
    const Case cases[] = {
        {nullptr, true},
        {"not json", true},
        {"[\"1.0.0\"]", true},
        {"{\"window_size\": 1}", true},
        {"{\"dsp_version\": \"0.9\"}", true},
        {"{\"dsp_version\": \"\"}", true},
        {"{\"dsp_version\": \"1.0.0\"}", false},
        {"{\"dsp_version\": \"1.0\"}", false},
        {"{\"dsp_version\": \"2.0\"}", false},
    };
    for (const Case& c : cases)
    {
        temp.configFile().deleteFile();
        if (c.config != nullptr)
            TempLocations::write(temp.config, "Zundor/Crenzel.config", c.config);
        EXPECT_EQ(LoadSave::wasUpgraded(), c.expected) << (c.config ? c.config : "(none)");
    }
}

TEST(LoadSaveVersion, AuthorAndInfoOfADocument)
{
    const juce::var document = juce::JSON::parse(R"({"author": "Ann", "info": "warm\nbass"})");
    EXPECT_EQ(LoadSave::getAuthor(document), "Ann");
    EXPECT_EQ(LoadSave::getInfo(document), "warm\nbass");
    EXPECT_EQ(LoadSave::getAuthor(juce::JSON::parse("{\"info\": \"x\"}")), "");
    EXPECT_EQ(LoadSave::getInfo(juce::JSON::parse("[\"info\"]")), "");
    EXPECT_EQ(LoadSave::getAuthor(juce::var("author")), "");
}

TEST(LoadSaveVersion, SetInfoRewritesOnlyParsablePatches)
{
    TempLocations temp;
    const juce::File patch = TempLocations::write(temp.root, "p/Funk.fpx",
                                                  "{\r\n  \"author\": \"Ann\",\r\n  \"info\": \"old\",\r\n"
                                                  "  \"settings\": {\"7\": 0.25}\r\n}");
    EXPECT_TRUE(LoadSave::setInfo(patch, "two\nlines"));
    const juce::String text = patch.loadFileAsString();
    EXPECT_FALSE(text.containsChar('\r'));
    const juce::var back = juce::JSON::parse(text);
    EXPECT_EQ(LoadSave::getInfo(back), "two\nlines");
    EXPECT_EQ(LoadSave::getAuthor(back), "Ann");
    EXPECT_DOUBLE_EQ(double(back["settings"]["7"]), 0.25);
    // Key order is kept.
    EXPECT_EQ(back.getDynamicObject()->getProperties().getName(1).toString(), "info");

    const juce::File broken = TempLocations::write(temp.root, "p/Broken.fpx", "{\"info\": ");
    const juce::File array = TempLocations::write(temp.root, "p/Array.fpx", "[1]");
    EXPECT_FALSE(LoadSave::setInfo(broken, "new"));
    EXPECT_FALSE(LoadSave::setInfo(array, "new"));
    EXPECT_FALSE(LoadSave::setInfo(temp.root.getChildFile("p/Missing.fpx"), "new"));
    EXPECT_EQ(broken.loadFileAsString(), "{\"info\": ");
    EXPECT_EQ(array.loadFileAsString(), "[1]");
    EXPECT_FALSE(temp.root.getChildFile("p/Missing.fpx").exists());
}

#include "gui/patches/LoadSave.h"

#include "gui/TempLocations.h"

#include <gtest/gtest.h>

using crenzel_test::TempLocations;

namespace
{

// Relative paths of the files below the bank folder.
std::vector<std::string> relative(const juce::Array<juce::File>& files, const juce::File& bankFolder)
{
    std::vector<std::string> out;
    for (const juce::File& f : files)
        out.push_back(f == juce::File() ? std::string("<none>")
                                        : f.getRelativePathFrom(bankFolder).toStdString());
    return out;
}

class LoadSaveEnumeration : public ::testing::Test
{
protected:
    // Banks "User" and "Factory", folders "b" and "A" in each, two patches per folder, plus files
    // that must not be listed.
    void SetUp() override
    {
        for (const char* bank : {"User", "Factory"})
            for (const char* folder : {"b", "A"})
                for (const char* patch : {"y.fpx", "X.fpx"})
                    add(juce::String(bank) + "/" + folder + "/" + patch);
        add("Factory/A/notes.txt");
        add("Factory/A.png");
        add("User/loose.fpx");         // directly in a bank: counted, not listed
        add("User/b/deeper/deep.fpx"); // below a folder: counted, not listed
        add("User/.hidden/h.fpx");     // hidden folder: neither
    }

    void add(const juce::String& path) { TempLocations::write(temp.bankFolder(), path, "{}"); }

    TempLocations temp;
};

} // namespace

TEST_F(LoadSaveEnumeration, ListsFactoryFirstThenFoldersAndPatchesWithoutCase)
{
    EXPECT_EQ(
        relative(LoadSave::getPatchFiles(), temp.bankFolder()),
        (std::vector<std::string>{"Factory/A/X.fpx", "Factory/A/y.fpx", "Factory/b/X.fpx", "Factory/b/y.fpx",
                                  "User/A/X.fpx", "User/A/y.fpx", "User/b/X.fpx", "User/b/y.fpx"}));
    EXPECT_EQ(LoadSave::getNumPatches(), 10);
}

TEST_F(LoadSaveEnumeration, PatchFileClampsEachLevel)
{
    struct Case
    {
        int bank, folder, patch;
        const char* expected;
    };
    const Case cases[] = {
        {-1, -1, 0, "Factory/A/X.fpx"}, {-1, -1, 5, "User/A/y.fpx"},  {-1, -1, 99, "User/b/y.fpx"},
        {5, 0, 0, "User/A/X.fpx"},      {0, 1, 1, "Factory/b/y.fpx"}, {1, 7, 0, "User/b/X.fpx"},
        {0, -1, 3, "Factory/b/y.fpx"},  {-1, 3, 0, "User/b/X.fpx"},   {0, 0, -1, "<none>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(relative({LoadSave::getPatchFile(c.bank, c.folder, c.patch)}, temp.bankFolder()),
                  std::vector<std::string>{c.expected})
            << c.bank << " " << c.folder << " " << c.patch;
}

TEST_F(LoadSaveEnumeration, DefaultProgramIsTheFirstFunkyPatch)
{
    int index = -7;
    EXPECT_FALSE(LoadSave::getDefaultProgramIndex(index));
    EXPECT_EQ(index, -7);

    add("User/A/It gets funkier 2.fpx");
    add("User/b/It gets funkier.fpx");
    EXPECT_TRUE(LoadSave::getDefaultProgramIndex(index));
    EXPECT_EQ(index, 4);
    EXPECT_EQ(LoadSave::getPatchFiles()[index].getFileName(), "It gets funkier 2.fpx");
}

TEST_F(LoadSaveEnumeration, FactoryPresetIsAnythingBelowTheFactoryBank)
{
    EXPECT_TRUE(LoadSave::isFactoryPreset(temp.bankFolder().getChildFile("Factory/A/X.fpx")));
    EXPECT_TRUE(LoadSave::isFactoryPreset(temp.bankFolder().getChildFile("Factory/A/sub/z.fpx")));
    EXPECT_FALSE(LoadSave::isFactoryPreset(temp.bankFolder().getChildFile("User/A/X.fpx")));
    EXPECT_FALSE(LoadSave::isFactoryPreset(temp.bankFolder().getChildFile("Factory")));
    EXPECT_FALSE(LoadSave::isFactoryPreset(temp.installedFactory().getChildFile("A/X.fpx")));
}

TEST(LoadSaveEnumerationEmpty, EmptyLevelsGiveOneEmptyFileOrNone)
{
    TempLocations temp;
    // No bank at all: one empty file, and the bank folder now exists.
    EXPECT_EQ(LoadSave::getPatchFiles(), juce::Array<juce::File>{juce::File()});
    EXPECT_TRUE(temp.bankFolder().isDirectory());
    EXPECT_EQ(LoadSave::getPatchFile(-1, -1, 0), juce::File());
    EXPECT_EQ(LoadSave::getNumPatches(), 0);

    // Banks without folders: still one empty file.
    LoadSave::getUserBankDirectory();
    LoadSave::getFactoryBankDirectory();
    EXPECT_EQ(LoadSave::getPatchFiles(), juce::Array<juce::File>{juce::File()});

    // A folder without patches: no patch, and no program either.
    temp.bankFolder().getChildFile("User/Empty").createDirectory();
    EXPECT_TRUE(LoadSave::getPatchFiles().isEmpty());
    EXPECT_EQ(LoadSave::getPatchFile(1, 0, 0), juce::File());
    int index = 3;
    EXPECT_FALSE(LoadSave::getDefaultProgramIndex(index));
    EXPECT_EQ(index, 3);
}

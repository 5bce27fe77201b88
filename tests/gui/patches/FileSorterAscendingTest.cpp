#include "gui/patches/FileSorterAscending.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

TEST(FileSorterAscending, FactoryFirstThenPathWithoutCase)
{
    const juce::File factory("/b/Factory");
    const juce::File user("/b/User");
    const juce::File early("/a/Alpha");
    EXPECT_EQ(FileSorterAscending::compareElements(factory, early), -1);
    EXPECT_EQ(FileSorterAscending::compareElements(early, factory), 1);
    EXPECT_LT(FileSorterAscending::compareElements(early, user), 0);
    EXPECT_LT(FileSorterAscending::compareElements(juce::File("/x/a"), juce::File("/x/B")), 0);
    EXPECT_GT(FileSorterAscending::compareElements(juce::File("/x/b"), juce::File("/x/A")), 0);
    // "Factory" only counts as the whole name.
    EXPECT_GT(FileSorterAscending::compareElements(juce::File("/x/Factory2"), juce::File("/x/A")), 0);
}

TEST(FileSorterAscending, IsAStrictWeakOrderEvenWithSeveralFactoryItems)
{
    std::vector<juce::File> files;
    for (int i = 0; i < 40; ++i)
    {
        files.emplace_back("/bank" + juce::String(i % 7) + "/Factory");
        files.emplace_back("/bank" + juce::String(i % 5) + "/Folder" + juce::String(i));
    }
    for (const juce::File& f : files)
        EXPECT_EQ(FileSorterAscending::compareElements(f, f), 0);

    juce::Array<juce::File> array;
    for (const juce::File& f : files)
        array.add(f);
    FileSorterAscending sorter;
    array.sort(sorter);
    for (int i = 1; i < array.size(); ++i)
        EXPECT_LE(FileSorterAscending::compareElements(array[i - 1], array[i]), 0) << i;
    EXPECT_EQ(array.getFirst().getFileName(), "Factory");
    EXPECT_EQ(array.getLast().getFileName().startsWith("Folder"), true);
}

#include "zun/txt/Utf8Seq.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using zun::txt::Utf8Seq;

TEST(Utf8Seq, MeasuresValidAndInvalidSequences)
{
    const struct
    {
        const char* txt;
        size_t seq_len;
    } case_arr[] = {
        {"a", 1},
        {"\xC3\xA9", 2},
        {"\xE2\x88\x9E", 3},
        {"\xF0\x9F\x8E\xB5", 4},
        {"\xC3", 1},             // lead byte at the end
        {"\xE2\x88", 1},         // sequence cut short
        {"\x80", 1},             // stray continuation byte
        {"\xC0\xAF", 1},         // overlong form
        {"\xE0\x80\xAF", 1},     // overlong form
        {"\xED\xA0\x80", 1},     // surrogate
        {"\xF4\x90\x80\x80", 1}, // past U+10FFFF
        {"\xFF", 1},
    };
    for (const auto& c : case_arr)
        EXPECT_EQ(Utf8Seq::get_seq_len(c.txt, std::strlen(c.txt)), c.seq_len) << c.txt;
}

TEST(Utf8Seq, CutsOnlyBetweenCharacters)
{
    const std::string txt = "a\xC3\xA9\xE2\x88\x9E"
                            "b"; // a, e acute, infinity, b: 7 bytes, 4 characters
    const size_t cut_arr[] = {0, 1, 1, 3, 3, 3, 6, 7, 7};
    for (size_t max_bytes = 0; max_bytes < 9; ++max_bytes)
        EXPECT_EQ(Utf8Seq::find_cut_bytes(txt.data(), txt.size(), max_bytes), cut_arr[max_bytes])
            << max_bytes;
    EXPECT_EQ(Utf8Seq::count_chars(txt), 4u);
    EXPECT_EQ(Utf8Seq::cut_chars(txt, 2), "a\xC3\xA9");
    EXPECT_EQ(Utf8Seq::cut_chars(txt, 10), txt);

    // Invalid bytes count as one character each and can be cut anywhere.
    const std::string bad = "\xff\x80\xC3";
    EXPECT_EQ(Utf8Seq::count_chars(bad), 3u);
    EXPECT_EQ(Utf8Seq::cut_bytes(bad, 2), "\xff\x80");
}

TEST(Utf8Seq, TrimsASequenceCutShortAtTheEnd)
{
    const struct
    {
        const char* txt;
        size_t len;
    } case_arr[] = {
        {"ab\xE2\x88", 2}, {"ab\xE2", 2}, {"ab\xE2\x88\x9E", 5}, {"ab\xC3", 2}, {"ab\x80", 3},
        {"ab", 2},         {"", 0},       {"\xF0\x9F\x8E", 0},
    };
    for (const auto& c : case_arr)
        EXPECT_EQ(Utf8Seq::trim_partial_tail(c.txt, std::strlen(c.txt)), c.len) << c.txt;
}

TEST(Utf8Seq, CopyCutTerminatesWithinItsBound)
{
    char buf[8];
    std::memset(buf, '#', sizeof(buf));
    Utf8Seq::copy_cut(buf, 4, "ab\xE2\x88\x9E", 5);
    EXPECT_STREQ(buf, "ab");
    EXPECT_EQ(buf[5], '#');
    Utf8Seq::copy_cut(buf, 0, "abc", 3);
    EXPECT_STREQ(buf, "");
    Utf8Seq::copy_cut(buf, 4, nullptr, 3);
    EXPECT_STREQ(buf, "");
    Utf8Seq::copy_cut(nullptr, 4, "abc", 3);
}

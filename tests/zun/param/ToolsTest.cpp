#include "zun/param/Tools.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

using zun::param::Tools;

TEST(Tools, PrintsBeatLengthsAsMixedFractions)
{
    const struct
    {
        double beats;
        int max_len;
        const char* expected;
    } case_arr[] = {
        {0.25, 5, "1/4"},
        {1.5, 5, "1 1/2"},
        {3, 5, "3"},
        {0.999995, 5, "1"},
        {0, 5, "0"},
        {2.75, 5, "2 3/4"},
        {1.0 / 3, 5, "1/3"},
        {1.0 / 64, 5, "1/64"},
        {1.0 / 128, 5, "1/128"},
        {256, 5, "256"},
        {14, 5, "14"},
        // Too little room for a fraction: the whole number alone, if it fits.
        {0.25, 1, ""},
        {3, 1, ""},
        {3.5, 2, "3"},
        {1.5, 3, "1"},
        // Room 2 allows one-digit fractions only: the nearest of them.
        {1.0 / 16, 3, "1/9"},
        {0.5, 3, "1/2"},
    };
    for (const auto& c : case_arr)
    {
        EXPECT_EQ(Tools::print_beat_fraction(c.beats, c.max_len), c.expected)
            << c.beats << " in " << c.max_len;
        char txt[64];
        std::memset(txt, '#', sizeof(txt));
        Tools::print_beat_fraction(txt, c.beats, c.max_len);
        EXPECT_STREQ(txt, c.expected);
    }
}

TEST(Tools, BeatFractionStaysWithinItsLengthForAnyValue)
{
    const double val_arr[] = {std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              1e300,
                              -1e300,
                              -0.25,
                              2147483647.0,
                              123456.789};
    for (const double val : val_arr)
    {
        for (int max_len = -3; max_len <= 40; ++max_len)
        {
            std::vector<char> buf(64, '#');
            Tools::print_beat_fraction(buf.data(), val, max_len);
            const size_t lim = size_t(std::max(max_len, 0));
            ASSERT_LE(std::strlen(buf.data()), lim) << val << " in " << max_len;
            ASSERT_EQ(buf[lim + 1], '#') << val << " in " << max_len;
        }
    }
    EXPECT_EQ(Tools::print_beat_fraction(-0.25, 5), "-1/4");
}

TEST(Tools, ReadsBeatLengthsAsSeconds)
{
    const struct
    {
        const char* txt;
        double bpm;
        bool ok;
        double sec;
    } case_arr[] = {
        {"1/4", 120, true, 0.125}, {"1", 120, true, 0.5},   {"1 1/2", 120, true, 0.75},
        {"3/", 120, true, 1.5},    {"2 ", 60, true, 2},     {"0", 120, true, 0},
        {"-1", 120, false, 0},     {"1/-2", 120, false, 0}, {"1/0", 120, false, 0},
        {"1 1/0", 120, false, 0},  {"", 120, false, 0},     {"abc", 120, false, 0},
        {"1e999", 120, false, 0},  {"1", 0, false, 0},      {"1", -120, false, 0},
    };
    for (const auto& c : case_arr)
    {
        bool ok = true;
        const double sec = Tools::scan_time_beats(c.txt, ok, c.bpm);
        EXPECT_EQ(ok, c.ok) << "'" << c.txt << "' at " << c.bpm;
        if (c.ok)
        {
            EXPECT_DOUBLE_EQ(sec, c.sec) << "'" << c.txt << "'";
        }
    }
    bool ok = false;
    Tools::scan_time_beats("1", ok, 120);
    EXPECT_FALSE(ok) << "a cleared flag stays cleared";
}

TEST(Tools, ConvertsBetweenNotesAndFrequencies)
{
    EXPECT_EQ(Tools::get_note(440), 0);
    EXPECT_EQ(Tools::get_note(880), 12);
    EXPECT_EQ(Tools::get_note(261.6256), -9);
    EXPECT_EQ(Tools::get_note(452), 0);
    EXPECT_EQ(Tools::get_note(454), 1);
    EXPECT_DOUBLE_EQ(Tools::get_freq(69), 440);
    EXPECT_DOUBLE_EQ(Tools::get_freq(57), 220);
    EXPECT_NEAR(Tools::get_freq(60), 261.6256, 1e-4);
    for (int note = 0; note < 128; ++note)
        EXPECT_EQ(Tools::get_note(Tools::get_freq(note)) + 69, note);
}

TEST(Tools, NoteOfNoFrequencyStaysInItsLimits)
{
    EXPECT_EQ(Tools::get_note(0), -Tools::NOTE_LIMIT);
    EXPECT_EQ(Tools::get_note(-5), 0);
    EXPECT_EQ(Tools::get_note(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(Tools::get_note(std::numeric_limits<double>::infinity()), Tools::NOTE_LIMIT);
}

TEST(Tools, PicksTheLongestNameThatFits)
{
    const char* const velo = "Velocity sensitivity\nVelo sensitivity\nVelo sens\nVel sns\nVelS\nVS";
    const struct
    {
        const char* txt;
        unsigned long n;
        const char* expected;
    } case_arr[] = {
        {"Cutoff Frequency\nCutoff", 12, "Cutoff"},
        {"Cutoff Frequency\nCutoff", 3, "Cut"},
        {"Cutoff Frequency\nCutoff", 16, "Cutoff Frequency"},
        {"Cutoff Frequency\nCutoff", 100, "Cutoff Frequency"},
        {"A\nBBB\nCC", 2, "CC"},
        {"\n\nAB\n", 5, "AB"},
        {"Abc\nXyz", 3, "Abc"},
        {velo, 1, "V"},
        {velo, 4, "VelS"},
        {velo, 8, "Vel sns"},
        {velo, 17, "Velo sensitivity"},
        {"Gr\xC3\xB6\xC3\x9F"
         "e\nGr",
         5,
         "Gr\xC3\xB6\xC3\x9F"
         "e"},
        {"Gr\xC3\xB6\xC3\x9F"
         "e\nGr",
         4, "Gr"},
        {"Gr\xC3\xB6\xC3\x9F"
         "e",
         3, "Gr\xC3\xB6"},
        {"\xE2\x88\x9E\xE2\x88\x9E", 1, "\xE2\x88\x9E"},
        {"\xff\xfe\xfd", 2, "\xff\xfe"},
        {"Name", 0, ""},
        {"", 5, ""},
        {"\n\n", 5, ""},
    };
    for (const auto& c : case_arr)
        EXPECT_EQ(Tools::print_name_bestfit(c.n, c.txt), c.expected) << "'" << c.txt << "' in " << c.n;
    EXPECT_EQ(Tools::print_name_bestfit(5, nullptr), "");
}

TEST(Tools, NameIndexFillsEveryIntegerConversion)
{
    const struct
    {
        const char* tmpl;
        int index;
        const char* expected;
    } case_arr[] = {
        {"Mod %d Period\nPeriod", 2, "Mod 2 Period\nPeriod"},
        {"Switch\nMod %d tempo swt\nMod %d tempo Switch", 3, "Switch\nMod 3 tempo swt\nMod 3 tempo Switch"},
        {"Cutoff", 7, "Cutoff"},
        {"%d%d%d%d%d%d%d%d%d%d%d%d%d", 1, "1111111111111"},
        {"S %02d", 5, "S 05"},
        {"100%% %i", 4, "100% 4"},
        // Nothing but integer conversions is ever formatted.
        {"%s %n %x %", 9, "%s %n %x %"},
        {"%*d", 9, "%*d"},
    };
    for (const auto& c : case_arr)
        EXPECT_EQ(Tools::print_name_index(c.tmpl, c.index), c.expected) << c.tmpl;
    EXPECT_EQ(Tools::print_name_index(nullptr, 1), "");
}

TEST(Tools, NameIndexResultIsAtMost1023BytesOfWholeCharacters)
{
    std::string tmpl;
    for (int k = 0; k < 400; ++k)
        tmpl += "\xC3\xA9%999d";
    const std::string name = Tools::print_name_index(tmpl.c_str(), 1);
    ASSERT_LE(name.size(), 1023u);
    EXPECT_GE(name.size(), 1020u);
    EXPECT_NE(static_cast<unsigned char>(name.back()), 0xC3);
}

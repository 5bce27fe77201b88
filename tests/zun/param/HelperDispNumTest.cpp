#include "zun/param/HelperDispNum.h"
#include "zun/txt/Utf8Seq.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

using zun::param::HelperDispNum;

namespace
{

const std::string INF_SIGN = "\xE2\x88\x9E";

HelperDispNum make_disp(HelperDispNum::Preset preset, const char* format, double val_min = 0,
                        double val_max = 1e9)
{
    HelperDispNum disp;
    disp.set_preset(preset);
    disp.set_print_format(format);
    disp.set_range(val_min, val_max);
    return disp;
}

// True when every byte of txt belongs to a complete UTF-8 sequence.
bool is_valid_utf8(const std::string& txt)
{
    size_t pos = 0;
    while (pos < txt.size())
    {
        const size_t len = zun::txt::Utf8Seq::get_seq_len(txt.data() + pos, txt.size() - pos);
        if (len == 1 && static_cast<unsigned char>(txt[pos]) >= 0x80)
            return false;
        pos += len;
    }
    return true;
}

struct ToStrCase
{
    HelperDispNum::Preset preset;
    const char* format;
    double nat;
    const char* expected;
};

} // namespace

TEST(HelperDispNum, ShowsEachPresetInItsUnit)
{
    const double semitone = std::pow(2.0, 1.0 / 12);
    const ToStrCase case_arr[] = {
        {HelperDispNum::Preset_FLOAT_STD, "%.2f", 1.5, "1.50"},
        {HelperDispNum::Preset_FLOAT_PERCENT, "%5.1f", 0.5, " 50.0"},
        {HelperDispNum::Preset_FLOAT_PERCENT, "%5.1f", 0.123, " 12.3"},
        {HelperDispNum::Preset_FLOAT_MILLI, "%5.1f", 0.0125, " 12.5"},
        {HelperDispNum::Preset_FLOAT_MICRO, "%.0f", 0.00025, "250"},
        {HelperDispNum::Preset_DB, "%+5.1f", 1, " +0.0"},
        {HelperDispNum::Preset_DB, "%+5.1f", 2, " +6.0"},
        {HelperDispNum::Preset_DB, "%+5.1f", 0.5, " -6.0"},
        {HelperDispNum::Preset_DB, "%+5.1f", 10, "+20.0"},
        {HelperDispNum::Preset_DB, "%+5.1f", 0, "-oo"},
        {HelperDispNum::Preset_DB_FROM_LOG2, "%.2f", 1, "6.02"},
        {HelperDispNum::Preset_INT, "%.0f", 2.6, "3"},
        {HelperDispNum::Preset_INT, "%5.1f", 2.4, "  2.0"},
        {HelperDispNum::Preset_INT_BASE_1, "%.0f", 0, "1"},
        {HelperDispNum::Preset_INT_BASE_1, "%.0f", 3, "4"},
        {HelperDispNum::Preset_MIDI_NOTE, "%f", 60, " C5"},
        {HelperDispNum::Preset_MIDI_NOTE, "%f", 69, " A5"},
        {HelperDispNum::Preset_MIDI_NOTE, "%f", 61.3, "C#5+30"},
        {HelperDispNum::Preset_MIDI_NOTE, "%f", 61.95, " D5-05"},
        {HelperDispNum::Preset_MIDI_NOTE, "%f", 60.5, "C#5-50"},
        // Rounded to whole cents first, so cents never show +50 (the next note's -50).
        {HelperDispNum::Preset_MIDI_NOTE, "%f", 60.497, "C#5-50"},
        {HelperDispNum::Preset_MIDI_NOTE, "%f", 0, " C0"},
        {HelperDispNum::Preset_MIDI_NOTE, "%f", -1, " B-1"},
        {HelperDispNum::Preset_MIDI_NOTE, "%f", -13.2, " B-2-20"},
        {HelperDispNum::Preset_SEMITONES, "%.1f", 2, "12.0"},
        {HelperDispNum::Preset_SEMITONES, "%.1f", 0.5, "-12.0"},
        {HelperDispNum::Preset_CENTS, "%.0f", semitone, "100"},
        {HelperDispNum::Preset_FREQ_NOTE, "%f", 440, " A5"},
        {HelperDispNum::Preset_FREQ_NOTE, "%f", 466.16, "A#5"},
        {HelperDispNum::Preset_FREQ_NOTE, "%f", 261.6256, " C5"},
        {HelperDispNum::Preset_FREQ_NOTE, "%f", 220, " A4"},
        {HelperDispNum::Preset_FRAC, "%f", 0, "0"},
        {HelperDispNum::Preset_FRAC, "%f", 0.75, "3/4"},
        {HelperDispNum::Preset_FRAC, "%f", 2.5, "2 1/2"},
        {HelperDispNum::Preset_FRAC, "%f", 3, "3"},
        {HelperDispNum::Preset_RATIO, "%.0f", 3, "3:1"},
        {HelperDispNum::Preset_RATIO, "%.0f", 0.25, "1:4"},
        {HelperDispNum::Preset_RATIO, "%.1f", 1, "1.0:1"},
        {HelperDispNum::Preset_RATIO, "%.0f", 0, "0"},
        {HelperDispNum::Preset_RATIO_INV, "%.0f", 3, "1:3"},
        {HelperDispNum::Preset_RATIO_INV, "%.0f", 0.25, "4:1"},
        {HelperDispNum::Preset_RATIO_INV, "%.0f", 0, INF_SIGN.c_str()},
    };
    for (const ToStrCase& c : case_arr)
    {
        const HelperDispNum disp = make_disp(c.preset, c.format, -1e9);
        char txt[128];
        EXPECT_EQ(disp.conv_to_str(c.nat, txt, 100), 0);
        EXPECT_STREQ(txt, c.expected) << "preset " << c.preset << ", value " << c.nat;
    }
}

TEST(HelperDispNum, LogOfZeroTakesTheSignOppositeToTheScale)
{
    HelperDispNum disp = make_disp(HelperDispNum::Preset_DB, "%+5.1f");
    disp.set_scale(-1);
    EXPECT_EQ(disp.conv_to_str(0, 10), "+oo");
}

TEST(HelperDispNum, PresetLeavesFormatAndRangeAndIgnoresUnknownValues)
{
    HelperDispNum disp = make_disp(HelperDispNum::Preset_DB, "%+5.1f", 0, 4);
    disp.set_preset(HelperDispNum::Preset(15));
    disp.set_preset(HelperDispNum::Preset(-1));
    EXPECT_TRUE(disp.is_log());
    EXPECT_DOUBLE_EQ(disp.get_scale(), 20 / std::log(10.0));

    disp.set_preset(HelperDispNum::Preset_FREQ_NOTE);
    EXPECT_DOUBLE_EQ(disp.get_offset(), 69 - 12 * std::log2(440.0));
    EXPECT_EQ(disp.get_print_format(), "%+5.1f");
    EXPECT_EQ(disp.get_val_min(), 0);
    EXPECT_EQ(disp.get_val_max(), 4);
}

TEST(HelperDispNum, IsOkNeedsAnIncreasingRangeAndNoNegativeLogValues)
{
    HelperDispNum disp;
    disp.set_range(0, 1);
    EXPECT_TRUE(disp.is_ok());
    disp.set_range(1, 1);
    EXPECT_FALSE(disp.is_ok());
    disp.set_range(-1, 1);
    EXPECT_TRUE(disp.is_ok());
    disp.set_log(true);
    EXPECT_FALSE(disp.is_ok());
}

namespace
{

struct FromStrCase
{
    HelperDispNum::Preset preset;
    double val_min;
    double val_max;
    const char* txt;
    bool ok;
    double expected;
};

} // namespace

TEST(HelperDispNum, ReadsTypedTextBackAndLimitsIt)
{
    const std::string inf_txt = INF_SIGN;
    const FromStrCase case_arr[] = {
        {HelperDispNum::Preset_FLOAT_PERCENT, 0, 1, "25", true, 0.25},
        {HelperDispNum::Preset_FLOAT_PERCENT, 0, 1, "  12.5 %", true, 0.125},
        {HelperDispNum::Preset_FLOAT_PERCENT, 0, 1, "150", true, 1},
        {HelperDispNum::Preset_FLOAT_PERCENT, 0, 1, "-5", true, 0},
        {HelperDispNum::Preset_FLOAT_PERCENT, 0, 1, "abc", false, 0},
        {HelperDispNum::Preset_FLOAT_PERCENT, 0, 1, "", false, 0},
        {HelperDispNum::Preset_FLOAT_PERCENT, 0, 1, "1e999", false, 0},
        {HelperDispNum::Preset_FLOAT_PERCENT, 0, 1, "inf", false, 0},
        {HelperDispNum::Preset_FLOAT_PERCENT, 0, 1, "nan", false, 0},
        {HelperDispNum::Preset_FLOAT_MILLI, 0, 5, "12.5", true, 0.0125},
        {HelperDispNum::Preset_DB, 0, 4, "-6", true, std::pow(10.0, -6.0 / 20)},
        {HelperDispNum::Preset_DB, 0, 4, "+20", true, 4},
        {HelperDispNum::Preset_DB, 0, 4, "-oo", true, 0},
        {HelperDispNum::Preset_DB, 0, 4, inf_txt.c_str(), true, 0},
        {HelperDispNum::Preset_DB, 0.5, 4, "-oo", true, 0.5},
        {HelperDispNum::Preset_DB, 0, 4, "x", false, 0},
        {HelperDispNum::Preset_INT, 0, 100, "42", true, 42},
        {HelperDispNum::Preset_INT, 0, 100, "4.7", true, 4},
        {HelperDispNum::Preset_INT, 0, 100, " -3", true, 0},
        {HelperDispNum::Preset_INT, 0, 100, "99999999999999999999999", false, 0},
        {HelperDispNum::Preset_INT, 0, 100, "abc", false, 0},
        {HelperDispNum::Preset_INT_BASE_1, 0, 15, "1", true, 0},
        {HelperDispNum::Preset_MIDI_NOTE, 0, 127, "C5", true, 60},
        {HelperDispNum::Preset_MIDI_NOTE, 0, 127, "C#5+30", true, 61.3},
        {HelperDispNum::Preset_MIDI_NOTE, 0, 127, " B-1", true, 0},
        // Cents as written, with a leading zero, are decimal.
        {HelperDispNum::Preset_MIDI_NOTE, 0, 127, " D0-09", true, 1.91},
        {HelperDispNum::Preset_MIDI_NOTE, 0, 127, " C5+08", true, 60.08},
        {HelperDispNum::Preset_MIDI_NOTE, 0, 127, "C", false, 0},
        {HelperDispNum::Preset_MIDI_NOTE, 0, 127, "H5", false, 0},
        {HelperDispNum::Preset_FREQ_NOTE, 20, 20000, "A5", true, 440},
        {HelperDispNum::Preset_FREQ_NOTE, 20, 20000, "C5+50", true, 440 * std::pow(2.0, -8.5 / 12)},
        {HelperDispNum::Preset_FREQ_NOTE, 20, 20000, "C#4", true, 440 * std::pow(2.0, -20.0 / 12)},
        {HelperDispNum::Preset_FREQ_NOTE, 20, 20000, "A0x5", true, 440},
        {HelperDispNum::Preset_FREQ_NOTE, 20, 20000, "a5", false, 0},
        {HelperDispNum::Preset_FREQ_NOTE, 20, 20000, "A99999999999999999999", false, 0},
        {HelperDispNum::Preset_FRAC, 0, 10, "1 1/2", true, 1.5},
        {HelperDispNum::Preset_FRAC, 0, 10, "3/4", true, 0.75},
        {HelperDispNum::Preset_FRAC, 0, 10, "3/0", false, 0},
        {HelperDispNum::Preset_RATIO, 0, 100, "3:1", true, 3},
        {HelperDispNum::Preset_RATIO, 0, 100, "1:4", true, 0.25},
        {HelperDispNum::Preset_RATIO, 0, 100, "2", true, 2},
        {HelperDispNum::Preset_RATIO, 0, 100, "3:0", false, 0},
        {HelperDispNum::Preset_RATIO_INV, 0, 100, "1:3", true, 3},
        {HelperDispNum::Preset_RATIO_INV, 0, 100, inf_txt.c_str(), true, 0},
    };
    for (const FromStrCase& c : case_arr)
    {
        const HelperDispNum disp = make_disp(c.preset, "%f", c.val_min, c.val_max);
        double nat = -12345;
        const int ret = disp.conv_from_str(c.txt, nat);
        if (c.ok)
        {
            EXPECT_EQ(ret, 0) << "text '" << c.txt << "'";
            EXPECT_NEAR(nat, c.expected, 1e-9 * (1 + std::fabs(c.expected))) << "text '" << c.txt << "'";
        }
        else
        {
            EXPECT_EQ(ret, HelperDispNum::ERR_CONV) << "text '" << c.txt << "'";
            EXPECT_EQ(nat, -12345) << "text '" << c.txt << "'";
        }
    }
}

TEST(HelperDispNum, FindsSharpsBeforeNaturals)
{
    const struct
    {
        const char* txt;
        int idx;
        size_t end_pos;
    } case_arr[] = {
        {"C#4", 1, 2}, {"C4", 0, 1}, {"xxA#", 10, 4}, {"B", 11, 1}, {"F#G", 7, 3}, {"c4", -1, 0}, {"", -1, 0},
    };
    for (const auto& c : case_arr)
    {
        const char* end = nullptr;
        EXPECT_EQ(HelperDispNum::detect_note(c.txt, end), c.idx) << c.txt;
        if (c.idx >= 0)
        {
            EXPECT_EQ(size_t(end - c.txt), c.end_pos) << c.txt;
        }
    }
}

TEST(HelperDispNum, FractionsPreferSimpleDenominators)
{
    const struct
    {
        double val;
        long max_len;
        const char* expected;
    } case_arr[] = {
        {0.333333, 8, "1/3"}, {0.1, 8, "1/10"}, {0, 8, "0"},           {0.75, 8, "3/4"},
        {2.5, 8, "2 1/2"},    {1.9999, 2, "2"}, {0.99, 8, "1"},        {0.0078125, 8, "1/128"},
        {12.25, 8, "12 1/4"}, {0.2, 1, "1/5"},  {0.015625, 8, "1/64"},
    };
    for (const auto& c : case_arr)
        EXPECT_EQ(HelperDispNum::print_frac(c.val, c.max_len), c.expected) << c.val << " in " << c.max_len;
}

TEST(HelperDispNum, FractionDigitsFollowTheRoom)
{
    const struct
    {
        double val;
        long max_len;
        int num;
        int den;
    } case_arr[] = {
        // Room 2 and below: one digit each, so 1/12 and 7/10 are out of reach.
        {1.0 / 12, 2, 1, 9},
        {0.7, 2, 5, 7},
        {0.3, 0, 2, 7},
        {1.0 / 12, 3, 1, 12},
        // A numerator one digit short lends that digit to the denominator.
        {1.0 / 128, 4, 1, 128},
        // Past denominator 16 a numerator of two digits or more stops the search.
        {0.9, 8, 9, 10},
        {0.95, 8, 13, 14},
    };
    for (const auto& c : case_arr)
    {
        int num = -1;
        int den = -1;
        HelperDispNum::find_frac(num, den, c.val, c.max_len);
        EXPECT_EQ(num, c.num) << c.val << " in " << c.max_len;
        EXPECT_EQ(den, c.den) << c.val << " in " << c.max_len;
    }
}

TEST(HelperDispNum, ScansWholeNumbersFractionsAndMixedNumbers)
{
    const struct
    {
        const char* txt;
        bool ok;
        double expected;
    } case_arr[] = {
        {"2", true, 2},    {"3/4", true, 0.75},   {"1 1/2", true, 1.5}, {"3/", true, 3},
        {"2 ", true, 2},   {"1 / 4", true, 0.25}, {"-1/2", true, -0.5}, {"1 1/2/", true, 1.5},
        {"", false, 0},    {"x", false, 0},       {"3/0", false, 0},    {"1 1/0", false, 0},
        {"1 1/", true, 1}, {"1e999", false, 0},
    };
    for (const auto& c : case_arr)
    {
        double val = -7;
        EXPECT_EQ(HelperDispNum::scan_frac(c.txt, val), c.ok) << "'" << c.txt << "'";
        EXPECT_DOUBLE_EQ(val, c.ok ? c.expected : -7) << "'" << c.txt << "'";
    }
}

TEST(HelperDispNum, ScansRatiosBothWays)
{
    const struct
    {
        const char* txt;
        HelperDispNum::Type type;
        bool ok;
        double expected;
    } case_arr[] = {
        {"3:1", HelperDispNum::Type_RATIO, true, 3},        {"1:4", HelperDispNum::Type_RATIO, true, 0.25},
        {"2", HelperDispNum::Type_RATIO, true, 2},          {"1:oo", HelperDispNum::Type_RATIO, true, 0},
        {"oo", HelperDispNum::Type_RATIO, false, 0},        {"", HelperDispNum::Type_RATIO, false, 0},
        {":", HelperDispNum::Type_RATIO, false, 0},         {"3:", HelperDispNum::Type_RATIO, false, 0},
        {"0:0", HelperDispNum::Type_RATIO, true, 1},        {"1:3", HelperDispNum::Type_RATIO_INV, true, 3},
        {"4:1", HelperDispNum::Type_RATIO_INV, true, 0.25}, {"oo", HelperDispNum::Type_RATIO_INV, true, 0},
        {"0", HelperDispNum::Type_RATIO_INV, false, 0},
    };
    for (const auto& c : case_arr)
    {
        double val = -7;
        EXPECT_EQ(HelperDispNum::scan_ratio(c.txt, val, c.type), c.ok) << "'" << c.txt << "'";
        if (c.ok)
        {
            EXPECT_DOUBLE_EQ(val, c.expected) << "'" << c.txt << "'";
        }
    }
}

TEST(HelperDispNum, RatioPartsAreReadFromTheirFirst63Bytes)
{
    // The digits past 63 bytes are not part of the number.
    const std::string txt = std::string(62, ' ') + "12:1";
    double val = 0;
    ASSERT_TRUE(HelperDispNum::scan_ratio(txt.c_str(), val, HelperDispNum::Type_RATIO));
    EXPECT_EQ(val, 1);
}

TEST(HelperDispNum, FindsInfinityTexts)
{
    EXPECT_TRUE(HelperDispNum::find_infinite("-oo"));
    EXPECT_TRUE(HelperDispNum::find_infinite(INF_SIGN.c_str()));
    EXPECT_FALSE(HelperDispNum::find_infinite("o o"));
    EXPECT_FALSE(HelperDispNum::find_infinite(nullptr));
}

TEST(HelperDispNum, UnsafeFormatsFallBackToPlainDouble)
{
    const char* const fmt_arr[] = {"%s",  "%n", "%d", "%*f",      "%1000f", "%.1000f", "%f%f",
                                   "abc", "%",  "",   "%lf%%x%q", "%Lf",    "%hf"};
    for (const char* fmt : fmt_arr)
    {
        HelperDispNum disp = make_disp(HelperDispNum::Preset_FLOAT_STD, fmt, -10, 10);
        EXPECT_EQ(disp.get_print_format(), "%f") << fmt;
        EXPECT_EQ(disp.conv_to_str(1.5, 100), "1.500000") << fmt;
    }
    HelperDispNum disp = make_disp(HelperDispNum::Preset_FLOAT_STD, "%% %+08.3lf %%", -10, 10);
    EXPECT_EQ(disp.conv_to_str(1.5, 100), "% +001.500 %");
}

TEST(HelperDispNum, StaysWithinEveryLengthForAnyValue)
{
    const double val_arr[] = {std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              1e300,
                              -1e300,
                              std::numeric_limits<double>::denorm_min(),
                              -1,
                              0,
                              0.5,
                              1,
                              3e9,
                              -3e9};
    const char* const fmt_arr[] = {"%f", "%+5.1f", "%.999f", "%999.3e", "%.3f\xE2\x88\x9E", "%s%n"};
    const long len_arr[] = {-5, 0, 1, 2, 3, 4, 7, 124, 1023, 1024, 5000};
    std::vector<char> buf(6000);
    for (int preset = 0; preset < HelperDispNum::Preset_NBR_ELT; ++preset)
    {
        for (const char* fmt : fmt_arr)
        {
            const HelperDispNum disp = make_disp(HelperDispNum::Preset(preset), fmt, -1e300, 1e300);
            for (const double val : val_arr)
            {
                const std::string full = disp.conv_to_str(val, 100000);
                EXPECT_TRUE(is_valid_utf8(full)) << "preset " << preset << " fmt " << fmt << " val " << val;
                for (const long len : len_arr)
                {
                    std::fill(buf.begin(), buf.end(), '#');
                    disp.conv_to_str(val, buf.data(), len);
                    const size_t max_len = size_t(std::max(len, 0L));
                    const size_t txt_len = std::strlen(buf.data());
                    ASSERT_LE(txt_len, max_len) << "preset " << preset << " fmt " << fmt << " val " << val;
                    ASSERT_EQ(buf[max_len + 1], '#')
                        << "preset " << preset << " fmt " << fmt << " val " << val;
                    const std::string txt(buf.data());
                    EXPECT_TRUE(is_valid_utf8(txt))
                        << "preset " << preset << " fmt " << fmt << " len " << len;
                    EXPECT_EQ(full.compare(0, txt.size(), txt), 0) << "preset " << preset << " len " << len;
                    EXPECT_EQ(disp.conv_to_str(val, len), txt);
                }
            }
        }
    }
}

TEST(HelperDispNum, NeverCutsTheInfinitySign)
{
    const HelperDispNum disp = make_disp(HelperDispNum::Preset_RATIO_INV, "%.0f");
    EXPECT_EQ(disp.conv_to_str(0, 2), "");
    EXPECT_EQ(disp.conv_to_str(0, 3), INF_SIGN);
}

TEST(HelperDispNum, ReadsAnyTextWithoutHarm)
{
    std::vector<std::string> txt_list = {
        "",
        std::string(100000, '9'),
        std::string(100000, ' ') + "5",
        std::string(5000, '/'),
        std::string("\xff\xfe\x80\xC3"),
        std::string("\xE2\x88"),
        "1 1/2 3/4 5 6 7",
        ":::",
        "A#B#C#D#",
        "0x",
        "1e-400",
    };
    for (int preset = 0; preset < HelperDispNum::Preset_NBR_ELT; ++preset)
    {
        const HelperDispNum disp = make_disp(HelperDispNum::Preset(preset), "%f", 1, 2);
        for (const std::string& txt : txt_list)
        {
            double nat = -1;
            const int ret = disp.conv_from_str(txt.c_str(), nat);
            if (ret == 0)
            {
                EXPECT_GE(nat, 1) << "preset " << preset;
                EXPECT_LE(nat, 2) << "preset " << preset;
            }
            else
            {
                EXPECT_EQ(ret, HelperDispNum::ERR_CONV);
                EXPECT_EQ(nat, -1);
            }
        }
        double nat = -1;
        EXPECT_EQ(disp.conv_from_str(nullptr, nat), HelperDispNum::ERR_CONV);
    }
}

TEST(HelperDispNum, NullOutputIsIgnored)
{
    const HelperDispNum disp;
    EXPECT_EQ(disp.conv_to_str(1.0, nullptr, 10), 0);
}

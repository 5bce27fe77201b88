#include "zun/txt/PrintfFormat.h"

#include <gtest/gtest.h>

using zun::txt::PrintfFormat;

TEST(PrintfFormat, AcceptsOneConversionOfTheAskedKind)
{
    const struct
    {
        const char* fmt;
        PrintfFormat::Kind kind;
        bool ok;
    } case_arr[] = {
        {"%f", PrintfFormat::Kind_DOUBLE, true},        {"%+5.1f dB", PrintfFormat::Kind_DOUBLE, true},
        {"%-#08.3e", PrintfFormat::Kind_DOUBLE, true},  {"%.f", PrintfFormat::Kind_DOUBLE, true},
        {"%lf", PrintfFormat::Kind_DOUBLE, true},       {"100%% %g", PrintfFormat::Kind_DOUBLE, true},
        {"%999.999f", PrintfFormat::Kind_DOUBLE, true}, {"%1000f", PrintfFormat::Kind_DOUBLE, false},
        {"%.1000f", PrintfFormat::Kind_DOUBLE, false},  {"%*f", PrintfFormat::Kind_DOUBLE, false},
        {"%Lf", PrintfFormat::Kind_DOUBLE, false},      {"%f %f", PrintfFormat::Kind_DOUBLE, false},
        {"%d", PrintfFormat::Kind_DOUBLE, false},       {"%s", PrintfFormat::Kind_DOUBLE, false},
        {"%n", PrintfFormat::Kind_DOUBLE, false},       {"%", PrintfFormat::Kind_DOUBLE, false},
        {"50%", PrintfFormat::Kind_DOUBLE, false},      {"", PrintfFormat::Kind_DOUBLE, false},
        {"%%", PrintfFormat::Kind_DOUBLE, false},       {"%s", PrintfFormat::Kind_STRING, true},
        {"%-8.3s", PrintfFormat::Kind_STRING, true},    {"%s%s", PrintfFormat::Kind_STRING, false},
        {"%02d", PrintfFormat::Kind_INT, true},         {"%i", PrintfFormat::Kind_INT, true},
        {"%x", PrintfFormat::Kind_INT, false},
    };
    for (const auto& c : case_arr)
    {
        PrintfFormat conv;
        EXPECT_EQ(conv.parse_format(c.fmt, c.kind), c.ok) << c.fmt;
    }
    PrintfFormat conv;
    EXPECT_FALSE(conv.parse_format(nullptr, PrintfFormat::Kind_DOUBLE));
}

TEST(PrintfFormat, FormatsAroundTheLiteralParts)
{
    PrintfFormat conv;
    ASSERT_TRUE(conv.parse_format("[%% %+6.2lf dB]", PrintfFormat::Kind_DOUBLE));
    EXPECT_EQ(conv.build_conv(), "%+6.2f");
    EXPECT_EQ(conv.format_double(3.14159), "[%  +3.14 dB]");
    // The text stays bounded even for the longest conversion allowed.
    ASSERT_TRUE(conv.parse_format("%.999f", PrintfFormat::Kind_DOUBLE));
    EXPECT_EQ(conv.format_double(-1e308).size(), 1 + 309 + 1 + 999u);

    ASSERT_TRUE(conv.parse_format("<%-6s>", PrintfFormat::Kind_STRING));
    EXPECT_EQ(conv.format_string("\xC3\xA9t\xC3\xA9"), "<\xC3\xA9t\xC3\xA9   >");
    ASSERT_TRUE(conv.parse_format("%.2s", PrintfFormat::Kind_STRING));
    EXPECT_EQ(conv.format_string("\xC3\xA9t\xC3\xA9"), "\xC3\xA9");
    ASSERT_TRUE(conv.parse_format("%.1s", PrintfFormat::Kind_STRING));
    EXPECT_EQ(conv.format_string("\xC3\xA9t"), "");

    ASSERT_TRUE(conv.parse_format("S %03d", PrintfFormat::Kind_INT));
    EXPECT_EQ(conv.format_int(7), "S 007");
}

TEST(PrintfFormat, RejectedFormatLeavesTheObjectAsItWas)
{
    PrintfFormat conv;
    ASSERT_TRUE(conv.parse_format("%.1f Hz", PrintfFormat::Kind_DOUBLE));
    EXPECT_FALSE(conv.parse_format("%s %n", PrintfFormat::Kind_DOUBLE));
    EXPECT_EQ(conv.format_double(2), "2.0 Hz");
}

#include "zun/txt/PrintfSpec.h"

#include <gtest/gtest.h>

using zun::txt::PrintfSpec;

TEST(PrintfSpec, AcceptsOneConversionOfTheAskedKind)
{
    const struct
    {
        const char* fmt;
        PrintfSpec::Kind kind;
        bool ok;
    } case_arr[] = {
        {"%f", PrintfSpec::Kind_DOUBLE, true},        {"%+5.1f dB", PrintfSpec::Kind_DOUBLE, true},
        {"%-#08.3e", PrintfSpec::Kind_DOUBLE, true},  {"%.f", PrintfSpec::Kind_DOUBLE, true},
        {"%lf", PrintfSpec::Kind_DOUBLE, true},       {"100%% %g", PrintfSpec::Kind_DOUBLE, true},
        {"%999.999f", PrintfSpec::Kind_DOUBLE, true}, {"%1000f", PrintfSpec::Kind_DOUBLE, false},
        {"%.1000f", PrintfSpec::Kind_DOUBLE, false},  {"%*f", PrintfSpec::Kind_DOUBLE, false},
        {"%Lf", PrintfSpec::Kind_DOUBLE, false},      {"%f %f", PrintfSpec::Kind_DOUBLE, false},
        {"%d", PrintfSpec::Kind_DOUBLE, false},       {"%s", PrintfSpec::Kind_DOUBLE, false},
        {"%n", PrintfSpec::Kind_DOUBLE, false},       {"%", PrintfSpec::Kind_DOUBLE, false},
        {"50%", PrintfSpec::Kind_DOUBLE, false},      {"", PrintfSpec::Kind_DOUBLE, false},
        {"%%", PrintfSpec::Kind_DOUBLE, false},       {"%s", PrintfSpec::Kind_STRING, true},
        {"%-8.3s", PrintfSpec::Kind_STRING, true},    {"%s%s", PrintfSpec::Kind_STRING, false},
        {"%02d", PrintfSpec::Kind_INT, true},         {"%i", PrintfSpec::Kind_INT, true},
        {"%x", PrintfSpec::Kind_INT, false},
    };
    for (const auto& c : case_arr)
    {
        PrintfSpec spec;
        EXPECT_EQ(spec.parse_format(c.fmt, c.kind), c.ok) << c.fmt;
    }
    PrintfSpec spec;
    EXPECT_FALSE(spec.parse_format(nullptr, PrintfSpec::Kind_DOUBLE));
}

TEST(PrintfSpec, FormatsAroundTheLiteralParts)
{
    PrintfSpec spec;
    ASSERT_TRUE(spec.parse_format("[%% %+6.2lf dB]", PrintfSpec::Kind_DOUBLE));
    EXPECT_EQ(spec.build_conv(), "%+6.2f");
    EXPECT_EQ(spec.format_double(3.14159), "[%  +3.14 dB]");
    // The text stays bounded even for the longest conversion allowed.
    ASSERT_TRUE(spec.parse_format("%.999f", PrintfSpec::Kind_DOUBLE));
    EXPECT_EQ(spec.format_double(-1e308).size(), 1 + 309 + 1 + 999u);

    ASSERT_TRUE(spec.parse_format("<%-6s>", PrintfSpec::Kind_STRING));
    EXPECT_EQ(spec.format_string("\xC3\xA9t\xC3\xA9"), "<\xC3\xA9t\xC3\xA9   >");
    ASSERT_TRUE(spec.parse_format("%.2s", PrintfSpec::Kind_STRING));
    EXPECT_EQ(spec.format_string("\xC3\xA9t\xC3\xA9"), "\xC3\xA9");
    ASSERT_TRUE(spec.parse_format("%.1s", PrintfSpec::Kind_STRING));
    EXPECT_EQ(spec.format_string("\xC3\xA9t"), "");

    ASSERT_TRUE(spec.parse_format("S %03d", PrintfSpec::Kind_INT));
    EXPECT_EQ(spec.format_int(7), "S 007");
}

TEST(PrintfSpec, RejectedFormatLeavesTheObjectAsItWas)
{
    PrintfSpec spec;
    ASSERT_TRUE(spec.parse_format("%.1f Hz", PrintfSpec::Kind_DOUBLE));
    EXPECT_FALSE(spec.parse_format("%s %n", PrintfSpec::Kind_DOUBLE));
    EXPECT_EQ(spec.format_double(2), "2.0 Hz");
}

#include "zun/param/MapLog.h"
#include "zun/param/MapPiecewiseLinLog.h"
#include "zun/param/MapPseudoExp.h"
#include "zun/param/Simple.h"
#include "zun/param/TplEnum.h"
#include "zun/param/TplInt.h"
#include "zun/param/TplLin.h"
#include "zun/param/TplMapped.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace zun::param;

namespace
{

const double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();

} // namespace

TEST(Simple, IsAPercentOfZeroToOne)
{
    const Simple desc("Tone");
    const ParamDescInterface& d = desc;
    EXPECT_EQ(d.conv_nat_to_str(0.5, 124), " 50.0");
    EXPECT_EQ(d.get_unit(124), "%");
    EXPECT_EQ(d.get_name(0), "Tone");
    EXPECT_DOUBLE_EQ(d.conv_nrm_to_nat(0.25), 0.25);
    EXPECT_EQ(d.get_range(), ParamDescInterface::Range_CONTINUOUS);
    EXPECT_EQ(d.get_nat_min(), 0);
    EXPECT_EQ(d.get_nat_max(), 1);
    double nat = 0;
    EXPECT_TRUE(d.conv_str_to_nat(nat, "25"));
    EXPECT_DOUBLE_EQ(nat, 0.25);
}

TEST(TplLin, MapsLinearlyWithoutLimits)
{
    const TplLin desc(1, 5, "Band Spacing Amount\nBand Width", "", 0, "%+5.1f");
    const ParamDescInterface& d = desc;
    EXPECT_DOUBLE_EQ(d.conv_nrm_to_nat(0.25), 2);
    EXPECT_DOUBLE_EQ(d.conv_nat_to_nrm(2), 0.25);
    EXPECT_DOUBLE_EQ(d.conv_nrm_to_nat(1.5), 7);
    EXPECT_DOUBLE_EQ(d.conv_nat_to_nrm(0), -0.25);
    EXPECT_EQ(d.conv_nat_to_str(2, 124), " +2.0");
    EXPECT_EQ(d.get_name(12), "Band Width");
    EXPECT_EQ(d.get_categ(), 0);
    EXPECT_EQ(d.get_flags(), 0);

    double nat = -1;
    EXPECT_TRUE(d.conv_str_to_nat(nat, "9"));
    EXPECT_EQ(nat, 5);
    nat = -1;
    EXPECT_FALSE(d.conv_str_to_nat(nat, "wide"));
    EXPECT_EQ(nat, -1);
}

TEST(TplLin, SingleValueRangeMapsToZero)
{
    const TplLin desc(3, 3, "X", "", 0, "%f");
    EXPECT_EQ(desc.conv_nat_to_nrm(3), 0);
    EXPECT_EQ(desc.conv_nrm_to_nat(0.6), 3);
}

TEST(TplLin, SettersChangeTagsAndDisplay)
{
    TplLin desc(0, 1, "Macro 1", "%", 608, "%5.1f");
    desc.set_categ(ParamDescInterface::Categ_TIME_BEATS);
    desc.set_flags(ParamDescInterface::Flags_GLOBAL);
    desc.use_disp_num().set_preset(HelperDispNum::Preset_FLOAT_PERCENT);
    const ParamDescInterface& d = desc;
    EXPECT_EQ(d.get_categ(), 4);
    EXPECT_EQ(d.get_flags(), 8);
    EXPECT_EQ(d.conv_nat_to_str(0.125, 124), " 12.5");
    EXPECT_EQ(d.get_name(0), "Macro 1");
}

TEST(TplLin, ValueTextLengthOutsideItsRangeMeans1024)
{
    const TplLin desc(0, 1e300, "X", "", 0, "%.999f");
    const ParamDescInterface& d = desc;
    const std::string full = d.conv_nat_to_str(1e300, 0);
    EXPECT_EQ(full.size(), 1024u);
    EXPECT_EQ(full.substr(0, 4), "1000");
    EXPECT_EQ(d.conv_nat_to_str(1e300, -3), full);
    EXPECT_EQ(d.conv_nat_to_str(1e300, 5000), full);
    EXPECT_EQ(d.conv_nat_to_str(1e300, 1023), full.substr(0, 1023));
    EXPECT_EQ(d.conv_nat_to_str(1e300, 3), "100");
}

TEST(TplLin, TextOfUnusualValuesIsBounded)
{
    const TplLin desc(0, 1, "X", "", 0, "%5.1f");
    const ParamDescInterface& d = desc;
    EXPECT_EQ(d.conv_nat_to_str(NOT_A_NUMBER, 124).find("nan") != std::string::npos, true);
    EXPECT_EQ(d.conv_nat_to_str(std::numeric_limits<double>::infinity(), 124), "  inf");
    // Sign, 301 integer digits and one decimal.
    EXPECT_EQ(d.conv_nat_to_str(-1e300, 0).size(), 304u);
    EXPECT_EQ(d.conv_nat_to_str(-1e300, 124).size(), 124u);
    EXPECT_EQ(d.conv_nat_to_str(-1e300, 2), "-1");
}

TEST(ParamDesc, ModulationScalesWithTheMaximumForTimes)
{
    TplMapped<MapPiecewiseLinLog> cutoff(40, 10240, "Cutoff Frequency\nCutoff", "Hz",
                                         HelperDispNum::Preset_FLOAT_STD, 0, "%5.0f");
    cutoff.use_mapper().gen_log(5, 2.0);
    cutoff.set_categ(ParamDescInterface::Categ_FREQ_CUTOFF);
    EXPECT_DOUBLE_EQ(cutoff.conv_nat_to_modulated(1000, 0.1), 1000.1);
    EXPECT_DOUBLE_EQ(cutoff.conv_nat_to_modulated(10240, 0.5), 10240);

    TplLin time(0, 100, "T", "s", 0, "%f");
    time.set_categ(ParamDescInterface::Categ_TIME_S);
    EXPECT_DOUBLE_EQ(time.conv_nat_to_modulated(50, 0.1), 60);
    EXPECT_DOUBLE_EQ(time.conv_nat_to_modulated(1000, 0.1), 100);
    EXPECT_DOUBLE_EQ(time.conv_nat_to_modulated(50, -1), 0);

    TplMapped<MapLog> beats(1.0 / 64, 256, "Mod %d Period\nPeriod", "beat", HelperDispNum::Preset_FLOAT_MILLI,
                            1, "%5.1f");
    beats.set_categ(ParamDescInterface::Categ_TIME_BEATS);
    EXPECT_DOUBLE_EQ(beats.conv_nat_to_modulated(14, 0.01), 14 + 2.56);
    EXPECT_DOUBLE_EQ(beats.conv_nat_to_modulated(14, NOT_A_NUMBER), 1.0 / 64);

    const TplInt count(1, 16, "Number of Bands\nBand Count", "", 0, "%.0f");
    EXPECT_DOUBLE_EQ(count.conv_nat_to_modulated(3, 0.5), 3.5);
    EXPECT_DOUBLE_EQ(count.conv_nat_to_modulated(3, -5), 1);
}

TEST(TplInt, RoundsToWholeSteps)
{
    TplInt desc(1, 16, "Number of Bands\nBand Count", "", 0, "%.0f");
    const ParamDescInterface& d = desc;
    EXPECT_EQ(d.get_range(), ParamDescInterface::Range_DISCRETE);
    EXPECT_EQ(d.conv_nrm_to_nat(0.5), 9);
    EXPECT_EQ(d.conv_nrm_to_nat(0), 1);
    EXPECT_EQ(d.conv_nrm_to_nat(1), 16);
    EXPECT_EQ(d.conv_nat_to_nrm(16), 1);
    EXPECT_EQ(d.conv_nat_to_nrm(3.6), 3.0 / 15);
    EXPECT_EQ(d.conv_nat_to_str(3.4, 124), "3");
    EXPECT_EQ(d.conv_nat_to_str(3.5, 124), "4");
    EXPECT_EQ(d.get_categ(), 0);
    desc.set_flags(4);
    EXPECT_EQ(d.get_flags(), 4);
}

TEST(TplInt, ReadsIntegersAndFallsBackToTheMinimum)
{
    const TplInt desc(1, 16, "N", "", 0, "%.0f");
    const ParamDescInterface& d = desc;
    const struct
    {
        const char* txt;
        bool ok;
        double nat;
    } case_arr[] = {
        {"7", true, 7},  {" 12 bands", true, 12}, {"7.6", true, 7}, {"99", true, 16},
        {"-4", true, 1}, {"abc", false, 1},       {"", false, 1},   {"\xff\xfe", false, 1},
    };
    for (const auto& c : case_arr)
    {
        double nat = -1;
        EXPECT_EQ(d.conv_str_to_nat(nat, c.txt), c.ok) << c.txt;
        EXPECT_EQ(nat, c.nat) << c.txt;
    }
}

TEST(TplEnum, MapsIndicesAndPrintsItems)
{
    const TplEnum desc("PRE\nPOST", "Dist Routing\nRouting", "", 1, "%s");
    const ParamDescInterface& d = desc;
    EXPECT_EQ(d.get_range(), ParamDescInterface::Range_DISCRETE);
    EXPECT_EQ(d.get_nat_min(), 0);
    EXPECT_EQ(d.get_nat_max(), 1);
    EXPECT_EQ(d.conv_nrm_to_nat(0.49), 0);
    EXPECT_EQ(d.conv_nrm_to_nat(0.5), 1);
    EXPECT_EQ(d.conv_nat_to_nrm(1), 1);
    EXPECT_EQ(d.conv_nat_to_nrm(0.4), 0);
    const struct
    {
        double nat;
        int len;
        const char* expected;
    } case_arr[] = {
        {0, 124, "PRE"},      {1, 124, "POST"},  {0.6, 124, "POST"},
        {5, 124, "POST"},     {-3, 124, "PRE"},  {1, 2, "PO"},
        {1, 0, "POST"},       {1, 2000, "POST"}, {NOT_A_NUMBER, 124, "PRE"},
        {1e300, 124, "POST"},
    };
    for (const auto& c : case_arr)
        EXPECT_EQ(d.conv_nat_to_str(c.nat, c.len), c.expected) << c.nat << " in " << c.len;
}

TEST(TplEnum, ReadsItemsAnywhereInTheTextThenNumbers)
{
    const TplEnum desc("PRE\nPOST", "Dist Routing\nRouting", "", 1, "%s");
    const ParamDescInterface& d = desc;
    const struct
    {
        const char* txt;
        bool ok;
        double nat;
    } case_arr[] = {
        {"post", true, 1},    {"prepost", true, 0},
        {"  PoSt ", true, 1}, {"1", true, 1},
        {" +0", true, 0},     {"7", false, 7},
        {"-1", false, -1},    {"x", false, -9},
        {"", false, -9},      {"99999999999999999999999", false, -9},
    };
    for (const auto& c : case_arr)
    {
        double nat = -9;
        EXPECT_EQ(d.conv_str_to_nat(nat, c.txt), c.ok) << c.txt;
        EXPECT_EQ(nat, c.nat) << c.txt;
    }

    // An item that holds an earlier one still reads back from its own text.
    const TplEnum curve("Linear\nCubic\nCubic Inv", "Curve", "", 1, "%s");
    const ParamDescInterface& c = curve;
    for (const auto& [txt, want] : {std::pair<const char*, double>{"Cubic Inv", 2},
                                    {" cubic inv ", 2},
                                    {"Cubic", 1},
                                    {"cubic inverted", 1}})
    {
        double nat = -9;
        EXPECT_TRUE(c.conv_str_to_nat(nat, txt)) << txt;
        EXPECT_EQ(nat, want) << txt;
    }
}

TEST(TplEnum, FormatsItemsSafely)
{
    const TplEnum padded("Sine\nN-Phase", "W", "", 0, "[%-8s]");
    EXPECT_EQ(padded.conv_nat_to_str(0, 124), "[Sine    ]");
    const TplEnum cut("Gr\xC3\xB6\xC3\x9F"
                      "e",
                      "W", "", 0, "%.3s");
    EXPECT_EQ(cut.conv_nat_to_str(0, 124), "Gr");
    EXPECT_EQ(cut.conv_nat_to_str(0, 1), "G");
    const TplEnum utf("\xC3\xB6\xC3\xB6", "W", "", 0, "%s");
    EXPECT_EQ(utf.conv_nat_to_str(0, 3), "\xC3\xB6");
    // A format that could read arguments that were never passed is not used.
    const TplEnum bad("A\nB", "W", "", 0, "%s%s%n");
    EXPECT_EQ(bad.conv_nat_to_str(1, 124), "B");
}

TEST(TplEnum, SingleOrNoItemMapsToZero)
{
    const TplEnum one("Only", "W", "", 0, "%s");
    EXPECT_EQ(one.conv_nrm_to_nat(0.7), 0);
    EXPECT_EQ(one.conv_nat_to_nrm(0), 0);
    EXPECT_EQ(one.get_nat_max(), 0);
    EXPECT_EQ(one.conv_nat_to_str(3, 124), "Only");

    const TplEnum none(nullptr, "W", "", 0, "%s");
    EXPECT_EQ(none.get_nbr_items(), 0);
    EXPECT_EQ(none.conv_nat_to_str(0, 124), "");
    double nat = -1;
    EXPECT_FALSE(none.conv_str_to_nat(nat, "0"));
}

TEST(TplEnum, EmptyItemsNeverMatchText)
{
    const TplEnum desc("\nB", "W", "", 0, "%s");
    double nat = -1;
    EXPECT_TRUE(desc.conv_str_to_nat(nat, "b"));
    EXPECT_EQ(nat, 1);
}

TEST(ParamDesc, NamesCarryTheIndexAndFitTheLength)
{
    const TplMapped<MapLog> period(0.01, 100, "Mod %d Period \nPeriod", "ms",
                                   HelperDispNum::Preset_FLOAT_MILLI, 2, "%7.1f");
    const ParamDescInterface& d = period;
    EXPECT_EQ(d.get_name(0), "Mod 2 Period \nPeriod");
    EXPECT_EQ(d.get_name(13), "Mod 2 Period ");
    EXPECT_EQ(d.get_name(12), "Period");
    EXPECT_EQ(d.get_name(-1), "Mod 2 Period \nPeriod");
    EXPECT_EQ(d.get_unit(0), "ms");
    EXPECT_EQ(d.get_unit(1), "m");

    const TplEnum curve("Linear\nSquare", "Macro Curve\nMacro %d Curve", "", 3, "%s");
    EXPECT_EQ(curve.get_name(0), "Macro Curve\nMacro 3 Curve");
    EXPECT_EQ(curve.get_name(13), "Macro 3 Curve");

    const TplInt steps(2, 32, "Mod %d NS\nMod %d num steps\nNumber Steps", "", 8, "%1.0f");
    EXPECT_EQ(steps.get_name(0), "Mod 8 NS\nMod 8 num steps\nNumber Steps");

    const TplLin unit(0, 1, "Gain", "%d%%", 5, "%f");
    EXPECT_EQ(unit.get_unit(0), "%d%%") << "units are shown as given";
}

TEST(TplMapped, LogMappingIsLimitedOneWay)
{
    const TplMapped<MapLog> desc(0.01, 100, "P", "ms", HelperDispNum::Preset_FLOAT_MILLI, 0, "%7.1f");
    const ParamDescInterface& d = desc;
    EXPECT_NEAR(d.conv_nrm_to_nat(0.5), 1, 1e-12);
    EXPECT_DOUBLE_EQ(d.conv_nrm_to_nat(2), 100);
    EXPECT_DOUBLE_EQ(d.conv_nrm_to_nat(-1), 0.01);
    EXPECT_DOUBLE_EQ(d.conv_nrm_to_nat(NOT_A_NUMBER), 0.01);
    EXPECT_NEAR(d.conv_nat_to_nrm(1000), 1.25, 1e-12);
    EXPECT_EQ(d.conv_nat_to_str(1, 124), " 1000.0");
    double nat = 0;
    EXPECT_TRUE(d.conv_str_to_nat(nat, "250"));
    EXPECT_DOUBLE_EQ(nat, 0.25);
}

TEST(TplMapped, PseudoExpMatchesItsCurve)
{
    const TplMapped<MapPseudoExp> desc(-50, 50, "Band Delay Time\nBand Delay", "ms",
                                       HelperDispNum::Preset_FLOAT_STD, 0, "%+5.1f");
    const ParamDescInterface& d = desc;
    const double case_arr[][2] = {{0.5, 0}, {1, 50}, {0.75, 6.25}, {0, -50}};
    for (const auto& c : case_arr)
    {
        EXPECT_DOUBLE_EQ(d.conv_nrm_to_nat(c[0]), c[1]);
        EXPECT_NEAR(d.conv_nat_to_nrm(c[1]), c[0], 1e-7);
    }
    EXPECT_DOUBLE_EQ(d.conv_nrm_to_nat(1.5), 50);
    EXPECT_EQ(d.conv_nat_to_str(6.25, 124), " +6.2");
}

TEST(TplMapped, GainCurveShowsDecibels)
{
    TplMapped<MapPiecewiseLinLog> desc(0, 4, "Gain input amount\nIN", "dB", HelperDispNum::Preset_DB, 0,
                                       "%+5.1f");
    desc.use_mapper().gen_log(8, 2.0);
    desc.set_flags(ParamDescInterface::Flags_GLOBAL);
    const ParamDescInterface& d = desc;
    EXPECT_EQ(d.get_flags(), 8);
    EXPECT_DOUBLE_EQ(d.conv_nat_to_nrm(1), 0.75);
    EXPECT_DOUBLE_EQ(d.conv_nrm_to_nat(0.75), 1);
    EXPECT_EQ(d.conv_nat_to_str(0, 124), "-oo");
    EXPECT_EQ(d.conv_nat_to_str(1, 124), " +0.0");
    EXPECT_EQ(d.conv_nat_to_str(4, 124), "+12.0");
    EXPECT_EQ(d.get_name(3), "IN");
    double nat = -1;
    EXPECT_TRUE(d.conv_str_to_nat(nat, "-6"));
    EXPECT_NEAR(nat, 0.501, 5e-4);
    EXPECT_TRUE(d.conv_str_to_nat(nat, "-oo"));
    EXPECT_EQ(nat, 0);
}

TEST(TplMapped, UnbuiltCurveIsLinearOverTheRange)
{
    const TplMapped<MapPiecewiseLinLog> desc(0, 5, "T", "ms", HelperDispNum::Preset_FLOAT_MILLI, 0, "%5.1f");
    EXPECT_DOUBLE_EQ(desc.conv_nrm_to_nat(0.5), 2.5);
    EXPECT_DOUBLE_EQ(desc.conv_nat_to_nrm(1), 0.2);
}

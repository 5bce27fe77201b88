#include "dsp/CrenzeDesc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace
{

using dsp::CrenzeDesc;
using zun::param::ParamDescInterface;
using zun::piapi::ParamCateg_GLOBAL;
using zun::piapi::ParamCateg_NOTE;

const ParamDescInterface& param(const CrenzeDesc& desc, int index)
{
    return desc.get_param_info(ParamCateg_GLOBAL, index);
}

struct Row
{
    const char* name;
    const char* short_name; // get_name(12)
    int range;
    double nat_min;
    double nat_max;
    const char* unit;
    int categ;
    int flags;
    double def_nrm;
    // One value and its text.
    double shown_val;
    const char* shown;
};

constexpr int C = ParamDescInterface::Range_CONTINUOUS;
constexpr int D = ParamDescInterface::Range_DISCRETE;
constexpr int G = ParamDescInterface::Flags_GLOBAL;

// clang-format off
const Row rows[CrenzeDesc::Param_NBR_ELT] = {
    {"Gain input amount\nIN", "IN", C, 0, 4, "dB", 0, G, 0.75, 4, "+12.0"},
    {"Gain Dry amount\nDRY", "DRY", C, 0, 4, "dB", 0, G, 0.75, 1, " +0.0"},
    {"Gain output amount\nOUT", "OUT", C, 0, 4, "dB", 0, G, 0.75, 0.5, " -6.0"},
    {"Band Delay Time\nBand Delay", "Band Delay", C, -50, 50, "ms", 0, 0, 0.5, -12.5, "-12.5"},
    {"Cutoff Frequency\nCutoff", "Cutoff", C, 40, 10240, "Hz", 3, 0, 0.5694, 740.9, "  741"},
    {"Distortion Gain\nDisto", "Disto", C, 1, 10, "dB", 0, 0, 0, 10, "+20.0"},
    {"Dist Routing\nRouting", "Dist Routing", D, 0, 1, "", 0, 0, 1, 0, "PRE"},
    {"Tone", "Tone", C, 0, 1, "%", 0, 0, 0.5, 0.25, " 25.0"},
    {"Band Spacing Amount\nBand Width", "Band Width", C, 1, 5, "", 0, 0, 0.25, 1, " +1.0"},
    {"Number of Bands\nBand Count", "Band Count", D, 1, 16, "", 0, 0, 0, 16, "16"},
    {"Filter Resonance\nReso", "Reso", C, 1, 100, "dB", 0, 0, 0, 100, "+40.0"},
};
// clang-format on

TEST(CrenzeDescTest, DescriptorAnswers)
{
    const CrenzeDesc desc;
    EXPECT_EQ(desc.get_unique_id(), "crnz");
    EXPECT_EQ(desc.get_name(), "Crenze\nCrenz");
    int nbr_i = -1;
    int nbr_o = -1;
    int nbr_s = -1;
    desc.get_nbr_io(nbr_i, nbr_o, nbr_s);
    EXPECT_EQ(nbr_i, 1);
    EXPECT_EQ(nbr_o, 1);
    EXPECT_EQ(nbr_s, 0);
    EXPECT_TRUE(desc.prefer_stereo());
    EXPECT_EQ(desc.get_nbr_param(ParamCateg_GLOBAL), 11);
    EXPECT_EQ(desc.get_nbr_param(ParamCateg_NOTE), 0);
    EXPECT_TRUE(desc.use_desc_set().is_ready());
    EXPECT_EQ(&desc.use_desc_set().use_param(ParamCateg_GLOBAL, 4), &param(desc, 4));
}

TEST(CrenzeDescTest, ParameterTable)
{
    const CrenzeDesc desc;
    for (int i = 0; i < CrenzeDesc::Param_NBR_ELT; ++i)
    {
        SCOPED_TRACE(i);
        const Row& r = rows[i];
        const ParamDescInterface& p = param(desc, i);
        EXPECT_EQ(p.get_name(0), r.name);
        EXPECT_EQ(p.get_name(12), r.short_name);
        EXPECT_EQ(p.get_range(), r.range);
        EXPECT_EQ(p.get_nat_min(), r.nat_min);
        EXPECT_EQ(p.get_nat_max(), r.nat_max);
        EXPECT_EQ(p.get_unit(0), r.unit);
        EXPECT_EQ(p.get_categ(), r.categ);
        EXPECT_EQ(p.get_flags(), r.flags);
        EXPECT_NEAR(p.conv_nat_to_nrm(CrenzeDesc::get_default_nat(i)), r.def_nrm, 1e-4);
        const double def = CrenzeDesc::get_default_nat(i);
        EXPECT_NEAR(p.conv_nrm_to_nat(r.def_nrm), def, 1e-3 * std::max(1.0, def));
        EXPECT_EQ(p.conv_nat_to_str(r.shown_val, 0), r.shown);
        // Both ends of the normalised range land on the natural range.
        EXPECT_NEAR(p.conv_nrm_to_nat(0), r.nat_min, 1e-9);
        EXPECT_NEAR(p.conv_nrm_to_nat(1), r.nat_max, 1e-9);
    }
}

struct Curve
{
    int index;
    int nbr_seg;
    double first;
    double ratio; // between points, from the second point on
};

TEST(CrenzeDescTest, MappingPoints)
{
    const CrenzeDesc desc;
    // clang-format off
    const Curve curves[] = {
        {CrenzeDesc::Param_GAIN_IN, 8, 0.03125, 2},
        {CrenzeDesc::Param_GAIN_DRY, 8, 0.03125, 2},
        {CrenzeDesc::Param_GAIN_OUT, 8, 0.03125, 2},
        {CrenzeDesc::Param_CUTOFF, 5, 40, std::pow(256.0, 0.2)},
        {CrenzeDesc::Param_DISTO_GAIN, 8, 1, std::pow(10.0, 0.125)},
        {CrenzeDesc::Param_RESO, 8, 1, std::pow(100.0, 0.125)},
    };
    // clang-format on
    for (const Curve& c : curves)
    {
        SCOPED_TRACE(c.index);
        const ParamDescInterface& p = param(desc, c.index);
        const bool from_zero = (p.get_nat_min() == 0);
        EXPECT_EQ(p.conv_nrm_to_nat(0), p.get_nat_min());
        for (int j = from_zero ? 1 : 0; j <= c.nbr_seg; ++j)
        {
            const double nrm = double(j) / c.nbr_seg;
            const double nat = c.first * std::pow(c.ratio, from_zero ? j - 1 : j);
            EXPECT_NEAR(p.conv_nrm_to_nat(nrm), nat, nat * 1e-9) << j;
            EXPECT_NEAR(p.conv_nat_to_nrm(nat), nrm, 1e-9) << j;
        }
    }
    // Straight lines between the points: 367.58 Hz at 0.4, 1114.30 Hz at 0.6.
    EXPECT_NEAR(param(desc, CrenzeDesc::Param_CUTOFF).conv_nrm_to_nat(0.5), 740.94, 0.01);
    EXPECT_NEAR(param(desc, CrenzeDesc::Param_GAIN_IN).conv_nrm_to_nat(1.0 / 16), 0.015625, 1e-12);
    // Band delay: 50 (2 nrm - 1)^3.
    const ParamDescInterface& dly = param(desc, CrenzeDesc::Param_BAND_DELAY);
    EXPECT_NEAR(dly.conv_nrm_to_nat(0.75), 6.25, 1e-9);
    EXPECT_NEAR(dly.conv_nrm_to_nat(0.1), -25.6, 1e-9);
    // Band count rounds.
    EXPECT_EQ(param(desc, CrenzeDesc::Param_BAND_COUNT).conv_nrm_to_nat(3.4 / 15), 4);
}

struct Typed
{
    int index;
    const char* txt;
    bool ok;
    double nat;
};

TEST(CrenzeDescTest, TypedValues)
{
    const CrenzeDesc desc;
    // clang-format off
    const Typed cases[] = {
        {CrenzeDesc::Param_GAIN_IN, "6", true, std::pow(10.0, 0.3)},
        {CrenzeDesc::Param_GAIN_OUT, "20", true, 4},
        {CrenzeDesc::Param_GAIN_DRY, "-6", true, std::pow(10.0, -0.3)},
        {CrenzeDesc::Param_DISTO_ROUTING, "POST", true, 1},
        {CrenzeDesc::Param_DISTO_ROUTING, "post", true, 1},
        {CrenzeDesc::Param_DISTO_ROUTING, "0", true, 0},
        {CrenzeDesc::Param_DISTO_ROUTING, "7", false, 0},
        {CrenzeDesc::Param_BAND_COUNT, "17", true, 16},
        {CrenzeDesc::Param_BAND_COUNT, "5", true, 5},
        {CrenzeDesc::Param_RESO, "20", true, 10},
        {CrenzeDesc::Param_CUTOFF, "20", true, 40},
        {CrenzeDesc::Param_TONE, "25", true, 0.25},
        {CrenzeDesc::Param_BAND_DELAY, "-12.5", true, -12.5},
        {CrenzeDesc::Param_CUTOFF, "abc", false, 0},
    };
    // clang-format on
    for (const Typed& t : cases)
    {
        SCOPED_TRACE(std::to_string(t.index) + " " + t.txt);
        double nat = -1234;
        EXPECT_EQ(param(desc, t.index).conv_str_to_nat(nat, t.txt), t.ok);
        if (t.ok)
        {
            EXPECT_NEAR(nat, t.nat, 1e-6);
        }
    }
    const ParamDescInterface& gain = param(desc, CrenzeDesc::Param_GAIN_IN);
    EXPECT_NEAR(gain.conv_nat_to_nrm(std::pow(10.0, 0.3)), 0.874, 1e-3);
    EXPECT_EQ(gain.conv_nrm_to_nat(0), 0);
    EXPECT_EQ(gain.conv_nat_to_str(0, 0), "-oo");
    EXPECT_EQ(param(desc, CrenzeDesc::Param_DISTO_ROUTING).conv_nat_to_str(1, 0), "POST");
}

} // namespace

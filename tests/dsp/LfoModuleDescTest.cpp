#include "dsp/LfoModuleDesc.h"

#include "zun/param/TplEnum.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace
{

using dsp::LfoModuleDesc;
using zun::param::ParamDescInterface;
using zun::piapi::ParamCateg_GLOBAL;

const ParamDescInterface& param(const LfoModuleDesc& desc, int slot, int j)
{
    return desc.get_param_info(ParamCateg_GLOBAL, LfoModuleDesc::get_lfo_base(slot) + j);
}

// "%d" stands for the slot number in the expected names.
std::string with_slot(const char* tmpl, int slot_nbr)
{
    std::string res;
    for (const char* p = tmpl; *p != '\0'; ++p)
    {
        if (p[0] == '%' && p[1] == 'd')
        {
            res += std::to_string(slot_nbr);
            ++p;
        }
        else
        {
            res += *p;
        }
    }
    return res;
}

enum Kind
{
    LIN,
    LOG,
    PWLL,
    ENUM
};

struct Row
{
    int j;
    const char* name;
    Kind kind;
    double nat_min;
    double nat_max;
    const char* unit;
    int categ;
    double def;
    // A value and how it shows (empty: not checked).
    double shown_val;
    const char* shown;
};

constexpr double beat_min = 1.0 / 64;

// clang-format off
const Row rows[] = {
    {0, "Modulation %d Gain\nGain", LIN, 0, 1, "%", 0, 1, 0.5, " 50.0"},
    {1, "Mod %d Period \nPeriod", LOG, 0.01, 100, "ms", 1, 1, 1.0, " 1000.0"},
    {2, "Mod %d Period\nPeriod", LOG, beat_min, 256, "beat", 4, 14, 0.25, "250.0"},
    {3, "Switch\nMod %d tempo swt\nMod %d tempo Switch", ENUM, 0, 1, "", 0, 1, 1, "Tempo"},
    {4, "UNUSED", LIN, 20, 300, "", 0, 120, 120, "120.0"},
    {5, "Waveform\nMod %d Waveform", ENUM, 0, 12, "", 0, 0, 12, "Env Follower"},
    {6, "Mod %d Sample and Hold\nS&H", LIN, 0, 1, "%", 0, 0, 0.25, " 25.0"},
    {7, "Smooth\nMod %d Smoothing", LIN, 0, 1, "%", 0, 0, 1, "100.0"},
    {8, "Chaos\nMod %d Chaos amt\nMod %d Chaos amount", LIN, 0, 1, "%", 0, 0, 0, "  0.0"},
    {9, "Dist Amnt.\nMod %d Phase dist amt\nMod %d distortion amount", LIN, 0, 1, "%", 0, 0.5, 0.5, " 50.0"},
    {10, "Dist Off.\nMod %d Phase dist ofs\nMod %d distortion offset", LIN, 0, 1, "%", 0, 0, 0.1, " 10.0"},
    {11, "Modulation %d Sign\nSign", ENUM, 0, 1, "", 0, 0, 1, "Invert"},
    {12, "Modulation %d Po\nMod %d Polar\nPolarity", ENUM, 0, 1, "", 0, 0, 1, "Unipolar"},
    {13, "Modulation %d Time\nTime", LIN, 0, 1, "%", 0, 0, 0.3, " 30.0"},
    {14, "Modulation %d Shape\nShape", LIN, 0, 1, "%", 0, 0, 0.7, " 70.0"},
    {15, "Modulation %d Phase offset\nPhase", LIN, 0, 1, "deg", 0, 0, 0.5, "180"},
    {16, "Mod %d NS\nMod %d num steps\nNumber Steps", LIN, 2, 32, "", 0, 2, 7, "7"},
    {17, "Modulation %d Gain\nGain", LIN, 0, 1, "%", 0, 1, 1, "100.0"},
    {18, "Velocity sensitivity\nVelo sensitivity\nVelo sens\nVel sns\nVelS\nVS", LIN, 0, 1, "%", 0, 0, 0, ""},
    {19, "Mod %d Attack time\nAttack\nAtk T\nAtkT\nAT", PWLL, 0, 5, "ms", 1, 0.01, 0.01, " 10.0"},
    {20, "Mod %d Attack period\nAtk period\nAtk P\nAtkP\nAP", PWLL, 0, 8, "beat", 4, 8, 0, ""},
    {21, "Switch\nMod %d Attack swt\nAttack %d tempo Switch", ENUM, 0, 1, "", 0, 1, 0, "Time"},
    {22, "Mod %d Decay time\nDecay\nDcyT\nDT", PWLL, 0, 5, "ms", 1, 0.1, 0.1, "100.0"},
    {23, "Mod %d Decay period\nDcy period\nDcy P\nDcyP\nDP", PWLL, 0, 8, "beat", 4, 8, 0, ""},
    {24, "Switch\nDecay %d Decay swt\nMod %d Decay Switch", ENUM, 0, 1, "", 0, 1, 0, ""},
    {25, "Mod %d Sustain time\nSustain\nSus T\nSusT\nST", PWLL, 0, 5, "ms", 1, 1, 0, ""},
    {26, "Mod %d Sustain period\nSus period\nSus P\nSusP\nSP", PWLL, 0, 8, "beat", 4, 8, 0, ""},
    {27, "Switch\nMod %d Sustain swt\nMod %d Sustain Switch", ENUM, 0, 1, "", 0, 1, 0, ""},
    {28, "Mod %d Sustain level\nSustain Lvl", LIN, 0, 1, "%", 0, 0.5, 0, ""},
    {29, "Mod %d Release time\nRelease\nRls T\nRlsT\nRT", PWLL, 0, 5, "ms", 1, 0.25, 0, ""},
    {30, "Mod %d Release period\nRls period\nRls P\nRlsP\nRP", PWLL, 0, 8, "beat", 4, 8, 0, ""},
    {31, "Switch\nMod %d Release swt\nMod %d Release Switch", ENUM, 0, 1, "", 0, 1, 0, ""},
    {32, "Modulation %d Gain\nGain", LIN, 0, 4, "%", 0, 1, 4, "400.0"},
    {33, "Mod %d Attack time\nAttack\nAtk T\nAtkT\nAT", PWLL, 0, 5, "ms", 1, 0.01, 0, ""},
    {34, "Mod %d Attack period\nAtk period\nAtk P\nAtkP\nAP", PWLL, 0, 8, "beat", 4, beat_min, 0, ""},
    {35, "Switch\nMod %d Attack swt\nMod %d Attack Switch", ENUM, 0, 1, "", 0, 1, 0, ""},
    {36, "Mod %d Decay time\nDecay\nDcy T\nDcyT\nDT", PWLL, 0, 5, "ms", 1, 0.01, 0, ""},
    {37, "Mod %d Decay period\nDcy period\nDcy P\nDcyP\nDP", PWLL, 0, 8, "beat", 4, 1, 0, ""},
    {38, "Switch\nMod %d Decay swt\nMod %d Decay Switch", ENUM, 0, 1, "", 0, 1, 0, ""},
    {39, "Mod %d Hold time\nHold\nHD", PWLL, 0, 5, "ms", 1, 0.01, 0, ""},
    {40, "Mod %d Hold period\nHld period\nHld P\nHldP\nHP", PWLL, 0, 8, "beat", 4, 1, 0, ""},
    {41, "Switch\nMod %d Hold swt\nMod %d Hold Switch", ENUM, 0, 1, "", 0, 1, 0, ""},
};
// clang-format on

TEST(LfoModuleDesc, IdentityAndSize)
{
    const LfoModuleDesc desc;
    EXPECT_EQ(desc.get_unique_id(), "lfo");
    EXPECT_EQ(desc.get_name(), "Lfo Desc");
    int nbr_i = 0, nbr_o = 0, nbr_s = 0;
    desc.get_nbr_io(nbr_i, nbr_o, nbr_s);
    EXPECT_EQ(nbr_i, 1);
    EXPECT_EQ(nbr_o, 1);
    EXPECT_EQ(nbr_s, 1);
    EXPECT_TRUE(desc.prefer_stereo());
    EXPECT_EQ(desc.get_nbr_param(ParamCateg_GLOBAL), 592);
    EXPECT_EQ(desc.get_nbr_param(zun::piapi::ParamCateg_NOTE), 0);
    EXPECT_TRUE(desc.use_desc_set().is_ready());
    EXPECT_EQ(LfoModuleDesc::get_lfo_base(7), 518);
    EXPECT_EQ(LfoModuleDesc::get_step_seq_base(7) + 31, 591);
    EXPECT_EQ(LfoModuleDesc::get_step_seq_base(2), 74 * 2 + 42);
}

TEST(LfoModuleDesc, EverySlotFollowsTheTable)
{
    const LfoModuleDesc desc;
    for (int slot = 0; slot < LfoModuleDesc::NBR_SLOTS; ++slot)
    {
        for (const Row& r : rows)
        {
            SCOPED_TRACE("slot " + std::to_string(slot) + " j " + std::to_string(r.j));
            const ParamDescInterface& d = param(desc, slot, r.j);
            EXPECT_EQ(d.get_name(0), with_slot(r.name, slot + 1));
            EXPECT_EQ(d.get_unit(0), r.unit);
            EXPECT_DOUBLE_EQ(d.get_nat_min(), r.nat_min);
            EXPECT_DOUBLE_EQ(d.get_nat_max(), r.nat_max);
            EXPECT_EQ(d.get_categ(), r.categ);
            EXPECT_EQ(d.get_flags(), (r.j == 4) ? ParamDescInterface::Flags_AUTOLOCK : 0);
            EXPECT_EQ(d.get_range(), (r.kind == ENUM) ? ParamDescInterface::Range_DISCRETE
                                                      : ParamDescInterface::Range_CONTINUOUS);
            EXPECT_EQ(LfoModuleDesc::get_default_nat(r.j), r.def);
            // The ends map onto the range, whatever the curve.
            EXPECT_NEAR(d.conv_nrm_to_nat(0), r.nat_min, 1e-9 * r.nat_max);
            EXPECT_NEAR(d.conv_nrm_to_nat(1), r.nat_max, 1e-9 * r.nat_max);
            if (r.shown[0] != '\0')
            {
                EXPECT_EQ(d.conv_nat_to_str(r.shown_val, 0), r.shown);
            }
        }
    }
}

TEST(LfoModuleDesc, CurvesOfTheTimeParameters)
{
    const LfoModuleDesc desc;
    // Log periods: the middle of the knob is the geometric mean of the ends.
    EXPECT_NEAR(param(desc, 3, 1).conv_nrm_to_nat(0.5), 1.0, 1e-9);
    EXPECT_NEAR(param(desc, 3, 2).conv_nrm_to_nat(0.5), 2.0, 1e-9);
    // Envelope times: five segments on a doubling curve from 0, so the first fifth ends at 5/16 s.
    const ParamDescInterface& atk = param(desc, 3, 19);
    EXPECT_NEAR(atk.conv_nrm_to_nat(0.2), 5.0 / 16, 1e-9);
    EXPECT_NEAR(atk.conv_nrm_to_nat(0.8), 2.5, 1e-9);
    double prev = -1;
    for (int i = 0; i <= 100; ++i)
    {
        const double nat = atk.conv_nrm_to_nat(i / 100.0);
        EXPECT_GT(nat, prev);
        EXPECT_NEAR(atk.conv_nat_to_nrm(nat), i / 100.0, 1e-9);
        prev = nat;
    }
    // Defaults survive the trip through a normalised state.
    for (const Row& r : rows)
    {
        const ParamDescInterface& d = param(desc, 5, r.j);
        EXPECT_NEAR(d.conv_nrm_to_nat(d.conv_nat_to_nrm(r.def)), r.def, 1e-9 * r.nat_max) << r.j;
    }
}

TEST(LfoModuleDesc, WaveformAndSwitchItems)
{
    const LfoModuleDesc desc;
    const char* const wave_arr[] = {"Sine",     "Triangle", "MSquare",     "Saw",        "Parabola",
                                    "N-Phase",  "Biphase",  "Varislope",   "Noise FLT1", "Noise FLT2",
                                    "Step Seq", "ADSR",     "Env Follower"};
    const auto& wave = dynamic_cast<const zun::param::TplEnum&>(param(desc, 0, 5));
    ASSERT_EQ(wave.get_nbr_items(), 13);
    for (int i = 0; i < 13; ++i)
    {
        EXPECT_EQ(wave.use_item(i), wave_arr[i]);
    }
    // Every beat length sits between its seconds and its "Time"/"Tempo" switch.
    int nbr_triples = 0;
    for (int index = 0; index < desc.get_nbr_param(ParamCateg_GLOBAL); ++index)
    {
        const ParamDescInterface& d = desc.get_param_info(ParamCateg_GLOBAL, index);
        if (d.get_categ() != ParamDescInterface::Categ_TIME_BEATS)
        {
            continue;
        }
        ++nbr_triples;
        EXPECT_EQ(desc.get_param_info(ParamCateg_GLOBAL, index - 1).get_categ(),
                  ParamDescInterface::Categ_TIME_S);
        const auto* swt =
            dynamic_cast<const zun::param::TplEnum*>(&desc.get_param_info(ParamCateg_GLOBAL, index + 1));
        ASSERT_NE(swt, nullptr) << index;
        ASSERT_EQ(swt->get_nbr_items(), 2);
        EXPECT_EQ(swt->use_item(0), "Time");
        EXPECT_EQ(swt->use_item(1), "Tempo");
    }
    EXPECT_EQ(nbr_triples, 8 * 8);
}

TEST(LfoModuleDesc, StepNamesPadTheStepNotTheSlot)
{
    const LfoModuleDesc desc;
    EXPECT_EQ(desc.get_param_info(ParamCateg_GLOBAL, 42 + 5).get_name(0),
              "Mod 1 S 05\nMod 1 step 05\nMod 1 Sequencer step 05");
    EXPECT_EQ(desc.get_param_info(ParamCateg_GLOBAL, 591).get_name(0),
              "Mod 8 S 31\nMod 8 step 31\nMod 8 Sequencer step 31");
    EXPECT_EQ(desc.get_param_info(ParamCateg_GLOBAL, 591).get_name(10), "Mod 8 S 31");
    EXPECT_EQ(desc.get_param_info(ParamCateg_GLOBAL, 75).get_name(0), "Mod 2 Period \nPeriod");
    EXPECT_EQ(desc.get_param_info(ParamCateg_GLOBAL, 76).get_name(0), "Mod 2 Period\nPeriod");
    for (int slot = 0; slot < 8; ++slot)
    {
        for (int k = 0; k < 32; ++k)
        {
            const ParamDescInterface& d =
                desc.get_param_info(ParamCateg_GLOBAL, LfoModuleDesc::get_step_seq_base(slot) + k);
            char expected[128];
            std::snprintf(expected, sizeof(expected), "Mod %d S %02d", slot + 1, k);
            EXPECT_EQ(d.get_name(10), expected);
            EXPECT_EQ(d.get_nat_min(), -1);
            EXPECT_EQ(d.get_nat_max(), 1);
            EXPECT_EQ(d.conv_nat_to_str(-0.5, 0), " -0.5");
        }
    }
}

} // namespace

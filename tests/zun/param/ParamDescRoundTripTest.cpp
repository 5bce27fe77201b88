// Every kind of description, configured as the parameter tables use them, must give back what it
// shows: normalised -> natural -> normalised -> natural, and text -> natural -> text.

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
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace zun::param;

namespace
{

struct Kind
{
    const char* label;
    std::function<std::unique_ptr<ParamDescInterface>()> make;
    // How far a shown value may be from the value it shows, in normalised units: half a display
    // step where the curve is steepest.
    double nrm_tol = 0.005;
    // The text is laid out for its length (fractions), so a short text is no cut of a long one.
    bool fit_flag = false;
};

template <class M>
std::unique_ptr<ParamDescInterface> make_mapped(double val_min, double val_max, HelperDispNum::Preset preset,
                                                const char* format, int n = 0, double k = 2)
{
    auto desc = std::make_unique<TplMapped<M>>(val_min, val_max, "Name %d\nName", "u", preset, 1, format);
    if constexpr (std::is_same<M, MapPiecewiseLinLog>::value)
        desc->use_mapper().gen_log(n, k);
    return desc;
}

std::unique_ptr<ParamDescInterface> make_lin(double val_min, double val_max, HelperDispNum::Preset preset,
                                             const char* format, double scale = 0)
{
    auto desc = std::make_unique<TplLin>(val_min, val_max, "Name", "u", 0, format);
    desc->use_disp_num().set_preset(preset);
    if (scale != 0)
        desc->use_disp_num().set_scale(scale);
    return desc;
}

const Kind kind_arr[] = {
    {"Simple", [] { return std::make_unique<Simple>("Tone"); }},
    {"LinSigned", [] { return make_lin(1, 5, HelperDispNum::Preset_FLOAT_STD, "%+5.1f"); }, 0.0125},
    {"LinPhase", [] { return make_lin(0, 1, HelperDispNum::Preset_FLOAT_STD, "%3.0f", 360); }},
    {"LinStep", [] { return make_lin(-1, 1, HelperDispNum::Preset_FLOAT_STD, "%5.1f"); }, 0.025},
    {"LinAsInt", [] { return make_lin(2, 32, HelperDispNum::Preset_INT, "%1.0f"); }, 0.5 / 30},
    {"LinIndexBase1", [] { return make_lin(0, 15, HelperDispNum::Preset_INT_BASE_1, "%.0f"); }, 0.5 / 15},
    {"LinMidiNote", [] { return make_lin(0, 127, HelperDispNum::Preset_MIDI_NOTE, "%f"); }},
    // The stop rule of the fraction search trades accuracy for short fractions: 0.95 shows as 13/14.
    {"LinFrac", [] { return make_lin(0, 8, HelperDispNum::Preset_FRAC, "%f"); }, 0.035 / 8, true},
    {"Int", [] { return std::make_unique<TplInt>(1, 16, "Number of Bands\nBand Count", "", 0, "%.0f"); }},
    {"Enum",
     []
     {
         return std::make_unique<TplEnum>(
             "Sine\nTriangle\nMSquare\nSaw\nParabola\nN-Phase\nBiphase\nVarislope\nNoise "
             "FLT1\nNoise FLT2\nStep Seq\nADSR\nEnv Follower",
             "Waveform\nMod %d Waveform", "", 1, "%s");
     }},
    {"LogPeriod", [] { return make_mapped<MapLog>(0.01, 100, HelperDispNum::Preset_FLOAT_MILLI, "%7.1f"); }},
    {"LogBeats",
     [] { return make_mapped<MapLog>(1.0 / 64, 256, HelperDispNum::Preset_FLOAT_MILLI, "%5.1f"); }},
    {"LogFreqNote", [] { return make_mapped<MapLog>(20, 20000, HelperDispNum::Preset_FREQ_NOTE, "%f"); }},
    {"LogSemitones", [] { return make_mapped<MapLog>(0.5, 2, HelperDispNum::Preset_SEMITONES, "%+.2f"); }},
    {"LogCents", [] { return make_mapped<MapLog>(0.5, 2, HelperDispNum::Preset_CENTS, "%+.0f"); }},
    {"LogRatio", [] { return make_mapped<MapLog>(0.01, 100, HelperDispNum::Preset_RATIO, "%.2f"); }},
    {"LogRatioInv", [] { return make_mapped<MapLog>(0.01, 100, HelperDispNum::Preset_RATIO_INV, "%.2f"); }},
    // The cube is flat at the centre: 0.05 ms there spans 0.05 of the travel.
    {"PseudoExp",
     [] { return make_mapped<MapPseudoExp>(-50, 50, HelperDispNum::Preset_FLOAT_STD, "%+5.1f"); }, 0.05},
    {"PwllGain",
     [] { return make_mapped<MapPiecewiseLinLog>(0, 4, HelperDispNum::Preset_DB, "%+5.1f", 8, 2); }},
    {"PwllCutoff", []
     { return make_mapped<MapPiecewiseLinLog>(40, 10240, HelperDispNum::Preset_FLOAT_STD, "%5.0f", 5, 2); }},
    {"PwllDisto",
     [] { return make_mapped<MapPiecewiseLinLog>(1, 10, HelperDispNum::Preset_DB, "%+5.1f", 8, 2); }},
    {"PwllReso",
     [] { return make_mapped<MapPiecewiseLinLog>(1, 100, HelperDispNum::Preset_DB, "%+5.1f", 8, 10); }},
    {"PwllSens",
     [] { return make_mapped<MapPiecewiseLinLog>(1, 64, HelperDispNum::Preset_DB, "%+5.1f", 8, 2); }},
    {"PwllTime",
     [] { return make_mapped<MapPiecewiseLinLog>(0, 5, HelperDispNum::Preset_FLOAT_MILLI, "%5.1f", 5, 2); }},
};

// A value a hair below zero shows as a signed zero, which reads back as zero itself.
bool is_signed_zero(const std::string& txt)
{
    const size_t pos = txt.find('-');
    if (pos == std::string::npos)
        return false;
    const std::string rest = txt.substr(pos + 1);
    return rest.find_first_not_of("0.") == std::string::npos && !rest.empty();
}

class ParamDescRoundTrip : public ::testing::TestWithParam<Kind>
{
};

} // namespace

TEST_P(ParamDescRoundTrip, NormalisedValuesMapBackToTheSameNaturalValue)
{
    const auto desc = GetParam().make();
    const double val_min = desc->get_nat_min();
    const double val_max = desc->get_nat_max();
    const bool discrete_flag = (desc->get_range() == ParamDescInterface::Range_DISCRETE);
    const double tol = 1e-6 * (val_max - val_min);
    for (int k = 0; k <= 1000; ++k)
    {
        const double nrm = k / 1000.0;
        const double nat = desc->conv_nrm_to_nat(nrm);
        ASSERT_GE(nat, val_min - tol) << "nrm " << nrm;
        ASSERT_LE(nat, val_max + tol) << "nrm " << nrm;
        const double nrm2 = desc->conv_nat_to_nrm(nat);
        const double nat2 = desc->conv_nrm_to_nat(nrm2);
        if (discrete_flag)
        {
            EXPECT_EQ(nat, std::floor(nat)) << "nrm " << nrm;
            EXPECT_EQ(nat2, nat) << "nrm " << nrm;
            EXPECT_LE(std::fabs(nrm2 - nrm), 0.5 / (val_max - val_min) + 1e-12) << "nrm " << nrm;
        }
        else
        {
            EXPECT_NEAR(nat2, nat, tol) << "nrm " << nrm;
            EXPECT_NEAR(nrm2, nrm, 1e-6) << "nrm " << nrm;
        }
    }
    EXPECT_NEAR(desc->conv_nrm_to_nat(0), val_min, tol);
    EXPECT_NEAR(desc->conv_nrm_to_nat(1), val_max, tol);
}

TEST_P(ParamDescRoundTrip, ShownTextReadsBackToTheSameText)
{
    const auto desc = GetParam().make();
    const double val_min = desc->get_nat_min();
    const double val_max = desc->get_nat_max();
    for (int k = 0; k <= 1000; ++k)
    {
        const double nrm = k / 1000.0;
        const double nat = desc->conv_nrm_to_nat(nrm);
        const std::string txt = desc->conv_nat_to_str(nat, 124);
        double nat2 = val_min - 1;
        ASSERT_TRUE(desc->conv_str_to_nat(nat2, txt)) << "'" << txt << "' of " << nat;
        EXPECT_GE(nat2, val_min);
        EXPECT_LE(nat2, val_max);
        // The text rounds the value, but not by more than its display step.
        EXPECT_NEAR(desc->conv_nat_to_nrm(nat2), desc->conv_nat_to_nrm(nat), GetParam().nrm_tol + 1e-9)
            << "'" << txt << "'";
        const std::string txt2 = desc->conv_nat_to_str(nat2, 124);
        if (!is_signed_zero(txt))
        {
            EXPECT_EQ(txt2, txt) << "value " << nat << " read as " << nat2;
        }
        else
        {
            EXPECT_EQ(desc->conv_nat_to_str(desc->conv_nrm_to_nat(desc->conv_nat_to_nrm(nat2)), 124), txt2);
        }
    }
}

TEST_P(ParamDescRoundTrip, ShortTextsAreCutFromTheFullText)
{
    const auto desc = GetParam().make();
    for (int k = 0; k <= 100; ++k)
    {
        const double nat = desc->conv_nrm_to_nat(k / 100.0);
        const std::string full = desc->conv_nat_to_str(nat, 0);
        for (int len = 1; len <= 12; ++len)
        {
            const std::string txt = desc->conv_nat_to_str(nat, len);
            ASSERT_LE(txt.size(), size_t(len));
            if (GetParam().fit_flag)
            {
                double nat2 = 0;
                EXPECT_TRUE(desc->conv_str_to_nat(nat2, txt)) << "'" << txt << "' of '" << full << "'";
            }
            else
            {
                EXPECT_EQ(full.compare(0, txt.size(), txt), 0) << "'" << txt << "' of '" << full << "'";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ParamDescRoundTrip, ::testing::ValuesIn(kind_arr),
                         [](const ::testing::TestParamInfo<Kind>& info)
                         { return std::string(info.param.label); });

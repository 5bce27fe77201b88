#include "dsp/LfoModuleDesc.h"

#include "zun/param/HelperDispNum.h"
#include "zun/param/MapLog.h"
#include "zun/param/MapPiecewiseLinLog.h"
#include "zun/param/TplEnum.h"
#include "zun/param/TplLin.h"
#include "zun/param/TplMapped.h"

#include <cstdio>

namespace dsp
{

namespace
{

using zun::param::HelperDispNum;
using zun::param::ParamDescInterface;

using TplLog = zun::param::TplMapped<zun::param::MapLog>;
using TplPwll = zun::param::TplMapped<zun::param::MapPiecewiseLinLog>;

constexpr const char* time_switch_list = "Time\nTempo";

ParamDescInterface* make_lin(double val_min, double val_max, const char* name, const char* unit,
                             const char* format, HelperDispNum::Preset preset, int slot_nbr)
{
    auto* desc = new zun::param::TplLin(val_min, val_max, name, unit, slot_nbr, format);
    desc->use_disp_num().set_preset(preset);
    return desc;
}

ParamDescInterface* make_log(double val_min, double val_max, const char* name, const char* unit,
                             ParamDescInterface::Categ categ, int slot_nbr, const char* format)
{
    auto* desc =
        new TplLog(val_min, val_max, name, unit, HelperDispNum::Preset_FLOAT_MILLI, slot_nbr, format);
    desc->set_categ(categ);
    return desc;
}

// Envelope times and lengths: 0..5 s or 0..8 beats, finer near 0.
ParamDescInterface* make_pwll(double val_max, const char* name, const char* unit,
                              ParamDescInterface::Categ categ, int slot_nbr)
{
    auto* desc = new TplPwll(0, val_max, name, unit, HelperDispNum::Preset_FLOAT_MILLI, slot_nbr, "%5.1f");
    desc->use_mapper().gen_log(5, 2.0);
    desc->set_categ(categ);
    return desc;
}

ParamDescInterface* make_enum(const char* list, const char* name, int slot_nbr)
{
    return new zun::param::TplEnum(list, name, "", slot_nbr, "%s");
}

// One envelope time: seconds, beats, then the "Time"/"Tempo" switch.
void add_time_triple(zun::piapi::ParamDescSet& set, int index, const char* name_s, const char* name_b,
                     const char* name_swt, int slot_nbr)
{
    set.add_glob(index, make_pwll(5, name_s, "ms", ParamDescInterface::Categ_TIME_S, slot_nbr));
    set.add_glob(index + 1, make_pwll(8, name_b, "beat", ParamDescInterface::Categ_TIME_BEATS, slot_nbr));
    set.add_glob(index + 2, make_enum(time_switch_list, name_swt, slot_nbr));
}

} // namespace

LfoModuleDesc::LfoModuleDesc() : _desc_set(NBR_SLOTS * NBR_PARAM_PER_SLOT, 0)
{
    for (int slot = 0; slot < NBR_SLOTS; ++slot)
    {
        add_slot(slot);
    }
}

void LfoModuleDesc::add_slot(int slot)
{
    const int b = get_lfo_base(slot);
    const int n = slot + 1;
    const auto pct = HelperDispNum::Preset_FLOAT_PERCENT;
    auto& set = _desc_set;

    // LFO
    set.add_glob(b + Param_LFO_GAIN, make_lin(0, 1, "Modulation %d Gain\nGain", "%", "%5.1f", pct, n));
    set.add_glob(b + Param_LFO_PERIOD_S, make_log(0.01, 100, "Mod %d Period \nPeriod", "ms",
                                                  ParamDescInterface::Categ_TIME_S, n, "%7.1f"));
    set.add_glob(b + Param_LFO_PERIOD_BEATS, make_log(1.0 / 64, 256, "Mod %d Period\nPeriod", "beat",
                                                      ParamDescInterface::Categ_TIME_BEATS, n, "%5.1f"));
    set.add_glob(b + Param_LFO_TEMPO_SWITCH,
                 make_enum(time_switch_list, "Switch\nMod %d tempo swt\nMod %d tempo Switch", n));
    {
        auto* desc = new zun::param::TplLin(20, 300, "UNUSED", "", n, "%5.1f");
        desc->set_flags(ParamDescInterface::Flags_AUTOLOCK);
        set.add_glob(b + Param_UNUSED, desc);
    }
    set.add_glob(b + Param_WAVEFORM,
                 make_enum("Sine\nTriangle\nMSquare\nSaw\nParabola\nN-Phase\nBiphase\n"
                           "Varislope\nNoise FLT1\nNoise FLT2\nStep Seq\nADSR\nEnv Follower",
                           "Waveform\nMod %d Waveform", n));
    set.add_glob(b + Param_SNH, make_lin(0, 1, "Mod %d Sample and Hold\nS&H", "%", "%5.1f", pct, n));
    set.add_glob(b + Param_SMOOTH, make_lin(0, 1, "Smooth\nMod %d Smoothing", "%", "%5.1f", pct, n));
    set.add_glob(b + Param_CHAOS,
                 make_lin(0, 1, "Chaos\nMod %d Chaos amt\nMod %d Chaos amount", "%", "%5.1f", pct, n));
    set.add_glob(
        b + Param_PHASE_DIST,
        make_lin(0, 1, "Dist Amnt.\nMod %d Phase dist amt\nMod %d distortion amount", "%", "%5.1f", pct, n));
    set.add_glob(
        b + Param_PHASE_DIST_OFS,
        make_lin(0, 1, "Dist Off.\nMod %d Phase dist ofs\nMod %d distortion offset", "%", "%5.1f", pct, n));
    set.add_glob(b + Param_SIGN, make_enum("Normal\nInvert", "Modulation %d Sign\nSign", n));
    set.add_glob(b + Param_POLARITY,
                 make_enum("Bipolar\nUnipolar", "Modulation %d Po\nMod %d Polar\nPolarity", n));
    set.add_glob(b + Param_VAR_TIME, make_lin(0, 1, "Modulation %d Time\nTime", "%", "%5.1f", pct, n));
    set.add_glob(b + Param_VAR_SHAPE, make_lin(0, 1, "Modulation %d Shape\nShape", "%", "%5.1f", pct, n));
    {
        auto* desc = new zun::param::TplLin(0, 1, "Modulation %d Phase offset\nPhase", "deg", n, "%3.0f");
        desc->use_disp_num().set_preset(HelperDispNum::Preset_FLOAT_STD);
        desc->use_disp_num().set_scale(360);
        set.add_glob(b + Param_PHASE, desc);
    }
    set.add_glob(b + Param_NBR_STEPS, make_lin(2, 32, "Mod %d NS\nMod %d num steps\nNumber Steps", "",
                                               "%1.0f", HelperDispNum::Preset_INT, n));

    // ADSR envelope
    set.add_glob(b + Param_ADSR_GAIN, make_lin(0, 1, "Modulation %d Gain\nGain", "%", "%5.1f", pct, n));
    set.add_glob(b + Param_ADSR_VELO_SENS,
                 make_lin(0, 1, "Velocity sensitivity\nVelo sensitivity\nVelo sens\nVel sns\nVelS\nVS", "%",
                          "%5.1f", pct, n));
    add_time_triple(set, b + Param_ADSR_ATK_S, "Mod %d Attack time\nAttack\nAtk T\nAtkT\nAT",
                    "Mod %d Attack period\nAtk period\nAtk P\nAtkP\nAP",
                    "Switch\nMod %d Attack swt\nAttack %d tempo Switch", n);
    add_time_triple(set, b + Param_ADSR_DCY_S, "Mod %d Decay time\nDecay\nDcyT\nDT",
                    "Mod %d Decay period\nDcy period\nDcy P\nDcyP\nDP",
                    "Switch\nDecay %d Decay swt\nMod %d Decay Switch", n);
    add_time_triple(set, b + Param_ADSR_SUS_S, "Mod %d Sustain time\nSustain\nSus T\nSusT\nST",
                    "Mod %d Sustain period\nSus period\nSus P\nSusP\nSP",
                    "Switch\nMod %d Sustain swt\nMod %d Sustain Switch", n);
    set.add_glob(b + Param_ADSR_SUS_LVL,
                 make_lin(0, 1, "Mod %d Sustain level\nSustain Lvl", "%", "%5.1f", pct, n));
    add_time_triple(set, b + Param_ADSR_RLS_S, "Mod %d Release time\nRelease\nRls T\nRlsT\nRT",
                    "Mod %d Release period\nRls period\nRls P\nRlsP\nRP",
                    "Switch\nMod %d Release swt\nMod %d Release Switch", n);

    // Envelope follower
    set.add_glob(b + Param_ENVF_GAIN, make_lin(0, 4, "Modulation %d Gain\nGain", "%", "%5.1f", pct, n));
    add_time_triple(set, b + Param_ENVF_ATK_S, "Mod %d Attack time\nAttack\nAtk T\nAtkT\nAT",
                    "Mod %d Attack period\nAtk period\nAtk P\nAtkP\nAP",
                    "Switch\nMod %d Attack swt\nMod %d Attack Switch", n);
    add_time_triple(set, b + Param_ENVF_RLS_S, "Mod %d Decay time\nDecay\nDcy T\nDcyT\nDT",
                    "Mod %d Decay period\nDcy period\nDcy P\nDcyP\nDP",
                    "Switch\nMod %d Decay swt\nMod %d Decay Switch", n);
    add_time_triple(set, b + Param_ENVF_HOLD_S, "Mod %d Hold time\nHold\nHD",
                    "Mod %d Hold period\nHld period\nHld P\nHldP\nHP",
                    "Switch\nMod %d Hold swt\nMod %d Hold Switch", n);

    // Step values. The names carry no conversion, so the numbers are printed here.
    for (int k = 0; k < NBR_STEPS; ++k)
    {
        char name[128];
        std::snprintf(name, sizeof(name), "Mod %d S %02d\nMod %d step %02d\nMod %d Sequencer step %02d", n, k,
                      n, k, n, k);
        set.add_glob(b + Param_STEP_0 + k,
                     make_lin(-1, 1, name, "", "%5.1f", HelperDispNum::Preset_FLOAT_STD, n));
    }
}

double LfoModuleDesc::get_default_nat(int j)
{
    switch (j)
    {
    case Param_LFO_GAIN:
    case Param_LFO_PERIOD_S:
    case Param_LFO_TEMPO_SWITCH:
        return 1;
    case Param_LFO_PERIOD_BEATS:
        return 14;
    case Param_UNUSED:
        return 120;
    case Param_PHASE_DIST:
        return 0.5;
    case Param_NBR_STEPS:
        return 2;

    case Param_ADSR_GAIN:
        return 1;
    case Param_ADSR_ATK_S:
        return 0.01;
    case Param_ADSR_DCY_S:
        return 0.1;
    case Param_ADSR_SUS_S:
        return 1;
    case Param_ADSR_SUS_LVL:
        return 0.5;
    case Param_ADSR_RLS_S:
        return 0.25;
    case Param_ADSR_ATK_BEATS:
    case Param_ADSR_DCY_BEATS:
    case Param_ADSR_SUS_BEATS:
    case Param_ADSR_RLS_BEATS:
        return 8;
    case Param_ADSR_ATK_SWITCH:
    case Param_ADSR_DCY_SWITCH:
    case Param_ADSR_SUS_SWITCH:
    case Param_ADSR_RLS_SWITCH:
        return 1;

    case Param_ENVF_GAIN:
        return 1;
    case Param_ENVF_ATK_S:
    case Param_ENVF_RLS_S:
    case Param_ENVF_HOLD_S:
        return 0.01;
    case Param_ENVF_ATK_BEATS:
        return 1.0 / 64;
    case Param_ENVF_RLS_BEATS:
    case Param_ENVF_HOLD_BEATS:
    case Param_ENVF_ATK_SWITCH:
    case Param_ENVF_RLS_SWITCH:
    case Param_ENVF_HOLD_SWITCH:
        return 1;

    default:
        return 0;
    }
}

void LfoModuleDesc::do_get_nbr_io(int& nbr_i, int& nbr_o, int& nbr_s) const
{
    nbr_i = 1;
    nbr_o = 1;
    nbr_s = 1;
}

int LfoModuleDesc::do_get_nbr_param(zun::piapi::ParamCateg categ) const
{
    return _desc_set.get_nbr_param(categ);
}

const zun::param::ParamDescInterface& LfoModuleDesc::do_get_param_info(zun::piapi::ParamCateg categ,
                                                                       int index) const
{
    return _desc_set.use_param(categ, index);
}

} // namespace dsp

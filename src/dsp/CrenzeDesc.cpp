#include "dsp/CrenzeDesc.h"

#include "zun/param/HelperDispNum.h"
#include "zun/param/MapPiecewiseLinLog.h"
#include "zun/param/MapPseudoExp.h"
#include "zun/param/Simple.h"
#include "zun/param/TplEnum.h"
#include "zun/param/TplInt.h"
#include "zun/param/TplLin.h"
#include "zun/param/TplMapped.h"

namespace dsp
{

namespace
{

using zun::param::HelperDispNum;
using zun::param::ParamDescInterface;
typedef zun::param::TplMapped<zun::param::MapPiecewiseLinLog> TplPll;

// Linear gain 0..4, unity at three quarters of the travel, each eighth above the first +6 dB.
TplPll* make_gain(const char* name)
{
    auto* desc = new TplPll(0, 4, name, "dB", HelperDispNum::Preset_DB, 0, "%+5.1f");
    desc->use_mapper().gen_log(8, 2.0);
    desc->set_flags(ParamDescInterface::Flags_GLOBAL);
    return desc;
}

constexpr double DEFAULT_NAT[CrenzeDesc::Param_NBR_ELT] = {1, 1, 1, 0, 1000, 1, 1, 0.5, 2, 1, 1};

} // namespace

CrenzeDesc::CrenzeDesc() : _desc_set(Param_NBR_ELT, 0)
{
    _desc_set.add_glob(Param_GAIN_IN, make_gain("Gain input amount\nIN"));
    _desc_set.add_glob(Param_GAIN_DRY, make_gain("Gain Dry amount\nDRY"));
    _desc_set.add_glob(Param_GAIN_OUT, make_gain("Gain output amount\nOUT"));

    auto* dly = new zun::param::TplMapped<zun::param::MapPseudoExp>(
        -50, 50, "Band Delay Time\nBand Delay", "ms", HelperDispNum::Preset_FLOAT_STD, 0, "%+5.1f");
    _desc_set.add_glob(Param_BAND_DELAY, dly);

    auto* cutoff =
        new TplPll(40, 10240, "Cutoff Frequency\nCutoff", "Hz", HelperDispNum::Preset_FLOAT_STD, 0, "%5.0f");
    cutoff->use_mapper().gen_log(5, 2.0);
    cutoff->set_categ(ParamDescInterface::Categ_FREQ_CUTOFF);
    _desc_set.add_glob(Param_CUTOFF, cutoff);

    auto* disto = new TplPll(1, 10, "Distortion Gain\nDisto", "dB", HelperDispNum::Preset_DB, 0, "%+5.1f");
    disto->use_mapper().gen_log(8, 2.0);
    _desc_set.add_glob(Param_DISTO_GAIN, disto);

    // Index 1 is inert: the name holds no conversion.
    _desc_set.add_glob(Param_DISTO_ROUTING,
                       new zun::param::TplEnum("PRE\nPOST", "Dist Routing\nRouting", "", 1, "%s"));

    _desc_set.add_glob(Param_TONE, new zun::param::Simple("Tone"));

    _desc_set.add_glob(Param_BAND_WIDTH,
                       new zun::param::TplLin(1, 5, "Band Spacing Amount\nBand Width", "", 0, "%+5.1f"));

    _desc_set.add_glob(Param_BAND_COUNT,
                       new zun::param::TplInt(1, 16, "Number of Bands\nBand Count", "", 0, "%.0f"));

    auto* reso = new TplPll(1, 100, "Filter Resonance\nReso", "dB", HelperDispNum::Preset_DB, 0, "%+5.1f");
    reso->use_mapper().gen_log(8, 10.0);
    _desc_set.add_glob(Param_RESO, reso);
}

double CrenzeDesc::get_default_nat(int index)
{
    return (index >= 0 && index < Param_NBR_ELT) ? DEFAULT_NAT[index] : 0;
}

void CrenzeDesc::do_get_nbr_io(int& nbr_i, int& nbr_o, int& nbr_s) const
{
    nbr_i = 1;
    nbr_o = 1;
    nbr_s = 0;
}

int CrenzeDesc::do_get_nbr_param(zun::piapi::ParamCateg categ) const
{
    return _desc_set.get_nbr_param(categ);
}

const zun::param::ParamDescInterface& CrenzeDesc::do_get_param_info(zun::piapi::ParamCateg categ,
                                                                    int index) const
{
    return _desc_set.use_param(categ, index);
}

} // namespace dsp

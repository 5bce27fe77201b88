#include "dsp/adsr/EventGeneratorDesc.h"

#include "zun/param/HelperDispNum.h"
#include "zun/param/MapPiecewiseLinLog.h"
#include "zun/param/TplLin.h"
#include "zun/param/TplMapped.h"

namespace dsp
{

EventGeneratorDesc::EventGeneratorDesc() : _desc_set(Param_NBR_ELT, 0)
{
    using zun::param::HelperDispNum;
    using zun::param::ParamDescInterface;

    auto* sens = new zun::param::TplMapped<zun::param::MapPiecewiseLinLog>(
        1, 64, "Adsr Envelope Follower Sensitivty\nADSR Sens.", "dB", HelperDispNum::Preset_DB, 0, "%+5.1f");
    sens->use_mapper().gen_log(8, 2.0);
    sens->set_flags(ParamDescInterface::Flags_GLOBAL);
    _desc_set.add_glob(Param_SENSITIVITY, sens);

    auto* dens = new zun::param::TplLin(0, 1, "Adsr Envelope Follower Density\nADSR Dens.", "%", 0, "%5.1f");
    dens->use_disp_num().set_preset(HelperDispNum::Preset_FLOAT_PERCENT);
    dens->set_flags(ParamDescInterface::Flags_GLOBAL);
    _desc_set.add_glob(Param_DENSITY, dens);
}

double EventGeneratorDesc::get_default_nat(int index)
{
    return (index == Param_SENSITIVITY) ? 8 : (index == Param_DENSITY) ? 0.5 : 0;
}

void EventGeneratorDesc::do_get_nbr_io(int& nbr_i, int& nbr_o, int& nbr_s) const
{
    nbr_i = 1;
    nbr_o = 1;
    nbr_s = 1;
}

int EventGeneratorDesc::do_get_nbr_param(zun::piapi::ParamCateg categ) const
{
    return _desc_set.get_nbr_param(categ);
}

const zun::param::ParamDescInterface& EventGeneratorDesc::do_get_param_info(zun::piapi::ParamCateg categ,
                                                                            int index) const
{
    return _desc_set.use_param(categ, index);
}

} // namespace dsp

#pragma once

#include "zun/piapi/ParamDescSet.h"
#include "zun/piapi/PluginDescInterface.h"

#include <string>

namespace dsp
{

// The transient detector's two parameters, shared by all slots' envelopes. Both are global
// settings: a patch file leaves them alone, the host state restores them.
class EventGeneratorDesc : public zun::piapi::PluginDescInterface
{
public:
    enum Param
    {
        Param_SENSITIVITY = 0, // gain factor 1..64, shown in dB
        Param_DENSITY,         // 0..1: detector smoothing from 1 Hz to 1 kHz

        Param_NBR_ELT
    };

    EventGeneratorDesc();
    EventGeneratorDesc(const EventGeneratorDesc&) = default;
    EventGeneratorDesc& operator=(const EventGeneratorDesc&) = default;
    ~EventGeneratorDesc() override = default;

    const zun::piapi::ParamDescSet& use_desc_set() const { return _desc_set; }
    // Natural value set at construction.
    static double get_default_nat(int index);

protected:
    std::string do_get_unique_id() const override { return "crnz_env"; }
    std::string do_get_name() const override { return "Crenzel\nCrenz"; }
    void do_get_nbr_io(int& nbr_i, int& nbr_o, int& nbr_s) const override;
    bool do_prefer_stereo() const override { return true; }
    int do_get_nbr_param(zun::piapi::ParamCateg categ) const override;
    const zun::param::ParamDescInterface& do_get_param_info(zun::piapi::ParamCateg categ,
                                                            int index) const override;

private:
    zun::piapi::ParamDescSet _desc_set;
};

} // namespace dsp

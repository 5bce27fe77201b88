#pragma once

#include "zun/piapi/ParamDescSet.h"
#include "zun/piapi/PluginDescInterface.h"

#include <string>

namespace dsp
{

// The filter effect's eleven parameters. The engine registers them as controls 0..10 in this
// order, so the table also fixes what the host, the patches and the editor see.
class CrenzeDesc : public zun::piapi::PluginDescInterface
{
public:
    enum Param
    {
        Param_GAIN_IN = 0,   // linear gain 0..4
        Param_GAIN_DRY,      // linear gain 0..4
        Param_GAIN_OUT,      // linear gain 0..4
        Param_BAND_DELAY,    // ms, -50..50
        Param_CUTOFF,        // Hz, 40..10240
        Param_DISTO_GAIN,    // linear gain 1..10
        Param_DISTO_ROUTING, // 0 PRE, 1 POST
        Param_TONE,          // 0 low-pass only .. 1 bands only
        Param_BAND_WIDTH,    // band spacing factor 1..5
        Param_BAND_COUNT,    // 1..16, the low-pass path included
        Param_RESO,          // Q 1..100

        Param_NBR_ELT
    };

    enum Routing
    {
        Routing_PRE = 0,
        Routing_POST = 1
    };

    CrenzeDesc();
    CrenzeDesc(const CrenzeDesc&) = default;
    CrenzeDesc& operator=(const CrenzeDesc&) = default;
    ~CrenzeDesc() override = default;

    const zun::piapi::ParamDescSet& use_desc_set() const { return _desc_set; }
    // Natural value the effect sets at construction; 0 for an invalid index.
    static double get_default_nat(int index);

protected:
    std::string do_get_unique_id() const override { return "crnz"; }
    std::string do_get_name() const override { return "Crenze\nCrenz"; }
    void do_get_nbr_io(int& nbr_i, int& nbr_o, int& nbr_s) const override;
    bool do_prefer_stereo() const override { return true; }
    int do_get_nbr_param(zun::piapi::ParamCateg categ) const override;
    const zun::param::ParamDescInterface& do_get_param_info(zun::piapi::ParamCateg categ,
                                                            int index) const override;

private:
    zun::piapi::ParamDescSet _desc_set;
};

} // namespace dsp

#pragma once

#include "zun/piapi/ParamDescSet.h"
#include "zun/piapi/PluginDescInterface.h"

#include <string>

namespace dsp
{

// Parameters of all modulator slots: 74 per slot, slot after slot. The index order is part of the
// patch format (control id = 15 + index), so rows are only ever appended to the end of a slot's
// block by a format change.
class LfoModuleDesc : public zun::piapi::PluginDescInterface
{
public:
    static constexpr int NBR_SLOTS = 8;
    static constexpr int NBR_PARAM_PER_SLOT = 74;
    static constexpr int NBR_STEPS = 32;

    // Index of each parameter within its slot.
    enum Param
    {
        Param_LFO_GAIN = 0,
        Param_LFO_PERIOD_S,
        Param_LFO_PERIOD_BEATS,
        Param_LFO_TEMPO_SWITCH,
        Param_UNUSED,
        Param_WAVEFORM,
        Param_SNH,
        Param_SMOOTH,
        Param_CHAOS,
        Param_PHASE_DIST,
        Param_PHASE_DIST_OFS,
        Param_SIGN,
        Param_POLARITY,
        Param_VAR_TIME,
        Param_VAR_SHAPE,
        Param_PHASE,
        Param_NBR_STEPS,

        Param_ADSR_GAIN, // 17
        Param_ADSR_VELO_SENS,
        Param_ADSR_ATK_S,
        Param_ADSR_ATK_BEATS,
        Param_ADSR_ATK_SWITCH,
        Param_ADSR_DCY_S,
        Param_ADSR_DCY_BEATS,
        Param_ADSR_DCY_SWITCH,
        Param_ADSR_SUS_S,
        Param_ADSR_SUS_BEATS,
        Param_ADSR_SUS_SWITCH,
        Param_ADSR_SUS_LVL,
        Param_ADSR_RLS_S,
        Param_ADSR_RLS_BEATS,
        Param_ADSR_RLS_SWITCH,

        Param_ENVF_GAIN, // 32
        Param_ENVF_ATK_S,
        Param_ENVF_ATK_BEATS,
        Param_ENVF_ATK_SWITCH,
        Param_ENVF_RLS_S, // shown as "Decay"
        Param_ENVF_RLS_BEATS,
        Param_ENVF_RLS_SWITCH,
        Param_ENVF_HOLD_S,
        Param_ENVF_HOLD_BEATS,
        Param_ENVF_HOLD_SWITCH,

        Param_STEP_0 // 42, then the 31 other steps
    };

    LfoModuleDesc();
    LfoModuleDesc(const LfoModuleDesc&) = default;
    LfoModuleDesc& operator=(const LfoModuleDesc&) = default;
    ~LfoModuleDesc() override = default;

    const zun::piapi::ParamDescSet& use_desc_set() const { return _desc_set; }

    static int get_lfo_base(int slot) { return NBR_PARAM_PER_SLOT * slot; }
    static int get_step_seq_base(int slot) { return NBR_PARAM_PER_SLOT * slot + Param_STEP_0; }

    // Natural value that the slot, its envelope and its follower write at construction, for the
    // index j within a slot (0..73). 0 for other indices.
    static double get_default_nat(int j);

protected:
    std::string do_get_unique_id() const override { return "lfo"; }
    std::string do_get_name() const override { return "Lfo Desc"; }
    void do_get_nbr_io(int& nbr_i, int& nbr_o, int& nbr_s) const override;
    bool do_prefer_stereo() const override { return true; }
    int do_get_nbr_param(zun::piapi::ParamCateg categ) const override;
    const zun::param::ParamDescInterface& do_get_param_info(zun::piapi::ParamCateg categ,
                                                            int index) const override;

private:
    void add_slot(int slot);

    zun::piapi::ParamDescSet _desc_set;
};

} // namespace dsp

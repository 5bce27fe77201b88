#pragma once

#include "dsp/CrenzeDesc.h"
#include "dsp/Filter2p.h"
#include "dsp/FilterTapStage.h"
#include "dsp/ParamInertia.h"
#include "zun/dsp/InterpFncFiniteAsym.h"
#include "zun/dsp/Ramp.h"
#include "zun/piapi/ParamStateSet.h"
#include "zun/piapi/PluginInterface.h"
#include "zun/util/NotificationFlag.h"
#include "zun/util/NotificationFlagCascadeSingle.h"

#include <cstdint>

namespace dsp
{

// The filter effect: the scaled input feeds the band stage and a resonant low-pass side by
// side, a tone control crossfades them, a soft saturation sits after the mix (POST) or on the
// low-pass path (PRE), then the output level. Control-rate work runs every 64 frames on a grid
// that does not depend on how the host cuts its blocks.
class CrenzeDsp : public zun::piapi::PluginInterface, public FilterTapStage::Owner
{
public:
    static constexpr int TICK_LEN = 64;
    static constexpr float GLIDE_TIME = 0.1f;
    static constexpr int BALANCE_FADE_LEN = 640;
    // Highest band centre, relative to the sample freq.
    static constexpr float MAX_BAND_FREQ_RATIO = 0.475f;

    // Soft saturation of slope 1 at 0 and limits +/-1.
    class DistoFnc
    {
    public:
        double operator()(double x) const;
    };
    typedef zun::dsp::InterpFncFiniteAsym<-32, 32, DistoFnc> DistoTable;

    CrenzeDsp();
    CrenzeDsp(const CrenzeDsp&) = delete;
    CrenzeDsp& operator=(const CrenzeDsp&) = delete;
    ~CrenzeDsp() override = default;

    // Called by the engine at each reset. The band stage follows the output: with a mono input
    // and a stereo output both outputs carry the same signal.
    void update_io_stereo_flags(bool stereo_in, bool stereo_out);
    bool is_stereo_in() const { return _stereo_in; }
    bool is_stereo_out() const { return _stereo_out; }

    const CrenzeDesc& get_param_desc() const { return _desc; }
    zun::piapi::ParamStateSet& get_param_state_set() { return _param_state_set; }
    const zun::piapi::ParamStateSet& get_param_state_set() const { return _param_state_set; }

    // Processes nbr_spl frames (any count) with the current settings; returns flag unchanged.
    bool process_replacing(float* const* dst, const float* const* src, long nbr_spl, bool flag);
    // Same path, adding the result into dst.
    bool process_mix(float* const* dst, const float* const* src, long nbr_spl, bool flag);

    // Every setting jumps to its target; the filter memories and delay lines are cleared.
    void clear_buffers();

    void set_level_in(float v) { _level_in.set_target(v); }
    void set_level_out(float v) { _level_out.set_target(v); }
    void set_dry_wet_vol(float v) { _level_dry.set_target(v); }

    // State, for display and checks.
    float get_sample_freq() const { return _sample_freq; }
    const FilterTapStage& use_band_stage() const { return _band_stage; }
    const Filter2p& use_lpf(int chn) const { return (chn == 0) ? _lpf_l : _lpf_r; }
    const zun::dsp::Ramp& use_level_in() const { return _level_in; }
    const zun::dsp::Ramp& use_level_out() const { return _level_out; }
    const zun::dsp::Ramp& use_level_dry() const { return _level_dry; }
    const ParamInertia& use_cutoff_glide() const { return _cutoff_glide; }
    const ParamInertia& use_reso_glide() const { return _reso_glide; }
    const ParamInertia& use_width_glide() const { return _width_glide; }
    const ParamInertia& use_disto_glide() const { return _disto_glide; }
    bool is_routing_post() const { return _routing_post; }
    int get_band_count() const { return _band_count; }
    double get_balance_cur() const { return _balance_cur; }
    double get_balance_wanted() const { return _balance_wanted; }

protected:
    // zun::piapi::PluginInterface
    int do_get_state() const override { return _state; }
    double do_get_param_val(zun::piapi::ParamCateg categ, int note, int index) const override;
    int do_reset(double sample_freq, int max_block_len, int& latency) override;
    void do_clean_quick() override { _clean_req_flag = true; }
    void do_process_block(zun::piapi::PluginInterface::ProcInfo& proc) override;

    // FilterTapStage::Owner
    void do_set_wanted_harm_lpf_balance(double w) override;
    void do_fix_harm_lpf_balance() override;

private:
    enum Group
    {
        Group_LEVELS = 0,
        Group_FILTER,
        Group_DISTO,
        Group_BAND_COUNT,
        Group_TONE,
        Group_BAND_DELAY,

        Group_NBR_ELT
    };

    enum Route
    {
        Route_STEREO = 0, // stereo in, stereo out
        Route_DOWNMIX,    // stereo in, mono out
        Route_MONO        // mono in
    };

    void init();
    void set_default_state();
    void set_sample_freq(float fs);
    void update_param();
    void tick();
    void set_band_param();
    void set_band_param_fixed();
    void set_filter_band_param(int nbr_band);
    int compute_band_limit() const;
    int get_wanted_nbr_bands() const;

    template <bool MIX>
    void process_all(float* const* dst, const float* const* src, long nbr_spl);
    void process_sub_block(float* out0, float* out1, const float* src0, const float* src1, long nbr_spl,
                           Route route, float lvl_in);

    void process_harm_balance_mono(float* dst, const float* src, long nbr_spl);
    void process_harm_balance_stereo(float* dst0, float* dst1, const float* src0, const float* src1,
                                     long nbr_spl);
    void process_disto_stereo_r(float* dst, const float* src, long nbr_spl) const;
    void process_disto_mono_r(float* dst, const float* src, long nbr_spl) const;

    CrenzeDesc _desc;
    zun::piapi::ParamStateSet _param_state_set;
    zun::util::NotificationFlag _param_change_flag;
    zun::util::NotificationFlagCascadeSingle _group_flag_arr[Group_NBR_ELT];

    int32_t _state = State_CREATED;
    bool _clean_req_flag = false;
    zun::dsp::Ramp _level_in;
    zun::dsp::Ramp _level_out;
    zun::dsp::Ramp _level_dry;
    FilterTapStage _band_stage;
    // Frames since the last tick, 0..63.
    int32_t _tick_pos = 0;
    bool _stereo_in = true;
    bool _stereo_out = true;
    float _sample_freq = 0;
    int32_t _band_count_prev = 1;
    int32_t _band_count = 1;
    // Low-pass side of the tone balance.
    double _balance_wanted = 0.5;
    double _balance_cur = 0.5;
    double _balance_step = 0;

    Filter2p _lpf_l;
    Filter2p _lpf_r;

    bool _band_update_flag = false;
    ParamInertia _width_glide;
    ParamInertia _disto_glide;
    ParamInertia _cutoff_glide;
    ParamInertia _reso_glide;
    float _width_target = 2;
    float _disto_target = 1;
    float _cutoff_target = 1000;
    float _reso_target = 1;
    bool _routing_post = true;
    float _band_count_target = 1;

    // Scratch rows of one sub-block: band outputs, low-pass outputs, down-mix, scaled inputs,
    // mixing outputs, and the silent input and ignored output of an unused band channel.
    enum Row
    {
        Row_BAND_0 = 0,
        Row_BAND_1,
        Row_LPF_0,
        Row_LPF_1,
        Row_DOWNMIX,
        Row_IN_0,
        Row_IN_1,
        Row_MIX_0,
        Row_MIX_1,
        Row_ZERO,
        Row_IGNORED,

        Row_NBR_ELT
    };
    alignas(16) float _row[Row_NBR_ELT][TICK_LEN] = {};
};

} // namespace dsp

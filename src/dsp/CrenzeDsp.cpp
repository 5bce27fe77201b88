#include "dsp/CrenzeDsp.h"

#include "zun/dsp/BasicMixing.h"

#include <algorithm>
#include <cmath>

namespace dsp
{

namespace
{

constexpr double PI = 3.141592653589793;

int round_half_up(float v)
{
    // Limited before the conversion: the band count target is always within 1..16 in practice.
    const float r = std::floor(std::clamp(v, -1e6f, 1e6f) + 0.5f);
    return std::isfinite(r) ? int(r) : 1;
}

} // namespace

double CrenzeDsp::DistoFnc::operator()(double x) const
{
    return (2 / PI) * std::atan((PI * 0.5) * x);
}

CrenzeDsp::CrenzeDsp()
{
    using zun::piapi::ParamCateg_GLOBAL;
    const zun::piapi::ParamDescSet& desc_set = _desc.use_desc_set();
    _param_state_set.init(ParamCateg_GLOBAL, desc_set);
    for (int index = 0; index < CrenzeDesc::Param_NBR_ELT; ++index)
    {
        _param_state_set.set_val_nat(desc_set, index, CrenzeDesc::get_default_nat(index));
    }

    static const int group_of_param[CrenzeDesc::Param_NBR_ELT] = {
        Group_LEVELS, Group_LEVELS, Group_LEVELS, Group_BAND_DELAY, Group_FILTER, Group_DISTO,
        Group_DISTO,  Group_TONE,   Group_TONE,   Group_BAND_COUNT, Group_FILTER,
    };
    for (int index = 0; index < CrenzeDesc::Param_NBR_ELT; ++index)
    {
        _param_state_set.add_observer(index, _group_flag_arr[group_of_param[index]]);
    }
    // The tone group re-reads the band count.
    _param_state_set.add_observer(CrenzeDesc::Param_BAND_COUNT, _group_flag_arr[Group_TONE]);
    for (auto& flag : _group_flag_arr)
    {
        flag.add_observer(_param_change_flag);
        flag.set();
    }
    _param_change_flag.set();

    DistoTable::init_coef();
    zun::dsp::BasicMixing::setup();

    init();
    set_default_state();
}

void CrenzeDsp::update_io_stereo_flags(bool stereo_in, bool stereo_out)
{
    _stereo_in = stereo_in;
    _stereo_out = stereo_out;
    _band_stage.set_stereo_flag(stereo_out);
}

double CrenzeDsp::do_get_param_val(zun::piapi::ParamCateg categ, int /*note*/, int index) const
{
    if (categ != zun::piapi::ParamCateg_GLOBAL || index < 0 || index >= _param_state_set.get_nbr_param())
    {
        return 0;
    }
    return _param_state_set.use_state(index).get_val_tgt();
}

int CrenzeDsp::do_reset(double sample_freq, int max_block_len, int& latency)
{
    latency = 0;
    _param_state_set.set_sample_freq(sample_freq);
    _param_state_set.clear_buffers();
    const int len = std::max(max_block_len, 0);
    _level_in.set_len(len);
    _level_out.set_len(len);
    _level_dry.set_len(len);
    update_param();
    _state = State_ACTIVE;
    set_sample_freq(float(sample_freq));
    // Bands placed for an earlier, higher rate would otherwise stay above the new limit until
    // the next cutoff, width or count change. Fades in progress are kept.
    set_band_param();
    return 0;
}

void CrenzeDsp::do_process_block(zun::piapi::PluginInterface::ProcInfo& proc)
{
    for (int k = 0; k < proc.nbr_evt; ++k)
    {
        const zun::piapi::EventTs* evt = (proc.evt_arr != nullptr) ? proc.evt_arr[k] : nullptr;
        if (evt != nullptr && evt->type == zun::piapi::EventType_PARAM &&
            evt->categ == zun::piapi::ParamCateg_GLOBAL)
        {
            _param_state_set.set_val(evt->index, evt->val);
        }
    }
    const int nbr_spl = std::max(proc.nbr_spl, 0);
    _param_state_set.process_block(nbr_spl);
    update_param();
    if (_clean_req_flag)
    {
        clear_buffers();
        _clean_req_flag = false;
    }
    _level_in.tick(nbr_spl);
    _level_out.tick(nbr_spl);
    _level_dry.tick(nbr_spl);

    if (nbr_spl == 0 || proc.dst_arr == nullptr || proc.src_arr == nullptr)
    {
        return;
    }
    // A host layout narrower than the flags falls back to the mono paths instead of reading or
    // writing channels that are not there.
    const bool save_in = _stereo_in;
    const bool save_out = _stereo_out;
    if (proc.nbr_chn_in == 1)
    {
        _stereo_in = false;
    }
    if (proc.nbr_chn_out == 1)
    {
        _stereo_out = false;
    }
    process_replacing(proc.dst_arr, proc.src_arr, nbr_spl, proc.aux_flag != 0);
    _stereo_in = save_in;
    _stereo_out = save_out;
}

void CrenzeDsp::do_set_wanted_harm_lpf_balance(double w)
{
    _balance_wanted = w;
    _balance_step = (w - _balance_cur) * (1.0 / BALANCE_FADE_LEN);
}

void CrenzeDsp::do_fix_harm_lpf_balance()
{
    _balance_cur = _balance_wanted;
    _balance_step = 0;
}

bool CrenzeDsp::process_replacing(float* const* dst, const float* const* src, long nbr_spl, bool flag)
{
    process_all<false>(dst, src, nbr_spl);
    return flag;
}

bool CrenzeDsp::process_mix(float* const* dst, const float* const* src, long nbr_spl, bool flag)
{
    process_all<true>(dst, src, nbr_spl);
    return flag;
}

void CrenzeDsp::clear_buffers()
{
    _band_update_flag = false;
    _level_in.clear_buffers();
    _level_out.clear_buffers();
    _level_dry.clear_buffers();

    _cutoff_glide.set_val(_cutoff_target);
    _cutoff_glide.snap();
    _reso_glide.set_val(_reso_target);
    _reso_glide.snap();
    _width_glide.set_val(_width_target);
    _width_glide.snap();
    _disto_glide.set_val(_disto_target);
    _disto_glide.snap();

    _lpf_l.set_freq(_cutoff_target);
    _lpf_l.set_p1(_reso_target);
    _lpf_l.update_eq();
    _lpf_r.copy_settings(_lpf_l);

    set_band_param();
    _band_count = round_half_up(_band_count_target);
    _band_count_prev = _band_count;
    set_band_param_fixed();

    _band_stage.clear_buffers();
}

void CrenzeDsp::init()
{
    _stereo_in = true;
    _stereo_out = true;
    _band_stage.set_stereo_flag(true);
    _cutoff_target = 1000;
    _reso_target = 1;
    _band_count_target = 1;
    _disto_target = 1;
    _routing_post = true;
    _width_target = 2;
    _lpf_l.set_type(Filter2p::Type_LOW_PASS);
    _lpf_r.set_type(Filter2p::Type_LOW_PASS);
    for (ParamInertia* glide : {&_width_glide, &_disto_glide, &_cutoff_glide, &_reso_glide})
    {
        glide->set_time(GLIDE_TIME);
    }
    _band_stage.init(*this);
}

void CrenzeDsp::set_default_state()
{
    _cutoff_target = 1000;
    _reso_target = 1;
    _band_count_target = 1;
    _disto_target = 1;
    _routing_post = true;
    _width_target = 2;
    _band_update_flag = true;
    _band_stage.set_default_state();
    clear_buffers();
}

void CrenzeDsp::set_sample_freq(float fs)
{
    _sample_freq = fs;
    _band_stage.set_sample_freq(fs);
    for (Filter2p* lpf : {&_lpf_l, &_lpf_r})
    {
        lpf->set_sample_freq(fs);
        lpf->transform_s_to_z();
    }
    for (ParamInertia* glide : {&_width_glide, &_disto_glide, &_cutoff_glide, &_reso_glide})
    {
        glide->set_sample_freq(fs);
    }
}

void CrenzeDsp::update_param()
{
    if (!_param_change_flag.get_state())
    {
        return;
    }
    _param_change_flag.reset();
    const auto val = [this](int index) { return float(_param_state_set.get_val_end_nat(index)); };

    if (_group_flag_arr[Group_LEVELS].get_state())
    {
        _group_flag_arr[Group_LEVELS].reset();
        set_level_in(val(CrenzeDesc::Param_GAIN_IN));
        set_dry_wet_vol(val(CrenzeDesc::Param_GAIN_DRY));
        set_level_out(val(CrenzeDesc::Param_GAIN_OUT));
    }
    if (_group_flag_arr[Group_FILTER].get_state())
    {
        _group_flag_arr[Group_FILTER].reset();
        _cutoff_target = val(CrenzeDesc::Param_CUTOFF);
        _reso_target = val(CrenzeDesc::Param_RESO);
        _band_update_flag = true;
    }
    if (_group_flag_arr[Group_DISTO].get_state())
    {
        _group_flag_arr[Group_DISTO].reset();
        _disto_target = val(CrenzeDesc::Param_DISTO_GAIN);
        _routing_post = (val(CrenzeDesc::Param_DISTO_ROUTING) > 0.5f);
        _band_update_flag = true;
    }
    if (_group_flag_arr[Group_BAND_COUNT].get_state())
    {
        _group_flag_arr[Group_BAND_COUNT].reset();
        _band_count_target = val(CrenzeDesc::Param_BAND_COUNT);
    }
    if (_group_flag_arr[Group_TONE].get_state())
    {
        _group_flag_arr[Group_TONE].reset();
        _band_stage.set_harm_balance(val(CrenzeDesc::Param_TONE));
        _width_target = val(CrenzeDesc::Param_BAND_WIDTH);
        _band_count_target = val(CrenzeDesc::Param_BAND_COUNT);
        _band_update_flag = true;
    }
    if (_group_flag_arr[Group_BAND_DELAY].get_state())
    {
        _group_flag_arr[Group_BAND_DELAY].reset();
        _band_stage.set_band_delay(val(CrenzeDesc::Param_BAND_DELAY));
        _band_update_flag = true;
    }
}

void CrenzeDsp::tick()
{
    if (_band_update_flag)
    {
        _cutoff_glide.set_val(_cutoff_target);
        _reso_glide.set_val(_reso_target);
        _width_glide.set_val(_width_target);
        _disto_glide.set_val(_disto_target);
        _band_update_flag = false;
    }
    _disto_glide.tick(TICK_LEN);

    _band_count_prev = _band_count;
    _band_count = round_half_up(_band_count_target);

    // The tick that lands the cutoff on its target still moves the bands: otherwise they
    // would stay one step short of it.
    const bool cutoff_moved = _cutoff_glide.is_moving();
    if (cutoff_moved || _reso_glide.is_moving())
    {
        _cutoff_glide.tick(TICK_LEN);
        _reso_glide.tick(TICK_LEN);
        _lpf_l.set_freq(float(_cutoff_glide.get_val()));
        _lpf_l.set_p1(float(_reso_glide.get_val()));
        _lpf_l.update_eq();
        _lpf_r.copy_settings(_lpf_l);
    }

    if (_width_glide.is_moving() || cutoff_moved || _band_count != _band_count_prev)
    {
        _width_glide.tick(TICK_LEN);
        set_band_param();
    }

    _band_stage.tick(TICK_LEN);

    // Less than half a step left counts as arrived, so that rounding in the per-frame sums
    // cannot run the ramp one more sub-block past its target.
    if (_balance_step != 0 &&
        (_balance_wanted - _balance_cur) * _balance_step < 0.5 * _balance_step * _balance_step)
    {
        _balance_cur = _balance_wanted;
        _balance_step = 0;
    }
}

int CrenzeDsp::get_wanted_nbr_bands() const
{
    // The count includes the low-pass path.
    return std::clamp(round_half_up(_band_count_target) - 1, 0, int(FilterTapStage::MAX_NBR_BANDS));
}

int CrenzeDsp::compute_band_limit() const
{
    const float spacing = float(_width_glide.get_val()) * float(_cutoff_glide.get_val());
    const float f_max = MAX_BAND_FREQ_RATIO * _sample_freq;
    if (!(spacing > 0) || !(f_max > 0))
    {
        return 0;
    }
    const float ratio = std::floor(f_max / spacing);
    int limit = (ratio >= float(FilterTapStage::MAX_NBR_BANDS)) ? FilterTapStage::MAX_NBR_BANDS
                : (ratio >= 0)                                  ? int(ratio)
                                                                : 0;
    // The band centres are computed as float(j + 1) * spacing: make sure the last one obeys.
    while (limit > 0 && float(limit) * spacing > f_max)
    {
        --limit;
    }
    return limit;
}

void CrenzeDsp::set_band_param()
{
    const int wanted = get_wanted_nbr_bands();
    const int limit = compute_band_limit();
    const int nbr_active = std::min(std::max(_band_stage.get_nbr_active_band(), wanted), limit);
    const int first_rband = std::min({_band_stage.get_first_rband(), wanted, limit});
    _band_stage.set_nbr_active_band(nbr_active);
    _band_stage.set_first_rband(first_rband);
    _band_stage.set_first_rband_decreasing(std::min(wanted, limit));
    set_filter_band_param(nbr_active);
}

void CrenzeDsp::set_band_param_fixed()
{
    const int nbr = std::min(get_wanted_nbr_bands(), compute_band_limit());
    _band_stage.set_nbr_active_band(nbr);
    _band_stage.set_first_rband(nbr);
    _band_stage.set_first_rband_decreasing(nbr);
    set_filter_band_param(nbr);
}

void CrenzeDsp::set_filter_band_param(int nbr_band)
{
    const float spacing = float(_width_glide.get_val()) * float(_cutoff_glide.get_val());
    for (int band = 0; band < nbr_band; ++band)
    {
        _band_stage.set_cutoff_freq(float(band + 1) * spacing, band);
        _band_stage.set_q(float(band + 1), band);
    }
}

template <bool MIX>
void CrenzeDsp::process_all(float* const* dst, const float* const* src, long nbr_spl)
{
    const Route route = !_stereo_in ? Route_MONO : _stereo_out ? Route_STEREO : Route_DOWNMIX;
    const bool copy_flag = (route == Route_MONO && _stereo_out);
    const float lvl_in = _level_in.get_val();
    const float lvl_out = _level_out.get_val();

    long pos = 0;
    while (pos < nbr_spl)
    {
        if (_tick_pos == 0)
        {
            tick();
        }
        const long len = std::min(nbr_spl - pos, long(TICK_LEN - _tick_pos));
        _tick_pos = (_tick_pos + int32_t(len)) % TICK_LEN;

        const float* src0 = src[0] + pos;
        const float* src1 = (route == Route_MONO) ? nullptr : src[1] + pos;
        float* out0 = MIX ? _row[Row_MIX_0] : dst[0] + pos;
        float* out1 = (route == Route_STEREO) ? (MIX ? _row[Row_MIX_1] : dst[1] + pos) : _row[Row_IGNORED];
        process_sub_block(out0, out1, src0, src1, len, route, lvl_in);

        if (MIX)
        {
            for (long k = 0; k < len; ++k)
            {
                dst[0][pos + k] += out0[k] * lvl_out;
            }
            if (route == Route_STEREO || copy_flag)
            {
                const float* o1 = (route == Route_STEREO) ? out1 : out0;
                for (long k = 0; k < len; ++k)
                {
                    dst[1][pos + k] += o1[k] * lvl_out;
                }
            }
        }
        else
        {
            if (route == Route_STEREO)
            {
                zun::dsp::BasicMixing::scale_2_v(out0, out1, len, lvl_out);
            }
            else
            {
                zun::dsp::BasicMixing::copy_1_1_v(out0, out0, len, lvl_out);
                if (copy_flag)
                {
                    std::copy(out0, out0 + len, dst[1] + pos);
                }
            }
        }
        pos += len;
    }
}

void CrenzeDsp::process_sub_block(float* out0, float* out1, const float* src0, const float* src1,
                                  long nbr_spl, Route route, float lvl_in)
{
    float* s0 = _row[Row_IN_0];
    float* s1 = _row[Row_IN_1];
    float* r0 = _row[Row_BAND_0];
    float* r1 = _row[Row_BAND_1];
    float* r2 = _row[Row_LPF_0];
    float* r3 = _row[Row_LPF_1];
    float* r4 = _row[Row_DOWNMIX];
    float* zero = _row[Row_ZERO];
    float* ignored = _row[Row_IGNORED];

    // Mono paths feed one band channel; a stereo band stage gets silence on the other.
    const float* band_src[2] = {nullptr, zero};
    float* band_dst[2] = {nullptr, ignored};
    const float* lpf_src = nullptr;

    if (route == Route_STEREO)
    {
        zun::dsp::BasicMixing::copy_2_2_v(s0, s1, src0, src1, nbr_spl, lvl_in);
        band_src[0] = s0;
        band_src[1] = s1;
    }
    else if (route == Route_DOWNMIX)
    {
        zun::dsp::BasicMixing::copy_2_2_v(s0, s1, src0, src1, nbr_spl, lvl_in);
        for (long k = 0; k < nbr_spl; ++k)
        {
            r4[k] = (s0[k] + s1[k]) * 0.5f;
        }
        band_src[0] = r4;
        lpf_src = r4;
    }
    else
    {
        zun::dsp::BasicMixing::copy_1_1_v(s0, src0, nbr_spl, lvl_in);
        band_src[0] = s0;
        lpf_src = s0;
    }

    if (_routing_post)
    {
        band_dst[0] = r0;
        if (route == Route_STEREO)
        {
            band_dst[1] = r1;
            _band_stage.process_block(band_dst, band_src, nbr_spl);
            _lpf_l.process_block_nd(r2, s0, nbr_spl);
            _lpf_r.process_block_nd(r3, s1, nbr_spl);
            process_harm_balance_stereo(r0, r1, r2, r3, nbr_spl);
            process_disto_stereo_r(out0, r0, nbr_spl);
            process_disto_stereo_r(out1, r1, nbr_spl);
        }
        else
        {
            _band_stage.process_block(band_dst, band_src, nbr_spl);
            _lpf_l.process_block_nd(r2, lpf_src, nbr_spl);
            process_harm_balance_mono(r0, r2, nbr_spl);
            process_disto_mono_r(out0, r0, nbr_spl);
        }
    }
    else
    {
        band_dst[0] = out0;
        if (route == Route_STEREO)
        {
            band_dst[1] = out1;
            _lpf_r.process_block_nd(r3, s1, nbr_spl);
            _lpf_l.process_block_nd(r2, s0, nbr_spl);
            process_disto_stereo_r(r2, r2, nbr_spl);
            process_disto_stereo_r(r3, r3, nbr_spl);
            _band_stage.process_block(band_dst, band_src, nbr_spl);
            process_harm_balance_stereo(out0, out1, r2, r3, nbr_spl);
        }
        else
        {
            _lpf_l.process_block_nd(r2, lpf_src, nbr_spl);
            process_disto_mono_r(r2, r2, nbr_spl);
            _band_stage.process_block(band_dst, band_src, nbr_spl);
            process_harm_balance_mono(out0, r2, nbr_spl);
        }
    }
}

void CrenzeDsp::process_harm_balance_mono(float* dst, const float* src, long nbr_spl)
{
    const bool add_flag = (_band_stage.get_nbr_active_band() > 0);
    double g = _balance_cur;
    if (g != _balance_wanted)
    {
        for (long k = 0; k < nbr_spl; ++k)
        {
            const float v = float(g) * src[k];
            dst[k] = add_flag ? dst[k] + v : v;
            g += _balance_step;
        }
        _balance_cur = g;
    }
    else
    {
        const float gf = float(g);
        if (add_flag)
        {
            for (long k = 0; k < nbr_spl; ++k)
            {
                dst[k] += gf * src[k];
            }
        }
        else
        {
            for (long k = 0; k < nbr_spl; ++k)
            {
                dst[k] = gf * src[k];
            }
        }
    }
}

void CrenzeDsp::process_harm_balance_stereo(float* dst0, float* dst1, const float* src0, const float* src1,
                                            long nbr_spl)
{
    const double g_beg = _balance_cur;
    process_harm_balance_mono(dst0, src0, nbr_spl);
    const double g_end = _balance_cur;
    _balance_cur = g_beg;
    process_harm_balance_mono(dst1, src1, nbr_spl);
    _balance_cur = g_end;
}

void CrenzeDsp::process_disto_stereo_r(float* dst, const float* src, long nbr_spl) const
{
    const float g = float(_disto_glide.get_val());
    const double scale = (PI * 0.5) * double(g);
    for (long k = 0; k < nbr_spl; ++k)
    {
        dst[k] = float((2 / PI) * std::atan(double(src[k]) * scale));
    }
}

void CrenzeDsp::process_disto_mono_r(float* dst, const float* src, long nbr_spl) const
{
    DistoTable::process_block(dst, src, nbr_spl, float(_disto_glide.get_val()));
}

} // namespace dsp

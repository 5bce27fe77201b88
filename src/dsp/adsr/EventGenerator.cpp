#include "dsp/adsr/EventGenerator.h"

#include <algorithm>
#include <cmath>

namespace dsp
{

EventGenerator::EventGenerator() : _proc(_state_set)
{
    _state_set.init(zun::piapi::ParamCateg_GLOBAL, _desc.use_desc_set());
    for (int index = 0; index < EventGeneratorDesc::Param_NBR_ELT; ++index)
    {
        _state_set.set_val_nat(_desc.use_desc_set(), index, EventGeneratorDesc::get_default_nat(index));
        _state_set.add_observer(index, _flag_param);
    }
    _flag_param.add_observer(_flag);
}

void EventGenerator::register_trig_event(Listener* listener, int slot)
{
    if (slot >= 0 && slot < MAX_NBR_LISTENERS)
    {
        _listener_arr[slot] = listener;
    }
}

void EventGenerator::unregister_trig_event(int slot)
{
    register_trig_event(nullptr, slot);
}

EventGenerator::Listener* EventGenerator::get_listener(int slot) const
{
    return (slot >= 0 && slot < MAX_NBR_LISTENERS) ? _listener_arr[slot] : nullptr;
}

void EventGenerator::update_param(bool force)
{
    _pos = 0;
    if (!_flag.get_state() && !force)
    {
        return;
    }
    _flag.reset();
    _flag_param.reset();
    _sensitivity = float(_state_set.get_val_end_nat(EventGeneratorDesc::Param_SENSITIVITY));
    _density = float(_state_set.get_val_end_nat(EventGeneratorDesc::Param_DENSITY));
    // Cut-off from 1 Hz to 1 kHz, logarithmic in the density.
    const double f_khz = std::exp((double(_density) - 1) * std::log(1000.0));
    constexpr double pi = 3.14159265358979323846;
    const double c = std::cos(2 * pi * 1000 * f_khz / double(_sample_freq));
    const double a = 2 - c;
    _smooth_coef = float(std::sqrt(a * a - 1) + 1 - a);
}

void EventGenerator::clear_buffers()
{
    _fast.clear_buffers();
    _slow.clear_buffers();
    _detector = 0;
}

double EventGenerator::do_get_param_val(zun::piapi::ParamCateg categ, int note, int index) const
{
    (void)note;
    if (categ != zun::piapi::ParamCateg_GLOBAL || index < 0 || index >= _state_set.get_nbr_param())
    {
        return 0;
    }
    return _state_set.use_state(index).get_val_tgt();
}

int EventGenerator::do_reset(double sample_freq, int max_block_len, int& latency)
{
    (void)max_block_len;
    latency = 0;
    _sample_freq = float(sample_freq);
    _fast.set_sample_freq(_sample_freq);
    _slow.set_sample_freq(_sample_freq);
    // Brings every state to its target, so the forced update below reads the current values.
    _state_set.set_sample_freq(sample_freq);
    update_param(true);
    _fast.set_attack_time(0.015f);
    _fast.set_hold_time(0);
    _fast.set_release_time(0.015f);
    _slow.set_attack_time(0.03f);
    _slow.set_hold_time(0);
    _slow.set_release_time(0.03f);
    clear_buffers();
    _pos = 0;
    _state = State_ACTIVE;
    return 0;
}

void EventGenerator::do_process_block(ProcInfo& proc)
{
    _proc.handle_msg(proc);
    _state_set.process_block(proc.nbr_spl);
    update_param(false);
    if (_proc.is_full_reset())
    {
        clear_buffers();
    }

    int event = 0;
    if (proc.nbr_spl > 0 && proc.nbr_chn_in > 0 && proc.src_arr != nullptr && proc.src_arr[0] != nullptr)
    {
        process_active_block(proc, event);
    }

    for (Listener* listener : _listener_arr)
    {
        if (listener != nullptr)
        {
            listener->value_changed(float(event));
        }
    }
}

void EventGenerator::process_active_block(ProcInfo& proc, int& event)
{
    const float* src = proc.src_arr[0];
    const long n = proc.nbr_spl;
    if (n <= 0 || src == nullptr)
    {
        return;
    }

    EnvFollowerCore& fast = _fast.use_core();
    EnvFollowerCore& slow = _slow.use_core();
    float e_f = fast.get_env();
    float e_s = slow.get_env();
    int64_t cnt_f = fast.get_hold_cnt();
    int64_t cnt_s = slow.get_hold_cnt();
    const float kaf = fast.get_attack_keep();
    const float caf = fast.get_attack_coef();
    const float krf = fast.get_release_keep();
    const float crf = fast.get_release_coef();
    const int64_t hlf = fast.get_hold_len();
    const float kas = slow.get_attack_keep();
    const float cas = slow.get_attack_coef();
    const float krs = slow.get_release_keep();
    const float crs = slow.get_release_coef();
    const int64_t hls = slow.get_hold_len();
    const float sens = _sensitivity;
    const float coef = _smooth_coef;
    // Below this no threshold can be crossed, so the trigger state is only looked at outside it.
    const float quiet = std::min({_thr_raise, _thr_raise_rls, std::fabs(std::min(_thr_fall, _thr_fall_rls))});

    // v += ((e_f - e_s) * sens - v) * coef, written as v * kv + (e_f - e_s) * sc with kv + coef
    // exactly 1.
    const float kv = 1.f - coef;
    const float sc = sens * (1.f - kv);
    float v = _detector;
    int32_t trig = _trig;
    const long last = n - 1;
    long i = 0;
    if (hlf <= 0 && hls <= 0 && cnt_f <= 0 && cnt_s <= 0 && kaf == krf && caf == crf && kas == krs &&
        cas == crs)
    {
        // Equal attack and release without hold, as set at reset: both followers are plain
        // one-pole filters whatever the direction, and the branches can go. The result is the
        // same to the bit. The chunk's last sample is left to the general loop below.
        for (; i < last; ++i)
        {
            const float u = std::fabs(src[i] + 1e-18f);
            e_f = e_f * kaf + u * caf;
            e_s = e_s * kas + u * cas;
            v = v * kv + (e_f - e_s) * sc;
            if (!(std::fabs(v) < quiet))
            {
                eval_trig(v, trig, event);
            }
        }
    }
    for (; i < n; ++i)
    {
        const float u = std::fabs(src[i] + 1e-18f);
        e_f = EnvFollowerCore::step(u, e_f, cnt_f, kaf, caf, krf, crf, hlf);
        e_s = EnvFollowerCore::step(u, e_s, cnt_s, kas, cas, krs, crs, hls);
        v = v * kv + (e_f - e_s) * sc;
        if (i < last && !(std::fabs(v) < quiet))
        {
            eval_trig(v, trig, event);
        }
    }
    _trig = trig;
    _detector = v;
    analyse_diff(event);
    // A decaying detector would otherwise end up on the smallest denormal for good.
    if (std::fpclassify(_detector) == FP_SUBNORMAL)
    {
        _detector = 0;
    }
    if (_density < 0.25f && event == -1)
    {
        event = 0;
    }

    fast.set_state(e_f, cnt_f);
    slow.set_state(e_s, cnt_s);
    fast.clear_denormal();
    slow.clear_denormal();
    _pos += n;
}

void EventGenerator::analyse_diff(int& event)
{
    eval_trig(_detector, _trig, event);
}

} // namespace dsp

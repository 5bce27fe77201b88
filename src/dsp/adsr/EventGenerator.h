#pragma once

#include "dsp/adsr/EnvFollowerPeak.h"
#include "dsp/adsr/EventGeneratorDesc.h"
#include "zun/piapi/ParamProcSimple.h"
#include "zun/piapi/ParamStateSet.h"
#include "zun/piapi/PluginInterface.h"
#include "zun/util/NotificationFlag.h"
#include "zun/util/NotificationFlagCascadeSingle.h"

#include <cstdint>

namespace dsp
{

// Watches the first input channel for transients: a fast and a slow peak envelope, their
// smoothed difference, and a trigger state with hysteresis. Each processing call reports one
// event to every registered listener: +1 when a transient starts, -1 when the level falls away,
// 0 otherwise. Audio thread only.
class EventGenerator : public zun::piapi::PluginInterface
{
public:
    static constexpr int MAX_NBR_LISTENERS = 8;

    enum Trig : int32_t
    {
        Trig_IDLE = 0,
        Trig_RAISED,
        Trig_FALLEN
    };

    class Listener
    {
    public:
        Listener() = default;
        Listener(const Listener&) = default;
        Listener& operator=(const Listener&) = default;
        virtual ~Listener() = default;

        void value_changed(float event) { do_value_changed(event); }

    protected:
        virtual void do_value_changed(float event) = 0;
    };

    EventGenerator();
    EventGenerator(const EventGenerator&) = delete;
    EventGenerator& operator=(const EventGenerator&) = delete;
    ~EventGenerator() override = default;

    // Slots outside 0..7 are ignored. Set-up only.
    void register_trig_event(Listener* listener, int slot);
    void unregister_trig_event(int slot);
    Listener* get_listener(int slot) const;

    const EventGeneratorDesc& get_param_desc() const { return _desc; }
    zun::piapi::ParamStateSet& get_param_state_set() { return _state_set; }

    void update_param(bool force);
    void clear_buffers();
    // Runs the detector over input channel 0; event receives the chunk's event.
    void process_active_block(ProcInfo& proc, int& event);
    // Trigger state evaluation on the current detector value; event changes only when the
    // state does.
    void analyse_diff(int& event);

    float get_detector_val() const { return _detector; }
    // For analysis tools: the next analyse_diff evaluates v.
    void set_detector_val(float v) { _detector = v; }
    int get_trig_state() const { return _trig; }
    float get_sensitivity() const { return _sensitivity; }
    float get_density() const { return _density; }
    float get_smooth_coef() const { return _smooth_coef; }

protected:
    int do_get_state() const override { return _state; }
    double do_get_param_val(zun::piapi::ParamCateg categ, int note, int index) const override;
    int do_reset(double sample_freq, int max_block_len, int& latency) override;
    void do_clean_quick() override {}
    void do_process_block(ProcInfo& proc) override;

private:
    inline void eval_trig(float v, int32_t& trig, int& event) const noexcept
    {
        if (v > _thr_raise)
        {
            if (trig != Trig_RAISED)
            {
                trig = Trig_RAISED;
                event = 1;
            }
        }
        else if (v < _thr_raise_rls && trig == Trig_RAISED)
        {
            trig = Trig_IDLE;
        }

        if (v < _thr_fall)
        {
            if (trig != Trig_FALLEN)
            {
                trig = Trig_FALLEN;
                event = -1;
            }
        }
        else if (v > _thr_fall_rls && trig == Trig_FALLEN)
        {
            trig = Trig_IDLE;
        }
    }

    int _state = State_CREATED;
    EventGeneratorDesc _desc;
    zun::piapi::ParamStateSet _state_set;
    zun::piapi::ParamProcSimple _proc;
    zun::util::NotificationFlag _flag;
    zun::util::NotificationFlagCascadeSingle _flag_param;
    Listener* _listener_arr[MAX_NBR_LISTENERS] = {};
    EnvFollowerPeak _fast;
    EnvFollowerPeak _slow;
    int64_t _pos = 0;
    float _sample_freq = 44100;
    float _sensitivity = 1.0f;
    float _density = 0;
    int32_t _trig = Trig_IDLE;
    float _detector = 0;
    float _smooth_coef = 1.0f;
    float _thr_raise = 0.12f;
    float _thr_raise_rls = 0.08f;
    float _thr_fall = -0.08f;
    float _thr_fall_rls = -0.05f;
};

} // namespace dsp

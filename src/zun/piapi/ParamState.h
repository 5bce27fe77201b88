#pragma once

#include "zun/dsp/InertiaLin.h"
#include "zun/param/ParamDescInterface.h"
#include "zun/util/NotificationFlagCascadeMulti.h"

namespace zun
{
namespace piapi
{

// Current normalised value (0..1) of one parameter, with an optional linear ramp and a notifier
// that signals every change. val_beg and val_end span the last processed block.
class ParamState
{
public:
    ParamState() = default;
    ParamState(const ParamState&) = default;
    ParamState& operator=(const ParamState&) = default;
    virtual ~ParamState() = default;

    void set_desc(const param::ParamDescInterface& desc) { _desc = &desc; }
    // set_desc must have been called.
    const param::ParamDescInterface& use_desc() const { return *_desc; }
    const param::ParamDescInterface* get_desc_ptr() const { return _desc; }

    void set_sample_freq(double fs);
    void set_ramp_time(double t);
    double get_ramp_time() const { return _ramp.get_inertia_time(); }

    // Out-of-range values are limited to 0..1 (NaN gives 0).
    void set_val(double nrm);
    void tick(int nbr_spl);
    // Moves to the target at once.
    void clear_buffers();

    bool is_ramping() const { return _val_beg != _val_end; }
    double get_val_beg() const { return _val_beg; }
    double get_val_end() const { return _val_end; }
    double get_val_tgt() const { return _ramp.get_target_val(); }

    util::ObservableInterface& use_notifier() { return _notifier; }
    const zun::dsp::InertiaLin& use_ramp() const { return _ramp; }

private:
    double _val_beg = 0;
    double _val_end = 0;
    zun::dsp::InertiaLin _ramp;
    util::NotificationFlagCascadeMulti _notifier;
    const param::ParamDescInterface* _desc = nullptr;
};

} // namespace piapi
} // namespace zun

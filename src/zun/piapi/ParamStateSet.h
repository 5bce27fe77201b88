#pragma once

#include "zun/mem/BitFieldSparse.h"
#include "zun/piapi/ParamCateg.h"
#include "zun/piapi/ParamDescSet.h"
#include "zun/piapi/ParamState.h"
#include "zun/util/ObserverInterface.h"

#include <vector>

namespace zun
{
namespace piapi
{

// Current values of all parameters of one category of a block. Only the states marked as
// changed are advanced by process_block. Sized by init(); nothing else allocates.
class ParamStateSet
{
public:
    ParamStateSet() = default;
    ParamStateSet(const ParamStateSet&) = default;
    ParamStateSet& operator=(const ParamStateSet&) = default;
    virtual ~ParamStateSet() = default;

    // Sizes the set to the descriptions of categ and points each state at its description.
    // States (values and observers) that exist already are kept, so that several users of one
    // shared set may each call it.
    void init(ParamCateg categ, const ParamDescSet& desc_set);
    // -1 until init.
    int get_categ() const { return _categ; }
    int get_nbr_param() const { return int(_state_arr.size()); }

    // Both move every state to its target and mark it changed, so that the next block applies
    // every parameter.
    void set_sample_freq(double fs);
    void clear_buffers();

    // Every ramping state signals, then every state jumps to its target.
    void set_steady_state();

    void set_ramp_time(int index, double t);

    // Invalid indexes are ignored.
    void set_val(int index, double nrm);
    void set_val_nat(const ParamDescSet& desc_set, int index, double nat);

    // Advances the changed states by nbr_spl frames and drops those that have settled.
    void process_block(int nbr_spl);

    // Natural values through each state's description; 0 for an invalid index, the normalised
    // value when the state has no description.
    double get_val_beg_nat(int index) const;
    double get_val_end_nat(int index) const;
    double get_val_tgt_nat(int index) const;

    // index must be valid.
    ParamState& use_state(int index) { return _state_arr[size_t(index)]; }
    const ParamState& use_state(int index) const { return _state_arr[size_t(index)]; }

    // Registration happens during set-up only: it may allocate. Invalid indexes are ignored.
    void add_observer(int index, util::ObserverInterface& observer);
    void remove_observer(int index, util::ObserverInterface& observer);

    const mem::BitFieldSparse& use_changed() const { return _changed; }

private:
    bool is_valid(int index) const { return index >= 0 && index < int(_state_arr.size()); }
    double conv_nrm_to_nat(int index, double nrm) const;

    int _categ = -1;
    std::vector<ParamState> _state_arr;
    mem::BitFieldSparse _changed;
};

} // namespace piapi
} // namespace zun

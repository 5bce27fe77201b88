#pragma once

#include "zun/param/ParamDescInterface.h"
#include "zun/piapi/ParamCateg.h"

#include <array>
#include <memory>
#include <vector>

namespace zun
{
namespace piapi
{

// The parameter descriptions of one block, one list of slots per category, filled once by the
// block's descriptor.
class ParamDescSet
{
public:
    ParamDescSet(int nbr_glob, int nbr_notes);
    ParamDescSet(const ParamDescSet&) = default;
    ParamDescSet& operator=(const ParamDescSet&) = default;
    virtual ~ParamDescSet() = default;

    // Takes ownership of desc (also when the slot is invalid, in which case desc is deleted)
    // and replaces what the slot held. Every call counts towards is_ready().
    void add(ParamCateg categ, int index, param::ParamDescInterface* desc);
    void add_glob(int index, param::ParamDescInterface* desc) { add(ParamCateg_GLOBAL, index, desc); }
    void add_note(int index, param::ParamDescInterface* desc) { add(ParamCateg_NOTE, index, desc); }

    bool is_ready() const { return _nbr_remaining == 0; }
    int get_nbr_remaining() const { return _nbr_remaining; }
    int get_nbr_param(ParamCateg categ) const;

    // The slot must be filled.
    const param::ParamDescInterface& use_param(ParamCateg categ, int index) const;
    // Null for an empty or invalid slot.
    const param::ParamDescInterface* get_param_ptr(ParamCateg categ, int index) const;

private:
    bool is_valid(ParamCateg categ, int index) const;

    std::array<std::vector<std::shared_ptr<param::ParamDescInterface>>, ParamCateg_NBR_ELT> _slot_arr;
    int _nbr_remaining = 0;
};

} // namespace piapi
} // namespace zun

#include "zun/piapi/ParamDescSet.h"

#include <algorithm>
#include <cassert>

namespace zun
{
namespace piapi
{

ParamDescSet::ParamDescSet(int nbr_glob, int nbr_notes)
{
    _slot_arr[ParamCateg_GLOBAL].resize(size_t(std::max(nbr_glob, 0)));
    _slot_arr[ParamCateg_NOTE].resize(size_t(std::max(nbr_notes, 0)));
    _nbr_remaining = int(_slot_arr[ParamCateg_GLOBAL].size() + _slot_arr[ParamCateg_NOTE].size());
}

void ParamDescSet::add(ParamCateg categ, int index, param::ParamDescInterface* desc)
{
    std::shared_ptr<param::ParamDescInterface> owner(desc);
    if (!is_valid(categ, index))
    {
        return;
    }
    _slot_arr[categ][size_t(index)] = std::move(owner);
    --_nbr_remaining;
}

int ParamDescSet::get_nbr_param(ParamCateg categ) const
{
    if (categ < 0 || categ >= ParamCateg_NBR_ELT)
    {
        return 0;
    }
    return int(_slot_arr[categ].size());
}

const param::ParamDescInterface& ParamDescSet::use_param(ParamCateg categ, int index) const
{
    const param::ParamDescInterface* desc = get_param_ptr(categ, index);
    assert(desc != nullptr);
    return *desc;
}

const param::ParamDescInterface* ParamDescSet::get_param_ptr(ParamCateg categ, int index) const
{
    if (!is_valid(categ, index))
    {
        return nullptr;
    }
    return _slot_arr[categ][size_t(index)].get();
}

bool ParamDescSet::is_valid(ParamCateg categ, int index) const
{
    return categ >= 0 && categ < ParamCateg_NBR_ELT && index >= 0 && index < int(_slot_arr[categ].size());
}

} // namespace piapi
} // namespace zun

#pragma once

#include "zun/param/Tools.h"

namespace zun
{
namespace param
{

template <class M>
TplMapped<M>::TplMapped(double val_min, double val_max, const char* name, const char* unit,
                        HelperDispNum::Preset preset, int index, const char* format)
    : _val_min(val_min), _val_max(val_max), _index(index), _name(Tools::print_name_index(name, index)),
      _unit((unit != nullptr) ? unit : "")
{
    _disp_num.set_preset(preset);
    _disp_num.set_range(val_min, val_max);
    _disp_num.set_print_format(format);
    _mapper.config(val_min, val_max);
}

template <class M>
std::string TplMapped<M>::do_get_name(int len) const
{
    return Tools::get_name_fit(_name, len);
}

template <class M>
std::string TplMapped<M>::do_get_unit(int len) const
{
    return Tools::get_name_fit(_unit, len);
}

template <class M>
std::string TplMapped<M>::do_conv_nat_to_str(double nat, int len) const
{
    return _disp_num.conv_to_str(nat, Tools::limit_text_len(len));
}

template <class M>
bool TplMapped<M>::do_conv_str_to_nat(double& nat, const std::string& txt) const
{
    return _disp_num.conv_from_str(txt.c_str(), nat) == 0;
}

template <class M>
double TplMapped<M>::do_conv_nrm_to_nat(double nrm) const
{
    return Tools::limit_nat(_mapper.conv_norm_to_nat(nrm), _val_min, _val_max);
}

template <class M>
double TplMapped<M>::do_conv_nat_to_nrm(double nat) const
{
    return _mapper.conv_nat_to_norm(nat);
}

template <class M>
double TplMapped<M>::do_conv_nat_to_modulated(double nat, double mod) const
{
    return Tools::conv_nat_to_modulated(nat, mod, _categ, _val_min, _val_max);
}

} // namespace param
} // namespace zun

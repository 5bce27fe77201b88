#include "zun/param/TplLin.h"

#include "zun/param/Tools.h"

namespace zun
{
namespace param
{

TplLin::TplLin(double val_min, double val_max, const char* name, const char* unit, int index,
               const char* format)
    : _val_min(val_min), _val_max(val_max), _index(index), _name(Tools::print_name_index(name, index)),
      _unit((unit != nullptr) ? unit : "")
{
    _disp_num.set_preset(HelperDispNum::Preset_FLOAT_STD);
    _disp_num.set_range(val_min, val_max);
    _disp_num.set_print_format(format);
}

std::string TplLin::do_get_name(int len) const
{
    return Tools::get_name_fit(_name, len);
}

std::string TplLin::do_get_unit(int len) const
{
    return Tools::get_name_fit(_unit, len);
}

std::string TplLin::do_conv_nat_to_str(double nat, int len) const
{
    return _disp_num.conv_to_str(nat, Tools::limit_text_len(len));
}

bool TplLin::do_conv_str_to_nat(double& nat, const std::string& txt) const
{
    return _disp_num.conv_from_str(txt.c_str(), nat) == 0;
}

double TplLin::do_conv_nrm_to_nat(double nrm) const
{
    return _val_min + (_val_max - _val_min) * nrm;
}

double TplLin::do_conv_nat_to_nrm(double nat) const
{
    const double dif = _val_max - _val_min;
    return (dif != 0) ? (nat - _val_min) / dif : 0;
}

double TplLin::do_conv_nat_to_modulated(double nat, double mod) const
{
    return Tools::conv_nat_to_modulated(nat, mod, _categ, _val_min, _val_max);
}

} // namespace param
} // namespace zun

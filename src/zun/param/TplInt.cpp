#include "zun/param/TplInt.h"

#include "zun/param/Tools.h"

#include <cmath>

namespace zun
{
namespace param
{

TplInt::TplInt(int val_min, int val_max, const char* name, const char* unit, int index, const char* format)
    : _val_min(val_min), _val_max(val_max), _index(index), _name(Tools::print_name_index(name, index)),
      _unit((unit != nullptr) ? unit : "")
{
    _disp_num.set_preset(HelperDispNum::Preset_INT);
    _disp_num.set_range(_val_min, _val_max);
    _disp_num.set_print_format(format);
}

std::string TplInt::do_get_name(int len) const
{
    return Tools::get_name_fit(_name, len);
}

std::string TplInt::do_get_unit(int len) const
{
    return Tools::get_name_fit(_unit, len);
}

std::string TplInt::do_conv_nat_to_str(double nat, int len) const
{
    return _disp_num.conv_to_str(std::floor(nat + 0.5), Tools::limit_text_len(len));
}

bool TplInt::do_conv_str_to_nat(double& nat, const std::string& txt) const
{
    double val = 0;
    if (_disp_num.conv_from_str(txt.c_str(), val) != 0)
    {
        nat = _val_min;
        return false;
    }
    nat = std::floor(val + 0.5);
    return true;
}

double TplInt::do_conv_nrm_to_nat(double nrm) const
{
    return std::floor((_val_max - _val_min) * nrm + 0.5) + _val_min;
}

double TplInt::do_conv_nat_to_nrm(double nat) const
{
    const double dif = _val_max - _val_min;
    return (dif != 0) ? std::floor(nat - _val_min + 0.5) / dif : 0;
}

double TplInt::do_conv_nat_to_modulated(double nat, double mod) const
{
    return Tools::conv_nat_to_modulated(nat, mod, Categ_UNDEFINED, _val_min, _val_max);
}

} // namespace param
} // namespace zun

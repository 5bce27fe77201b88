#pragma once

#include "zun/param/HelperDispNum.h"
#include "zun/param/ParamDescInterface.h"

#include <string>

namespace zun
{
namespace param
{

// Continuous parameter with a linear mapping: nat = min + (max - min) * nrm, not limited.
class TplLin : public ParamDescInterface
{
public:
    // name may hold integer conversions ("%d"), each receiving index.
    TplLin(double val_min, double val_max, const char* name, const char* unit, int index, const char* format);

    void set_categ(Categ categ) { _categ = categ; }
    void set_flags(int flags) { _flags = flags; }
    HelperDispNum& use_disp_num() { return _disp_num; }
    const HelperDispNum& use_disp_num() const { return _disp_num; }
    int get_index() const { return _index; }

protected:
    std::string do_get_name(int len) const override;
    std::string do_get_unit(int len) const override;
    int do_get_range() const override { return Range_CONTINUOUS; }
    int do_get_categ() const override { return _categ; }
    int do_get_flags() const override { return _flags; }
    double do_get_nat_min() const override { return _val_min; }
    double do_get_nat_max() const override { return _val_max; }
    std::string do_conv_nat_to_str(double nat, int len) const override;
    bool do_conv_str_to_nat(double& nat, const std::string& txt) const override;
    double do_conv_nrm_to_nat(double nrm) const override;
    double do_conv_nat_to_nrm(double nat) const override;
    double do_conv_nat_to_modulated(double nat, double mod) const override;

private:
    HelperDispNum _disp_num;
    double _val_min;
    double _val_max;
    int _index;
    std::string _name;
    std::string _unit;
    int _categ = Categ_UNDEFINED;
    int _flags = 0;
};

} // namespace param
} // namespace zun

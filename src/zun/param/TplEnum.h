#pragma once

#include "zun/param/ParamDescInterface.h"
#include "zun/txt/PrintfFormat.h"

#include <string>
#include <vector>

namespace zun
{
namespace param
{

// Discrete parameter choosing one item of a list; the natural value is the item index.
class TplEnum : public ParamDescInterface
{
public:
    // list: the items separated by line feeds. format: one "%s" conversion (flags, width and
    // precision allowed) applied to an item; any other format counts as "%s".
    TplEnum(const char* list, const char* name, const char* unit, int index, const char* format);

    void set_flags(int flags) { _flags = flags; }
    int get_nbr_items() const { return int(_item_list.size()); }
    const std::string& use_item(int idx) const { return _item_list[size_t(idx)]; }
    int get_index() const { return _index; }

protected:
    std::string do_get_name(int len) const override;
    std::string do_get_unit(int len) const override;
    int do_get_range() const override { return Range_DISCRETE; }
    int do_get_categ() const override { return Categ_UNDEFINED; }
    int do_get_flags() const override { return _flags; }
    double do_get_nat_min() const override { return 0; }
    double do_get_nat_max() const override;
    std::string do_conv_nat_to_str(double nat, int len) const override;
    // An item found anywhere in the text (any letter case; first in list order) gives its index;
    // otherwise a decimal integer is read, and only 0..count-1 succeeds.
    bool do_conv_str_to_nat(double& nat, const std::string& txt) const override;
    double do_conv_nrm_to_nat(double nrm) const override;
    double do_conv_nat_to_nrm(double nat) const override;
    double do_conv_nat_to_modulated(double nat, double mod) const override;

private:
    std::vector<std::string> _item_list;
    txt::PrintfFormat _print_conv;
    int _index;
    std::string _name;
    std::string _unit;
    int _flags = 0;
};

} // namespace param
} // namespace zun

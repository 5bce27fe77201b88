#include "zun/param/TplEnum.h"

#include "zun/param/Tools.h"
#include "zun/txt/Utf8Seq.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace zun
{
namespace param
{

namespace
{

char to_lower_ascii(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool contains_nocase(const std::string& txt, const std::string& item)
{
    if (item.empty() || item.size() > txt.size())
        return false;
    for (size_t pos = 0; pos + item.size() <= txt.size(); ++pos)
    {
        size_t k = 0;
        while (k < item.size() && to_lower_ascii(txt[pos + k]) == to_lower_ascii(item[k]))
            ++k;
        if (k == item.size())
            return true;
    }
    return false;
}

} // namespace

TplEnum::TplEnum(const char* list, const char* name, const char* unit, int index, const char* format)
    : _index(index), _name(Tools::print_name_index(name, index)), _unit((unit != nullptr) ? unit : "")
{
    if (list != nullptr)
    {
        std::string item;
        for (const char* p = list;; ++p)
        {
            if (*p == '\n' || *p == '\0')
            {
                _item_list.push_back(item);
                item.clear();
                if (*p == '\0')
                    break;
            }
            else
                item += *p;
        }
    }
    if (format == nullptr || !_print_conv.parse_format(format, txt::PrintfFormat::Kind_STRING))
        _print_conv.parse_format("%s", txt::PrintfFormat::Kind_STRING);
}

std::string TplEnum::do_get_name(int len) const
{
    return Tools::get_name_fit(_name, len);
}

std::string TplEnum::do_get_unit(int len) const
{
    return Tools::get_name_fit(_unit, len);
}

double TplEnum::do_get_nat_max() const
{
    return (_item_list.size() > 1) ? double(_item_list.size() - 1) : 0;
}

std::string TplEnum::do_conv_nat_to_str(double nat, int len) const
{
    if (_item_list.empty())
        return std::string();
    const double idx = Tools::limit_nat(std::floor(nat + 0.5), 0, do_get_nat_max());
    const std::string txt = _print_conv.format_string(_item_list[size_t(idx)]);
    return txt::Utf8Seq::cut_bytes(txt, size_t(Tools::limit_text_len(len)));
}

bool TplEnum::do_conv_str_to_nat(double& nat, const std::string& txt) const
{
    // An item that is the whole text comes first: otherwise an item holding an earlier one
    // ("Cubic Inv" holds "Cubic") could never be read back from its own display.
    const size_t first = txt.find_first_not_of(" \t");
    const size_t last = txt.find_last_not_of(" \t");
    const std::string trimmed =
        first == std::string::npos ? std::string() : txt.substr(first, last - first + 1);
    for (size_t idx = 0; idx < _item_list.size(); ++idx)
    {
        if (_item_list[idx].size() == trimmed.size() && contains_nocase(trimmed, _item_list[idx]))
        {
            nat = double(idx);
            return true;
        }
    }
    for (size_t idx = 0; idx < _item_list.size(); ++idx)
    {
        if (contains_nocase(txt, _item_list[idx]))
        {
            nat = double(idx);
            return true;
        }
    }
    const char* beg = txt.c_str();
    char* end = nullptr;
    errno = 0;
    const long val = std::strtol(beg, &end, 10);
    if (end == beg || errno == ERANGE)
        return false;
    nat = double(val);
    return val >= 0 && size_t(val) < _item_list.size();
}

double TplEnum::do_conv_nrm_to_nat(double nrm) const
{
    // A single item has no mapping to speak of: everything maps to it.
    if (_item_list.size() < 2)
        return 0;
    return std::floor(double(_item_list.size() - 1) * nrm + 0.5);
}

double TplEnum::do_conv_nat_to_nrm(double nat) const
{
    if (_item_list.size() < 2)
        return 0;
    return std::floor(nat + 0.5) / double(_item_list.size() - 1);
}

double TplEnum::do_conv_nat_to_modulated(double nat, double mod) const
{
    return Tools::limit_nat(nat + mod, 0, do_get_nat_max());
}

} // namespace param
} // namespace zun

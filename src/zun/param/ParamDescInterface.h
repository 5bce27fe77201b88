#pragma once

#include <string>

namespace zun
{
namespace param
{

// Everything about one parameter but its value: names, range, mapping between the normalised
// value and the natural one, and text display and entry. Immutable once built; read from any
// thread.
class ParamDescInterface
{
public:
    enum Categ
    {
        Categ_UNDEFINED = 0,
        Categ_TIME_S = 1,
        Categ_FREQ_CUTOFF = 3,
        Categ_TIME_BEATS = 4
    };

    enum Range
    {
        Range_CONTINUOUS = 0,
        Range_DISCRETE = 1
    };

    enum Flags
    {
        Flags_AUTOLOCK = 4, // never restored by a patch load
        Flags_GLOBAL = 8    // restored only with the host state
    };

    ParamDescInterface() = default;
    ParamDescInterface(const ParamDescInterface&) = default;
    ParamDescInterface& operator=(const ParamDescInterface&) = default;
    virtual ~ParamDescInterface() = default;

    // len 0 gives the whole multi-line text; otherwise the line that fits best in len characters.
    std::string get_name(int len) const { return do_get_name(len); }
    std::string get_unit(int len) const { return do_get_unit(len); }
    int get_range() const { return do_get_range(); }
    int get_categ() const { return do_get_categ(); }
    int get_flags() const { return do_get_flags(); }
    double get_nat_min() const { return do_get_nat_min(); }
    double get_nat_max() const { return do_get_nat_max(); }
    std::string conv_nat_to_str(double nat, int len) const { return do_conv_nat_to_str(nat, len); }
    bool conv_str_to_nat(double& nat, const std::string& txt) const { return do_conv_str_to_nat(nat, txt); }
    double conv_nrm_to_nat(double nrm) const { return do_conv_nrm_to_nat(nrm); }
    double conv_nat_to_nrm(double nat) const { return do_conv_nat_to_nrm(nat); }
    double conv_nat_to_modulated(double nat, double mod) const { return do_conv_nat_to_modulated(nat, mod); }

protected:
    virtual std::string do_get_name(int len) const = 0;
    virtual std::string do_get_unit(int len) const = 0;
    virtual int do_get_range() const = 0;
    virtual int do_get_categ() const = 0;
    virtual int do_get_flags() const = 0;
    virtual double do_get_nat_min() const = 0;
    virtual double do_get_nat_max() const = 0;
    virtual std::string do_conv_nat_to_str(double nat, int len) const = 0;
    virtual bool do_conv_str_to_nat(double& nat, const std::string& txt) const = 0;
    virtual double do_conv_nrm_to_nat(double nrm) const = 0;
    virtual double do_conv_nat_to_nrm(double nat) const = 0;
    virtual double do_conv_nat_to_modulated(double nat, double mod) const = 0;
};

} // namespace param
} // namespace zun

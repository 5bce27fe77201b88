#pragma once

#include "zun/param/ParamDescInterface.h"

#include <string>

namespace test
{

// Linear min..max description for tests; counts live instances to check ownership.
class TestDesc : public zun::param::ParamDescInterface
{
public:
    explicit TestDesc(double nat_min = 0, double nat_max = 1, int* live_cnt = nullptr)
        : _nat_min(nat_min), _nat_max(nat_max), _live_cnt(live_cnt)
    {
        if (_live_cnt != nullptr)
        {
            ++*_live_cnt;
        }
    }
    ~TestDesc() override
    {
        if (_live_cnt != nullptr)
        {
            --*_live_cnt;
        }
    }
    TestDesc(const TestDesc&) = delete;
    TestDesc& operator=(const TestDesc&) = delete;

protected:
    std::string do_get_name(int) const override { return "Test"; }
    std::string do_get_unit(int) const override { return ""; }
    int do_get_range() const override { return Range_CONTINUOUS; }
    int do_get_categ() const override { return Categ_UNDEFINED; }
    int do_get_flags() const override { return 0; }
    double do_get_nat_min() const override { return _nat_min; }
    double do_get_nat_max() const override { return _nat_max; }
    std::string do_conv_nat_to_str(double nat, int) const override { return std::to_string(nat); }
    bool do_conv_str_to_nat(double& nat, const std::string& txt) const override
    {
        nat = std::stod(txt);
        return true;
    }
    double do_conv_nrm_to_nat(double nrm) const override { return _nat_min + nrm * (_nat_max - _nat_min); }
    double do_conv_nat_to_nrm(double nat) const override { return (nat - _nat_min) / (_nat_max - _nat_min); }
    double do_conv_nat_to_modulated(double nat, double mod) const override
    {
        return do_conv_nrm_to_nat(do_conv_nat_to_nrm(nat) + mod);
    }

private:
    double _nat_min;
    double _nat_max;
    int* _live_cnt;
};

} // namespace test

#include "zun/piapi/ParamStateSet.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace
{

class BenchDesc : public zun::param::ParamDescInterface
{
protected:
    std::string do_get_name(int) const override { return "B"; }
    std::string do_get_unit(int) const override { return ""; }
    int do_get_range() const override { return Range_CONTINUOUS; }
    int do_get_categ() const override { return Categ_UNDEFINED; }
    int do_get_flags() const override { return 0; }
    double do_get_nat_min() const override { return 0; }
    double do_get_nat_max() const override { return 1; }
    std::string do_conv_nat_to_str(double, int) const override { return ""; }
    bool do_conv_str_to_nat(double&, const std::string&) const override { return false; }
    double do_conv_nrm_to_nat(double nrm) const override { return nrm; }
    double do_conv_nat_to_nrm(double nat) const override { return nat; }
    double do_conv_nat_to_modulated(double nat, double mod) const override { return nat + mod; }
};

// One chunk of the shared modulator set: a few parameter events, then the advance.
void BM_ParamStateSet_chunk(benchmark::State& st)
{
    const int nbr_param = 592;
    const int nbr_changed = int(st.range(0));
    zun::piapi::ParamDescSet desc(nbr_param, 0);
    for (int i = 0; i < nbr_param; ++i)
    {
        desc.add_glob(i, new BenchDesc);
    }
    zun::piapi::ParamStateSet set;
    set.init(zun::piapi::ParamCateg_GLOBAL, desc);
    set.set_sample_freq(48000);
    set.process_block(256);
    float v = 0;
    for (auto _ : st)
    {
        v = (v > 0.5f) ? 0.f : v + 0.01f;
        for (int k = 0; k < nbr_changed; ++k)
        {
            set.set_val((k * 37) % nbr_param, v);
        }
        set.process_block(256);
        benchmark::DoNotOptimize(set.use_state(0).get_val_end());
    }
}
BENCHMARK(BM_ParamStateSet_chunk)->Arg(0)->Arg(4)->Arg(592);

} // namespace

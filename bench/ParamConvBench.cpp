#include "zun/param/MapLog.h"
#include "zun/param/MapPiecewiseLinLog.h"
#include "zun/param/MapPseudoExp.h"
#include "zun/param/TplEnum.h"
#include "zun/param/TplLin.h"
#include "zun/param/TplMapped.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace zun::param;

namespace
{

// The engine converts every modulated control once per chunk, through the interface.
template <class D>
void run_nrm_to_nat(benchmark::State& state, const D& desc)
{
    const ParamDescInterface& d = desc;
    double nrm = 0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(d.conv_nrm_to_nat(nrm));
        nrm += 0.0009765625;
        if (nrm > 1)
            nrm = 0;
    }
}

template <class D>
void run_nat_to_nrm(benchmark::State& state, const D& desc)
{
    const ParamDescInterface& d = desc;
    const double val_min = d.get_nat_min();
    const double step = (d.get_nat_max() - val_min) / 1024;
    double nat = val_min;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(d.conv_nat_to_nrm(nat));
        nat += step;
        if (nat > d.get_nat_max())
            nat = val_min;
    }
}

TplMapped<MapPiecewiseLinLog> make_gain()
{
    TplMapped<MapPiecewiseLinLog> desc(0, 4, "Gain input amount\nIN", "dB", HelperDispNum::Preset_DB, 0,
                                       "%+5.1f");
    desc.use_mapper().gen_log(8, 2.0);
    return desc;
}

TplMapped<MapPiecewiseLinLog> make_cutoff()
{
    TplMapped<MapPiecewiseLinLog> desc(40, 10240, "Cutoff Frequency\nCutoff", "Hz",
                                       HelperDispNum::Preset_FLOAT_STD, 0, "%5.0f");
    desc.use_mapper().gen_log(5, 2.0);
    return desc;
}

const TplMapped<MapLog> period(0.01, 100, "Mod %d Period \nPeriod", "ms", HelperDispNum::Preset_FLOAT_MILLI,
                               1, "%7.1f");
const TplMapped<MapPseudoExp> delay(-50, 50, "Band Delay Time\nBand Delay", "ms",
                                    HelperDispNum::Preset_FLOAT_STD, 0, "%+5.1f");
const TplMapped<MapPiecewiseLinLog> gain = make_gain();
const TplMapped<MapPiecewiseLinLog> cutoff = make_cutoff();
const TplLin width(1, 5, "Band Spacing Amount\nBand Width", "", 0, "%+5.1f");

void BM_NrmToNat_Lin(benchmark::State& state)
{
    run_nrm_to_nat(state, width);
}
void BM_NrmToNat_Log(benchmark::State& state)
{
    run_nrm_to_nat(state, period);
}
void BM_NrmToNat_PseudoExp(benchmark::State& state)
{
    run_nrm_to_nat(state, delay);
}
void BM_NrmToNat_PiecewiseGain(benchmark::State& state)
{
    run_nrm_to_nat(state, gain);
}
void BM_NrmToNat_PiecewiseCutoff(benchmark::State& state)
{
    run_nrm_to_nat(state, cutoff);
}
void BM_NatToNrm_Log(benchmark::State& state)
{
    run_nat_to_nrm(state, period);
}
void BM_NatToNrm_PseudoExp(benchmark::State& state)
{
    run_nat_to_nrm(state, delay);
}
void BM_NatToNrm_PiecewiseGain(benchmark::State& state)
{
    run_nat_to_nrm(state, gain);
}
void BM_NatToNrm_PiecewiseCutoff(benchmark::State& state)
{
    run_nat_to_nrm(state, cutoff);
}

void BM_NatToStr_Db(benchmark::State& state)
{
    const ParamDescInterface& d = gain;
    double nat = 0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(d.conv_nat_to_str(nat, 124));
        nat += 0.004;
        if (nat > 4)
            nat = 0;
    }
}

void BM_NatToStr_Note(benchmark::State& state)
{
    const TplMapped<MapLog> freq(20, 20000, "Freq", "", HelperDispNum::Preset_FREQ_NOTE, 0, "%f");
    const ParamDescInterface& d = freq;
    double nat = 20;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(d.conv_nat_to_str(nat, 124));
        nat *= 1.01;
        if (nat > 20000)
            nat = 20;
    }
}

void BM_NatToStr_Enum(benchmark::State& state)
{
    const TplEnum wave(
        "Sine\nTriangle\nMSquare\nSaw\nParabola\nN-Phase\nBiphase\nVarislope\nNoise FLT1\nNoise "
        "FLT2\nStep Seq\nADSR\nEnv Follower",
        "Waveform\nMod %d Waveform", "", 1, "%s");
    const ParamDescInterface& d = wave;
    int idx = 0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(d.conv_nat_to_str(idx, 124));
        idx = (idx + 1) % 13;
    }
}

void BM_StrToNat_Db(benchmark::State& state)
{
    const ParamDescInterface& d = gain;
    const std::string txt = " -6.0";
    double nat = 0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(d.conv_str_to_nat(nat, txt));
        benchmark::DoNotOptimize(nat);
    }
}

} // namespace

BENCHMARK(BM_NrmToNat_Lin);
BENCHMARK(BM_NrmToNat_Log);
BENCHMARK(BM_NrmToNat_PseudoExp);
BENCHMARK(BM_NrmToNat_PiecewiseGain);
BENCHMARK(BM_NrmToNat_PiecewiseCutoff);
BENCHMARK(BM_NatToNrm_Log);
BENCHMARK(BM_NatToNrm_PseudoExp);
BENCHMARK(BM_NatToNrm_PiecewiseGain);
BENCHMARK(BM_NatToNrm_PiecewiseCutoff);
BENCHMARK(BM_NatToStr_Db);
BENCHMARK(BM_NatToStr_Note);
BENCHMARK(BM_NatToStr_Enum);
BENCHMARK(BM_StrToNat_Db);

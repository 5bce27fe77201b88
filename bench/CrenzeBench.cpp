// The filter effect's process_block over 48 kHz stereo in 256-frame chunks. "rt" is the
// realtime factor: seconds of audio processed per CPU second.

#include "dsp/CrenzeDesc.h"
#include "dsp/CrenzeDsp.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <utility>
#include <vector>

namespace
{

const double FS = 48000;
const int CHUNK = 256;
const int NBR_CHUNKS = 16;

struct Setting
{
    int index;
    double nat;
};

void run_crenze(benchmark::State& state, const std::vector<Setting>& settings)
{
    auto fx = std::make_unique<dsp::CrenzeDsp>();
    fx->update_io_stereo_flags(true, true);
    int latency = 0;
    fx->reset(FS, CHUNK, latency);

    std::mt19937 gen(1);
    std::uniform_real_distribution<float> dist(-0.5f, 0.5f);
    const size_t len = size_t(CHUNK) * NBR_CHUNKS;
    std::vector<float> in[2] = {std::vector<float>(len), std::vector<float>(len)};
    for (auto& chn : in)
    {
        for (float& v : chn)
        {
            v = dist(gen);
        }
    }
    std::vector<float> out[2] = {std::vector<float>(CHUNK), std::vector<float>(CHUNK)};

    std::vector<zun::piapi::EventTs> evt;
    for (const Setting& s : settings)
    {
        const auto& desc = fx->get_param_desc().get_param_info(zun::piapi::ParamCateg_GLOBAL, s.index);
        evt.push_back(zun::piapi::EventTs::make_param(s.index, float(desc.conv_nat_to_nrm(s.nat))));
    }
    std::vector<const zun::piapi::EventTs*> evt_ptr;
    for (const auto& e : evt)
    {
        evt_ptr.push_back(&e);
    }

    zun::piapi::PluginInterface::ProcInfo proc;
    float* dst[2] = {out[0].data(), out[1].data()};
    const float* src[2] = {nullptr, nullptr};
    proc.dst_arr = dst;
    proc.src_arr = src;
    proc.nbr_chn_in = 2;
    proc.nbr_chn_out = 2;
    proc.nbr_spl = CHUNK;
    proc.evt_arr = evt_ptr.data();
    proc.nbr_evt = int(evt_ptr.size());
    src[0] = in[0].data();
    src[1] = in[1].data();
    fx->clean_quick();
    fx->process_block(proc);
    proc.nbr_evt = 0;

    int chunk = 0;
    for (auto _ : state)
    {
        src[0] = in[0].data() + chunk * CHUNK;
        src[1] = in[1].data() + chunk * CHUNK;
        fx->process_block(proc);
        benchmark::DoNotOptimize(out[0].data());
        benchmark::DoNotOptimize(out[1].data());
        chunk = (chunk + 1) % NBR_CHUNKS;
    }
    state.counters["rt"] =
        benchmark::Counter(double(state.iterations()) * CHUNK / FS, benchmark::Counter::kIsRate);
}

void BM_CrenzeDefaults(benchmark::State& state)
{
    run_crenze(state, {});
}

// 15 bands (cutoff low enough that all fit), with a band delay.
const std::vector<Setting> sixteen_bands = {{dsp::CrenzeDesc::Param_BAND_COUNT, 16},
                                            {dsp::CrenzeDesc::Param_BAND_WIDTH, 1.5},
                                            {dsp::CrenzeDesc::Param_CUTOFF, 200},
                                            {dsp::CrenzeDesc::Param_BAND_DELAY, 10}};

void BM_Crenze16Bands(benchmark::State& state)
{
    run_crenze(state, sixteen_bands);
}

void BM_Crenze16BandsPre(benchmark::State& state)
{
    std::vector<Setting> s = sixteen_bands;
    s.push_back({dsp::CrenzeDesc::Param_DISTO_ROUTING, 0});
    run_crenze(state, s);
}

BENCHMARK(BM_CrenzeDefaults);
BENCHMARK(BM_Crenze16Bands);
BENCHMARK(BM_Crenze16BandsPre);

} // namespace

// Filter primitives, mixing routines and the band stage. "rt" is the realtime factor: seconds
// of audio processed per CPU second.

#include "dsp/Filter2p.h"
#include "dsp/FilterTapStage.h"
#include "zun/dsp/BasicMixingAlign.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

namespace
{

const float FS = 48000;
const long BLK = 64;

std::vector<float> make_noise(size_t n, unsigned seed)
{
    std::mt19937 gen(seed);
    std::uniform_real_distribution<float> dist(-0.5f, 0.5f);
    std::vector<float> v(n);
    for (auto& x : v)
    {
        x = dist(gen);
    }
    return v;
}

void set_rt(benchmark::State& state, double frames_per_iter)
{
    state.counters["rt"] = benchmark::Counter(double(state.iterations()) * frames_per_iter / double(FS),
                                              benchmark::Counter::kIsRate);
}

dsp::Filter2p make_bp(float freq, float q)
{
    dsp::Filter2p f;
    f.set_type(dsp::Filter2p::Type_BAND_PASS);
    f.set_sample_freq(FS);
    f.set_freq(freq);
    f.set_p2(q);
    f.update_eq();
    return f;
}

// One mono section over 64-frame blocks.
template <int MODE>
void BM_Biquad(benchmark::State& state)
{
    auto f = make_bp(1000, 4);
    const auto in = make_noise(BLK, 1);
    std::vector<float> out(BLK, 0.f);
    for (auto _ : state)
    {
        if (MODE == 0)
        {
            f.process_block(out.data(), in.data(), BLK);
        }
        else if (MODE == 1)
        {
            f.process_block_mix(out.data(), in.data(), BLK);
        }
        else
        {
            f.process_block_nd(out.data(), in.data(), BLK);
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    set_rt(state, BLK);
}
BENCHMARK_TEMPLATE(BM_Biquad, 0)->Name("Biquad/process_block");
BENCHMARK_TEMPLATE(BM_Biquad, 1)->Name("Biquad/process_block_mix");
BENCHMARK_TEMPLATE(BM_Biquad, 2)->Name("Biquad/process_block_nd");

void BM_Filter2p_update_eq(benchmark::State& state)
{
    auto f = make_bp(1000, 4);
    float freq = 1000;
    for (auto _ : state)
    {
        freq = (freq > 5000) ? 1000 : freq * 1.01f;
        f.set_freq(freq);
        f.update_eq();
        benchmark::DoNotOptimize(f.get_b(0));
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}
BENCHMARK(BM_Filter2p_update_eq);

void BM_MixAlign_copy_2_2(benchmark::State& state)
{
    zun::dsp::BasicMixingAlign::setup();
    alignas(16) float src[2][BLK];
    alignas(16) float dst[2][BLK];
    for (long i = 0; i < BLK; ++i)
    {
        src[0][i] = float(i);
        src[1][i] = -float(i);
    }
    for (auto _ : state)
    {
        zun::dsp::BasicMixingAlign::copy_2_2_v(dst[0], dst[1], src[0], src[1], BLK, 0.7f);
        benchmark::DoNotOptimize(&dst[0][0]);
        benchmark::ClobberMemory();
    }
    set_rt(state, BLK);
}
BENCHMARK(BM_MixAlign_copy_2_2);

class NullOwner : public dsp::FilterTapStage::Owner
{
protected:
    void do_set_wanted_harm_lpf_balance(double) override {}
    void do_fix_harm_lpf_balance() override {}
};

// The band stage as the effect runs it: a tick and a 64-frame block. Arguments: number of
// bands, stereo flag, band delay in ms.
void BM_FilterTapStage(benchmark::State& state)
{
    const int nbr_band = int(state.range(0));
    const bool stereo = state.range(1) != 0;
    NullOwner owner;
    auto stage = std::make_unique<dsp::FilterTapStage>();
    stage->init(owner);
    stage->set_stereo_flag(stereo);
    stage->set_sample_freq(FS);
    for (int j = 0; j < nbr_band; ++j)
    {
        stage->set_cutoff_freq(float(j + 1) * 2 * 700, j);
        stage->set_q(float(j + 1), j);
    }
    stage->set_nbr_active_band(nbr_band);
    stage->set_band_delay(float(state.range(2)));
    stage->set_harm_balance(0.7f);
    stage->clear_buffers();

    const size_t len = 64 * BLK;
    const auto in0 = make_noise(len, 2);
    const auto in1 = make_noise(len, 3);
    float out[2][BLK];
    float* dst[2] = {out[0], out[1]};
    size_t pos = 0;
    for (auto _ : state)
    {
        const float* src[2] = {in0.data() + pos, in1.data() + pos};
        stage->tick(BLK);
        stage->process_block(dst, src, BLK);
        benchmark::DoNotOptimize(&out[0][0]);
        pos = (pos + BLK) % len;
    }
    set_rt(state, BLK);
}
BENCHMARK(BM_FilterTapStage)
    ->ArgNames({"bands", "stereo", "delay_ms"})
    ->Args({15, 1, 0})
    ->Args({15, 1, 10})
    ->Args({15, 0, 0})
    ->Args({8, 1, 0})
    ->Args({4, 1, 0})
    ->Args({1, 1, 0});

// For comparison: the same 15 stereo bands filtered one by one with Filter2p.
void BM_PlainBands(benchmark::State& state)
{
    dsp::Filter2p f[2][15];
    for (auto& bank : f)
    {
        for (int j = 0; j < 15; ++j)
        {
            bank[j] = make_bp(float(j + 1) * 2 * 700, float(j + 1));
        }
    }
    const auto in = make_noise(BLK, 4);
    float out[2][BLK];
    for (auto _ : state)
    {
        for (int c = 0; c < 2; ++c)
        {
            f[c][0].process_block(out[c], in.data(), BLK);
            for (int j = 1; j < 15; ++j)
            {
                f[c][j].process_block_mix(out[c], in.data(), BLK);
            }
        }
        benchmark::DoNotOptimize(&out[0][0]);
        benchmark::ClobberMemory();
    }
    set_rt(state, BLK);
}
BENCHMARK(BM_PlainBands);

} // namespace

#include "dsp/LfoModule.h"
#include "dsp/LfoModuleDesc.h"
#include "dsp/adsr/EnvAdsr.h"
#include "dsp/adsr/EnvFollower.h"
#include "dsp/adsr/EventGenerator.h"
#include "zun/piapi/ParamStateSet.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

namespace
{

constexpr double bench_fs = 48000;
constexpr int bench_chunk = 256;
constexpr int nbr_slots = dsp::LfoModuleDesc::NBR_SLOTS;

enum class Input
{
    TONE, // decaying 110 Hz notes every quarter second
    NOISE // the same notes buried in white noise: the followers' branches turn unpredictable
};

std::vector<float> make_input(Input kind)
{
    std::vector<float> buf(48000);
    uint32_t rnd = 12345;
    for (size_t i = 0; i < buf.size(); ++i)
    {
        const double t_note = double(i % 12000) / bench_fs;
        double x = 0.5 * std::exp(-t_note * 12) * std::sin(2 * 3.14159265358979 * 110 * double(i) / bench_fs);
        if (kind == Input::NOISE)
        {
            rnd = rnd * 1664525u + 1013904223u;
            x += 0.2 * (double(rnd >> 8) / double(1 << 24) - 0.5);
        }
        buf[i] = float(x);
    }
    return buf;
}

enum class Part
{
    ALL,
    GEN,
    LFO,
    ADSR,
    FOLLOWER
};

// The sources of all eight slots as the engine runs them for one chunk: the event generator,
// then per slot the LFO tick, the envelope and the follower.
class Sources
{
public:
    explicit Sources(Input kind) : _input(make_input(kind))
    {
        for (int s = 0; s < nbr_slots; ++s)
        {
            _adsr_arr[s] = std::make_unique<dsp::EnvAdsr>(_states, _desc, _gen, s);
            _follower_arr[s] = std::make_unique<dsp::EnvFollower>(_states, _desc, s);
        }
        int latency = 0;
        _gen.reset(bench_fs, bench_chunk, latency);
        const dsp::LfoModule::Type type_arr[nbr_slots] = {
            dsp::LfoModule::Type_SINE,       dsp::LfoModule::Type_TRIANGLE,  dsp::LfoModule::Type_SAW,
            dsp::LfoModule::Type_N_PHASE,    dsp::LfoModule::Type_VARISLOPE, dsp::LfoModule::Type_NOISE_FLT1,
            dsp::LfoModule::Type_NOISE_FLT2, dsp::LfoModule::Type_STEP_SEQ};
        for (int s = 0; s < nbr_slots; ++s)
        {
            dsp::LfoModule& lfo = _lfo_arr[s];
            lfo.set_sample_freq(bench_fs);
            lfo.set_period(0.1 + 0.3 * s);
            lfo.set_chaos(0.3);
            lfo.set_phase_dist(0.4);
            lfo.set_variation(0, 0.5);
            lfo.set_variation(1, 0.5);
            lfo.set_snh(0.05);
            lfo.set_smooth(0.1);
            lfo.set_type(type_arr[s]);
            _adsr_arr[s]->reset(bench_fs, bench_chunk, latency);
            _follower_arr[s]->reset(bench_fs, bench_chunk, latency);
        }
        _src_arr[0] = nullptr;
        _proc.src_arr = _src_arr;
        _proc.dst_arr = _dst_arr;
        _proc.nbr_chn_in = 1;
        _proc.nbr_chn_out = 1;
        _proc.nbr_spl = bench_chunk;
    }

    // One chunk of the given sources; ALL is what the engine runs.
    float run_chunk(Part part)
    {
        _src_arr[0] = _input.data() + _pos;
        _dst_arr[0] = _out;
        _pos = (_pos + bench_chunk <= _input.size() - bench_chunk) ? _pos + bench_chunk : 0;
        if (part == Part::ALL || part == Part::GEN)
        {
            _gen.process_block(_proc);
        }
        float sum = 0;
        for (int s = 0; s < nbr_slots; ++s)
        {
            if (part == Part::ALL || part == Part::LFO)
            {
                _lfo_arr[s].tick(bench_chunk);
                sum += float(_lfo_arr[s].get_val());
            }
            if (part == Part::ALL || part == Part::ADSR)
            {
                _adsr_arr[s]->process_block(_proc);
                sum += _adsr_arr[s]->get_val();
            }
            if (part == Part::ALL || part == Part::FOLLOWER)
            {
                _follower_arr[s]->process_block(_proc);
                sum += _follower_arr[s]->get_val();
            }
        }
        return sum;
    }

private:
    std::vector<float> _input;
    size_t _pos = 0;
    dsp::LfoModuleDesc _desc;
    zun::piapi::ParamStateSet _states;
    dsp::EventGenerator _gen;
    dsp::LfoModule _lfo_arr[nbr_slots];
    std::unique_ptr<dsp::EnvAdsr> _adsr_arr[nbr_slots];
    std::unique_ptr<dsp::EnvFollower> _follower_arr[nbr_slots];
    const float* _src_arr[1];
    float* _dst_arr[1];
    float _out[bench_chunk] = {};
    zun::piapi::PluginInterface::ProcInfo _proc;
};

void bm_mod_sources(benchmark::State& state, Input kind, Part part)
{
    auto src = std::make_unique<Sources>(kind);
    float sum = 0;
    for (auto _ : state)
    {
        sum += src->run_chunk(part);
        benchmark::DoNotOptimize(sum);
    }
    // Seconds of audio run per second of CPU time.
    state.counters["realtime_factor"] =
        benchmark::Counter(double(state.iterations()) * bench_chunk / bench_fs, benchmark::Counter::kIsRate);
}

// The eight slots' sources with the event generator that drives their envelopes.
BENCHMARK_CAPTURE(bm_mod_sources, tone, Input::TONE, Part::ALL)->Name("ModSources/tone");
BENCHMARK_CAPTURE(bm_mod_sources, noise, Input::NOISE, Part::ALL)->Name("ModSources/noise");
// Their shares.
BENCHMARK_CAPTURE(bm_mod_sources, gen, Input::TONE, Part::GEN)->Name("ModSources/part/generator");
BENCHMARK_CAPTURE(bm_mod_sources, lfo, Input::TONE, Part::LFO)->Name("ModSources/part/lfo_x8");
BENCHMARK_CAPTURE(bm_mod_sources, adsr, Input::TONE, Part::ADSR)->Name("ModSources/part/adsr_x8_idle");
BENCHMARK_CAPTURE(bm_mod_sources, fol_tone, Input::TONE, Part::FOLLOWER)
    ->Name("ModSources/part/follower_x8/tone");
BENCHMARK_CAPTURE(bm_mod_sources, fol_noise, Input::NOISE, Part::FOLLOWER)
    ->Name("ModSources/part/follower_x8/noise");

} // namespace

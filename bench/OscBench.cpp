#include "zun/lfo/OscNPhase.h"
#include "zun/lfo/OscNoiseFlt.h"
#include "zun/lfo/OscParabola.h"
#include "zun/lfo/OscSaw.h"
#include "zun/lfo/OscSine.h"
#include "zun/lfo/OscSquare.h"
#include "zun/lfo/OscStepSeq.h"
#include "zun/lfo/OscTri.h"
#include "zun/lfo/OscVariSlope.h"

#include <benchmark/benchmark.h>

#include <type_traits>

namespace
{

constexpr double bench_fs = 48000;
constexpr long bench_chunk = 256;

// One chunk per iteration through the interface, as the LFO module drives it. Chaos and phase
// distortion are on where the waveform honours them, so their cost is included.
template <class T, bool BIPHASE = false>
void bm_osc(benchmark::State& state)
{
    T osc_obj = []
    {
        if constexpr (std::is_same_v<T, zun::lfo::OscNPhase>)
        {
            return T(BIPHASE);
        }
        else
        {
            return T();
        }
    }();
    zun::lfo::OscInterface& osc = osc_obj;
    osc.set_sample_freq(bench_fs);
    osc.set_period(0.05);
    osc.set_chaos(0.6);
    osc.set_phase_dist(0.3);
    osc.set_phase_dist_offset(0.1);
    osc.set_variation(0, 0.4);
    osc.set_variation(1, 0.7);
    osc.set_phase(0);
    double sum = 0;
    for (auto _ : state)
    {
        osc.tick(bench_chunk);
        sum += osc.get_val() + osc.get_phase();
        benchmark::DoNotOptimize(sum);
    }
    // Seconds of audio run per second of CPU time.
    state.counters["realtime_factor"] =
        benchmark::Counter(double(state.iterations()) * bench_chunk / bench_fs, benchmark::Counter::kIsRate);
}

BENCHMARK_TEMPLATE(bm_osc, zun::lfo::OscSine)->Name("OscSine");
BENCHMARK_TEMPLATE(bm_osc, zun::lfo::OscTri)->Name("OscTri");
BENCHMARK_TEMPLATE(bm_osc, zun::lfo::OscSquare)->Name("OscSquare");
BENCHMARK_TEMPLATE(bm_osc, zun::lfo::OscSaw)->Name("OscSaw");
BENCHMARK_TEMPLATE(bm_osc, zun::lfo::OscParabola)->Name("OscParabola");
BENCHMARK_TEMPLATE(bm_osc, zun::lfo::OscNPhase, false)->Name("OscNPhase");
BENCHMARK_TEMPLATE(bm_osc, zun::lfo::OscNPhase, true)->Name("OscNPhase/biphase");
BENCHMARK_TEMPLATE(bm_osc, zun::lfo::OscVariSlope)->Name("OscVariSlope");
BENCHMARK_TEMPLATE(bm_osc, zun::lfo::OscNoiseFlt<1>)->Name("OscNoiseFlt<1>");
BENCHMARK_TEMPLATE(bm_osc, zun::lfo::OscNoiseFlt<2>)->Name("OscNoiseFlt<2>");
BENCHMARK_TEMPLATE(bm_osc, zun::lfo::OscStepSeq)->Name("OscStepSeq");

} // namespace

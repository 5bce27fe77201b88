#include "zun/lfo/OscKinds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace zun
{
namespace lfo
{
namespace
{

using lfo_test::Kind;
using lfo_test::OscSlot;

struct Reading
{
    double val;
    double phase;
};

void configure(OscInterface& osc, double fs, double period)
{
    osc.set_sample_freq(fs);
    osc.set_period(period);
    osc.set_phase_dist(0.3);
    osc.set_phase_dist_offset(0.2);
    osc.set_variation(0, 0.4);
    osc.set_variation(1, 0.6);
    osc.set_phase(0.25);
}

// Plays from a song position up to `end`, realigning before every block as the plug-in does while
// the transport runs.
Reading play(OscSlot& slot, Kind k, unsigned long start, const std::vector<long>& chunk_arr,
             unsigned long end)
{
    OscInterface& osc = slot.build(k);
    configure(osc, 48000, 0.37);
    osc.tick(999); // whatever ran before the transport started
    unsigned long pos = start;
    for (size_t i = 0; pos < end; ++i)
    {
        const long n = std::min(chunk_arr[i % chunk_arr.size()], long(end - pos));
        osc.correct_to_time(pos);
        osc.tick(n);
        pos += (unsigned long)n;
    }
    return {osc.get_val(), osc.get_phase()};
}

TEST(OscTempoLock, RunsFromDifferentSongPositionsAgreeExactly)
{
    const double pf = 0.37 * 48000;
    OscSlot slot;
    for (Kind k : lfo_test::all_kinds)
    {
        SCOPED_TRACE(lfo_test::kind_name(k));
        // The displayed phase turns once per period, except for the N-phase's slow sine (N = 6 here).
        const double cycle_len = (k == Kind::NPHASE) ? 6 * pf : pf;
        for (unsigned long end : {1000003ul, 86400ul * 48000ul + 17ul})
        {
            const Reading a = play(slot, k, end - 300000, {256}, end);
            const Reading b = play(slot, k, end - 123457, {100, 37, 256, 1}, end);
            const Reading c = play(slot, k, end - 1, {256}, end);
            EXPECT_EQ(a.phase, b.phase) << end;
            EXPECT_EQ(a.phase, c.phase) << end;
            if (!lfo_test::is_noise(k)) // the noise only aligns its phase
            {
                EXPECT_EQ(a.val, b.val) << end;
                EXPECT_EQ(a.val, c.val) << end;
            }
            const double expected = 0.25 + double(end) / cycle_len;
            EXPECT_LT(lfo_test::phase_dist(a.phase, expected), 1e-9) << end;
        }
    }
}

// The step counter of the N-phase realigns too, so the selected phase offset is locked as well.
TEST(OscTempoLock, NPhaseOffsetFollowsTheSongPosition)
{
    OscNPhase osc;
    configure(osc, 48000, 0.37);
    const double pf = 0.37 * 48000;
    const unsigned long t = 4000000;
    osc.tick(12345); // history that the realignment must discard
    osc.correct_to_time(t);
    osc.tick(0);
    // 6 phases, step rate 2^3.2 per period, counter from 6 * rate * 0.25.
    const double rate = osc.get_step_rate();
    const double counter = std::fmod(6 * rate * 0.25 + double(t) * rate / pf, 6);
    double a = std::floor(counter) * double(1.f / 6.f) + 0.25 + double(t) / (6 * pf);
    a -= std::floor(a);
    OscSine ref;
    ref.set_phase_dist(0.3);
    ref.set_phase_dist_offset(0.2);
    ref.set_phase(a);
    EXPECT_NEAR(osc.get_val(), ref.get_val(), 1e-6);
}

struct RangeSettings
{
    double fs;
    double period;
    double pd;
    double pivot;
    double chaos;
    double var_0;
    double var_1;
    bool invert;
    bool unipolar;
};

void check_range(OscSlot& slot, Kind k, const RangeSettings& s, std::mt19937& rnd)
{
    OscInterface& osc = slot.build(k);
    osc.set_sample_freq(s.fs);
    osc.set_period(s.period);
    osc.set_chaos(s.chaos);
    osc.set_phase_dist(s.pd);
    osc.set_phase_dist_offset(s.pivot);
    osc.set_sign(s.invert);
    osc.set_polarity(s.unipolar);
    osc.set_variation(0, s.var_0);
    osc.set_variation(1, s.var_1);
    osc.set_phase(std::uniform_real_distribution<double>(0, 1)(rnd));
    const bool unipolar = s.unipolar && !lfo_test::is_noise(k);
    const double lo = unipolar ? 0 : -1;
    const long pf = long(s.period * s.fs);
    const long max_tick = lfo_test::is_noise(k) ? 8192 : std::max(pf, 2L);
    std::uniform_int_distribution<long> tick_len(0, max_tick);
    for (int i = 0; i < 60; ++i)
    {
        const long n = (i % 3 == 0) ? 256 : tick_len(rnd);
        if (i % 17 == 16)
        {
            osc.correct_to_time((unsigned long)rnd() * 16ul);
        }
        osc.tick(n);
        const double v = osc.get_val();
        const double p = osc.get_phase();
        ASSERT_TRUE(v >= lo && v <= 1)
            << lfo_test::kind_name(k) << " value " << v << " fs " << s.fs << " period " << s.period << " pd "
            << s.pd << " pivot " << s.pivot << " chaos " << s.chaos << " var " << s.var_0 << "/" << s.var_1
            << " invert " << s.invert << " unipolar " << s.unipolar;
        ASSERT_TRUE(p >= 0 && p < 1) << lfo_test::kind_name(k) << " phase " << p;
    }
}

// Every corner of the settings, then random settings in between, for every waveform.
TEST(OscRange, ValuesStayInRangeForAnySettings)
{
    std::mt19937 rnd(1234);
    OscSlot slot;
    const double fs_arr[] = {44100, 192000};
    const double period_arr[] = {0.01, 100};
    const double pd_arr[] = {0, 1, 0.5};
    for (Kind k : lfo_test::all_kinds)
    {
        for (double fs : fs_arr)
            for (double period : period_arr)
                for (double pd : pd_arr)
                    for (double chaos : {0.0, 1.0})
                        for (double var_0 : {0.0, 1.0})
                            for (double var_1 : {0.0, 1.0})
                                for (int flags = 0; flags < 4; ++flags)
                                {
                                    const RangeSettings s{fs,
                                                          period,
                                                          pd,
                                                          0.999 * (flags & 1),
                                                          chaos,
                                                          var_0,
                                                          var_1,
                                                          (flags & 1) != 0,
                                                          (flags & 2) != 0};
                                    check_range(slot, k, s, rnd);
                                    if (HasFatalFailure())
                                    {
                                        return;
                                    }
                                }
        std::uniform_real_distribution<double> unit(0, 1);
        const double rate_arr[] = {44100, 48000, 88200, 96000, 192000};
        for (int i = 0; i < 300; ++i)
        {
            const RangeSettings s{rate_arr[rnd() % 5],
                                  0.01 * std::pow(10000.0, unit(rnd)),
                                  (i % 4 == 0) ? 0.0001 * unit(rnd) : unit(rnd),
                                  unit(rnd),
                                  (i % 2 == 0) ? unit(rnd) : 1.0,
                                  unit(rnd),
                                  unit(rnd),
                                  rnd() % 2 == 0,
                                  rnd() % 2 == 0};
            check_range(slot, k, s, rnd);
            if (HasFatalFailure())
            {
                return;
            }
        }
    }
}

} // namespace
} // namespace lfo
} // namespace zun

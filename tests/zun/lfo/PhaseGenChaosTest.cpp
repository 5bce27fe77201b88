#include "zun/lfo/PhaseGenChaos.h"

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

using lfo_test::phase_dist;

PhaseGenChaos make_chaos(double period, double fs, double chaos)
{
    PhaseGenChaos gen;
    gen.set_sample_freq(fs);
    gen.set_period(period);
    gen.set_chaos(chaos);
    gen.set_phase(0);
    return gen;
}

// Waits two thirds of a period, then one event, then the next wait. The first draws of the
// generator, seeded 1, are 48271, 182605794, 1291394886, 1914720637. The first event lasts
// o = 0.25000703 periods, 11025.31 samples at 1 s and 44100 Hz, so it ends after 11026 samples.
// Halfway through, with the ramp near 0, a skip has moved the phase half a cycle on; with chaos
// 0.5 the low byte of the second draw (226) is not below 128, so it is a bump, of height
// (1291394886 / 2^31)^2 = 0.361625, backwards since 1914720637 is odd.
TEST(PhaseGenChaos, FirstEventFromTheSeed)
{
    const struct
    {
        double chaos;
        double mid_offset;
    } case_arr[] = {{1.0, 0.5}, {0.5, -0.361625}};
    for (const auto& c : case_arr)
    {
        SCOPED_TRACE(c.chaos);
        PhaseGenChaos gen = make_chaos(1.0, 44100, c.chaos);
        const int wait_len = 29400; // floor (44100 * 2/3 + 0.5)
        gen.tick(wait_len - 1);
        EXPECT_FALSE(gen.is_event_active());
        EXPECT_EQ(gen.get_phase(), gen.use_phase_gen().get_phase());
        gen.tick(1);
        ASSERT_TRUE(gen.is_event_active());
        EXPECT_NEAR(phase_dist(gen.get_phase(), gen.use_phase_gen().get_phase()), 0.0, 1e-12);

        gen.tick(5513);
        EXPECT_NEAR(phase_dist(gen.get_phase(), gen.use_phase_gen().get_phase() + c.mid_offset + 1), 0.0,
                    1e-4);

        gen.tick(11026 - 5513 - 1);
        EXPECT_TRUE(gen.is_event_active());
        gen.tick(1);
        EXPECT_FALSE(gen.is_event_active());
        EXPECT_EQ(gen.get_phase(), gen.use_phase_gen().get_phase());

        gen.tick(wait_len - 1);
        EXPECT_FALSE(gen.is_event_active());
        gen.tick(1);
        EXPECT_TRUE(gen.is_event_active());
    }
}

// Sample-by-sample model of the chaos, written from its definition.
class ChaosModel
{
public:
    ChaosModel(double period, double fs, int amount) : _len(period * fs), _amount(amount)
    {
        _wait_len = long(std::floor(double(float(period)) * fs * double(2.f / 3.f) + 0.5));
    }

    void step()
    {
        ++_t;
        if (!_active)
        {
            if (++_wait >= _wait_len)
            {
                start();
            }
        }
        else if (-1 + double(++_pos) * double(_ramp_step) > 1)
        {
            _active = false;
            _wait = 0;
        }
    }

    double offset() const
    {
        if (!_active)
        {
            return 0;
        }
        const double r = -1 + double(_pos) * double(_ramp_step);
        const double off = _skip ? 0.25 * r * (3 - r * r) + 0.5 : (1 - r * r) * (1 - r * r) * _bump_amp;
        return _negative ? -off : off;
    }

    double phase() const { return double(_t) / _len + offset(); }
    bool active() const { return _active; }
    int get_nbr_events() const { return _nbr_events; }

private:
    void start()
    {
        const uint32_t x1 = uint32_t(_rnd());
        const float u = float(x1) / 2147483648.f;
        const uint32_t x2 = uint32_t(_rnd());
        const float o = 0.25f + u * (0.3125f + u * (1.25f + u * 2.1875f));
        _ramp_step = 2.f / (float(_len) * o);
        _skip = int(x2 % 256) < _amount;
        if (_skip)
        {
            _negative = (o >= 1) && (_rnd() % 2 == 1);
        }
        else
        {
            const double b = double(float(_rnd()) / 2147483648.f);
            _bump_amp = b * b;
            _negative = _rnd() % 2 == 1;
        }
        _active = true;
        ++_nbr_events;
        _pos = 0;
        _wait = 0;
    }

    double _len;
    int _amount;
    long _wait_len;
    std::minstd_rand _rnd;
    long _t = 0;
    long _wait = 0;
    long _pos = 0;
    float _ramp_step = 0;
    bool _active = false;
    bool _skip = false;
    bool _negative = false;
    double _bump_amp = 0;
    int _nbr_events = 0;
};

// Long runs against the model, for several chunkings: the sequence must not depend on them.
TEST(PhaseGenChaos, FollowsTheModelForAnyChunking)
{
    const double fs = 44100;
    const double period = 0.05;
    const struct
    {
        double chaos;
        int amount;
    } amount_arr[] = {{1.0, 256}, {0.5, 128}, {0.16, 40}, {0.004, 1}};
    const std::vector<std::vector<long>> chunking_arr = {{256}, {1}, {7, 64, 1, 333, 2000}, {4410}};
    for (const auto& am : amount_arr)
    {
        for (const auto& chunks : chunking_arr)
        {
            SCOPED_TRACE(testing::Message() << "chaos " << am.chaos << " first chunk " << chunks[0]);
            PhaseGenChaos gen = make_chaos(period, fs, am.chaos);
            ChaosModel model(period, fs, am.amount);
            long t = 0;
            for (size_t i = 0; t < 60 * 2205; ++i)
            {
                const long n = chunks[i % chunks.size()];
                gen.tick(n);
                for (long k = 0; k < n; ++k)
                {
                    model.step();
                }
                t += n;
                ASSERT_EQ(gen.is_event_active(), model.active()) << "t = " << t;
                ASSERT_LT(phase_dist(gen.get_phase(), model.phase()), 1e-6) << "t = " << t;
            }
            EXPECT_GT(model.get_nbr_events(), 10);
        }
    }
}

TEST(PhaseGenChaos, SameSettingsAndTicksGiveTheSameValues)
{
    PhaseGenChaos a = make_chaos(0.1, 48000, 0.7);
    PhaseGenChaos b = make_chaos(0.1, 48000, 0.7);
    for (int i = 0; i < 2000; ++i)
    {
        a.tick(100 + i % 150);
        b.tick(100 + i % 150);
        ASSERT_EQ(a.get_phase(), b.get_phase()) << i;
    }
}

TEST(PhaseGenChaos, NoChaosLeavesThePhaseAlone)
{
    PhaseGenChaos gen = make_chaos(0.02, 44100, 1.0);
    gen.tick(600); // into the first event, after a wait of 588
    ASSERT_TRUE(gen.is_event_active());
    gen.set_chaos(0);
    EXPECT_FALSE(gen.is_event_active());
    for (int i = 0; i < 500; ++i)
    {
        gen.tick(256);
        ASSERT_EQ(gen.get_phase(), gen.use_phase_gen().get_phase());
    }
    gen.set_chaos(1.0 / 512); // below one step of 1/256
    gen.tick(100000);
    EXPECT_FALSE(gen.is_event_active());
}

// A period control that is modulated calls set_period every chunk; the wait must go on.
TEST(PhaseGenChaos, PeriodChangesKeepTheWaitGoing)
{
    PhaseGenChaos gen = make_chaos(1.0, 44100, 1.0);
    for (int i = 0; i < 114; ++i) // 29184 samples, short of the wait of 29400
    {
        gen.tick(256);
        gen.set_period(1.0);
    }
    EXPECT_FALSE(gen.is_event_active());
    gen.tick(256);
    EXPECT_TRUE(gen.is_event_active());

    // A shorter period ends a wait that is already longer than the new one at the next tick.
    PhaseGenChaos short_wait = make_chaos(1.0, 44100, 1.0);
    short_wait.tick(20000);
    short_wait.set_period(0.5); // wait of 14700
    short_wait.tick(1);
    EXPECT_TRUE(short_wait.is_event_active());
}

TEST(PhaseGenChaos, ClearStopsTheEventAndRestartsTheWait)
{
    PhaseGenChaos gen = make_chaos(1.0, 44100, 1.0);
    gen.tick(29400 + 100);
    ASSERT_TRUE(gen.is_event_active());
    gen.clear_buffers();
    EXPECT_FALSE(gen.is_event_active());
    EXPECT_EQ(gen.get_phase(), gen.use_phase_gen().get_phase());
    gen.tick(29399);
    EXPECT_FALSE(gen.is_event_active());
    gen.tick(1);
    EXPECT_TRUE(gen.is_event_active());
}

} // namespace
} // namespace lfo
} // namespace zun

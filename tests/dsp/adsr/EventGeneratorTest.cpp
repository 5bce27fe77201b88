#include "dsp/adsr/EventGenerator.h"
#include "ChunkRunner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace
{

using dsp::EventGenerator;
using zun::piapi::EventTs;
using zun::piapi::ParamCateg_GLOBAL;

constexpr double pi = 3.14159265358979323846;

class Recorder : public EventGenerator::Listener
{
public:
    explicit Recorder(std::vector<int>* log = nullptr, int id = 0) : _log(log), _id(id) {}
    std::vector<float> evt_list;

protected:
    void do_value_changed(float event) override
    {
        evt_list.push_back(event);
        if (_log != nullptr)
        {
            _log->push_back(_id);
        }
    }

private:
    std::vector<int>* _log;
    int _id;
};

class EventGen : public ::testing::Test
{
protected:
    void reset(double fs = 48000)
    {
        int latency = -1;
        gen.reset(fs, 256, latency);
        EXPECT_EQ(latency, 0);
    }
    void set_param(int index, double nat)
    {
        const auto& d = gen.get_param_desc().get_param_info(ParamCateg_GLOBAL, index);
        runner.add_event(EventTs::make_param(index, float(d.conv_nat_to_nrm(nat))));
    }
    // Runs sig in chunks; returns the chunk index of every non-zero event with its sign.
    std::vector<std::pair<int, int>> run(const std::vector<float>& sig, int chunk = 256)
    {
        std::vector<std::pair<int, int>> res;
        for (size_t pos = 0, c = 0; pos < sig.size(); pos += size_t(chunk), ++c)
        {
            const size_t before = rec.evt_list.size();
            runner.run(gen, sig.data() + pos, int(std::min(size_t(chunk), sig.size() - pos)));
            EXPECT_EQ(rec.evt_list.size(), before + 1);
            const float e = rec.evt_list.back();
            if (e != 0)
            {
                res.emplace_back(int(c), int(e));
            }
        }
        return res;
    }

    EventGenerator gen;
    Recorder rec;
    adsr_test::ChunkRunner runner;
};

// Silence, then a 1 kHz tone burst, then silence.
std::vector<float> burst(double fs, double amp, double len_s, double total_s = 1.0)
{
    std::vector<float> sig(size_t(total_s * fs), 0.f);
    const size_t beg = size_t(0.2 * fs);
    for (size_t i = beg; i < beg + size_t(len_s * fs); ++i)
    {
        sig[i] = float(amp * std::sin(2 * pi * 1000 * double(i) / fs));
    }
    return sig;
}

TEST(EventGeneratorDesc, TwoGlobalParameters)
{
    const dsp::EventGeneratorDesc desc;
    EXPECT_EQ(desc.get_unique_id(), "crnz_env");
    EXPECT_EQ(desc.get_name(), "Crenzel\nCrenz");
    int i = 0, o = 0, s = 0;
    desc.get_nbr_io(i, o, s);
    EXPECT_EQ(i + 10 * o + 100 * s, 111);
    EXPECT_TRUE(desc.prefer_stereo());
    ASSERT_EQ(desc.get_nbr_param(ParamCateg_GLOBAL), 2);

    const auto& sens = desc.get_param_info(ParamCateg_GLOBAL, 0);
    EXPECT_EQ(sens.get_name(0), "Adsr Envelope Follower Sensitivty\nADSR Sens.");
    EXPECT_EQ(sens.get_name(12), "ADSR Sens.");
    EXPECT_EQ(sens.get_unit(0), "dB");
    EXPECT_EQ(sens.get_nat_min(), 1);
    EXPECT_EQ(sens.get_nat_max(), 64);
    EXPECT_EQ(sens.get_flags(), zun::param::ParamDescInterface::Flags_GLOBAL);
    EXPECT_EQ(sens.conv_nat_to_str(8, 0), "+18.1");
    EXPECT_NEAR(sens.conv_nrm_to_nat(0.5), 8, 1e-9); // eight doublings, even in the log domain

    const auto& dens = desc.get_param_info(ParamCateg_GLOBAL, 1);
    EXPECT_EQ(dens.get_name(0), "Adsr Envelope Follower Density\nADSR Dens.");
    EXPECT_EQ(dens.get_unit(0), "%");
    EXPECT_EQ(dens.get_nat_min(), 0);
    EXPECT_EQ(dens.get_nat_max(), 1);
    EXPECT_EQ(dens.get_flags(), zun::param::ParamDescInterface::Flags_GLOBAL);
    EXPECT_EQ(dens.conv_nat_to_str(0.5, 0), " 50.0");

    EventGenerator gen;
    EXPECT_NEAR(gen.get_param_state_set().get_val_tgt_nat(0), 8, 1e-9);
    EXPECT_NEAR(gen.get_param_state_set().get_val_tgt_nat(1), 0.5, 1e-9);
    EXPECT_EQ(gen.get_state(), zun::piapi::PluginInterface::State_CREATED);
    EXPECT_EQ(gen.get_sensitivity(), 1.f); // until the parameters are applied
}

TEST_F(EventGen, DensitySetsTheSmoothingCutoffFrom1HzTo1kHz)
{
    struct Case
    {
        double density;
        double cutoff;
    };
    const Case case_arr[] = {{0, 1}, {0.5, std::sqrt(1000.0)}, {1, 1000}};
    for (const Case& c : case_arr)
    {
        set_param(1, c.density);
        runner.run_const(gen, 0, 1);
        reset(48000);
        EXPECT_NEAR(gen.get_density(), c.density, 1e-6);
        EXPECT_NEAR(gen.get_sensitivity(), 8, 1e-5);
        // A one-pole with this coefficient passes a sine at the cut-off at -3 dB.
        const double a = gen.get_smooth_coef();
        double y = 0;
        double peak = 0;
        const long len = long(48000 * 12 / c.cutoff) + 48000;
        for (long i = 0; i < len; ++i)
        {
            y += (std::sin(2 * pi * c.cutoff * double(i) / 48000) - y) * a;
            if (i > len / 2)
            {
                peak = std::max(peak, std::fabs(y));
            }
        }
        EXPECT_NEAR(peak, std::sqrt(0.5), 0.01) << c.density;
    }
}

TEST_F(EventGen, SilenceNeverTriggers)
{
    gen.register_trig_event(&rec, 0);
    reset();
    const std::vector<float> zeros(48000 * 3, 0.f);
    EXPECT_TRUE(run(zeros).empty());
    EXPECT_EQ(gen.get_trig_state(), EventGenerator::Trig_IDLE);
    EXPECT_LT(std::fabs(gen.get_detector_val()), 1e-12);
}

TEST_F(EventGen, ABurstRaisesOnceAndFallsOnce)
{
    gen.register_trig_event(&rec, 5);
    reset();
    const auto evt = run(burst(48000, 0.5, 0.1));
    ASSERT_EQ(evt.size(), 2u);
    // The burst starts in chunk 37 (sample 9600) and ends in chunk 56.
    EXPECT_EQ(evt[0].second, 1);
    EXPECT_GE(evt[0].first, 37);
    EXPECT_LE(evt[0].first, 38);
    EXPECT_EQ(evt[1].second, -1);
    EXPECT_GE(evt[1].first, 56);
    EXPECT_LE(evt[1].first, 60);
}

TEST_F(EventGen, LowDensityNeverReportsFalls)
{
    gen.register_trig_event(&rec, 0);
    set_param(1, 0.2);
    runner.run_const(gen, 0, 1);
    reset();
    int nbr_raise = 0;
    for (double amp : {0.05, 0.2, 0.9})
    {
        for (const auto& e : run(burst(48000, amp, 0.05)))
        {
            EXPECT_EQ(e.second, 1) << amp;
            ++nbr_raise;
        }
    }
    EXPECT_GE(nbr_raise, 2);
    // Back to idle after the last burst.
    EXPECT_EQ(gen.get_trig_state(), EventGenerator::Trig_IDLE);
}

TEST_F(EventGen, AClickCrossesTheThresholdWithinAFewSamples)
{
    gen.register_trig_event(&rec, 0);
    set_param(1, 1); // 1 kHz detector smoothing
    runner.run_const(gen, 0, 1);
    reset();
    std::vector<float> sig(4000, 0.f);
    for (int i = 1000; i < 1064; ++i)
    {
        sig[size_t(i)] = 1;
    }
    int crossed = -1;
    for (int i = 0; i < 4000; ++i)
    {
        runner.run(gen, sig.data() + i, 1);
        if (crossed < 0 && gen.get_detector_val() > 0.12f)
        {
            crossed = i;
        }
    }
    EXPECT_GE(crossed, 1000);
    EXPECT_LT(crossed, 1000 + 48);
    int nbr_raise = 0;
    for (float e : rec.evt_list)
    {
        nbr_raise += (e > 0) ? 1 : 0;
    }
    EXPECT_EQ(nbr_raise, 1);
}

TEST_F(EventGen, ChunkingDoesNotChangeTheDetector)
{
    reset();
    const auto sig = burst(48000, 0.4, 0.05, 0.5);
    EventGenerator other;
    int latency = 0;
    other.reset(48000, 256, latency);
    adsr_test::ChunkRunner other_runner;
    for (size_t pos = 0; pos < sig.size(); pos += 256)
    {
        runner.run(gen, sig.data() + pos, int(std::min<size_t>(256, sig.size() - pos)));
    }
    for (size_t pos = 0; pos < sig.size(); pos += 7)
    {
        other_runner.run(other, sig.data() + pos, int(std::min<size_t>(7, sig.size() - pos)));
    }
    EXPECT_EQ(gen.get_detector_val(), other.get_detector_val());
}

TEST(EventGeneratorTrig, HysteresisTable)
{
    struct Step
    {
        float v;
        int event; // 0: none
        int state;
    };
    const Step step_arr[] = {
        {0.10f, 0, 0}, {0.13f, 1, 1},   {0.20f, 0, 1},  {0.09f, 0, 1},  {0.07f, 0, 0},
        {0.13f, 1, 1}, {-0.09f, -1, 2}, {-0.06f, 0, 2}, {-0.04f, 0, 0}, {-0.09f, -1, 2},
        {0.13f, 1, 1}, {0.0f, 0, 0},    {-0.2f, -1, 2}, {-0.3f, 0, 2},
    };
    EventGenerator gen;
    int i = 0;
    for (const Step& s : step_arr)
    {
        gen.set_detector_val(s.v);
        int event = 0;
        gen.analyse_diff(event);
        EXPECT_EQ(event, s.event) << i;
        EXPECT_EQ(gen.get_trig_state(), s.state) << i;
        ++i;
    }
}

TEST_F(EventGen, ListenersHearEveryChunkInSlotOrder)
{
    std::vector<int> log;
    Recorder a(&log, 1), b(&log, 2), c(&log, 3);
    gen.register_trig_event(&c, 7);
    gen.register_trig_event(&a, 0);
    gen.register_trig_event(&b, 3);
    gen.register_trig_event(&b, 8);  // outside 0..7: ignored
    gen.register_trig_event(&b, -1); // likewise
    EXPECT_EQ(gen.get_listener(8), nullptr);
    reset();
    runner.run_const(gen, 0, 256);
    EXPECT_EQ(log, (std::vector<int>{1, 2, 3}));
    gen.unregister_trig_event(3);
    runner.run_const(gen, 0, 256);
    EXPECT_EQ(log, (std::vector<int>{1, 2, 3, 1, 3}));
}

} // namespace

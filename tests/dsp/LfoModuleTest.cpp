#include "dsp/LfoModule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace
{

using dsp::LfoModule;

constexpr LfoModule::Type osc_types[] = {
    LfoModule::Type_SINE,       LfoModule::Type_TRIANGLE,  LfoModule::Type_SQUARE,
    LfoModule::Type_SAW,        LfoModule::Type_PARABOLA,  LfoModule::Type_N_PHASE,
    LfoModule::Type_BIPHASE,    LfoModule::Type_VARISLOPE, LfoModule::Type_NOISE_FLT1,
    LfoModule::Type_NOISE_FLT2, LfoModule::Type_STEP_SEQ};

bool is_noise(LfoModule::Type t)
{
    return t == LfoModule::Type_NOISE_FLT1 || t == LfoModule::Type_NOISE_FLT2;
}

// Distance between two phases around the circle.
double phase_dist(double a, double b)
{
    const double d = a - b;
    return std::fabs(d - std::round(d));
}

void fill_steps(LfoModule& lfo)
{
    zun::lfo::OscStepSeq& seq = *lfo.use_step_seq();
    seq.set_nbr_steps(5);
    const float val_arr[] = {0.75f, -1.f, 0.25f, 1.f, -0.5f};
    for (int k = 0; k < 5; ++k)
    {
        seq.set_val(k, val_arr[k]);
    }
}

// A freshly built oscillator of type t, for comparison with what the module makes of a switch.
std::unique_ptr<zun::lfo::OscInterface> make_osc(LfoModule::Type t)
{
    using namespace zun::lfo;
    switch (t)
    {
    case LfoModule::Type_TRIANGLE:
        return std::make_unique<OscTri>();
    case LfoModule::Type_SQUARE:
        return std::make_unique<OscSquare>();
    case LfoModule::Type_SAW:
        return std::make_unique<OscSaw>();
    case LfoModule::Type_PARABOLA:
        return std::make_unique<OscParabola>();
    case LfoModule::Type_N_PHASE:
        return std::make_unique<OscNPhase>(false);
    case LfoModule::Type_BIPHASE:
        return std::make_unique<OscNPhase>(true);
    case LfoModule::Type_VARISLOPE:
        return std::make_unique<OscVariSlope>();
    case LfoModule::Type_NOISE_FLT1:
        return std::make_unique<OscNoiseFlt<1>>();
    case LfoModule::Type_NOISE_FLT2:
        return std::make_unique<OscNoiseFlt<2>>();
    case LfoModule::Type_STEP_SEQ:
    {
        auto seq = std::make_unique<OscStepSeq>();
        seq->set_nbr_steps(5);
        const float val_arr[] = {0.75f, -1.f, 0.25f, 1.f, -0.5f};
        for (int k = 0; k < 5; ++k)
        {
            seq->set_val(k, val_arr[k]);
        }
        return seq;
    }
    default:
        return std::make_unique<OscSine>();
    }
}

TEST(LfoModule, StartsAsASineAtPhaseZero)
{
    LfoModule lfo;
    EXPECT_EQ(lfo.get_type(), LfoModule::Type_SINE);
    EXPECT_TRUE(lfo.has_step_seq());
    EXPECT_EQ(lfo.get_phase(), 0);
    EXPECT_NEAR(lfo.get_val(), 0, 1e-3);
    lfo.tick(11025); // a quarter of the default 1 s period at 44100 Hz
    EXPECT_NEAR(lfo.get_phase(), 0.25, 1e-12);
    EXPECT_NEAR(lfo.get_val(), 1, 1e-3);
}

TEST(LfoModule, SignPolarityAndGain)
{
    LfoModule lfo;
    lfo.set_sign(true);
    lfo.set_polarity(true);
    const double expected[] = {0.5, 0, 0.5, 1};
    for (int q = 0; q < 4; ++q)
    {
        lfo.set_phase(q * 0.25);
        EXPECT_NEAR(lfo.get_val(), expected[q], 1e-3) << q;
    }
    // Gain 0 silences every waveform, whatever its polarity.
    lfo.set_input_gain(0);
    for (LfoModule::Type t : osc_types)
    {
        lfo.set_type(t);
        lfo.tick(1000);
        EXPECT_EQ(lfo.get_val(), 0) << t;
    }
}

TEST(LfoModule, SwitchContinuesAtTheSamePhaseWithEverySetting)
{
    LfoModule lfo;
    lfo.set_phase(0.3);
    lfo.set_type(LfoModule::Type_SAW);
    EXPECT_NEAR(lfo.get_phase(), 0.3, 1e-15);
    EXPECT_NEAR(lfo.get_val(), -0.4, 1e-12);

    // Walk through every waveform; after each switch the module must behave exactly like a fresh
    // oscillator of that type given the same settings at the running phase.
    lfo.set_sample_freq(48000);
    lfo.set_period(0.37);
    lfo.set_chaos(0.4);
    lfo.set_phase_dist(0.3);
    lfo.set_phase_dist_offset(0.2);
    lfo.set_sign(true);
    lfo.set_polarity(true);
    lfo.set_variation(0, 0.4);
    lfo.set_variation(1, 0.7);
    lfo.set_input_gain(0.8);
    fill_steps(lfo);
    // The sine comes last, so that every oscillator compared is a fresh one.
    const LfoModule::Type order[] = {
        LfoModule::Type_TRIANGLE,  LfoModule::Type_SQUARE,     LfoModule::Type_SAW,
        LfoModule::Type_PARABOLA,  LfoModule::Type_N_PHASE,    LfoModule::Type_BIPHASE,
        LfoModule::Type_VARISLOPE, LfoModule::Type_NOISE_FLT1, LfoModule::Type_NOISE_FLT2,
        LfoModule::Type_STEP_SEQ,  LfoModule::Type_SINE};
    for (LfoModule::Type t : order)
    {
        SCOPED_TRACE(t);
        lfo.tick(3001);
        const double phase = lfo.get_phase();
        lfo.set_type(t);
        EXPECT_EQ(lfo.get_phase(), phase);

        auto ref = make_osc(t);
        ref->set_sample_freq(48000);
        ref->set_period(0.37);
        ref->set_chaos(0.4);
        ref->set_phase_dist(0.3);
        ref->set_phase_dist_offset(0.2);
        ref->set_sign(true);
        ref->set_polarity(true);
        ref->set_variation(0, 0.4);
        ref->set_variation(1, 0.7);
        ref->set_phase(phase);
        for (int c = 0; c < 100; ++c)
        {
            EXPECT_EQ(lfo.get_val(), ref->get_val() * 0.8) << c;
            EXPECT_EQ(lfo.get_phase(), ref->get_phase()) << c;
            EXPECT_EQ(lfo.is_using_variation(0), ref->is_using_variation(0));
            lfo.tick(256);
            ref->tick(256);
        }
    }
}

TEST(LfoModule, StepSequencerSurvivesOtherWaveforms)
{
    LfoModule lfo;
    fill_steps(lfo);
    zun::lfo::OscStepSeq* seq = lfo.use_step_seq();
    lfo.set_type(LfoModule::Type_STEP_SEQ);
    lfo.set_phase(0.5); // step 2 of 5
    EXPECT_NEAR(lfo.get_val(), 0.25, 1e-7);
    // Switching off the current waveform's object would leave the module without an oscillator.
    lfo.set_step_seq(false);
    EXPECT_TRUE(lfo.has_step_seq());

    lfo.set_type(LfoModule::Type_SINE);
    lfo.set_type(LfoModule::Type_NOISE_FLT2);
    lfo.set_type(LfoModule::Type_STEP_SEQ);
    EXPECT_EQ(lfo.use_step_seq(), seq);
    EXPECT_EQ(seq->get_nbr_steps(), 5);
    lfo.set_phase(0.65); // step 3
    EXPECT_NEAR(lfo.get_val(), 1, 1e-7);

    // Without a sequencer the switch is refused rather than leaving no oscillator.
    lfo.set_type(LfoModule::Type_SAW);
    lfo.set_step_seq(false);
    EXPECT_FALSE(lfo.has_step_seq());
    lfo.set_type(LfoModule::Type_STEP_SEQ);
    EXPECT_EQ(lfo.get_type(), LfoModule::Type_SAW);
    lfo.set_step_seq(true);
    lfo.set_type(LfoModule::Type_STEP_SEQ);
    EXPECT_EQ(lfo.get_type(), LfoModule::Type_STEP_SEQ);
}

// Saw at phase 0, 1 s at 44100 Hz: the value at sample s is 2 * frac (s / 44100) - 1.
double saw_at(long s, double period_len)
{
    const double p = double(s) / period_len;
    return 2 * (p - std::floor(p)) - 1;
}

TEST(LfoModule, HoldRefreshesAtItsBoundariesInsideATick)
{
    struct Case
    {
        double fs;
        double period;
        double fraction;
        std::vector<int> chunk_arr;
    };
    // Hold lengths that are whole sample counts, so the boundaries are unambiguous.
    const Case case_arr[] = {
        {44100, 1, 0.25, {256}},           // 11025 samples
        {44100, 1, 0.25, {1, 100, 255}},   //
        {48000, 0.01, 0.5, {256}},         // 240: a boundary in nearly every tick
        {48000, 0.01, 0.125, {256, 7}},    // 60: several per tick, the last one counts
        {96000, 2.5, 0.1, {256, 256, 13}}, // 24000
        {192000, 0.01, 1.0 / 1920, {256}}, // a boundary every sample
    };
    for (const Case& c : case_arr)
    {
        SCOPED_TRACE(std::to_string(c.fs) + " " + std::to_string(c.period) + " " +
                     std::to_string(c.fraction));
        LfoModule lfo;
        lfo.set_type(LfoModule::Type_SAW);
        lfo.set_sample_freq(c.fs);
        lfo.set_period(c.period);
        lfo.set_phase(0);
        lfo.set_snh(c.fraction);
        const double period_len = c.period * c.fs;
        const long hold_len = std::lround(c.fraction * period_len);
        long pos = 0;
        for (size_t i = 0; pos < 3 * long(period_len) + 1000; ++i)
        {
            pos += c.chunk_arr[i % c.chunk_arr.size()];
            lfo.tick(c.chunk_arr[i % c.chunk_arr.size()]);
            const long boundary = (pos / hold_len) * hold_len;
            // Where a boundary meets the saw's own wrap, either side of the jump is right.
            const double d = std::fabs(lfo.get_val() - saw_at(boundary, period_len));
            ASSERT_LT(std::min(d, std::fabs(d - 2)), 1e-9) << pos;
        }
    }
}

TEST(LfoModule, SmoothingSplitsAtTheHoldBoundary)
{
    LfoModule lfo;
    lfo.set_type(LfoModule::Type_SAW);
    lfo.set_phase(0);
    lfo.set_snh(0.25);
    lfo.set_smooth(0.01);
    const double c = lfo.get_smooth_coef();
    ASSERT_GT(c, 0);
    ASSERT_LT(c, 1);
    lfo.tick(11008); // 17 samples before the boundary at 11025
    const double before = lfo.get_val();
    lfo.tick(256);
    // First towards the old held value (-1), then from the boundary towards the new one (-0.5).
    double expected = before + (-1 - before) * (1 - std::pow(c, 17));
    expected += (-0.5 - expected) * (1 - std::pow(c, 256 - 17));
    EXPECT_NEAR(lfo.get_val(), expected, 1e-12);
    const double whole_tick_new = before + (-0.5 - before) * (1 - std::pow(c, 256));
    EXPECT_GT(std::fabs(lfo.get_val() - whole_tick_new), 1e-4);
}

TEST(LfoModule, SmoothingCoversAbout98PercentOverItsTime)
{
    for (int chunk : {256, 1, 22050})
    {
        LfoModule lfo;
        lfo.set_type(LfoModule::Type_STEP_SEQ);
        lfo.set_phase(0);
        lfo.set_smooth(0.5); // 22050 samples at 44100 Hz with a 1 s period
        ASSERT_EQ(lfo.get_val(), 0);
        zun::lfo::OscStepSeq& seq = *lfo.use_step_seq();
        for (int k = 0; k < 32; ++k)
        {
            seq.set_val(k, 1.f);
        }
        for (int done = 0; done < 22050; done += chunk)
        {
            lfo.tick(std::min(chunk, 22050 - done));
        }
        EXPECT_GT(lfo.get_val(), 0.975) << chunk;
        EXPECT_LT(lfo.get_val(), 0.985) << chunk;
    }
}

struct Reading
{
    double val;
    double phase;
};

// Plays up to `end` from a song position, realigning before every block as the plug-in does
// while the transport runs. switch_at >= 0 starts on the saw and switches to t there.
Reading play(LfoModule::Type t, unsigned long start, const std::vector<int>& chunk_arr, unsigned long end,
             long switch_at = -1)
{
    LfoModule lfo;
    fill_steps(lfo);
    lfo.set_sample_freq(48000);
    lfo.set_period(0.37);
    lfo.set_phase_dist(0.3);
    lfo.set_phase_dist_offset(0.2);
    lfo.set_variation(0, 0.4);
    lfo.set_variation(1, 0.6);
    lfo.set_type((switch_at >= 0) ? LfoModule::Type_SAW : t);
    lfo.set_phase(0.25);
    lfo.tick(999); // whatever ran before the transport started
    unsigned long pos = start;
    for (size_t i = 0; pos < end; ++i)
    {
        if (switch_at >= 0 && pos >= (unsigned long)switch_at)
        {
            lfo.set_type(t);
            switch_at = -1;
        }
        const int n = int(std::min<unsigned long>((unsigned long)chunk_arr[i % chunk_arr.size()], end - pos));
        lfo.correct_to_time(pos);
        lfo.tick(n);
        pos += (unsigned long)n;
    }
    return {lfo.get_val(), lfo.get_phase()};
}

TEST(LfoModule, TempoLockAgreesFromAnySongPositionAndAcrossSwitches)
{
    const double period_len = 0.37 * 48000;
    for (LfoModule::Type t : osc_types)
    {
        SCOPED_TRACE(t);
        // The N-phase's displayed phase is its slow sine's, over 6 periods here.
        const double cycle_len = (t == LfoModule::Type_N_PHASE) ? 6 * period_len : period_len;
        for (unsigned long end : {1000003ul, 86400ul * 48000ul + 17ul})
        {
            const Reading a = play(t, end - 300000, {256}, end);
            const Reading b = play(t, end - 123457, {100, 37, 256, 1}, end);
            const Reading c = play(t, end - 50000, {256}, end, long(end - 20000));
            EXPECT_EQ(a.phase, b.phase);
            EXPECT_EQ(a.phase, c.phase);
            if (!is_noise(t))
            {
                EXPECT_EQ(a.val, b.val);
                EXPECT_EQ(a.val, c.val);
            }
            EXPECT_LT(phase_dist(a.phase, 0.25 + double(end) / cycle_len), 1e-9);
        }
    }
}

TEST(LfoModule, StopsAtTheRunningPhaseWhenTheTransportStops)
{
    // Without realignment a switch simply continues; realignment then resumes from the phase
    // control, not from the phase at the switch.
    LfoModule lfo;
    lfo.set_phase(0.25);
    lfo.tick(5000);
    lfo.set_type(LfoModule::Type_TRIANGLE);
    const double at_switch = lfo.get_phase();
    lfo.tick(100);
    EXPECT_NEAR(lfo.get_phase(), at_switch + 100 / 44100.0, 1e-12);
    lfo.correct_to_time(44100 * 3);
    lfo.tick(0);
    EXPECT_LT(phase_dist(lfo.get_phase(), 0.25), 1e-12);
}

TEST(LfoModule, ValuesStayInRangeOverEverySetting)
{
    std::mt19937 rng(1234);
    auto pick = [&rng](std::initializer_list<double> l)
    {
        std::uniform_int_distribution<size_t> d(0, l.size() - 1);
        return *(l.begin() + d(rng));
    };
    std::uniform_real_distribution<double> uni(0, 1);
    for (int cfg = 0; cfg < 1500; ++cfg)
    {
        const auto t = LfoModule::Type(int(pick({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10})));
        const double fs = pick({44100, 48000, 96000, 192000});
        const double period = pick({0.01, 0.0137, 1, 37.5, 100});
        const double pd = pick({0, 0.0001, 0.5, 0.9999, 1, uni(rng)});
        const double pd_ofs = pick({0, 0.5, 0.999999, 1});
        const double chaos = pick({0, 1, uni(rng)});
        const double var0 = pick({0, 1, uni(rng)});
        const double var1 = pick({0, 1, uni(rng)});
        const double snh = pick({0, 0.000001, 0.0000011, 0.001, 1});
        const double smooth = pick({0, 1e-12, 0.001, 1});
        const bool invert = uni(rng) < 0.5;
        const bool unipolar = uni(rng) < 0.5;
        const double gain = pick({0, 0.5, 1});
        SCOPED_TRACE(std::to_string(cfg) + " type " + std::to_string(t) + " fs " + std::to_string(fs) +
                     " period " + std::to_string(period));

        LfoModule lfo;
        lfo.set_sample_freq(fs);
        lfo.set_period(period);
        lfo.set_phase_dist(pd);
        lfo.set_phase_dist_offset(pd_ofs);
        lfo.set_chaos(chaos);
        lfo.set_variation(0, var0);
        lfo.set_variation(1, var1);
        lfo.set_sign(invert);
        lfo.set_polarity(unipolar);
        lfo.set_input_gain(gain);
        lfo.set_snh(snh);
        lfo.set_smooth(smooth);
        if (t == LfoModule::Type_STEP_SEQ)
        {
            fill_steps(lfo);
        }
        lfo.set_type(t);
        lfo.set_phase(uni(rng));
        // The noise ignores the polarity.
        const double lo = (unipolar && !is_noise(t)) ? 0 : -gain;
        const double nbr_chunks = std::min(4 * period * fs / 256, 400.0) + 3;
        for (int c = 0; c < nbr_chunks; ++c)
        {
            lfo.tick((c % 7 == 3) ? 1 : 256);
            const double v = lfo.get_val();
            ASSERT_FALSE(std::isnan(v));
            ASSERT_GE(v, lo - 1e-9);
            ASSERT_LE(v, gain + 1e-9);
            ASSERT_GE(lfo.get_phase(), 0);
            ASSERT_LT(lfo.get_phase(), 1);
        }
    }
}

TEST(LfoModule, FractionsAtTheirEndsStayFinite)
{
    for (double fs : {44100.0, 192000.0})
    {
        for (double period : {0.01, 100.0})
        {
            for (double snh : {0.0, 0.000001, 0.0000010001, 1.0})
            {
                for (double smooth : {0.0, 1e-30, 1.0})
                {
                    LfoModule lfo;
                    lfo.set_type(LfoModule::Type_SQUARE);
                    lfo.set_sample_freq(fs);
                    lfo.set_period(period);
                    lfo.set_snh(snh);
                    lfo.set_smooth(smooth);
                    EXPECT_EQ(lfo.is_hold_on(), snh > 0.000001);
                    EXPECT_EQ(lfo.is_smooth_on(), smooth > 0);
                    EXPECT_TRUE(std::isfinite(lfo.get_smooth_coef()));
                    for (int c = 0; c < 50; ++c)
                    {
                        lfo.tick(256);
                        ASSERT_TRUE(std::isfinite(lfo.get_val()))
                            << fs << " " << period << " " << snh << " " << smooth;
                        ASSERT_LE(std::fabs(lfo.get_val()), 1);
                    }
                }
            }
        }
    }
    // Nonsense input switches the stages off rather than poisoning the value.
    LfoModule lfo;
    lfo.set_snh(std::nan(""));
    lfo.set_smooth(std::nan(""));
    lfo.tick(256);
    EXPECT_FALSE(lfo.is_hold_on());
    EXPECT_FALSE(lfo.is_smooth_on());
    EXPECT_TRUE(std::isfinite(lfo.get_val()));
}

} // namespace

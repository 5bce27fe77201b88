#include "dsp/adsr/AdsrLin.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace
{

using dsp::AdsrLin;

struct Setting
{
    float fs;
    float atk;
    float dcy;
    float lvl;
    float sus;
    float rls;
    // Expected section lengths in samples.
    long len_a;
    long len_d;
    long len_s;
    long len_r;
};

// clang-format off
const Setting setting_arr[] = {
    {44100, 0.01f, 0.1f, 0.5f, 1.0f, 0.25f, 441, 4410, 44100, 11025},
    {48000, 0.01f, 0.1f, 0.5f, 1.0f, 0.25f, 480, 4800, 48000, 12000},
    {48000, 0, 0, 0.3f, 0, 0, 1, 1, 1, 1},                          // every section one sample
    {96000, 0.25f, 0.001f, 1, 0.002f, 1.5f, 24000, 96, 192, 144000}, // sustain at the top
    {192000, 0.5f, 2.0f, 0.75f, 0.1f, 5.0f, 96000, 384000, 19200, 960000},
};
// clang-format on

void configure(AdsrLin& env, const Setting& s)
{
    env.set_sample_freq(s.fs);
    env.set_attack_time(s.atk);
    env.set_decay_time(s.dcy);
    env.set_sustain_level(s.lvl);
    env.set_sustain_time(s.sus);
    env.set_release_time(s.rls);
    env.clear_buffers();
}

// Section and value after k samples from a note-on at 0.
void expected_at(const Setting& s, long k, AdsrLin::Section& sec, double& val)
{
    const long end_a = s.len_a;
    const long end_d = end_a + s.len_d;
    const long end_s = end_d + s.len_s;
    const long end_r = end_s + s.len_r;
    if (k < end_a)
    {
        sec = AdsrLin::Section_ATTACK;
        val = double(k) / double(s.len_a);
    }
    else if (k < end_d)
    {
        sec = AdsrLin::Section_DECAY;
        val = 1 + (double(s.lvl) - 1) * double(k - end_a) / double(s.len_d);
    }
    else if (k < end_s)
    {
        sec = AdsrLin::Section_SUSTAIN;
        val = s.lvl;
    }
    else if (k < end_r)
    {
        sec = AdsrLin::Section_RELEASE;
        val = s.lvl * (1 - double(k - end_s) / double(s.len_r));
    }
    else
    {
        sec = AdsrLin::Section_IDLE;
        val = 0;
    }
}

TEST(AdsrLin, SectionsLastTheirLengthsPerSampleAndSkipped)
{
    for (const Setting& s : setting_arr)
    {
        SCOPED_TRACE(std::to_string(s.fs) + " " + std::to_string(s.atk));
        const long total = s.len_a + s.len_d + s.len_s + s.len_r + 10;
        // Per sample: every boundary, exactly.
        AdsrLin env;
        configure(env, s);
        env.note_on();
        float out = 0;
        for (long k = 1; k <= total; ++k)
        {
            env.process_block(&out, 1);
            AdsrLin::Section sec;
            double val = 0;
            expected_at(s, k, sec, val);
            ASSERT_EQ(env.get_section(), sec) << k;
            ASSERT_NEAR(out, val, 1e-5) << k;
        }
        // Skipped in chunks, the closed form lands on the same values.
        for (long chunk : {1L, 256L, 4095L})
        {
            AdsrLin skip;
            configure(skip, s);
            skip.note_on();
            for (long k = chunk; k <= total; k += chunk)
            {
                skip.skip_block(chunk);
                AdsrLin::Section sec;
                double val = 0;
                expected_at(s, k, sec, val);
                ASSERT_EQ(skip.get_section(), sec) << chunk << " " << k;
                ASSERT_NEAR(skip.get_val(), val, 1e-9) << chunk << " " << k;
            }
        }
    }
}

TEST(AdsrLin, RetriggerRisesFromWhereItIs)
{
    AdsrLin env;
    configure(env, setting_arr[0]);
    env.note_on();
    // Into the release, down to 0.3.
    env.skip_block(441 + 4410 + 44100);
    ASSERT_EQ(env.get_section(), AdsrLin::Section_RELEASE);
    env.skip_block(long(11025 * 0.4));
    ASSERT_NEAR(env.get_val(), 0.3, 1e-9);
    env.note_on();
    EXPECT_EQ(env.get_section(), AdsrLin::Section_ATTACK);
    EXPECT_EQ(env.get_remaining(), 441);
    env.skip_block(147);
    EXPECT_NEAR(env.get_val(), 0.3 + 0.7 / 3, 1e-9);
    env.skip_block(294);
    EXPECT_EQ(env.get_section(), AdsrLin::Section_DECAY);
    EXPECT_EQ(env.get_val(), 1);

    // Retriggering the attack itself shortens nothing but the distance left.
    env.note_on();
    env.skip_block(441);
    EXPECT_EQ(env.get_section(), AdsrLin::Section_DECAY);
}

TEST(AdsrLin, NoteOffLeavesTheTimedSustainAlone)
{
    AdsrLin env;
    configure(env, setting_arr[1]);
    env.note_on();
    env.skip_block(480 + 4800 + 100);
    ASSERT_EQ(env.get_section(), AdsrLin::Section_SUSTAIN);
    env.note_off();
    env.skip_block(1000);
    EXPECT_EQ(env.get_section(), AdsrLin::Section_SUSTAIN);
    EXPECT_NEAR(env.get_val(), 0.5, 1e-12);
}

TEST(AdsrLin, ZeroSustainLevelSkipsTheRelease)
{
    Setting s = setting_arr[1];
    s.lvl = 0;
    AdsrLin env;
    configure(env, s);
    env.note_on();
    env.skip_block(480 + 4800 + 48000);
    EXPECT_EQ(env.get_section(), AdsrLin::Section_IDLE);
    EXPECT_EQ(env.get_val(), 0);
}

TEST(AdsrLin, KillRampsRestartsTheAttackFromZero)
{
    AdsrLin env;
    configure(env, setting_arr[1]);
    env.note_on();
    env.skip_block(240);
    env.kill_ramps();
    EXPECT_EQ(env.get_val(), 0);
    env.skip_block(239);
    EXPECT_NEAR(env.get_val(), 239.0 / 240, 1e-9);
    env.skip_block(1);
    EXPECT_EQ(env.get_section(), AdsrLin::Section_DECAY);
    // Outside idle and attack it changes nothing.
    env.kill_ramps();
    EXPECT_EQ(env.get_val(), 1);
}

TEST(AdsrLin, OddTimesGiveOneSampleAndBlocksAtLeastOne)
{
    AdsrLin env;
    env.set_sample_freq(48000);
    EXPECT_EQ(env.conv_time_to_len(0), 1);
    EXPECT_EQ(env.conv_time_to_len(-3), 1);
    EXPECT_EQ(env.conv_time_to_len(std::numeric_limits<float>::quiet_NaN()), 1);
    EXPECT_EQ(env.conv_time_to_len(0.5f / 48000), 1);
    EXPECT_EQ(env.conv_time_to_len(2.5f / 48000), 2);
    env.set_sample_freq(44100);
    EXPECT_EQ(env.conv_time_to_len(0.01f), 441); // single precision, not 440

    configure(env, setting_arr[2]); // all sections one sample
    env.note_on();
    float buf[4] = {2, 2, 2, 2};
    env.process_block_mul(buf, 0);
    EXPECT_EQ(buf[0], 2); // attack done: value 1
    EXPECT_EQ(buf[1], 2);
    env.process_block_mul(buf + 1, 3);
    EXPECT_FLOAT_EQ(buf[1], 0.6f); // sustain level 0.3, reached after the one-sample decay
    EXPECT_FLOAT_EQ(buf[2], 0.6f);
    EXPECT_EQ(buf[3], 0); // release done
    EXPECT_EQ(env.get_section(), AdsrLin::Section_IDLE);
}

} // namespace

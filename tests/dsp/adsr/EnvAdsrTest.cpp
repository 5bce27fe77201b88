#include "dsp/adsr/EnvAdsr.h"
#include "ChunkRunner.h"
#include "dsp/LfoModuleDesc.h"
#include "dsp/adsr/EventGenerator.h"
#include "zun/piapi/ParamStateSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace
{

using dsp::AdsrLin;
using dsp::LfoModuleDesc;
using zun::piapi::EventTs;

class EnvAdsrBlock : public ::testing::Test
{
protected:
    static constexpr int slot = 2;
    static constexpr int b = 74 * slot;

    void SetUp() override
    {
        adsr = std::make_unique<dsp::EnvAdsr>(states, desc, gen, slot);
        int latency = -1;
        gen.reset(48000, 256, latency);
        adsr->reset(48000, 256, latency);
        EXPECT_EQ(latency, 0);
    }
    void send(int j, double nat)
    {
        const auto& d = desc.get_param_info(zun::piapi::ParamCateg_GLOBAL, b + j);
        runner.add_event(EventTs::make_param(b + j, float(d.conv_nat_to_nrm(nat))));
    }
    // One chunk as the engine runs it: the generator on the input, then the envelope.
    void chunk(const float* src, int n = 256)
    {
        runner.run(gen, src, n);
        runner.run(*adsr, src, n);
    }
    // One chunk with a given generator event instead of audio.
    void chunk_evt(float event, int n = 256)
    {
        static_cast<dsp::EventGenerator::Listener&>(*adsr).value_changed(event);
        runner.run_const(*adsr, 0, n);
    }

    LfoModuleDesc desc;
    zun::piapi::ParamStateSet states;
    dsp::EventGenerator gen;
    std::unique_ptr<dsp::EnvAdsr> adsr;
    adsr_test::ChunkRunner runner;
};

TEST_F(EnvAdsrBlock, WritesItsDefaultsAndRegistersAtItsSlot)
{
    for (int j = 17; j <= 31; ++j)
    {
        EXPECT_NEAR(states.get_val_tgt_nat(b + j), LfoModuleDesc::get_default_nat(j), 1e-9) << j;
    }
    EXPECT_EQ(gen.get_listener(slot), adsr.get());
    EXPECT_EQ(gen.get_listener(slot + 1), nullptr);
    EXPECT_EQ(adsr->get_state(), zun::piapi::PluginInterface::State_ACTIVE);
    adsr.reset();
    EXPECT_EQ(gen.get_listener(slot), nullptr);
}

TEST_F(EnvAdsrBlock, ATransientStartsTheEnvelope)
{
    std::vector<float> sig(48000, 0.f);
    for (size_t i = 2560; i < 2560 + 4800; ++i)
    {
        sig[i] = float(0.5 * std::sin(double(i) * 0.13));
    }
    // Until the burst: idle at 0.
    for (int c = 0; c < 10; ++c)
    {
        chunk(sig.data() + 256 * c);
        ASSERT_EQ(adsr->get_val(), 0) << c;
    }
    int c_on = -1;
    for (int c = 10; c < 20 && c_on < 0; ++c)
    {
        chunk(sig.data() + 256 * c);
        if (adsr->get_val() > 0)
        {
            c_on = c;
        }
    }
    ASSERT_GE(c_on, 10);
    // The note starts at the chunk's start: a whole chunk into the 480-sample default attack.
    EXPECT_NEAR(adsr->get_val(), 256.0 / 480, 1e-6);
    EXPECT_EQ(adsr->use_adsr().get_section(), AdsrLin::Section_ATTACK);
    chunk(sig.data() + 256 * (c_on + 1));
    // 512 samples: through the top and 32 samples into the 0.1 s decay towards 0.5.
    EXPECT_NEAR(adsr->get_val(), 1 - 0.5 * 32 / 4800, 1e-6);
}

TEST_F(EnvAdsrBlock, OnlyANewEventRetriggers)
{
    chunk_evt(1);
    chunk_evt(1); // the same transient still reported: no new note
    EXPECT_EQ(adsr->use_adsr().get_section(), AdsrLin::Section_DECAY);
    chunk_evt(0);
    chunk_evt(1);
    EXPECT_EQ(adsr->use_adsr().get_section(), AdsrLin::Section_ATTACK);

    // A fall between two raises also makes the second one new.
    chunk_evt(-1);
    EXPECT_EQ(adsr->use_adsr().get_section(), AdsrLin::Section_DECAY);
    chunk_evt(1);
    EXPECT_EQ(adsr->use_adsr().get_section(), AdsrLin::Section_ATTACK);
}

TEST_F(EnvAdsrBlock, FallsDoNotEndTheTimedSustain)
{
    send(22, 0);    // decay
    send(25, 0.5);  // sustain time
    send(28, 0.25); // sustain level
    runner.run_const(*adsr, 0, 256);
    chunk_evt(1);
    chunk_evt(0);
    ASSERT_EQ(adsr->use_adsr().get_section(), AdsrLin::Section_SUSTAIN);
    chunk_evt(-1);
    EXPECT_EQ(adsr->use_adsr().get_section(), AdsrLin::Section_SUSTAIN);
    EXPECT_FLOAT_EQ(adsr->get_val(), 0.25f);
    for (int c = 0; c < 100; ++c)
    {
        chunk_evt(-1);
    }
    EXPECT_EQ(adsr->use_adsr().get_section(), AdsrLin::Section_RELEASE);
}

TEST_F(EnvAdsrBlock, ParametersReachTheEnvelope)
{
    send(17, 0.5); // gain
    send(18, 0.7); // velocity sensitivity: read, used nowhere
    send(19, 0.1); // attack 4800 samples
    runner.run_const(*adsr, 0, 256);
    EXPECT_FLOAT_EQ(adsr->get_velo_sens(), 0.7f);
    chunk_evt(1);
    EXPECT_NEAR(adsr->get_val(), 0.5 * 256 / 4800, 1e-6);
    EXPECT_EQ(adsr->use_adsr().get_remaining(), 4800 - 256);
}

TEST_F(EnvAdsrBlock, FullResetAndQuickCleanClear)
{
    chunk_evt(1);
    ASSERT_GT(adsr->get_val(), 0);
    runner.add_event(EventTs::make_proc(false, true));
    runner.run_const(*adsr, 0, 256);
    EXPECT_EQ(adsr->get_val(), 0);
    EXPECT_EQ(adsr->use_adsr().get_section(), AdsrLin::Section_IDLE);

    chunk_evt(0);
    chunk_evt(1);
    ASSERT_GT(adsr->get_val(), 0);
    adsr->clean_quick();
    runner.run_const(*adsr, 0, 256);
    EXPECT_EQ(adsr->get_val(), 0);
}

} // namespace

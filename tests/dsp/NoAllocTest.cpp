// The audio-thread paths of the modulation sources never touch the heap.

#include "dsp/LfoModule.h"
#include "dsp/LfoModuleDesc.h"
#include "dsp/adsr/EnvAdsr.h"
#include "dsp/adsr/EnvFollower.h"
#include "dsp/adsr/EventGenerator.h"
#include "support/AllocCounter.h"
#include "zun/piapi/EventTs.h"
#include "zun/piapi/ParamStateSet.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

namespace
{

using zun::piapi::EventTs;

using Counted = AllocCounter;

TEST(NoAlloc, TheCounterSeesAllocations)
{
    long n = 0;
    {
        Counted c;
        auto p = std::make_unique<int>(3);
        std::vector<float> v(100);
        n = c.get();
    }
    EXPECT_EQ(n, 2);
}

TEST(NoAlloc, LfoModuleSwitchesAndTicksWithoutTheHeap)
{
    dsp::LfoModule lfo;
    long n = 0;
    {
        Counted c;
        for (int round = 0; round < 3; ++round)
        {
            for (int t = 0; t <= dsp::LfoModule::Type_STEP_SEQ; ++t)
            {
                lfo.set_type(dsp::LfoModule::Type(t));
                lfo.set_sample_freq(48000 + 48000 * round);
                lfo.set_period(0.01 + 10 * round);
                lfo.set_phase(0.1 * t);
                lfo.set_chaos(0.5);
                lfo.set_phase_dist(0.2);
                lfo.set_phase_dist_offset(0.3);
                lfo.set_sign(round == 1);
                lfo.set_polarity(round == 2);
                lfo.set_variation(0, 0.3);
                lfo.set_variation(1, 0.9);
                lfo.set_snh(0.1 * round);
                lfo.set_smooth(0.2 * round);
                lfo.use_step_seq()->set_nbr_steps(7);
                lfo.use_step_seq()->set_val(3, 0.5f);
                lfo.correct_to_time(123456789ul * (unsigned long)t);
                lfo.tick(256);
                lfo.clear_buffers();
                lfo.tick(17);
            }
        }
        n = c.get();
    }
    EXPECT_EQ(n, 0);
    EXPECT_TRUE(std::isfinite(lfo.get_val()));
}

TEST(NoAlloc, GeneratorEnvelopesAndFollowersProcessWithoutTheHeap)
{
    constexpr int nbr_slots = dsp::LfoModuleDesc::NBR_SLOTS;
    dsp::LfoModuleDesc desc;
    zun::piapi::ParamStateSet states;
    dsp::EventGenerator gen;
    std::vector<std::unique_ptr<dsp::EnvAdsr>> adsr_arr;
    std::vector<std::unique_ptr<dsp::EnvFollower>> follower_arr;
    for (int s = 0; s < nbr_slots; ++s)
    {
        adsr_arr.push_back(std::make_unique<dsp::EnvAdsr>(states, desc, gen, s));
        follower_arr.push_back(std::make_unique<dsp::EnvFollower>(states, desc, s));
    }

    // The chunk's storage, prepared before the audio thread's view starts.
    std::vector<float> sig(48000);
    for (size_t i = 0; i < sig.size(); ++i)
    {
        sig[i] = float(std::sin(double(i) * 0.05) * ((i % 12000 < 3000) ? 0.8 : 0.0));
    }
    std::vector<float> out(256);
    const float* src_arr[1] = {sig.data()};
    float* dst_arr[1] = {out.data()};
    std::vector<EventTs> evt_list;
    for (int s = 0; s < nbr_slots; ++s)
    {
        const int b = dsp::LfoModuleDesc::get_lfo_base(s);
        evt_list.push_back(EventTs::make_param(b + 19, 0.3f));
        evt_list.push_back(EventTs::make_param(b + 33, 0.2f));
        evt_list.push_back(EventTs::make_param(b + 39, 0.4f));
    }
    evt_list.push_back(EventTs::make_proc(true, true));
    std::vector<const EventTs*> evt_ptr_arr;
    for (const EventTs& e : evt_list)
    {
        evt_ptr_arr.push_back(&e);
    }
    const EventTs gen_evt = EventTs::make_param(1, 0.9f);
    const EventTs* gen_evt_arr[1] = {&gen_evt};

    zun::piapi::PluginInterface::ProcInfo proc;
    proc.src_arr = src_arr;
    proc.dst_arr = dst_arr;
    proc.nbr_chn_in = 1;
    proc.nbr_chn_out = 1;
    proc.nbr_spl = 256;

    int latency = 0;
    gen.reset(48000, 256, latency);
    for (int s = 0; s < nbr_slots; ++s)
    {
        adsr_arr[size_t(s)]->reset(48000, 256, latency);
        follower_arr[size_t(s)]->reset(48000, 256, latency);
    }

    long n = 0;
    float sum = 0;
    {
        Counted c;
        for (int chunk = 0; chunk < 180; ++chunk)
        {
            src_arr[0] = sig.data() + 256 * chunk;
            const bool with_evt = (chunk % 50 == 7);
            proc.evt_arr = with_evt ? gen_evt_arr : nullptr;
            proc.nbr_evt = with_evt ? 1 : 0;
            gen.process_block(proc);
            proc.evt_arr = with_evt ? evt_ptr_arr.data() : nullptr;
            proc.nbr_evt = with_evt ? int(evt_ptr_arr.size()) : 0;
            for (int s = 0; s < nbr_slots; ++s)
            {
                adsr_arr[size_t(s)]->process_block(proc);
                follower_arr[size_t(s)]->process_block(proc);
                sum += adsr_arr[size_t(s)]->get_val() + follower_arr[size_t(s)]->get_val();
            }
            if (chunk == 90)
            {
                follower_arr[0]->clean_quick();
                adsr_arr[0]->clean_quick();
            }
        }
        n = c.get();
    }
    EXPECT_EQ(n, 0);
    EXPECT_GT(sum, 0);
}

} // namespace

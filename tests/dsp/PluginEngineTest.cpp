#include "dsp/plugin_engine.h"
#include "support/AllocCounter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
using Desc = dsp::LfoModuleDesc;

int slotId(int slot, int j)
{
    return PluginEngine::kFirstSlotId + PluginModulator::kNbrParam * slot + j;
}

class PluginEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        int latency = 0;
        engine.reset(2, 2, 48000.0, 256, latency);
        buffer.clear();
    }

    // One chunk the way the DSP interface drives it.
    void chunk(int n = 256)
    {
        engine.processAllControls();
        engine.processMacros(n, 0);
        engine.processModulation(&buffer, 2, n, 0);
        engine.processAudio(&buffer, 2, n, 0);
    }

    double effectTarget(int j) { return engine.get_dsp_param_state_set().get_val_tgt_nat(j); }
    double slotTarget(int slot, int j)
    {
        return engine.get_mod_param_state_set().get_val_tgt_nat(PluginModulator::kNbrParam * slot + j);
    }
    cr::Value* control(int id) { return engine.getControls().at(id); }
    const zun::param::ParamDescInterface& desc(int id)
    {
        return *engine.getParameters()->getDetails(id)->desc;
    }

    PluginEngine engine;
    juce::AudioBuffer<float> buffer{2, 256};
};
} // namespace

TEST_F(PluginEngineTest, ControlTableHas614ControlsInAscendingIds)
{
    const auto& controls = engine.getControls();
    EXPECT_EQ(controls.size(), 614u);
    for (int missing : {11, 14, 609, 612, 615, 618})
    {
        EXPECT_EQ(controls.count(missing), 0u) << missing;
        EXPECT_FALSE(engine.getParameters()->isParameter(missing));
    }
    EXPECT_EQ(controls.begin()->first, 0);
    EXPECT_EQ(controls.rbegin()->first, 619);
    for (const auto& [id, v] : controls)
    {
        const auto* d = engine.getParameters()->getDetails(id);
        ASSERT_NE(d, nullptr) << id;
        EXPECT_EQ(v->value(), d->default_value) << id;
        // Effect and slot controls are the modulation destinations, nothing else.
        const bool mod = id <= 10 || (id >= 15 && id <= 606);
        EXPECT_EQ(engine.getModulationDestination(id) != nullptr, mod) << id;
    }

    EXPECT_NEAR(control(4)->value(), 1000.0, 1e-6);
    EXPECT_EQ(control(619)->value(), 120.0);
    EXPECT_EQ(desc(607).get_name(0), "Macro 1");
    EXPECT_EQ(desc(617).get_name(0), "Macro Curve\nMacro 4 Curve");
    EXPECT_EQ(desc(619).get_name(3), "BPM");
    EXPECT_EQ(desc(610).get_flags(), 0);
    EXPECT_EQ(desc(0).get_flags(), 8);
    EXPECT_EQ(desc(12).get_flags(), 8);
    EXPECT_EQ(desc(slotId(3, 4)).get_flags(), 4);
}

TEST_F(PluginEngineTest, SlotsRegisterTheirOutputsUnderTheirFirstControl)
{
    PluginModulator* slot2 = engine.getModulator(2);
    EXPECT_EQ(slotId(2, 0), 163);
    EXPECT_EQ(engine.getModulationOutput(163), slot2->output(0));
    EXPECT_EQ(engine.getModulationOutput(178), slot2->output(1));
    EXPECT_EQ(engine.getModulationControls().at(163), slot2->output(0));
    EXPECT_EQ(engine.getModulationControls().count(178), 0u);
    EXPECT_TRUE(engine.getParameters()->isParameter(236));
    EXPECT_EQ(engine.getMacroControls().size(), 4u);

    PluginEngine fresh;
    EXPECT_EQ(fresh.getModulator(0)->output(0)->get(0), 0.0);
    EXPECT_EQ(fresh.getModulator(0)->output(1)->get(0), 0.0);
    EXPECT_EQ(fresh.getModulator(0)->get_state(), 0);
    EXPECT_EQ(engine.getModulator(0)->get_state(), 1);
}

TEST_F(PluginEngineTest, MacroPassAppliesCurveAndAmount)
{
    struct Case
    {
        int type;
        double curve_min, curve_max, macro, amount, expected_raise;
    };
    const Case cases[] = {
        {WavePath::Type_SQUARE, 0, 1, 0.5, 0.4, 0.1},
        {WavePath::Type_LINEAR, 0.6, 1, 0.5, 0.4, 0.0},   // below curve_min: nothing
        {WavePath::Type_CUBIC, 0, 0.4, 0.5, 0.3, 0.3},    // above curve_max: the full amount
        {WavePath::Type_LINEAR, 0.5, 0.5, 0.5, 0.2, 0.2}, // a step, not a division by zero
    };
    for (const auto& c : cases)
    {
        PluginEngine e;
        int latency = 0;
        e.reset(2, 2, 48000.0, 256, latency);
        MacroConnection m(607, 7);
        m.amount = c.amount;
        m.curve.type = c.type;
        m.curve.curve_min = c.curve_min;
        m.curve.curve_max = c.curve_max;
        ASSERT_TRUE(e.connectMacro(&m));
        cr::Value* tone = e.getControls().at(7);
        e.processAllControls();
        e.getControls().at(607)->set(c.macro);
        e.processMacros(256, 0);
        EXPECT_NEAR(tone->get_macro(), c.expected_raise, 1e-6) << c.type;
        e.processAudio(&buffer, 2, 256, 0);
        EXPECT_NEAR(e.get_dsp_param_state_set().get_val_tgt_nat(7), 0.5 + c.expected_raise, 1e-6) << c.type;
    }
}

TEST_F(PluginEngineTest, SlotModulationIsCentredAndClamped)
{
    // Destination: slot 3's phase distortion (0..1, default 0.5), driven by slots 0 and 1,
    // whose outputs of the previous chunk are set by hand.
    const int dest = slotId(3, Desc::Param_PHASE_DIST);
    ModulationConnection a(slotId(0, 0), dest), b(slotId(1, 0), dest);
    a.amount = 1.0;
    b.amount = 1.0;
    engine.connectModulation(&a);
    engine.connectModulation(&b);

    engine.processAllControls();
    engine.getModulator(0)->output(0)->set(0, 0.5);
    engine.getModulator(1)->output(0)->set(0, 0.5);
    engine.processModulation(&buffer, 2, 256, 0);
    EXPECT_EQ(control(dest)->get_modulation(), 0.0);
    EXPECT_NEAR(slotTarget(3, Desc::Param_PHASE_DIST), 0.5, 1e-6);

    engine.processAllControls();
    engine.getModulator(0)->output(0)->set(0, 1.0);
    engine.getModulator(1)->output(0)->set(0, 1.0);
    engine.processModulation(&buffer, 2, 256, 0);
    EXPECT_EQ(control(dest)->get_modulation(), 1.0);
    EXPECT_NEAR(slotTarget(3, Desc::Param_PHASE_DIST), desc(dest).get_nat_max(), 1e-6);
    engine.processAudio(&buffer, 2, 256, 0);
}

TEST_F(PluginEngineTest, LastPushForAParameterWinsTheChunk)
{
    engine.processPluginControls(4, 500.0);
    engine.processPluginControls(4, 2000.0);
    engine.processPluginControls(11, 3.0);     // not an effect control: ignored
    engine.processModulationControl(607, 1.0); // not a slot control: ignored
    EXPECT_EQ(engine.getNumPendingEffectEvents(), 2);
    EXPECT_EQ(engine.getNumPendingSlotEvents(), 0);
    chunk();
    EXPECT_NEAR(effectTarget(4), 2000.0, 0.5);
    EXPECT_EQ(engine.getNumPendingEffectEvents(), 0);

    // Values outside the range are limited before they reach the block.
    engine.processPluginControls(4, 1e9);
    chunk();
    EXPECT_NEAR(effectTarget(4), 10240.0, 1e-3);
}

TEST_F(PluginEngineTest, ConnectionsFromADamagedPatchAreSkipped)
{
    ModulationConnection bad_dest[] = {{15, 11}, {15, 614}, {15, 9999}, {9999, 4}, {16, 4}};
    MacroConnection bad_macros[] = {{607, 11}, {607, 614}, {607, 9999}, {4, 7}, {608, 7}};
    for (auto& c : bad_dest)
    {
        c.amount = 1.0;
        engine.connectModulation(&c);
    }
    for (auto& c : bad_macros)
    {
        c.amount = 1.0;
        engine.connectMacro(&c);
    }
    control(607)->set(1.0);
    for (int i = 0; i < 4; ++i)
        chunk();
    EXPECT_EQ(control(4)->get_modulation(), 0.0);
    EXPECT_EQ(control(7)->get_macro(), 0.0);
    EXPECT_NEAR(effectTarget(4), 1000.0, 1e-3);
    EXPECT_NEAR(effectTarget(7), 0.5, 1e-6);
}

TEST_F(PluginEngineTest, EffectDestinationsFollowTheSlotsOfTheSameChunk)
{
    // Slot 0 as a sine at full gain with period 1 s: after a chunk its value is no longer 0.5, and
    // the cutoff moves by it in the same chunk.
    ModulationConnection c(slotId(0, 0), 4);
    c.amount = 0.5;
    engine.connectModulation(&c);
    engine.processModulationControl(slotId(0, Desc::Param_PHASE), 0.25); // the sine's peak
    chunk();
    const double s = engine.getModulator(0)->output(0)->get(0);
    EXPECT_GT(s, 0.9);
    const double expected_nrm = desc(4).conv_nat_to_nrm(1000.0) + (2 * s - 1) * 0.5;
    EXPECT_NEAR(desc(4).conv_nat_to_nrm(effectTarget(4)), std::min(1.0, expected_nrm), 1e-5);
}

TEST_F(PluginEngineTest, WaveformUpdatesOfASlot)
{
    PluginModulator* slot = engine.getModulator(0);
    const int wave = slotId(0, Desc::Param_WAVEFORM);

    engine.processModulationControl(wave, dsp::LfoModule::Type_ADSR);
    for (int i = 0; i < 8; ++i)
    {
        chunk();
        EXPECT_EQ(slot->output(0)->get(0), 0.5) << "silence never triggers the envelope";
    }
    EXPECT_EQ(slot->use_lfo().get_type(), dsp::LfoModule::Type_SINE);
    engine.processModulationControl(wave, dsp::LfoModule::Type_SINE);
    chunk();
    EXPECT_EQ(slot->use_lfo().get_type(), dsp::LfoModule::Type_SINE);

    engine.processModulationControl(wave, dsp::LfoModule::Type_STEP_SEQ);
    engine.processModulationControl(slotId(0, Desc::Param_NBR_STEPS), 7.9);
    chunk();
    EXPECT_EQ(slot->use_lfo().get_type(), dsp::LfoModule::Type_STEP_SEQ);
    ASSERT_NE(const_cast<dsp::LfoModule&>(slot->use_lfo()).use_step_seq(), nullptr);
    EXPECT_EQ(const_cast<dsp::LfoModule&>(slot->use_lfo()).use_step_seq()->get_nbr_steps(), 7);
}

TEST_F(PluginEngineTest, LevelMetersAndSilence)
{
    for (int i = 0; i < 256; ++i)
    {
        buffer.setSample(0, i, 0.5f);
        buffer.setSample(1, i, -0.5f);
    }
    engine.processAllControls();
    engine.processMacros(256, 0);
    engine.processModulation(&buffer, 2, 256, 0);
    engine.processAudio(&buffer, 2, 256, 0);
    EXPECT_NEAR(engine.get_rms_value(0, 0), 0.5f, 1e-6);
    EXPECT_NEAR(engine.get_rms_value(0, 1), 0.5f, 1e-6);
    EXPECT_GT(engine.get_rms_value(1, 0), 0.0f);
    EXPECT_EQ(engine.get_rms_value(2, 0), 0.0f);
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < 256; ++i)
            ASSERT_TRUE(std::isfinite(buffer.getSample(c, i)));
}

TEST_F(PluginEngineTest, ChunksStopAllocatingAfterWarmUp)
{
    ModulationConnection c(slotId(0, 0), 4);
    c.amount = 0.3;
    engine.connectModulation(&c);
    MacroConnection m(607, slotId(2, Desc::Param_PHASE_DIST));
    m.amount = 0.2;
    engine.connectMacro(&m);
    chunk();
    AllocCounter counter;
    for (int i = 0; i < 50; ++i)
    {
        for (int id = 0; id <= 619; ++id)
            if (engine.getParameters()->isParameter(id))
            {
                engine.processPluginControls(id, control(id)->value());
                engine.processModulationControl(id, control(id)->value());
            }
        chunk(i % 2 ? 256 : 100);
    }
    EXPECT_EQ(counter.get(), 0);
}

TEST_F(PluginEngineTest, PhaseOfOneStartsTheCycleAtZero)
{
    PluginEngine other;
    int latency = 0;
    other.reset(2, 2, 48000.0, 256, latency);
    juce::AudioBuffer<float> other_buffer(2, 256);
    other_buffer.clear();
    engine.processModulationControl(slotId(0, Desc::Param_PHASE), 1.0);
    other.processModulationControl(slotId(0, Desc::Param_PHASE), 0.0);
    for (int i = 0; i < 3; ++i)
    {
        chunk();
        other.processAllControls();
        other.processMacros(256, 0);
        other.processModulation(&other_buffer, 2, 256, 0);
        other.processAudio(&other_buffer, 2, 256, 0);
        EXPECT_EQ(engine.getModulator(0)->output(0)->get(0), other.getModulator(0)->output(0)->get(0));
        EXPECT_EQ(engine.getModulator(0)->output(1)->get(0), other.getModulator(0)->output(1)->get(0));
    }
}

TEST(PluginEngineInput, FollowersListenToInputChannelOneOrToTheLastMonoOutput)
{
    struct Case
    {
        int nbr_chn;
        float level0, level1;
        bool moves_first_chunk, moves_later;
    };
    const Case cases[] = {
        {2, 0.0f, 0.8f, true, true},   // stereo: channel 1 drives the followers
        {2, 0.8f, 0.0f, false, false}, // stereo: channel 0 alone does not
        {1, 0.8f, 0.0f, false, true},  // mono: the effect's previous output does
    };
    for (const auto& c : cases)
    {
        PluginEngine e;
        int latency = 0;
        e.reset(c.nbr_chn, c.nbr_chn, 48000.0, 256, latency);
        const int wave = slotId(0, Desc::Param_WAVEFORM);
        juce::AudioBuffer<float> buf(c.nbr_chn, 256);
        std::vector<double> values;
        for (int k = 0; k < 4; ++k)
        {
            for (int i = 0; i < 256; ++i)
            {
                const float s = (i % 20 < 10) ? 1.0f : -1.0f;
                buf.setSample(0, i, s * c.level0);
                if (c.nbr_chn > 1)
                    buf.setSample(1, i, s * c.level1);
            }
            if (k == 0)
                e.processModulationControl(wave, dsp::LfoModule::Type_ENV_FOLLOWER);
            e.processAllControls();
            e.processMacros(256, 0);
            e.processModulation(&buf, c.nbr_chn, 256, 0);
            e.processAudio(&buf, c.nbr_chn, 256, 0);
            values.push_back(e.getModulator(0)->output(0)->get(0));
        }
        EXPECT_EQ(values[0] > 0.5, c.moves_first_chunk) << c.nbr_chn << " " << c.level0;
        EXPECT_EQ(values[3] > 0.5, c.moves_later) << c.nbr_chn << " " << c.level0;
        EXPECT_GE(values[3], 0.5);
    }
}

#include "dsp/value.h"

#include <gtest/gtest.h>

namespace
{
class Node : public Processor
{
public:
    Node(int nbrIn, int nbrOut, bool controlRate) : Processor(nbrIn, nbrOut, controlRate) {}
    void process() override {}
};
} // namespace

TEST(Processor, NewNodesReadSilenceAtTheirRate)
{
    Node cr(2, 2, true);
    EXPECT_EQ(cr.getBufferSize(), 1);
    EXPECT_EQ(cr.getSampleRate(), 44100);
    EXPECT_EQ(cr.output(0)->size(), 1);
    EXPECT_EQ(cr.output(1)->get(0), 0.0);
    EXPECT_EQ(cr.output(0)->owner, &cr);
    EXPECT_EQ(cr.input(1)->source, &Processor::_null_source);

    Node ar(0, 1, false);
    EXPECT_EQ(ar.getBufferSize(), 256);
    EXPECT_EQ(ar.output(0)->size(), 256);
    ar.setBufferSize(64);
    EXPECT_EQ(ar.getBufferSize(), 64);
    ar.setControlRate(true);
    EXPECT_EQ(ar.getBufferSize(), 1);
    ar.setControlRate(false);
    EXPECT_EQ(ar.getBufferSize(), 1);
    cr.setBufferSize(128);
    EXPECT_EQ(cr.getBufferSize(), 1);
}

TEST(Processor, PlugAndUnplugRoutes)
{
    Node a(0, 2, true), b(0, 1, true), sink(3, 0, true);
    EXPECT_TRUE(sink.plug(&a));
    EXPECT_TRUE(sink.plug(a.output(1), 1));
    EXPECT_TRUE(sink.plug(&b, 2));
    EXPECT_FALSE(sink.plug(&b, 3));
    EXPECT_FALSE(sink.unplugIndex(3));
    EXPECT_EQ(sink.input(0)->source, a.output(0));

    // Every input is in use: plugNext grows a fourth.
    sink.plugNext(&b);
    ASSERT_EQ(sink.numInputs(), 4);
    EXPECT_EQ(sink.input(3)->source, b.output(0));

    sink.unplug(&a);
    EXPECT_EQ(sink.input(0)->source, &Processor::_null_source);
    EXPECT_EQ(sink.input(1)->source, &Processor::_null_source);
    EXPECT_EQ(sink.input(2)->source, b.output(0));

    // plugNext now reuses the lowest free input.
    sink.plugNext(a.output(1));
    EXPECT_EQ(sink.input(0)->source, a.output(1));
    EXPECT_EQ(sink.numInputs(), 4);

    sink.unplug(b.output(0));
    EXPECT_EQ(sink.input(2)->source, &Processor::_null_source);
    EXPECT_EQ(sink.input(3)->source, &Processor::_null_source);
    EXPECT_TRUE(sink.unplugIndex(0));
    EXPECT_EQ(sink.input(0)->source, &Processor::_null_source);
}

TEST(Processor, RegisterAtIndexGrowsWithEmptySlots)
{
    Node n(0, 0, true);
    cr::Output extra;
    n.registerOutput(&extra, 3);
    ASSERT_EQ(n.numOutputs(), 4);
    EXPECT_EQ(n.output(0), nullptr);
    EXPECT_EQ(n.output(3), &extra);
    // Unplugging by processor skips empty slots.
    Input in(&extra);
    n.registerInput(&in, 2);
    n.unplug(static_cast<const Processor*>(&n));
    EXPECT_EQ(in.source, &extra);
}

TEST(Value, ProcessRestartsSumsButOutputsKeepTheirLastSample)
{
    cr::Value v(0.25);
    v.set_modulation(0.5);
    v.set_macro(0.1);
    v.process();
    EXPECT_EQ(v.value(), 0.25);
    EXPECT_EQ(v.get_modulation(), 0.0);
    EXPECT_EQ(v.get_macro(), 0.0);
    EXPECT_EQ(v.output(0)->get(0), 0.25);
    EXPECT_EQ(v.output(1)->get(0), 0.5);
    EXPECT_EQ(v.output(2)->get(0), 0.1);

    v.set(3.0);
    EXPECT_EQ(v.output(0)->get(0), 3.0);

    Value audio(-1.5, false);
    EXPECT_EQ(audio.output(0)->get(255), -1.5);
    audio.set(2.0);
    EXPECT_EQ(audio.output(0)->get(255), 2.0);
}

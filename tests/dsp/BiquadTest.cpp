#include "dsp/Biquad.h"
#include "dsp/Filter2p.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace
{

std::vector<float> make_noise(long n, unsigned seed)
{
    std::mt19937 gen(seed);
    std::uniform_real_distribution<float> dist(-1.f, 1.f);
    std::vector<float> v(static_cast<size_t>(n));
    for (auto& x : v)
    {
        x = dist(gen);
    }
    return v;
}

// A resonant band-pass: a long memory, so history mistakes show up in every later sample.
dsp::Filter2p make_resonant_bp()
{
    dsp::Filter2p f;
    f.set_type(dsp::Filter2p::Type_BAND_PASS);
    f.set_sample_freq(48000);
    f.set_freq(3000);
    f.set_p1(1.5f);
    f.set_p2(8);
    f.update_eq();
    return f;
}

enum class Mode
{
    STORE,
    MIX,
    ND
};

void run(dsp::Biquad& f, Mode mode, float* dst, const float* src, long n)
{
    switch (mode)
    {
    case Mode::STORE:
        f.process_block(dst, src, n);
        break;
    case Mode::MIX:
        f.process_block_mix(dst, src, n);
        break;
    case Mode::ND:
        f.process_block_nd(dst, src, n);
        break;
    }
}

} // namespace

TEST(Biquad, DefaultsPassInputUnchanged)
{
    const auto in = make_noise(37, 1);
    std::vector<float> out(in.size());

    dsp::Biquad bq;
    bq.process_block(out.data(), in.data(), long(in.size()));
    EXPECT_EQ(out, in);

    dsp::BiquadS bqs;
    bqs.process_block(out.data(), in.data(), long(in.size()));
    EXPECT_EQ(out, in);

    // The peak of gain 1 is designed: its zeros cancel its poles only to rounding, which the
    // poles near z = 1 amplify a little.
    const auto long_in = make_noise(4800, 12);
    std::vector<float> long_out(long_in.size());
    dsp::Filter2p f2p;
    f2p.process_block(long_out.data(), long_in.data(), long(long_in.size()));
    for (size_t i = 0; i < long_in.size(); ++i)
    {
        ASSERT_NEAR(long_out[i], long_in[i], 1e-4f) << i;
    }
}

TEST(Biquad, RecursionIsDirectFormOne)
{
    dsp::Biquad bq;
    const float b0 = 0.3f, b1 = -0.2f, b2 = 0.1f, a1 = -0.5f, a2 = 0.25f;
    bq.set_z_eq(b0, b1, b2, a1, a2);
    const auto in = make_noise(21, 2);
    std::vector<float> out(in.size());
    bq.process_block(out.data(), in.data(), long(in.size()));

    float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (size_t i = 0; i < in.size(); ++i)
    {
        const float y = b0 * in[i] + b1 * x1 + b2 * x2 - (a1 * y1 + a2 * y2);
        EXPECT_EQ(out[i], y) << i;
        x2 = x1;
        x1 = in[i];
        y2 = y1;
        y1 = y;
    }
    EXPECT_EQ(bq.get_mem_x(0), x1);
    EXPECT_EQ(bq.get_mem_x(1), x2);
    EXPECT_EQ(bq.get_mem_y(0), y1);
    EXPECT_EQ(bq.get_mem_y(1), y2);
}

TEST(Biquad, MixAddsOutputButKeepsFilterOutputInHistory)
{
    auto ref = make_resonant_bp();
    auto mix = ref;
    const auto in = make_noise(64, 3);
    const auto base = make_noise(64, 4);
    std::vector<float> out_ref(64);
    std::vector<float> out_mix = base;
    ref.process_block(out_ref.data(), in.data(), 32);
    mix.process_block_mix(out_mix.data(), in.data(), 32);
    for (int i = 0; i < 32; ++i)
    {
        EXPECT_EQ(out_mix[i], base[i] + out_ref[i]) << i;
    }
    // If the history held the sums, the second half would drift apart.
    ref.process_block(out_ref.data() + 32, in.data() + 32, 32);
    mix.process_block(out_mix.data() + 32, in.data() + 32, 32);
    for (int i = 32; i < 64; ++i)
    {
        EXPECT_EQ(out_mix[i], out_ref[i]) << i;
    }
}

TEST(Biquad, InPlaceEqualsSeparateBuffers)
{
    auto a = make_resonant_bp();
    auto b = a;
    auto buf = make_noise(41, 5);
    std::vector<float> out(buf.size());
    a.process_block(out.data(), buf.data(), long(buf.size()));
    b.process_block(buf.data(), buf.data(), long(buf.size()));
    EXPECT_EQ(buf, out);
}

// Any split of a block must round exactly like the whole block, for every mode.
TEST(Biquad, SplitBlocksAreBitExact)
{
    const long total = 211;
    const auto in = make_noise(total, 6);
    const auto base = make_noise(total, 7);
    const std::vector<std::vector<long>> patterns = {
        {1}, {2}, {3}, {5}, {7}, {64}, {1, 2}, {3, 1, 4, 1, 5, 9, 2, 6}, {0, 1, 0, 2}};

    for (Mode mode : {Mode::STORE, Mode::MIX, Mode::ND})
    {
        auto whole = make_resonant_bp();
        std::vector<float> out_whole = base;
        run(whole, mode, out_whole.data(), in.data(), total);

        for (const auto& pat : patterns)
        {
            auto split = make_resonant_bp();
            std::vector<float> out_split = base;
            long pos = 0;
            for (size_t k = 0; pos < total; ++k)
            {
                const long len = std::min(pat[k % pat.size()], total - pos);
                run(split, mode, out_split.data() + pos, in.data() + pos, len);
                pos += len;
            }
            EXPECT_EQ(out_split, out_whole) << "mode " << int(mode) << ", first piece " << pat[0];
            EXPECT_EQ(split.get_mem_y(0), whole.get_mem_y(0));
            EXPECT_EQ(split.get_mem_pos(), whole.get_mem_pos());
        }
    }
}

TEST(Biquad, EmptyBlockChangesNothing)
{
    auto f = make_resonant_bp();
    const auto in = make_noise(5, 8);
    std::vector<float> out(5, 0.f);
    f.process_block(out.data(), in.data(), 5);
    const auto before = f;
    float guard = 42.f;
    f.process_block(&guard, in.data(), 0);
    f.process_block_mix(&guard, in.data(), 0);
    f.process_block_nd(&guard, in.data(), 0);
    EXPECT_EQ(guard, 42.f);
    EXPECT_EQ(f.get_mem_x(0), before.get_mem_x(0));
    EXPECT_EQ(f.get_mem_y(1), before.get_mem_y(1));
    EXPECT_EQ(f.get_mem_pos(), before.get_mem_pos());
}

TEST(Biquad, AntiDenormalOffsetGoesToEveryOtherSample)
{
    // Pass-through coefficients expose the offset itself.
    dsp::Biquad bq;
    const std::vector<float> zeros(9, 0.f);
    std::vector<float> out(9, -1.f);
    bq.process_block_nd(out.data(), zeros.data(), 3);
    bq.process_block_nd(out.data() + 3, zeros.data(), 6);
    for (int i = 0; i < 9; ++i)
    {
        EXPECT_EQ(out[i], (i % 2 == 0) ? dsp::Biquad::ANTI_DENORMAL : 0.f) << i;
    }
}

TEST(Biquad, SilenceThroughNdNeverGoesDenormal)
{
    // A low, resonant low-pass after a loud burst: without the offset its tail decays into
    // the subnormal range within two seconds. With it the output settles where the offset,
    // amplified by the poles' DC gain, holds it: tiny but normal.
    dsp::Filter2p f;
    f.set_type(dsp::Filter2p::Type_LOW_PASS);
    f.set_sample_freq(48000);
    f.set_freq(80);
    f.set_p1(4);
    f.update_eq();
    std::vector<float> buf(256);
    for (auto& x : buf)
    {
        x = 1.f;
    }
    f.process_block_nd(buf.data(), buf.data(), 256);
    const std::vector<float> zeros(256, 0.f);
    for (int blk = 0; blk < 48000 * 4 / 256; ++blk)
    {
        f.process_block_nd(buf.data(), zeros.data(), 256);
    }
    for (float y : buf)
    {
        EXPECT_NE(std::fpclassify(y), FP_SUBNORMAL);
        EXPECT_LT(std::fabs(y), 1e-12f);
    }
    for (int k = 0; k < 2; ++k)
    {
        EXPECT_NE(std::fpclassify(f.get_mem_y(k)), FP_SUBNORMAL);
    }

    f.clear_buffers();
    f.process_block_nd(buf.data(), zeros.data(), 256);
    for (float y : buf)
    {
        EXPECT_NE(std::fpclassify(y), FP_SUBNORMAL);
        EXPECT_LT(std::fabs(y), 1e-12f);
    }
}

TEST(Biquad, BadInputCostsOneBlockOnly)
{
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity()};
    for (Mode mode : {Mode::STORE, Mode::MIX, Mode::ND})
    {
        for (float b : bad)
        {
            auto f = make_resonant_bp();
            auto in = make_noise(64, 9);
            in[10] = b;
            std::vector<float> out(64, 0.f);
            run(f, mode, out.data(), in.data(), 64);
            EXPECT_TRUE(f.is_state_finite());

            const auto good = make_noise(64, 10);
            std::fill(out.begin(), out.end(), 0.f);
            run(f, mode, out.data(), good.data(), 64);
            for (float y : out)
            {
                ASSERT_TRUE(std::isfinite(y)) << "mode " << int(mode);
            }
        }
    }
}

TEST(Biquad, ClearBuffersKeepsCoefficients)
{
    auto f = make_resonant_bp();
    auto fresh = make_resonant_bp();
    const auto in = make_noise(50, 11);
    std::vector<float> out(50), out_fresh(50);
    f.process_block(out.data(), in.data(), 17);
    f.clear_buffers();
    EXPECT_EQ(f.get_mem_pos(), 0);
    f.process_block(out.data(), in.data(), 50);
    fresh.process_block(out_fresh.data(), in.data(), 50);
    EXPECT_EQ(out, out_fresh);
}

#include "zun/dsp/BasicMixing.h"
#include "zun/archi/CpuId.h"
#include "zun/dsp/BasicMixingAlign.h"
#include "zun/dsp/BasicMixingFpu.h"
#include "zun/dsp/BasicMixingSse.h"
#include "zun/odbg/LogMgr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <thread>
#include <vector>

namespace
{

using Table = zun::dsp::BasicMixing::Table;

struct NamedTable
{
    const char* name;
    Table table;
};

std::vector<NamedTable> all_tables()
{
    std::vector<NamedTable> t;
    t.push_back({"unaligned", zun::dsp::BasicMixing::use_instance().use_table()});
    t.push_back({"aligned", zun::dsp::BasicMixingAlign::use_instance().use_table()});
    t.push_back({"fpu",
                 {&zun::dsp::BasicMixingFpu::copy_1_1_v, &zun::dsp::BasicMixingFpu::copy_2_2_v,
                  &zun::dsp::BasicMixingFpu::scale_2_v}});
    if (zun::archi::CpuId::use_instance().has_sse())
    {
        t.push_back({"sse",
                     {&zun::dsp::BasicMixingSse::copy_1_1_v, &zun::dsp::BasicMixingSse::copy_2_2_v,
                      &zun::dsp::BasicMixingSse::scale_2_v}});
    }
    return t;
}

const int CAP = 72;

// 16-byte aligned rows with a guard beyond the used length.
struct Bufs
{
    alignas(16) float src[2][CAP];
    alignas(16) float dst[2][CAP];

    void fill(float first)
    {
        for (int c = 0; c < 2; ++c)
        {
            for (int i = 0; i < CAP; ++i)
            {
                src[c][i] = first + 0.37f * float(i) - 3.1f * float(c);
                dst[c][i] = -99.f;
            }
        }
    }
};

bool same_bits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof(a)) == 0;
}

} // namespace

TEST(BasicMixing, RoutinesMatchThePlainLoop)
{
    for (const auto& nt : all_tables())
    {
        for (long n : {0L, 1L, 3L, 4L, 5L, 7L, 64L})
        {
            for (float vol : {0.f, 1.f, 0.5f, -2.25f, 1e-3f})
            {
                Bufs b;
                b.fill(-1.f);
                nt.table._copy_1_1_v(b.dst[0], b.src[0], n, vol);
                for (long i = 0; i < CAP; ++i)
                {
                    const float e = (i < n) ? b.src[0][i] * vol : -99.f;
                    ASSERT_EQ(b.dst[0][i], e)
                        << nt.name << " copy_1_1 n " << n << " vol " << vol << " i " << i;
                }
                b.fill(-1.f);
                nt.table._copy_2_2_v(b.dst[0], b.dst[1], b.src[0], b.src[1], n, vol);
                for (int c = 0; c < 2; ++c)
                {
                    for (long i = 0; i < CAP; ++i)
                    {
                        const float e = (i < n) ? b.src[c][i] * vol : -99.f;
                        ASSERT_EQ(b.dst[c][i], e)
                            << nt.name << " copy_2_2 n " << n << " vol " << vol << " i " << i;
                    }
                }

                b.fill(2.f);
                Bufs ref = b;
                nt.table._scale_2_v(b.src[0], b.src[1], n, vol);
                for (int c = 0; c < 2; ++c)
                {
                    for (long i = 0; i < CAP; ++i)
                    {
                        const float e = (i < n) ? ref.src[c][i] * vol : ref.src[c][i];
                        ASSERT_EQ(b.src[c][i], e) << nt.name << " scale n " << n << " vol " << vol;
                    }
                }
            }
        }
    }
}

TEST(BasicMixing, GainZeroClearsBadSamplesAndGainOneKeepsThem)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (const auto& nt : all_tables())
    {
        Bufs b;
        b.fill(0.f);
        for (int c = 0; c < 2; ++c)
        {
            for (int i = 0; i < CAP; i += 3)
            {
                b.src[c][i] = (i % 2 == 0) ? nan : -inf;
            }
        }
        const Bufs orig = b;
        nt.table._copy_2_2_v(b.dst[0], b.dst[1], b.src[0], b.src[1], 67, 1.f);
        for (int c = 0; c < 2; ++c)
        {
            for (int i = 0; i < 67; ++i)
            {
                ASSERT_TRUE(same_bits(b.dst[c][i], orig.src[c][i])) << nt.name;
            }
        }
        nt.table._scale_2_v(b.src[0], b.src[1], 67, 1.f);
        ASSERT_EQ(std::memcmp(b.src, orig.src, sizeof(b.src)), 0) << nt.name;

        nt.table._copy_1_1_v(b.dst[0], b.src[0], 67, 0.f);
        nt.table._scale_2_v(b.src[0], b.src[1], 67, 0.f);
        for (int i = 0; i < 67; ++i)
        {
            ASSERT_TRUE(same_bits(b.dst[0][i], 0.f)) << nt.name << " " << i;
            ASSERT_TRUE(same_bits(b.src[0][i], 0.f)) << nt.name << " " << i;
            ASSERT_TRUE(same_bits(b.src[1][i], 0.f)) << nt.name << " " << i;
        }
        EXPECT_TRUE(std::isinf(b.src[0][69])) << "past the end";
    }
}

TEST(BasicMixing, SetUpRunsOnceAndLogsItsChoice)
{
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t)
    {
        threads.emplace_back([]() { zun::dsp::BasicMixingAlign::setup(); });
    }
    for (auto& th : threads)
    {
        th.join();
    }
    EXPECT_TRUE(zun::dsp::BasicMixing::is_ready());
    EXPECT_TRUE(zun::dsp::BasicMixingAlign::is_ready());

    const std::string simd = zun::archi::CpuId::use_instance().has_sse()
                                 ? "setup_internal(): Using SSE instruction set for aligned data."
                                 : "setup_internal(): Using default instruction set for aligned data.";
    const std::vector<std::string> expected = {
        "setup_internal(): Using classic FPU instruction set.",
        "setup_internal(): Mixing routines ready to use.",
        simd,
        "setup_internal(): Mixing routines ready to use for aligned data.",
    };
    std::vector<std::string> seen;
    for (const auto& line : zun::odbg::LogMgr::use_instance().get_history())
    {
        if (line._txt.rfind("setup_internal(): ", 0) == 0)
        {
            EXPECT_EQ(line._level, zun::odbg::LogMgr::Level_INFO);
            seen.push_back(line._txt);
        }
    }
    EXPECT_EQ(seen, expected);
}

TEST(BasicMixing, StaticEntriesUseTheTable)
{
    alignas(16) float src[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    alignas(16) float dst[8] = {};
    alignas(16) float dst2[8] = {};
    zun::dsp::BasicMixingAlign::copy_1_1_v(dst, src, 6, 2.f);
    EXPECT_EQ(dst[5], 12.f);
    EXPECT_EQ(dst[6], 0.f);
    zun::dsp::BasicMixing::copy_2_2_v(dst + 1, dst2 + 1, src + 1, src + 2, 3, -1.f);
    EXPECT_EQ(dst[1], -2.f);
    EXPECT_EQ(dst2[3], -5.f);
    zun::dsp::BasicMixingAlign::scale_2_v(dst, dst2, 8, 0.5f);
    EXPECT_EQ(dst[0], 1.f);
    EXPECT_EQ(dst2[3], -2.5f);
}

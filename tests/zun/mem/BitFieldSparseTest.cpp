#include "zun/mem/BitFieldSparse.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using zun::mem::BitFieldSparse;

namespace
{

// Checks the summary rule on every level: flag i of level k+1 is set iff word i of level k is
// non-zero, and no bit beyond a level's flag count is set.
void expect_consistent(const BitFieldSparse& bf)
{
    for (int k = 0; k < bf.get_nbr_levels(); ++k)
    {
        const auto& lvl = bf.use_level(k);
        for (size_t w = 0; w < lvl.word_arr.size(); ++w)
        {
            const long first = long(w) * 32;
            for (int b = 0; b < 32; ++b)
            {
                if (first + b >= lvl.nbr_flags)
                {
                    ASSERT_EQ(lvl.word_arr[w] >> b, 0u) << "level " << k << " word " << w;
                    break;
                }
            }
            if (k + 1 < bf.get_nbr_levels())
            {
                const auto& up = bf.use_level(k + 1);
                const bool up_flag = ((up.word_arr[w / 32] >> (w % 32)) & 1u) != 0;
                ASSERT_EQ(up_flag, lvl.word_arr[w] != 0) << "level " << k << " word " << w;
            }
        }
    }
}

long brute_next(const std::vector<bool>& ref, long pos, long end)
{
    if (end < 0)
    {
        end = long(ref.size());
    }
    for (long p = std::max(pos, 0L); p < end; ++p)
    {
        if (ref[size_t(p)])
        {
            return p;
        }
    }
    return -1;
}

} // namespace

struct LevelCase
{
    long nbr_elt;
    std::vector<size_t> nbr_words; // per level, from level 0
};

class BitFieldSparseLevelTest : public ::testing::TestWithParam<LevelCase>
{
};

TEST_P(BitFieldSparseLevelTest, BuildsLevelsOfTheRightSize)
{
    const LevelCase c = GetParam();
    BitFieldSparse bf(c.nbr_elt);
    EXPECT_EQ(bf.get_nbr_elt(), c.nbr_elt);
    ASSERT_EQ(bf.get_nbr_levels(), int(c.nbr_words.size()));
    long nbr_flags = c.nbr_elt;
    for (int k = 0; k < bf.get_nbr_levels(); ++k)
    {
        EXPECT_EQ(bf.use_level(k).word_arr.size(), c.nbr_words[size_t(k)]) << "level " << k;
        EXPECT_EQ(bf.use_level(k).nbr_flags, nbr_flags) << "level " << k;
        nbr_flags = long(c.nbr_words[size_t(k)]);
    }
    EXPECT_FALSE(bf.has_a_bit_set());
}

INSTANTIATE_TEST_SUITE_P(Sizes, BitFieldSparseLevelTest,
                         ::testing::Values(LevelCase{0, {0}}, LevelCase{1, {1}}, LevelCase{32, {1}},
                                           LevelCase{33, {2}}, LevelCase{63, {2}}, LevelCase{64, {2}},
                                           LevelCase{70, {3}}, LevelCase{592, {19}}, LevelCase{2047, {64}},
                                           LevelCase{2048, {64, 2}}, LevelCase{65535, {2048, 64}},
                                           LevelCase{65536, {2048, 64, 2}}));

TEST(BitFieldSparseTest, EmptySetFindsNothing)
{
    BitFieldSparse bf;
    EXPECT_EQ(bf.get_nbr_elt(), 0);
    EXPECT_LT(bf.get_next_bit_set_from(0), 0);
    EXPECT_FALSE(bf.has_a_bit_set());
    bf.fill();
    bf.fill_bit(0);
    EXPECT_FALSE(bf.get_bit(0));
    EXPECT_LT(bf.get_next_bit_set_from(0, 10), 0);
}

TEST(BitFieldSparseTest, SetAndClearPropagateThroughLevels)
{
    BitFieldSparse bf(65536);
    bf.fill_bit(40000);
    bf.fill_bit(40001);
    expect_consistent(bf);
    EXPECT_TRUE(bf.get_bit(40000));
    EXPECT_EQ(bf.get_next_bit_set_from(0), 40000);
    EXPECT_EQ(bf.get_next_bit_set_from(40001), 40001);
    EXPECT_LT(bf.get_next_bit_set_from(40002), 0);

    bf.clear_bit(40000);
    expect_consistent(bf);
    EXPECT_TRUE(bf.has_a_bit_set());
    bf.set_bit(40001, false);
    expect_consistent(bf);
    EXPECT_FALSE(bf.has_a_bit_set());
    EXPECT_LT(bf.get_next_bit_set_from(0), 0);
}

TEST(BitFieldSparseTest, FillSetsOnlyValidFlags)
{
    for (long n : {1L, 70L, 2048L, 65536L + 5})
    {
        BitFieldSparse bf(n);
        bf.fill();
        expect_consistent(bf);
        EXPECT_TRUE(bf.get_bit(n - 1));
        EXPECT_FALSE(bf.get_bit(n));
        EXPECT_EQ(bf.get_next_bit_set_from(n - 1), n - 1);
        EXPECT_LT(bf.get_next_bit_set_from(n), 0);
        bf.clear();
        EXPECT_FALSE(bf.has_a_bit_set());
        EXPECT_LT(bf.get_next_bit_set_from(0), 0);
    }
}

TEST(BitFieldSparseTest, OutOfRangePositionsAreIgnored)
{
    BitFieldSparse bf(70);
    bf.fill_bit(-1);
    bf.fill_bit(70);
    bf.set_bit(1000, true);
    EXPECT_FALSE(bf.has_a_bit_set());
    EXPECT_FALSE(bf.get_bit(-1));
    bf.fill_bit(69);
    EXPECT_EQ(bf.get_next_bit_set_from(-5, 1000), 69);
    EXPECT_LT(bf.get_next_bit_set_from(69, 69), 0);
}

TEST(BitFieldSparseTest, SearchMatchesBruteForce)
{
    std::mt19937 rng(1234);
    for (long n : {70L, 592L, 2048L, 5000L, 70000L})
    {
        BitFieldSparse bf(n);
        std::vector<bool> ref(size_t(n), false);
        std::uniform_int_distribution<long> any_pos(0, n - 1);
        // Sparse then dense: clusters inside a word and lone bits far apart.
        for (int round = 0; round < 2; ++round)
        {
            const int nbr_ops = (round == 0) ? 20 : int(n);
            for (int i = 0; i < nbr_ops; ++i)
            {
                const long p = any_pos(rng);
                const bool v = (rng() % 3) != 0;
                bf.set_bit(p, v);
                ref[size_t(p)] = v;
            }
            expect_consistent(bf);
            for (int q = 0; q < 300; ++q)
            {
                long a = any_pos(rng);
                long b = (rng() % 4 == 0) ? -1 : any_pos(rng) + 1;
                if (b >= 0 && b < a)
                {
                    std::swap(a, b);
                }
                ASSERT_EQ(bf.get_next_bit_set_from(a, b), brute_next(ref, a, b))
                    << "n " << n << " from " << a << " to " << b;
            }
            // A full walk visits exactly the set positions.
            long cnt = 0;
            for (long p = bf.get_next_bit_set_from(0); p >= 0; p = bf.get_next_bit_set_from(p + 1))
            {
                ASSERT_TRUE(ref[size_t(p)]);
                ++cnt;
            }
            EXPECT_EQ(cnt, long(std::count(ref.begin(), ref.end(), true)));
        }
    }
}

TEST(BitFieldSparseTest, CopiesAreDeep)
{
    BitFieldSparse a(3000);
    a.fill_bit(2500);
    BitFieldSparse b(a);
    BitFieldSparse c;
    c = a;
    a.clear_bit(2500);
    EXPECT_TRUE(b.get_bit(2500));
    EXPECT_EQ(c.get_next_bit_set_from(0), 2500);
    EXPECT_EQ(c.get_nbr_levels(), 2);
    expect_consistent(c);
}

TEST(BitFieldSparseTest, ResizeClearsEverything)
{
    BitFieldSparse bf(100);
    bf.fill();
    bf.set_nbr_elt(100);
    EXPECT_FALSE(bf.has_a_bit_set());
    bf.set_nbr_elt(-3);
    EXPECT_EQ(bf.get_nbr_elt(), 0);
}

#include "zun/mem/BitFieldSparse.h"

#include <algorithm>

namespace zun
{
namespace mem
{

namespace
{

constexpr long WORD_MASK = BitFieldSparse::BITS_PER_WORD - 1;

inline BitFieldSparse::Word bit_mask(long pos)
{
    return BitFieldSparse::Word(1) << (pos & WORD_MASK);
}

inline int count_trailing_zeros(BitFieldSparse::Word w)
{
    return __builtin_ctz(w);
}

inline int floor_log2(long n)
{
    int r = 0;
    while (n > 1)
    {
        n >>= 1;
        ++r;
    }
    return r;
}

} // namespace

int BitFieldSparse::compute_nbr_levels(long nbr_elt)
{
    if (nbr_elt < 64)
    {
        return 1;
    }
    return (floor_log2(nbr_elt) - 1) / BITS_PER_WORD_L2;
}

void BitFieldSparse::set_nbr_elt(long nbr_elt)
{
    nbr_elt = std::max(nbr_elt, 0L);
    _nbr_elt = nbr_elt;
    const int nbr_levels = compute_nbr_levels(nbr_elt);
    _level_arr.resize(size_t(nbr_levels));
    long nbr_flags = nbr_elt;
    for (auto& lvl : _level_arr)
    {
        const long nbr_words = (nbr_flags + WORD_MASK) >> BITS_PER_WORD_L2;
        lvl.nbr_flags = nbr_flags;
        lvl.word_arr.resize(size_t(nbr_words));
        nbr_flags = nbr_words;
    }
}

void BitFieldSparse::clear()
{
    for (auto& lvl : _level_arr)
    {
        std::fill(lvl.word_arr.begin(), lvl.word_arr.end(), Word(0));
    }
}

void BitFieldSparse::fill()
{
    for (auto& lvl : _level_arr)
    {
        const long nbr_words = long(lvl.word_arr.size());
        for (long w = 0; w < nbr_words; ++w)
        {
            const long nbr_valid = std::min(lvl.nbr_flags - (w << BITS_PER_WORD_L2), long(BITS_PER_WORD));
            lvl.word_arr[size_t(w)] = (nbr_valid >= BITS_PER_WORD) ? ~Word(0) : (Word(1) << nbr_valid) - 1;
        }
    }
}

bool BitFieldSparse::get_bit(long pos) const
{
    if (pos < 0 || pos >= _nbr_elt)
    {
        return false;
    }
    return (_level_arr[0].word_arr[size_t(pos >> BITS_PER_WORD_L2)] & bit_mask(pos)) != 0;
}

void BitFieldSparse::set_bit(long pos, bool flag)
{
    if (flag)
    {
        fill_bit(pos);
    }
    else
    {
        clear_bit(pos);
    }
}

void BitFieldSparse::fill_bit(long pos)
{
    if (pos < 0 || pos >= _nbr_elt)
    {
        return;
    }
    for (auto& lvl : _level_arr)
    {
        Word& w = lvl.word_arr[size_t(pos >> BITS_PER_WORD_L2)];
        const bool was_zero = (w == 0);
        w |= bit_mask(pos);
        if (!was_zero)
        {
            return;
        }
        pos >>= BITS_PER_WORD_L2;
    }
}

void BitFieldSparse::clear_bit(long pos)
{
    if (pos < 0 || pos >= _nbr_elt)
    {
        return;
    }
    for (auto& lvl : _level_arr)
    {
        Word& w = lvl.word_arr[size_t(pos >> BITS_PER_WORD_L2)];
        w &= ~bit_mask(pos);
        if (w != 0)
        {
            return;
        }
        pos >>= BITS_PER_WORD_L2;
    }
}

long BitFieldSparse::get_next_bit_set_from(long pos, long end) const
{
    if (end < 0 || end > _nbr_elt)
    {
        end = _nbr_elt;
    }
    pos = std::max(pos, 0L);
    if (pos >= end)
    {
        return -1;
    }
    return find_in_level(0, pos, end);
}

bool BitFieldSparse::has_a_bit_set() const
{
    const BfLevel& top = _level_arr[_level_arr.size() - 1];
    for (const Word w : top.word_arr)
    {
        if (w != 0)
        {
            return true;
        }
    }
    return false;
}

// pos < end, both within the level's flags.
long BitFieldSparse::find_in_level(int level, long pos, long end) const
{
    if (level == int(_level_arr.size()) - 1)
    {
        return scan_level(level, pos, end);
    }
    const long c = (pos + WORD_MASK) & ~WORD_MASK;
    if (pos < c)
    {
        const long hit = scan_level(level, pos, std::min(c, end));
        if (hit >= 0 || c >= end)
        {
            return hit;
        }
        pos = c;
    }
    const long word = find_in_level(level + 1, pos >> BITS_PER_WORD_L2, ((end - 1) >> BITS_PER_WORD_L2) + 1);
    if (word < 0)
    {
        return -1;
    }
    return scan_level(level, word << BITS_PER_WORD_L2, end);
}

long BitFieldSparse::scan_level(int level, long pos, long end) const
{
    const DynArray<Word>& arr = _level_arr[size_t(level)].word_arr;
    long w_idx = pos >> BITS_PER_WORD_L2;
    // Bits below pos in the first word do not count.
    Word w = arr[size_t(w_idx)] & (~Word(0) << (pos & WORD_MASK));
    const long w_last = (end - 1) >> BITS_PER_WORD_L2;
    while (w == 0)
    {
        ++w_idx;
        if (w_idx > w_last)
        {
            return -1;
        }
        w = arr[size_t(w_idx)];
    }
    const long hit = (w_idx << BITS_PER_WORD_L2) + count_trailing_zeros(w);
    return (hit < end) ? hit : -1;
}

} // namespace mem
} // namespace zun

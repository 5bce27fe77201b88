#pragma once

#include "zun/mem/DynArray.h"

#include <cstdint>

namespace zun
{
namespace mem
{

// Set of flags over n elements with a summary hierarchy, so that finding the set flags among
// many clear ones tests one word per 32 elements on the lowest level, and fewer above. Flag i of
// level k+1 is set exactly when word i of level k is non-zero. Only set_nbr_elt allocates.
class BitFieldSparse
{
public:
    using Word = uint32_t;
    static constexpr int BITS_PER_WORD = 32;
    static constexpr int BITS_PER_WORD_L2 = 5;

    class BfLevel
    {
    public:
        DynArray<Word> word_arr;
        long nbr_flags = 0;
    };

    BitFieldSparse() { set_nbr_elt(0); }
    explicit BitFieldSparse(long nbr_elt) { set_nbr_elt(nbr_elt); }
    BitFieldSparse(const BitFieldSparse& other) = default;
    BitFieldSparse& operator=(const BitFieldSparse& other) = default;
    virtual ~BitFieldSparse() = default;

    // Negative counts count as 0. Every bit is clear afterwards.
    void set_nbr_elt(long nbr_elt);
    long get_nbr_elt() const { return _nbr_elt; }

    void clear();
    void fill();

    // Positions outside [0, nbr_elt) read as clear and are not written.
    bool get_bit(long pos) const;
    void set_bit(long pos, bool flag);
    void fill_bit(long pos);
    void clear_bit(long pos);

    // The smallest set position in [pos, end), or -1. An end below 0 means the element count.
    long get_next_bit_set_from(long pos, long end = -1) const;
    bool has_a_bit_set() const;

    // Kept for interface compatibility: ranges are not tracked.
    void activate_range(long, long) {}
    void deactivate_range(long, long) {}

    int get_nbr_levels() const { return int(_level_arr.size()); }
    const BfLevel& use_level(int level) const { return _level_arr[size_t(level)]; }

    static int compute_nbr_levels(long nbr_elt);

private:
    long find_in_level(int level, long pos, long end) const;
    long scan_level(int level, long pos, long end) const;

    DynArray<BfLevel> _level_arr;
    long _nbr_elt = 0;
};

} // namespace mem
} // namespace zun

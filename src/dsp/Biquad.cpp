#include "dsp/Biquad.h"

#include <cmath>

namespace dsp
{
namespace
{

// One sample of the recursion. The pair loops and the odd-sample paths all go through here so
// that every split of a block rounds exactly like the unsplit block.
struct Section
{
    float b0, b1, b2, a1, a2;

    inline float ff(float x, float x1, float x2) const { return b0 * x + b1 * x1 + b2 * x2; }
    inline float fb(float f, float y1, float y2) const { return f - (a1 * y1 + a2 * y2); }
};

struct OpStore
{
    static inline void write(float* dst, float y) { *dst = y; }
};

struct OpMix
{
    static inline void write(float* dst, float y) { *dst += y; }
};

// ND: true for process_block_nd, where the first sample of each pair (even parity since the
// last clear) receives the offset.
template <class OP, bool ND>
inline void run(const Section& s, float& x1, float& x2, float& y1, float& y2, int& pos, float* dst,
                const float* src, long nbr_spl)
{
    const float ofs = ND ? Biquad::ANTI_DENORMAL : 0.f;
    long pos_spl = 0;
    if (pos != 0 && nbr_spl > 0)
    {
        const float x = src[0];
        const float y = s.fb(s.ff(x, x1, x2), y1, y2);
        OP::write(dst, y);
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        pos_spl = 1;
        pos = 0;
    }
    // Two samples per turn with the history rotating through the registers instead of being
    // shifted.
    const long end_pair = pos_spl + ((nbr_spl - pos_spl) & ~1L);
    for (; pos_spl < end_pair; pos_spl += 2)
    {
        const float xa = src[pos_spl];
        const float ya = s.fb(ND ? s.ff(xa, x1, x2) + ofs : s.ff(xa, x1, x2), y1, y2);
        const float xb = src[pos_spl + 1];
        OP::write(dst + pos_spl, ya);
        const float yb = s.fb(s.ff(xb, xa, x1), ya, y1);
        OP::write(dst + pos_spl + 1, yb);
        x2 = xa;
        x1 = xb;
        y2 = ya;
        y1 = yb;
    }
    if (pos_spl < nbr_spl)
    {
        // Trailing odd sample: it opens a pair, so it takes the offset like in an unsplit block.
        const float x = src[pos_spl];
        const float y = s.fb(ND ? s.ff(x, x1, x2) + ofs : s.ff(x, x1, x2), y1, y2);
        OP::write(dst + pos_spl, y);
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        pos = 1;
    }
}

template <class OP, bool ND>
inline void run_on(const float* b, const float* a, float* mx, float* my, int32_t& pos32, float* dst,
                   const float* src, long nbr_spl)
{
    if (nbr_spl <= 0)
    {
        return;
    }
    const Section s{b[0], b[1], b[2], a[1], a[2]};
    float x1 = mx[0];
    float x2 = mx[1];
    float y1 = my[0];
    float y2 = my[1];
    int pos = pos32;
    run<OP, ND>(s, x1, x2, y1, y2, pos, dst, src, nbr_spl);
    mx[0] = x1;
    mx[1] = x2;
    my[0] = y1;
    my[1] = y2;
    pos32 = pos;
}

} // namespace

void Biquad::clear_buffers()
{
    _mem_x[0] = _mem_x[1] = 0;
    _mem_y[0] = _mem_y[1] = 0;
    _mem_pos = 0;
}

void Biquad::process_block(float* dst, const float* src, long nbr_spl)
{
    run_on<OpStore, false>(_z_eq_b, _z_eq_a, _mem_x, _mem_y, _mem_pos, dst, src, nbr_spl);
    fix_bad_state();
}

void Biquad::process_block_mix(float* dst, const float* src, long nbr_spl)
{
    run_on<OpMix, false>(_z_eq_b, _z_eq_a, _mem_x, _mem_y, _mem_pos, dst, src, nbr_spl);
    fix_bad_state();
}

void Biquad::process_block_nd(float* dst, const float* src, long nbr_spl)
{
    run_on<OpStore, true>(_z_eq_b, _z_eq_a, _mem_x, _mem_y, _mem_pos, dst, src, nbr_spl);
    fix_bad_state();
}

void Biquad::copy_z_eq(const Biquad& other)
{
    for (int k = 0; k < 3; ++k)
    {
        _z_eq_b[k] = other._z_eq_b[k];
        _z_eq_a[k] = other._z_eq_a[k];
    }
}

void Biquad::set_z_eq(float b0, float b1, float b2, float a1, float a2)
{
    _z_eq_b[0] = b0;
    _z_eq_b[1] = b1;
    _z_eq_b[2] = b2;
    _z_eq_a[0] = 1;
    _z_eq_a[1] = a1;
    _z_eq_a[2] = a2;
}

void Biquad::set_mem(float x1, float x2, float y1, float y2, int pos)
{
    _mem_x[0] = x1;
    _mem_x[1] = x2;
    _mem_y[0] = y1;
    _mem_y[1] = y2;
    _mem_pos = pos & 1;
}

bool Biquad::is_state_finite() const
{
    // A sum overflowing to infinity also counts: such a state is no use either.
    return std::isfinite(_mem_x[0] + _mem_x[1] + _mem_y[0] + _mem_y[1]);
}

void Biquad::fix_bad_state()
{
    if (!is_state_finite())
    {
        clear_buffers();
    }
}

} // namespace dsp

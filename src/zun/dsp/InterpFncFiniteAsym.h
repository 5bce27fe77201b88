#pragma once

namespace zun
{
namespace dsp
{

// Table of a function F (a class with double operator()(double) const) over [XMIN, XMAX], one
// cubic Hermite segment per unit step, with the end values held outside the range. The table
// is shared by every user in the process and built once by init_coef().
template <int XMIN, int XMAX, class F>
class InterpFncFiniteAsym
{
    static_assert(XMIN < XMAX, "empty range");

public:
    static constexpr int NBR_SEG = XMAX - XMIN;

    // Safe to call from several threads; only the first call builds.
    static void init_coef();
    static bool is_ready() { return _built_flag; }

    // Needs init_coef(). Non-finite and below-range inputs give F(XMIN), above-range ones F(XMAX).
    static inline float process_sample(float x);
    static void process_block(float* dst, const float* src, long nbr_spl, float gain);

    // Coefficients of segment k, in x: ((c[3] x + c[2]) x + c[1]) x + c[0].
    static const float* use_coef(int k) { return _coef[k]; }
    static float get_val_min() { return _val_min; }
    static float get_val_max() { return _val_max; }

private:
    static void build();

    static inline float _coef[NBR_SEG][4] = {};
    static inline float _val_min = 0;
    static inline float _val_max = 0;
    static inline bool _built_flag = false;
};

} // namespace dsp
} // namespace zun

#include "zun/dsp/InterpFncFiniteAsym.hpp"

#pragma once

#include <cmath>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace dsp
{

// Attack, hold and release recursion on a measure of the input (|x| or x²), shared by the peak
// and RMS followers and the event generator's transient detector.
//
// A step moves the envelope e towards the measure m by e = e * k + m * c, with k = 1 - c exactly
// (k is rounded first), so a constant input settles on exactly that input, and a coefficient of 1
// jumps to it exactly.
class EnvFollowerCore
{
public:
    EnvFollowerCore() noexcept
    {
        update_param();
        _hold_cnt = _hold_len;
    }

    void set_sample_freq(float fs) noexcept
    {
        _sample_freq = fs;
        update_param();
    }
    void set_attack_time(float t) noexcept
    {
        _attack_time = t;
        update_param();
    }
    void set_hold_time(float t) noexcept
    {
        _hold_time = t;
        update_param();
    }
    void set_release_time(float t) noexcept
    {
        _release_time = t;
        update_param();
    }

    void update_param() noexcept
    {
        set_coef(_k_atk, _c_atk, _attack_time * _sample_freq);
        set_coef(_k_rls, _c_rls, _release_time * _sample_freq);
        const double len = std::round(double(_sample_freq) * double(_hold_time));
        _hold_len = (len > 0) ? int64_t(std::fmin(len, 1e15)) : 0;
    }

    void clear_buffers() noexcept
    {
        _env = 0;
        _hold_cnt = _hold_len;
    }
    // True when the envelope is not a denormal.
    bool check_denormal() const noexcept { return std::fpclassify(_env) != FP_SUBNORMAL; }
    void clear_denormal() noexcept
    {
        if (!check_denormal())
        {
            _env = 0;
        }
    }

    // One sample of the recursion on measure m.
    static inline float step(float m, float e, int64_t& hold_cnt, float k_atk, float c_atk, float k_rls,
                             float c_rls, int64_t hold_len) noexcept
    {
        if (m > e)
        {
            hold_cnt = hold_len;
            return e * k_atk + m * c_atk;
        }
        if (hold_cnt <= 0)
        {
            return e * k_rls + m * c_rls;
        }
        --hold_cnt;
        return e;
    }

    void step(float m) noexcept
    {
        _env = step(m, _env, _hold_cnt, _k_atk, _c_atk, _k_rls, _c_rls, _hold_len);
    }

    // n >= 0 samples of MEAS::conv (src [i]), no output.
    //
    // The samples go by groups of four whose steps are composed: e4 = e * P + C, where the
    // prefix product P and sum C depend only on the measures and on which branch each sample
    // takes. The branches compare with e * P_j + C_j, one multiply-add away from the group's
    // start, so the serial dependency is one multiply-add per group instead of one per sample.
    template <class MEAS>
    void run(const float* src, long n) noexcept
    {
        float e = _env;
        int64_t cnt = _hold_cnt;
        const float k_atk = _k_atk;
        const float c_atk = _c_atk;
        const float k_rls = _k_rls;
        const float c_rls = _c_rls;
        const int64_t hold_len = _hold_len;
        long i = 0;
        for (; i + 4 <= n; i += 4)
        {
            if (cnt >= 4 && is_held_4<MEAS>(src + i, e))
            {
                cnt -= 4;
                continue;
            }
            const float e0 = e;
            float p = 1;
            float c = 0;
            for (int j = 0; j < 4; ++j)
            {
                const float m = MEAS::conv(src[i + j]);
                if (m > e)
                {
                    cnt = hold_len;
                    p *= k_atk;
                    c = c * k_atk + m * c_atk;
                    e = e0 * p + c;
                }
                else if (cnt <= 0)
                {
                    p *= k_rls;
                    c = c * k_rls + m * c_rls;
                    e = e0 * p + c;
                }
                else
                {
                    --cnt;
                }
            }
        }
        for (; i < n; ++i)
        {
            e = step(MEAS::conv(src[i]), e, cnt, k_atk, c_atk, k_rls, c_rls, hold_len);
        }
        _env = e;
        _hold_cnt = cnt;
    }

    float get_env() const noexcept { return _env; }
    int64_t get_hold_cnt() const noexcept { return _hold_cnt; }
    int64_t get_hold_len() const noexcept { return _hold_len; }
    float get_attack_coef() const noexcept { return _c_atk; }
    float get_release_coef() const noexcept { return _c_rls; }
    float get_attack_keep() const noexcept { return _k_atk; }
    float get_release_keep() const noexcept { return _k_rls; }
    // For loops that keep the state in locals.
    void set_state(float env, int64_t hold_cnt) noexcept
    {
        _env = env;
        _hold_cnt = hold_cnt;
    }

private:
    // Coefficient 1 below one sample (also for nonsense times), else 1 - e^(-1 / len).
    static void set_coef(float& k, float& c, float len) noexcept
    {
        if (!(len >= 1))
        {
            k = 0;
            c = 1;
            return;
        }
        k = std::exp(-1.f / len);
        c = 1.f - k;
    }

    float _sample_freq = 44100;
    float _attack_time = 0.005f;
    float _hold_time = 0.02f;
    float _release_time = 0.25f;
    float _env = 0;
    float _c_atk = 1;
    float _c_rls = 1;
    float _k_atk = 0;
    float _k_rls = 0;
    int64_t _hold_len = 0;
    int64_t _hold_cnt = 0;

public:
    // Measures of the input.
    struct MeasAbs
    {
        static inline float conv(float x) noexcept { return std::fabs(x); }
#if defined(__SSE2__)
        static inline __m128 conv(__m128 x) noexcept
        {
            return _mm_andnot_ps(_mm_set1_ps(-0.f), x);
        }
#endif
    };
    struct MeasSqr
    {
        static inline float conv(float x) noexcept { return x * x; }
#if defined(__SSE2__)
        static inline __m128 conv(__m128 x) noexcept
        {
            return _mm_mul_ps(x, x);
        }
#endif
    };

private:
    // True when none of the four measures from src rises above e, so a running hold just
    // counts them off.
    template <class MEAS>
    static inline bool is_held_4(const float* src, float e) noexcept
    {
#if defined(__SSE2__)
        const __m128 m = MEAS::conv(_mm_loadu_ps(src));
        return _mm_movemask_ps(_mm_cmpgt_ps(m, _mm_set1_ps(e))) == 0;
#else
        return !(MEAS::conv(src[0]) > e) && !(MEAS::conv(src[1]) > e) && !(MEAS::conv(src[2]) > e) &&
               !(MEAS::conv(src[3]) > e);
#endif
    }
};

} // namespace dsp

#pragma once

#include <cstdint>

namespace dsp
{

// Direct-form-I second-order section. Coefficients and history are plain members so that the
// band stage can run many sections side by side in vector registers and hand the history back.
class Biquad
{
public:
    // Added to every second sample by process_block_nd(), far above the denormal range.
    static constexpr float ANTI_DENORMAL = 1e-18f;

    Biquad() = default;
    Biquad(const Biquad&) = default;
    Biquad& operator=(const Biquad&) = default;

    void clear_buffers();

    // dst may equal src. A history that became non-finite is cleared at the end of the call, so
    // a burst of bad input costs one bad block and no more.
    void process_block(float* dst, const float* src, long nbr_spl);
    void process_block_mix(float* dst, const float* src, long nbr_spl);
    void process_block_nd(float* dst, const float* src, long nbr_spl);

    // Coefficients only, never the history.
    void copy_z_eq(const Biquad& other);
    void set_z_eq(float b0, float b1, float b2, float a1, float a2);

    float get_b(int idx) const { return _z_eq_b[idx]; }
    float get_a(int idx) const { return _z_eq_a[idx]; }

    // idx 0 is the newest sample, 1 the one before it.
    float get_mem_x(int idx) const { return _mem_x[idx]; }
    float get_mem_y(int idx) const { return _mem_y[idx]; }
    // Parity of the samples processed since the last clear; selects where the next
    // anti-denormal offset goes.
    int get_mem_pos() const { return _mem_pos; }
    void set_mem(float x1, float x2, float y1, float y2, int pos);

    bool is_state_finite() const;

private:
    void fix_bad_state();

    float _z_eq_b[3] = {1, 0, 0};
    float _z_eq_a[3] = {1, 0, 0}; // [0] is always 1 and unused
    float _mem_x[2] = {0, 0};
    float _mem_y[2] = {0, 0};
    int32_t _mem_pos = 0;
};

} // namespace dsp

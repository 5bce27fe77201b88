#pragma once

#include "dsp/Filter2p.h"
#include "dsp/ParamInertia.h"

#include <cstdint>
#include <vector>

namespace dsp
{

// The harmonic half of the filter effect: up to 15 band-pass filters per channel, each reading
// the input through its own delay, switched on and off with fades, summed and scaled by the
// band side of the tone balance. The other side goes to the owner.
//
// Bands run side by side in vector lanes, four per group; each lane computes exactly what a
// lone Filter2p would. Only the order in which the bands are summed differs from filtering
// band by band (rounding-level differences).
class FilterTapStage
{
public:
    static constexpr int MAX_NBR_BANDS = 15;
    static constexpr int MAX_NBR_CHN = 2;
    static constexpr int MAX_BLOCK_LEN = 64;
    static constexpr int FADE_LEN = 640;
    static constexpr float MAX_DELAY_MS = 50;
    // Longest band delay: 15 steps of 50 ms.
    static constexpr double DELAY_LINE_DURATION = 0.75;
    // Input samples beyond this magnitude (and non-finite ones) enter the delay lines as
    // silence: they would be replayed by the band delays long after the input recovered, and
    // this bound keeps 15 resonant bands clear of float overflow.
    static constexpr float MAX_INPUT = 1e30f;

    // Receives the low-pass side of the tone balance.
    class Owner
    {
    public:
        virtual ~Owner() = default;
        void set_wanted_harm_lpf_balance(double w) { do_set_wanted_harm_lpf_balance(w); }
        void fix_harm_lpf_balance() { do_fix_harm_lpf_balance(); }

    protected:
        virtual void do_set_wanted_harm_lpf_balance(double w) = 0;
        virtual void do_fix_harm_lpf_balance() = 0;
    };

    FilterTapStage();
    FilterTapStage(const FilterTapStage&) = delete;
    FilterTapStage& operator=(const FilterTapStage&) = delete;

    // Sizes the delay lines for the current sample freq (allocates) and turns every band into
    // a band-pass of gain 1.
    void init(Owner& owner);
    void set_default_state() { do_set_default_state(); }

    // Allocation happens here and in init() only.
    void set_stereo_flag(bool stereo_flag);
    bool is_stereo() const { return _stereo_flag; }
    void set_sample_freq(float fs);
    float get_sample_freq() const { return _sample_freq; }

    void set_nbr_active_band(int nbr);
    int get_nbr_active_band() const { return _nbr_active_band; }
    void set_first_rband(int band);
    int get_first_rband() const { return _first_rband; }
    void set_first_rband_decreasing(int band);
    int get_first_rband_decreasing() const { return _first_rband_decreasing; }

    // Settings of the first bank; applied, and copied to the second bank, at the next tick.
    void set_cutoff_freq(float freq, int band);
    void set_q(float q, int band);
    void set_reso(float gain, int band);

    // tone: 0 (low-pass path only) .. 1 (bands only).
    void set_harm_balance(float tone);
    // ms: -50 .. 50; positive delays the higher bands, negative the lower ones.
    void set_band_delay(float ms);

    // Control-rate update; the owner calls it once per 64 processed frames, with 64.
    void tick(long nbr_spl);
    // nbr_spl <= 64 (longer blocks are cut to 64). dst[1] is written only in stereo. dst may
    // equal src: the input is taken into the delay lines first.
    void process_block(float* const* dst, const float* const* src, long nbr_spl);
    void clear_buffers();

    // State, for the owner's display and for checks.
    const Filter2p& use_band_filter(int chn, int band) const { return _band_filter[chn][band]; }
    int64_t get_band_delay(int band) const { return _band_delay[band]; }
    float get_fade_gain(int band) const { return _fade_gain[band]; }
    float get_band_gain() const { return _band_gain_cur; }
    float get_band_gain_target() const { return _band_gain_target; }
    float get_band_gain_step() const { return _band_gain_step; }
    int64_t get_delay_line_size() const { return _size; }
    const float* use_delay_line(int chn) const { return _delay_line[chn].data(); }
    // k: 0 newest, 1 older.
    float get_band_mem_x(int chn, int band, int k) const;
    float get_band_mem_y(int chn, int band, int k) const;

protected:
    virtual void do_set_default_state();

private:
    static constexpr int NBR_LANES = 4;
    static constexpr int MAX_NBR_GRP = (MAX_NBR_BANDS + NBR_LANES - 1) / NBR_LANES;
    static constexpr int NBR_LANE_SLOTS = MAX_NBR_GRP * NBR_LANES;
    // The delay lines repeat their first samples past the end, so that any block-long read
    // is one contiguous run, with room for reading whole groups of four frames.
    static constexpr int DELAY_GUARD = MAX_BLOCK_LEN + NBR_LANES;

    // One channel's bands in lane order: coefficients and history, laid out for vector loads.
    struct alignas(16) LaneBank
    {
        float _b0[NBR_LANE_SLOTS];
        float _b1[NBR_LANE_SLOTS];
        float _b2[NBR_LANE_SLOTS];
        float _a1[NBR_LANE_SLOTS];
        float _a2[NBR_LANE_SLOTS];
        float _x1[NBR_LANE_SLOTS];
        float _x2[NBR_LANE_SLOTS];
        float _y1[NBR_LANE_SLOTS];
        float _y2[NBR_LANE_SLOTS];
    };

    void update_delay_buffers();
    void set_delay_spl();
    void update_band_eq(int band);
    void sync_lane_coefs(int band);
    void clear_band_mem(int band);
    void write_input(const float* const* src, long nbr_spl);
    void prepare_lane_gains();
    void process_channel(int chn, float* dst, long nbr_spl);
    int nbr_chn() const { return _stereo_flag ? 2 : 1; }

    bool _stereo_flag = false;
    float _sample_freq = 44100;
    bool _balance_changed_flag = false;
    bool _bands_changed_flag = false;
    ParamInertia _delay_glide;
    float _delay_target = 0;
    float _tone_target = 0.5f;
    double _tone_prev = -1;
    double _tone_cur = -1;
    float _band_gain_cur = -1;
    float _band_gain_target = -1;
    float _band_gain_step = -1;
    int _nbr_active_band = 1;
    int _first_rband = 1;
    int _first_rband_decreasing = 1;
    float _fade_inc = 1.f / float(FADE_LEN);
    float _fade_gain[MAX_NBR_BANDS] = {};

    std::vector<float> _delay_line[MAX_NBR_CHN];
    int64_t _write_pos = 0;
    int64_t _size = 0;
    int64_t _mask = 0;
    int64_t _band_delay[MAX_NBR_BANDS] = {};
    Filter2p _band_filter[MAX_NBR_CHN][MAX_NBR_BANDS];
    int64_t _noise_state = 0;
    Owner* _owner_ptr = nullptr;

    LaneBank _lanes[MAX_NBR_CHN];
    // Per block: gain of each band at the start and its per-frame change, shared by channels.
    alignas(16) float _lane_gain[NBR_LANE_SLOTS];
    alignas(16) float _lane_inc[NBR_LANE_SLOTS];
    alignas(16) float _lane_gain_end[NBR_LANE_SLOTS];
    // Per block: the gathered inputs of each group, interleaved by frame (only with band
    // delays), and the lane-wise sums of the weighted band outputs.
    alignas(16) float _work[MAX_NBR_GRP][MAX_BLOCK_LEN][NBR_LANES];
    alignas(16) float _acc[MAX_BLOCK_LEN][NBR_LANES];
    alignas(16) float _band_gain_seq[MAX_BLOCK_LEN];
};

} // namespace dsp

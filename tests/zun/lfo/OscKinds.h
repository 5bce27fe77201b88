#pragma once

#include "zun/lfo/OscInterface.h"
#include "zun/lfo/OscNPhase.h"
#include "zun/lfo/OscNoiseFlt.h"
#include "zun/lfo/OscParabola.h"
#include "zun/lfo/OscSaw.h"
#include "zun/lfo/OscSine.h"
#include "zun/lfo/OscSquare.h"
#include "zun/lfo/OscStepSeq.h"
#include "zun/lfo/OscTri.h"
#include "zun/lfo/OscVariSlope.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <new>
#include <type_traits>

namespace lfo_test
{

enum class Kind
{
    SINE,
    TRI,
    SQUARE,
    SAW,
    PARABOLA,
    NPHASE,
    BIPHASE,
    VARISLOPE,
    NOISE1,
    NOISE2,
    STEPSEQ
};

constexpr Kind all_kinds[] = {Kind::SINE,     Kind::TRI,    Kind::SQUARE,  Kind::SAW,
                              Kind::PARABOLA, Kind::NPHASE, Kind::BIPHASE, Kind::VARISLOPE,
                              Kind::NOISE1,   Kind::NOISE2, Kind::STEPSEQ};

inline const char* kind_name(Kind k)
{
    switch (k)
    {
    case Kind::SINE:
        return "sine";
    case Kind::TRI:
        return "triangle";
    case Kind::SQUARE:
        return "square";
    case Kind::SAW:
        return "saw";
    case Kind::PARABOLA:
        return "parabola";
    case Kind::NPHASE:
        return "n-phase";
    case Kind::BIPHASE:
        return "biphase";
    case Kind::VARISLOPE:
        return "varislope";
    case Kind::NOISE1:
        return "noise 1";
    case Kind::NOISE2:
        return "noise 2";
    case Kind::STEPSEQ:
        return "step seq";
    }
    return "?";
}

inline bool is_noise(Kind k)
{
    return k == Kind::NOISE1 || k == Kind::NOISE2;
}

static_assert(std::is_nothrow_default_constructible_v<zun::lfo::OscSine> &&
                  std::is_nothrow_default_constructible_v<zun::lfo::OscStepSeq> &&
                  std::is_nothrow_default_constructible_v<zun::lfo::OscNoiseFlt<2>> &&
                  std::is_nothrow_constructible_v<zun::lfo::OscNPhase, bool>,
              "the LFO module builds oscillators in place on the audio thread");

// One oscillator at a time, built in place the way the LFO module does it.
class OscSlot
{
public:
    OscSlot() = default;
    OscSlot(const OscSlot&) = delete;
    OscSlot& operator=(const OscSlot&) = delete;
    ~OscSlot() { clear(); }

    zun::lfo::OscInterface& build(Kind k)
    {
        clear();
        void* p = _storage;
        switch (k)
        {
        case Kind::SINE:
            _osc = new (p) zun::lfo::OscSine;
            break;
        case Kind::TRI:
            _osc = new (p) zun::lfo::OscTri;
            break;
        case Kind::SQUARE:
            _osc = new (p) zun::lfo::OscSquare;
            break;
        case Kind::SAW:
            _osc = new (p) zun::lfo::OscSaw;
            break;
        case Kind::PARABOLA:
            _osc = new (p) zun::lfo::OscParabola;
            break;
        case Kind::NPHASE:
            _osc = new (p) zun::lfo::OscNPhase(false);
            break;
        case Kind::BIPHASE:
            _osc = new (p) zun::lfo::OscNPhase(true);
            break;
        case Kind::VARISLOPE:
            _osc = new (p) zun::lfo::OscVariSlope;
            break;
        case Kind::NOISE1:
            _osc = new (p) zun::lfo::OscNoiseFlt<1>;
            break;
        case Kind::NOISE2:
            _osc = new (p) zun::lfo::OscNoiseFlt<2>;
            break;
        case Kind::STEPSEQ:
        {
            auto* seq = new (p) zun::lfo::OscStepSeq;
            const float val_arr[] = {1.f, -1.f, 0.5f, 0.f, -0.25f, 0.75f, -0.5f, 0.25f};
            seq->set_nbr_steps(8);
            for (int i = 0; i < 8; ++i)
            {
                seq->set_val(i, val_arr[i]);
                seq->set_curve(i, zun::lfo::OscStepSeq::Curve(i % 5));
            }
            _osc = seq;
            break;
        }
        }
        return *_osc;
    }

    void clear()
    {
        if (_osc != nullptr)
        {
            _osc->~OscInterface();
            _osc = nullptr;
        }
    }

private:
    static constexpr size_t _size =
        std::max({sizeof(zun::lfo::OscSine), sizeof(zun::lfo::OscTri), sizeof(zun::lfo::OscSquare),
                  sizeof(zun::lfo::OscSaw), sizeof(zun::lfo::OscParabola), sizeof(zun::lfo::OscNPhase),
                  sizeof(zun::lfo::OscVariSlope), sizeof(zun::lfo::OscNoiseFlt<1>),
                  sizeof(zun::lfo::OscNoiseFlt<2>), sizeof(zun::lfo::OscStepSeq)});
    alignas(std::max_align_t) unsigned char _storage[_size];
    zun::lfo::OscInterface* _osc = nullptr;
};

// Distance between two phases around the circle, whatever their whole cycles.
inline double phase_dist(double a, double b)
{
    const double d = a - b;
    return std::fabs(d - std::round(d));
}

} // namespace lfo_test

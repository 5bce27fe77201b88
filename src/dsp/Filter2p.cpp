#include "dsp/Filter2p.h"

namespace dsp
{

Filter2p::Filter2p()
{
    update_eq();
}

void Filter2p::update_eq()
{
    set_s_eq_a(0, 1);
    set_s_eq_a(2, 1);
    switch (_type)
    {
    case Type_LOW_PASS:
        set_s_eq_b(0, 1);
        set_s_eq_b(1, 0);
        set_s_eq_b(2, 0);
        set_s_eq_a(1, 1 / _p1);
        break;
    case Type_HIGH_PASS:
        set_s_eq_b(0, 0);
        set_s_eq_b(1, 0);
        set_s_eq_b(2, 1);
        set_s_eq_a(1, 1 / _p1);
        break;
    case Type_PEAK:
        set_s_eq_b(0, 1);
        set_s_eq_b(1, _p1 / _p2);
        set_s_eq_b(2, 1);
        set_s_eq_a(1, 1 / _p2);
        break;
    case Type_BAND_PASS:
        set_s_eq_b(0, 0);
        set_s_eq_b(1, _p1 / _p2);
        set_s_eq_b(2, 0);
        set_s_eq_a(1, 1 / _p2);
        break;
    default:
        break;
    }
    transform_s_to_z();
}

void Filter2p::copy_settings(const Filter2p& other)
{
    copy_s_eq(other);
    _type = other._type;
    _p1 = other._p1;
    _p2 = other._p2;
}

} // namespace dsp

#include "zun/param/MapPiecewiseLinLog.h"

#include <cmath>

namespace zun
{
namespace param
{

void MapPiecewiseLinLog::config(double val_min, double val_max)
{
    _val_min = val_min;
    _val_max = val_max;
}

void MapPiecewiseLinLog::set_first_value(double val)
{
    _seg_list.clear();
    Segment seg;
    seg.nat_beg = val;
    seg.nat_end = val;
    seg.offset = val;
    seg.neg_flag = (val < 0);
    _seg_list.push_back(seg);
}

void MapPiecewiseLinLog::add_segment(double norm_end, double nat_end, bool log_flag)
{
    if (_seg_list.empty())
        set_first_value(0);
    const Segment& last = _seg_list.back();
    const bool start_flag = (last.norm_end == 0);
    const double x0 = last.norm_end;
    const double y0 = start_flag ? last.nat_beg : last.nat_end;
    if (!(norm_end > x0))
        return;
    if (!(y0 * nat_end > 0))
        log_flag = false;

    Segment seg;
    seg.norm_beg = x0;
    seg.nat_beg = y0;
    seg.norm_end = norm_end;
    seg.nat_end = nat_end;
    seg.log_flag = log_flag;
    seg.neg_flag = (nat_end < 0);
    const double f0 = log_flag ? std::log(std::fabs(y0)) : y0;
    const double f1 = log_flag ? std::log(std::fabs(nat_end)) : nat_end;
    seg.slope = (f1 - f0) / (norm_end - x0);
    seg.offset = f0 - x0 * seg.slope;
    // A flat segment has no inverse; its start point stands for it.
    seg.inv_slope = (f1 != f0) ? (norm_end - x0) / (f1 - f0) : 0;

    if (start_flag)
        _seg_list.pop_back();
    _seg_list.push_back(seg);
}

void MapPiecewiseLinLog::gen_log(int n, double k)
{
    if (n < 1)
        n = 1;
    int j_free = 0;
    double base = _val_min;
    if (_val_min != 0)
    {
        set_first_value(_val_min);
    }
    else
    {
        base = _val_max / std::pow(k, n);
        set_first_value(0);
        add_segment(1.0 / n, k * base, false);
        j_free = 1;
    }
    const double ln_base = std::log(base);
    const double ln_ratio = std::log(_val_max) - ln_base;
    for (int j = j_free + 1; j < n; ++j)
    {
        const double x = double(j) / n;
        add_segment(x, std::exp(x * ln_ratio + ln_base), false);
    }
    add_segment(1, _val_max, false);
}

bool MapPiecewiseLinLog::is_ok() const
{
    return !_seg_list.empty() && _seg_list.back().norm_end == 1;
}

const MapPiecewiseLinLog::Segment& MapPiecewiseLinLog::find_seg_norm(double norm) const
{
    // Past the last end (or NaN), the last segment extends its line.
    for (const Segment& seg : _seg_list)
    {
        if (norm <= seg.norm_end)
            return seg;
    }
    return _seg_list.back();
}

const MapPiecewiseLinLog::Segment& MapPiecewiseLinLog::find_seg_nat(double nat) const
{
    // The direction is the curve's own, so that its start value and values beyond either end
    // find the outer segments.
    const bool dec_flag = (_seg_list.back().nat_end < _seg_list.front().nat_beg);
    for (const Segment& seg : _seg_list)
    {
        if (dec_flag ? (seg.nat_end <= nat) : (seg.nat_end >= nat))
            return seg;
    }
    return _seg_list.back();
}

double MapPiecewiseLinLog::conv_norm_to_nat(double norm) const
{
    if (_seg_list.empty())
        return _val_min + norm * (_val_max - _val_min);
    const Segment& seg = find_seg_norm(norm);
    double v = norm * seg.slope + seg.offset;
    if (seg.log_flag)
    {
        v = std::exp(v);
        if (seg.neg_flag)
            v = -v;
    }
    return v;
}

double MapPiecewiseLinLog::conv_nat_to_norm(double nat) const
{
    if (_seg_list.empty())
    {
        const double dif = _val_max - _val_min;
        return (dif != 0) ? (nat - _val_min) / dif : 0;
    }
    const Segment& seg = find_seg_nat(nat);
    if (seg.inv_slope == 0)
        return seg.norm_beg;
    const double y = seg.log_flag ? std::log(std::fabs(nat)) : nat;
    return (y - seg.offset) * seg.inv_slope;
}

} // namespace param
} // namespace zun

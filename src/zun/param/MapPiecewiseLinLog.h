#pragma once

#include <vector>

namespace zun
{
namespace param
{

// A curve of straight segments between points, each either linear in the natural value or in
// ln|natural value|.
class MapPiecewiseLinLog
{
public:
    class Segment
    {
    public:
        double norm_beg = 0;
        double nat_beg = 0;
        double norm_end = 0;
        double nat_end = 0;
        double slope = 0;
        double offset = 0;
        double inv_slope = 0;
        bool log_flag = false;
        bool neg_flag = false;
    };

    MapPiecewiseLinLog() = default;
    MapPiecewiseLinLog(const MapPiecewiseLinLog&) = default;
    MapPiecewiseLinLog& operator=(const MapPiecewiseLinLog&) = default;
    virtual ~MapPiecewiseLinLog() = default;

    void config(double val_min, double val_max);
    void set_first_value(double val);
    // Appends a segment from the end of the last one. A segment that does not advance (norm_end not
    // above the last end) is ignored, as is a logarithmic one crossing or touching 0, which is made
    // linear.
    void add_segment(double norm_end, double nat_end, bool log_flag);
    // n segments on an exponential curve from min to max (from 0 when min is 0, then each segment
    // after the first multiplies by k). n below 1 counts as 1.
    void gen_log(int n, double k);
    bool is_ok() const;

    // Until the curve is built, both conversions are linear over the configured range.
    double conv_norm_to_nat(double norm) const;
    double conv_nat_to_norm(double nat) const;

    double get_val_min() const { return _val_min; }
    double get_val_max() const { return _val_max; }
    const std::vector<Segment>& use_seg_list() const { return _seg_list; }

private:
    const Segment& find_seg_norm(double norm) const;
    const Segment& find_seg_nat(double nat) const;

    double _val_min = 0;
    double _val_max = 1;
    std::vector<Segment> _seg_list;
};

} // namespace param
} // namespace zun

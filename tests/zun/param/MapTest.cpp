#include "zun/param/MapLog.h"
#include "zun/param/MapPiecewiseLinLog.h"
#include "zun/param/MapPseudoExp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using zun::param::MapLog;
using zun::param::MapPiecewiseLinLog;
using zun::param::MapPseudoExp;

TEST(MapLog, EqualStepsMultiplyByEqualFactors)
{
    MapLog map;
    map.config(0.01, 100);
    const double case_arr[][2] = {{0, 0.01}, {0.25, 0.1}, {0.5, 1}, {0.75, 10}, {1, 100}};
    for (const auto& c : case_arr)
    {
        EXPECT_NEAR(map.conv_norm_to_nat(c[0]), c[1], 1e-12 * c[1]) << c[0];
        EXPECT_NEAR(map.conv_nat_to_norm(c[1]), c[0], 1e-12) << c[1];
    }
    // Neither direction limits.
    EXPECT_NEAR(map.conv_nat_to_norm(1000), 1.25, 1e-12);
}

TEST(MapLog, KeepsItsDefaultsForARangeThatIsNotPositive)
{
    MapLog map;
    map.config(0, 10);
    EXPECT_EQ(map.get_a(), 1);
    EXPECT_EQ(map.get_b(), 0);
    EXPECT_DOUBLE_EQ(map.conv_norm_to_nat(1), std::exp(1.0));
    map.config(3, 3);
    EXPECT_EQ(map.conv_nat_to_norm(3), 0);
    EXPECT_DOUBLE_EQ(map.conv_norm_to_nat(0.7), 3);
}

TEST(MapPseudoExp, CubesAroundTheCentre)
{
    const MapPseudoExp map;
    const double case_arr[][2] = {{0, -50}, {0.25, -6.25}, {0.5, 0}, {0.75, 6.25}, {1, 50}};
    for (const auto& c : case_arr)
    {
        EXPECT_DOUBLE_EQ(map.conv_norm_to_nat(c[0]), c[1]) << c[0];
        EXPECT_NEAR(map.conv_nat_to_norm(c[1]), c[0], 1e-7) << c[1];
    }
    // The cube root goes through single precision.
    const double c = double(float(std::cbrt(0.2)));
    EXPECT_DOUBLE_EQ(map.conv_nat_to_norm(10), (1 + c) / 2);
    EXPECT_DOUBLE_EQ(map.conv_nat_to_norm(-10), (1 - c) / 2);
}

namespace
{

MapPiecewiseLinLog make_gen_log(double val_min, double val_max, int n, double k)
{
    MapPiecewiseLinLog map;
    map.config(val_min, val_max);
    map.gen_log(n, k);
    return map;
}

void expect_points(const MapPiecewiseLinLog& map, const std::vector<double>& nat_list, double tol,
                   double norm_tol = 1e-9)
{
    const int n = int(nat_list.size()) - 1;
    ASSERT_TRUE(map.is_ok());
    ASSERT_EQ(map.use_seg_list().size(), size_t(n));
    for (int j = 0; j <= n; ++j)
    {
        const double norm = double(j) / n;
        EXPECT_NEAR(map.conv_norm_to_nat(norm), nat_list[size_t(j)], tol) << "point " << j;
        EXPECT_NEAR(map.conv_nat_to_norm(nat_list[size_t(j)]), norm, norm_tol) << "point " << j;
    }
}

} // namespace

TEST(MapPiecewiseLinLog, GenLogPlacesThePointsOnAnExponential)
{
    expect_points(make_gen_log(0, 4, 8, 2), {0, 0.03125, 0.0625, 0.125, 0.25, 0.5, 1, 2, 4}, 1e-12);
    expect_points(make_gen_log(40, 10240, 5, 2), {40, 121.26, 367.58, 1114.30, 3377.94, 10240}, 0.01, 1e-5);
    std::vector<double> dist;
    std::vector<double> reso;
    for (int j = 0; j <= 8; ++j)
    {
        dist.push_back(std::pow(10.0, j / 8.0));
        reso.push_back(std::pow(100.0, j / 8.0));
    }
    expect_points(make_gen_log(1, 10, 8, 2), dist, 1e-9);
    expect_points(make_gen_log(1, 100, 8, 10), reso, 1e-9);
    // From 0, each segment after the first multiplies by k.
    expect_points(make_gen_log(0, 5, 5, 2), {0, 5.0 / 16, 5.0 / 8, 5.0 / 4, 2.5, 5}, 1e-12);
}

TEST(MapPiecewiseLinLog, InterpolatesStraightBetweenPoints)
{
    const MapPiecewiseLinLog gain = make_gen_log(0, 4, 8, 2);
    EXPECT_DOUBLE_EQ(gain.conv_norm_to_nat(1.0 / 16), 0.015625);
    EXPECT_DOUBLE_EQ(gain.conv_nat_to_norm(1), 0.75);
    EXPECT_DOUBLE_EQ(gain.conv_nat_to_norm(3), 0.9375);
    EXPECT_DOUBLE_EQ(gain.conv_norm_to_nat(0.9375), 3);
    const MapPiecewiseLinLog cutoff = make_gen_log(40, 10240, 5, 2);
    EXPECT_NEAR(cutoff.conv_nat_to_norm(1000), 0.5694, 1e-4);
}

TEST(MapPiecewiseLinLog, LogSegmentsInterpolateTheLogarithm)
{
    MapPiecewiseLinLog map;
    map.config(-100, -1);
    map.set_first_value(-100);
    map.add_segment(0.5, -10, true);
    map.add_segment(1, -1, true);
    ASSERT_TRUE(map.is_ok());
    EXPECT_NEAR(map.conv_norm_to_nat(0.25), -std::sqrt(1000.0), 1e-9);
    EXPECT_NEAR(map.conv_norm_to_nat(0.75), -std::sqrt(10.0), 1e-9);
    // An increasing curve of negative values.
    EXPECT_NEAR(map.conv_nat_to_norm(-std::sqrt(10.0)), 0.75, 1e-12);
    EXPECT_NEAR(map.conv_nat_to_norm(-10), 0.5, 1e-12);
}

TEST(MapPiecewiseLinLog, InvertsADecreasingCurve)
{
    MapPiecewiseLinLog map;
    map.config(0, 10);
    map.set_first_value(10);
    map.add_segment(0.5, 2, false);
    map.add_segment(1, 0, false);
    EXPECT_DOUBLE_EQ(map.conv_norm_to_nat(0.25), 6);
    EXPECT_DOUBLE_EQ(map.conv_nat_to_norm(6), 0.25);
    EXPECT_DOUBLE_EQ(map.conv_nat_to_norm(1), 0.75);
    EXPECT_DOUBLE_EQ(map.conv_nat_to_norm(10), 0);
    EXPECT_DOUBLE_EQ(map.conv_nat_to_norm(0), 1);
}

TEST(MapPiecewiseLinLog, IsOkOnlyWhenTheCurveReachesOne)
{
    MapPiecewiseLinLog map;
    EXPECT_FALSE(map.is_ok());
    map.set_first_value(0);
    EXPECT_FALSE(map.is_ok());
    map.add_segment(0.5, 1, false);
    EXPECT_FALSE(map.is_ok());
    map.add_segment(1, 2, false);
    EXPECT_TRUE(map.is_ok());
    map.set_first_value(3);
    EXPECT_FALSE(map.is_ok());
    EXPECT_EQ(map.use_seg_list().size(), 1u);
}

TEST(MapPiecewiseLinLog, StaysInsideItsSegmentsForAnyInput)
{
    const MapPiecewiseLinLog gain = make_gen_log(0, 4, 8, 2);
    // Past the ends the outer segments extend their lines instead of reading past the list.
    EXPECT_DOUBLE_EQ(gain.conv_norm_to_nat(1.125), 6);
    EXPECT_DOUBLE_EQ(gain.conv_norm_to_nat(-1.0 / 8), -0.03125);
    EXPECT_DOUBLE_EQ(gain.conv_nat_to_norm(6), 1.125);
    EXPECT_TRUE(std::isnan(gain.conv_norm_to_nat(std::numeric_limits<double>::quiet_NaN())));

    // Not built yet: linear over the range.
    MapPiecewiseLinLog empty;
    empty.config(2, 6);
    EXPECT_DOUBLE_EQ(empty.conv_norm_to_nat(0.25), 3);
    EXPECT_DOUBLE_EQ(empty.conv_nat_to_norm(5), 0.75);
}

TEST(MapPiecewiseLinLog, IgnoresSegmentsThatDoNotAdvance)
{
    MapPiecewiseLinLog map;
    map.config(0, 1);
    map.set_first_value(0);
    map.add_segment(0.5, 0.5, false);
    map.add_segment(0.5, 0.9, false);
    map.add_segment(0.25, 0.9, false);
    map.add_segment(1, 1, false);
    EXPECT_EQ(map.use_seg_list().size(), 2u);
    EXPECT_DOUBLE_EQ(map.conv_norm_to_nat(0.75), 0.75);
    // One segment from 0 and n below 1 give a single segment rather than a division by zero.
    const MapPiecewiseLinLog one = make_gen_log(0, 4, 0, 2);
    ASSERT_TRUE(one.is_ok());
    EXPECT_EQ(one.use_seg_list().size(), 1u);
    EXPECT_DOUBLE_EQ(one.conv_norm_to_nat(0.5), 2);
}

TEST(MapPiecewiseLinLog, FlatAndZeroCrossingSegmentsStayFinite)
{
    MapPiecewiseLinLog map;
    map.config(-1, 1);
    map.set_first_value(-1);
    map.add_segment(0.5, 1, true); // crosses 0, so it is made linear
    map.add_segment(1, 1, false);  // flat
    EXPECT_FALSE(map.use_seg_list()[0].log_flag);
    EXPECT_DOUBLE_EQ(map.conv_norm_to_nat(0.25), 0);
    EXPECT_DOUBLE_EQ(map.conv_norm_to_nat(0.75), 1);
    EXPECT_DOUBLE_EQ(map.conv_nat_to_norm(0), 0.25);
    EXPECT_DOUBLE_EQ(map.conv_nat_to_norm(1), 0.5);
}

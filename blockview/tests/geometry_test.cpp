// The models, the traced graticule and the round-trip disagreement.
#include <cmath>
#include <gtest/gtest.h>
#include <string>

#include "block_file.h"
#include "graticule.h"
#include "model.h"
#include "round_trip.h"
#include "test_support.h"

namespace {

calibration parsed(const char* text)
{
    calibration c;
    std::string error;
    EXPECT_TRUE(parse_block(text, "test", c, error)) << error;
    return c;
}

calibration affine(const double (&x)[3], const double (&y)[3], const double (&lon)[3],
                   const double (&lat)[3])
{
    calibration c;
    c.terms = affine_terms;
    for (int i = 0; i < 3; ++i) {
        c.c_x[i] = x[i];
        c.c_y[i] = y[i];
        c.c_long[i] = lon[i];
        c.c_lat[i] = lat[i];
    }
    return c;
}

TEST(BlockviewModel, AffineIndexRolesDifferBetweenTheVectors)
{
    // X = 50 + 100 lon + 10 lat, Y = 1000 - 100 lat + 10 lon,
    // lon = 1 + 10 x + 100 y, lat = 1 + 10 y + 100 x; at lat 2, lon 3 and
    // at x 2, y 3:
    calibration c = affine({50, 100, 10}, {1000, -100, 10}, {1, 10, 100}, {1, 10, 100});
    EXPECT_EQ(370.0, model_pixel_x(c, 2, 3));
    EXPECT_EQ(830.0, model_pixel_y(c, 2, 3));
    EXPECT_EQ(321.0, model_longitude(c, 2, 3));
    EXPECT_EQ(231.0, model_latitude(c, 2, 3));
}

TEST(BlockviewModel, NineTermRolesOfUAndVInEachVector)
{
    // With lat = x = 2 and lon = y = 3, index 3k + j is u^j v^k where
    // (u, v) = (lat, lon) for C_X, (lon, lat) for C_Y, (y, x) for C_Long and
    // (x, y) for C_Lat.
    const double u2_v3[9] = {1, 2, 4, 3, 6, 12, 9, 18, 36};
    const double u3_v2[9] = {1, 3, 9, 2, 6, 18, 4, 12, 36};
    for (int index = 0; index < 9; ++index) {
        SCOPED_TRACE("index " + std::to_string(index));
        calibration c;
        c.terms = biquad_terms;
        c.c_x[index] = c.c_y[index] = c.c_long[index] = c.c_lat[index] = 1.0;
        EXPECT_EQ(u2_v3[index], model_pixel_x(c, 2, 3));
        EXPECT_EQ(u3_v2[index], model_pixel_y(c, 2, 3));
        EXPECT_EQ(u3_v2[index], model_longitude(c, 2, 3));
        EXPECT_EQ(u2_v3[index], model_latitude(c, 2, 3));
    }
}

TEST(BlockviewModel, NineTermsAreAddedInIndexOrder)
{
    // 1e16 + 1 is a tie between 1e16 and 1e16 + 2 and rounds to the even
    // 1e16; adding -1e16 then gives 0. Adding index 3 before index 1 would
    // give 1.
    const double c[9] = {1e16, 1, 0, -1e16, 0, 0, 0, 0, 0};
    EXPECT_EQ(0.0, biquad_value(c, 1, 1));
    const double d[9] = {1, 2, 0, 3, 0, 0, 0, 0, 0};
    EXPECT_EQ(321.0, biquad_value(d, 10, 100));
}

TEST(BlockviewGeometry, AffineExampleParallelAndMeridianLieAt600)
{
    // Y = 49100 - 1000 * 48.5 = 600 and X = -8900 + 1000 * 9.5 = 600, with
    // the chosen step of 0.5 degrees and with the default step of 5'.
    calibration c = parsed(affine_example_file);
    geo_box box = image_geo_box(c, 1000, 1000);
    ASSERT_TRUE(box.ok);
    EXPECT_NEAR(48.1005, box.lat_min, 1e-12);
    EXPECT_NEAR(49.1005, box.lat_max, 1e-12);
    EXPECT_NEAR(8.8995, box.lon_min, 1e-12);
    EXPECT_NEAR(9.8995, box.lon_max, 1e-12);
    EXPECT_EQ(5.0 / 60, default_step(box.lat_max - box.lat_min));

    for (double step : {0.5, 5.0 / 60}) {
        SCOPED_TRACE("step " + std::to_string(step));
        bool found_parallel = false, found_meridian = false;
        for (const grid_line& line : trace_graticule(c, 1000, 1000, box, step, step)) {
            if (line.degrees != (line.parallel ? 48.5 : 9.5))
                continue;
            (line.parallel ? found_parallel : found_meridian) = true;
            ASSERT_EQ(1u, line.pieces.size());
            const auto& piece = line.pieces[0];
            ASSERT_EQ(2u, piece.size());  // a straight line keeps its ends
            for (const pixel_point& p : piece)
                EXPECT_EQ(600.0, line.parallel ? p.y : p.x);
            // Clipped to the image, -0.5 .. 999.5 in model pixels.
            double from = line.parallel ? piece[0].x : piece[0].y;
            double to = line.parallel ? piece[1].x : piece[1].y;
            EXPECT_EQ(-0.5, std::fmin(from, to));
            EXPECT_EQ(999.5, std::fmax(from, to));
            EXPECT_EQ(2u, line.border_points.size());
        }
        EXPECT_TRUE(found_parallel);
        EXPECT_TRUE(found_meridian);
    }
}

TEST(BlockviewGeometry, ALineLeavingThroughAnotherEdgeIsClippedThere)
{
    // X = 100 lon + 100 lat, Y = 1000 - 100 lat + 100 lon, inverted by hand:
    // lon = -5 + 0.005 x + 0.005 y, lat = 5 - 0.005 y + 0.005 x. The parallel
    // of 2 degrees is y = x + 600: it enters at the left edge (x = -0.5,
    // y = 599.5) and leaves at the bottom (x = 399.5, y = 999.5).
    calibration c = affine({0, 100, 100}, {1000, -100, 100}, {-5, 0.005, 0.005}, {5, -0.005, 0.005});
    geo_box box = image_geo_box(c, 1000, 1000);
    ASSERT_TRUE(box.ok);
    bool found = false;
    for (const grid_line& line : trace_graticule(c, 1000, 1000, box, 1, 1)) {
        if (!line.parallel || line.degrees != 2)
            continue;
        found = true;
        ASSERT_EQ(1u, line.pieces.size());
        const auto& piece = line.pieces[0];
        ASSERT_EQ(2u, piece.size());
        EXPECT_NEAR(-0.5, piece.front().x, 1e-9);
        EXPECT_NEAR(599.5, piece.front().y, 1e-9);
        EXPECT_NEAR(399.5, piece.back().x, 1e-9);
        EXPECT_NEAR(999.5, piece.back().y, 1e-9);
        EXPECT_EQ(2u, line.border_points.size());
    }
    EXPECT_TRUE(found);
}

TEST(BlockviewGeometry, ALineCurvingOutAndBackInIsCutIntoTwoPieces)
{
    // X = 1000 (lon - 8.9) and Y = 49100 - 1000 lat + 4000 (lon - 9.4)^2:
    // C_X with v = lon: (-8900, 0, 0, 1000, ...); C_Y with u = lon:
    // 4000 (lon - 9.4)^2 = 353440 - 75200 lon + 4000 lon^2, so
    // (402540, -75200, 4000, -1000, 0, ...). The parallel of 49.2 is
    // Y = -100 + 4000 (lon - 9.4)^2, above the top edge (Y < -0.5) for
    // |lon - 9.4| < sqrt(99.5 / 4000) = 0.1577181030, i.e. from X =
    // 342.2818970 to X = 657.7181030. It enters at the left edge
    // (lon 8.8995, Y = -100 + 4000 * 0.25050025 = 902.001), leaves and
    // comes back through the top, and leaves at the right edge (lon 9.8995,
    // Y = -100 + 4000 * 0.24950025 = 898.001). Points are traced in steps
    // of 1/1024 of the padded longitude range (about 1.4 pixels here), so
    // crossings and kept points lie within a few thousandths of a pixel of
    // the curve.
    constexpr double trace_tolerance = 0.005;  // pixels
    calibration c;
    c.terms = biquad_terms;
    const double x[9] = {-8900, 0, 0, 1000, 0, 0, 0, 0, 0};
    const double y[9] = {402540, -75200, 4000, -1000, 0, 0, 0, 0, 0};
    for (int i = 0; i < 9; ++i) {
        c.c_x[i] = x[i];
        c.c_y[i] = y[i];
    }
    // The pixel-to-geo side is only used for the box; give the box by hand.
    geo_box box;
    box.lat_min = 49.1;
    box.lat_max = 49.3;
    box.lon_min = 8.8;
    box.lon_max = 10.0;
    box.ok = true;
    bool found = false;
    for (const grid_line& line : trace_graticule(c, 1000, 1000, box, 0.1, 10)) {
        if (!line.parallel || std::fabs(line.degrees - 49.2) > 1e-9)
            continue;
        found = true;
        ASSERT_EQ(2u, line.pieces.size());
        ASSERT_EQ(4u, line.border_points.size());
        const pixel_point expected[4] = {
            {-0.5, 902.001}, {342.2818970, -0.5}, {657.7181030, -0.5}, {999.5, 898.001}};
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(expected[i].x, line.border_points[i].x, trace_tolerance) << i;
            EXPECT_NEAR(expected[i].y, line.border_points[i].y, trace_tolerance) << i;
        }
        // A curve keeps inner points, every one on the parabola, and the
        // straight pieces between them stay close to it: at the middle of
        // each, the distance across the curve (the vertical miss times the
        // cosine of the curve's slope, dY/dX = 8 (lon - 9.4)) is below
        // 0.06 pixels.
        auto parabola = [](double x) {
            double lon = x / 1000 + 8.9;
            return -100 + 4000 * (lon - 9.4) * (lon - 9.4);
        };
        for (const auto& piece : line.pieces) {
            EXPECT_GT(piece.size(), 10u);
            for (const pixel_point& p : piece)
                EXPECT_NEAR(parabola(p.x), p.y, trace_tolerance);
            for (std::size_t i = 0; i + 1 < piece.size(); ++i) {
                double x = (piece[i].x + piece[i + 1].x) / 2;
                double y = (piece[i].y + piece[i + 1].y) / 2;
                double slope = 8 * (x / 1000 + 8.9 - 9.4);
                EXPECT_LT(std::fabs(y - parabola(x)) / std::sqrt(1 + slope * slope), 0.06)
                    << "between kept points " << i << " and " << i + 1;
            }
        }
    }
    EXPECT_TRUE(found);
}

TEST(BlockviewGeometry, LinearNineValueBlockHasNoRoundTripDisagreement)
{
    // lon = 9.5 + 0.005 X and lat = 49.5 - 0.0025 Y invert X = -1900 +
    // 200 lon and Y = 19800 - 400 lat exactly; only rounding is left.
    calibration c = parsed(linear_nine_value_file);
    round_trip_grid grid = sample_round_trip(c, 1000, 800);
    EXPECT_EQ(100, grid.columns);
    EXPECT_EQ(100, grid.rows);
    EXPECT_EQ(10.0, grid.cell_width);
    EXPECT_EQ(8.0, grid.cell_height);
    EXPECT_FALSE(grid.any_not_finite);
    EXPECT_LT(grid.largest, 1e-9);
    for (double d : grid.distance)
        EXPECT_EQ(0, round_trip_class(d));
}

TEST(BlockviewGeometry, RoundTripDistanceOfABentBlock)
{
    // The bent block adds 0.5 lat^2 to X only, so a pixel comes back
    // 0.5 lat^2 pixels to the right. The top left cell of a 1000 x 1000
    // image is sampled at (4.5, 4.5): lat = 49.5 - 0.0025 * 4.5 = 49.48875,
    // 0.5 * 49.48875^2 = 0.5 * 2449.1363765625 = 1224.56818828125.
    calibration c = parsed(bent_nine_value_file);
    EXPECT_NEAR(1224.56818828125, round_trip_distance(c, 4.5, 4.5), 1e-8);
    round_trip_grid grid = sample_round_trip(c, 1000, 1000);
    EXPECT_NEAR(1224.56818828125, grid.distance[0], 1e-8);
    EXPECT_EQ(round_trip_classes - 1, round_trip_class(grid.distance[0]));
}

TEST(BlockviewGeometry, SmallImagesGetOneCellPerPixel)
{
    calibration c = parsed(linear_nine_value_file);
    round_trip_grid grid = sample_round_trip(c, 40, 300);
    EXPECT_EQ(40, grid.columns);
    EXPECT_EQ(100, grid.rows);
    EXPECT_EQ(1.0, grid.cell_width);
    EXPECT_EQ(3.0, grid.cell_height);
    EXPECT_EQ(4000u, grid.distance.size());
}

TEST(BlockviewGeometry, RoundTripClasses)
{
    const struct {
        double distance;
        int shade;
    } cases[] = {{0, 0}, {0.49, 0}, {0.5, 1}, {1.5, 2}, {3, 3}, {9.99, 4}, {10, 5},
                 {20, 6}, {1e300, 6}, {INFINITY, 6}, {NAN, 6}};
    for (const auto& c : cases)
        EXPECT_EQ(c.shade, round_trip_class(c.distance)) << c.distance;
}

TEST(BlockviewGeometry, DefaultStepIsARoundIntervalOfAboutATenth)
{
    const struct {
        double span;
        double step;
    } cases[] = {
        {1, 300.0 / 3600},    // 360" wanted: 5' is nearer than 10'
        {4, 1200.0 / 3600},   // 1440": 20' (ratio 1.2) beats 30' (1.25)
        {100, 10},            // exactly 10 degrees
        {0.01, 5.0 / 3600},   // 3.6": 5" (ratio 1.39) beats 2" (1.8)
        {1000, 45},           // the largest interval
        {0, 1.0 / 3600},
        {-3, 1.0 / 3600},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(c.step, default_step(c.span)) << c.span;
}

TEST(BlockviewGeometry, CountsTheLinesOfAStep)
{
    EXPECT_EQ(4, count_multiples(48.1, 49.1, 0.25));
    EXPECT_EQ(0, count_multiples(48.1, 48.2, 0.25));
    EXPECT_EQ(3, count_multiples(-1, 1, 1));
}

TEST(BlockviewLabels, DegreesAndMinutesWithHemisphere)
{
    const struct {
        double degrees;
        bool latitude;
        const char* text;
    } cases[] = {
        {48.5, true, "48\u00b030'N"},
        {9.0, false, "9\u00b000'E"},
        {-0.25, false, "0\u00b015'W"},
        {-33.75, true, "33\u00b045'S"},
        {47.99999, true, "48\u00b000'N"},  // 172799.964" rounds up and carries
        {10.0041667, false, "10\u00b000'15\"E"},
        {-0.0000001, true, "0\u00b000'N"},  // rounds to zero: no S
        {179.5, false, "179\u00b030'E"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, degrees_minutes(c.degrees, c.latitude)) << c.degrees;
}

}  // namespace

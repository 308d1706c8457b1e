#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

#include "biquad.h"
#include "polynomial_state.h"
#include "quadcal.h"

namespace {

// Every test starts from the state of a fresh program: all vectors zero.
class Biquad : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::memset(C_X, 0, sizeof C_X);
        std::memset(C_Y, 0, sizeof C_Y);
        std::memset(C_Long, 0, sizeof C_Long);
        std::memset(C_Lat, 0, sizeof C_Lat);
    }
};

double power(double base, int exponent)
{
    double p = 1.0;
    for (int i = 0; i < exponent; ++i)
        p *= base;
    return p;
}

TEST_F(Biquad, ZeroVectorsGiveZero)
{
    EXPECT_EQ(0, biquad_pixel_x(47.5, 8.25));
    EXPECT_EQ(0, biquad_pixel_y(-33.9, -70.65));
    EXPECT_EQ(0.0, biquad_longitude(1234, 567));
    EXPECT_EQ(0.0, biquad_latitude(-5, 1e6));
}

// Coefficient 3k + j multiplies u^j * v^k, and u and v take different
// roles in the four polynomials. Arguments 2 and 3 (first and second), so
// every term has its own value 2^j * 3^k or 3^j * 2^k.
TEST_F(Biquad, TermOrderAndRolesOfTheVariables)
{
    for (int i = 0; i < biquad_terms; ++i) {
        SCOPED_TRACE(i);
        int j = i % 3;
        int k = i / 3;
        C_X[i] = C_Y[i] = C_Long[i] = C_Lat[i] = 1.0;
        EXPECT_EQ(power(2, j) * power(3, k), biquad_pixel_x(2, 3));      // u = lat, v = lon
        EXPECT_EQ(power(3, j) * power(2, k), biquad_pixel_y(2, 3));      // u = lon, v = lat
        EXPECT_EQ(power(3, j) * power(2, k), biquad_longitude(2, 3));    // u = y, v = x
        EXPECT_EQ(power(2, j) * power(3, k), biquad_latitude(2, 3));     // u = x, v = y
        C_X[i] = C_Y[i] = C_Long[i] = C_Lat[i] = 0.0;
    }
    // The spelled-out case: coefficient 3 of C_Y multiplies latitude, of C_X
    // longitude.
    C_Y[0] = 1000;
    C_Y[3] = -100;
    EXPECT_EQ(500, biquad_pixel_y(5, 0));
    EXPECT_EQ(500, biquad_pixel_y(5, 77));
}

// The evaluation order is fixed: terms added to c[0] in index order, each
// term (c * u^j) * v^k with the squares formed first. Each case is one that
// another order would get wrong.
TEST_F(Biquad, OrderOfOperations)
{
    const double inf = std::numeric_limits<double>::infinity();
    // 1e16 + 1 rounds back to 1e16 (ties to even), then - 1e16 gives 0;
    // adding term 3 before term 1 would give 1.
    C_Lat[0] = 1e16;
    C_Lat[1] = 1.0;
    C_Lat[3] = -1e16;
    EXPECT_EQ(0.0, biquad_latitude(1, 1));
    SetUp();
    // (1e300 * 1e10) * 1e-10 overflows; 1e300 * (1e10 * 1e-10) would not.
    C_Lat[4] = 1e300;
    EXPECT_EQ(inf, biquad_latitude(1e10, 1e-10));
    SetUp();
    // u * u = 1e-400 underflows to 0 before the coefficient scales it;
    // (1e300 * 1e-200) * 1e-200 would give 1e-100.
    C_Lat[2] = 1e300;
    EXPECT_EQ(0.0, biquad_latitude(1e-200, 1));
}

// Geo to pixel adds 0.5 and truncates toward zero, also below zero.
TEST_F(Biquad, PixelRounding)
{
    C_X[3] = 100;  // X = 100 * lon
    const struct {
        double longitude;
        int32_t pixel;
    } cases[] = {
        {12.375, 1238},    // a half rounds up
        {12.25, 1225},
        {-12.375, -1237},  // -1237.5 + 0.5
        {-12.4375, -1243}, // -1243.25 truncated toward zero, not -1244
        {-0.037, -3},      // -3.7 + 0.5 = -3.2, truncated toward zero
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.longitude);
        EXPECT_EQ(c.pixel, biquad_pixel_x(31.0, c.longitude));
    }
    C_X[3] = 1.0;
    // Beyond 32 bits the value saturates, and NaN gives the lowest value.
    EXPECT_EQ(INT32_MAX, biquad_pixel_x(0, 1e12));
    EXPECT_EQ(INT32_MIN, biquad_pixel_x(0, -1e12));
    EXPECT_EQ(INT32_MIN, biquad_pixel_x(0, std::numeric_limits<double>::quiet_NaN()));
}

TEST(HalveStep, HalvesOnlyAboveTheSmallestStep)
{
    const struct {
        double before;
        double after;
    } cases[] = {{0.1, 0.05}, {4.0, 2.0}, {0.00002, 0.00001}, {0.00001, 0.00001},
                 {0.000006, 0.000006}};
    for (const auto& c : cases) {
        double step = c.before;
        halve_step(step);
        EXPECT_EQ(c.after, step) << c.before;
    }
    // The smallest steps the two searches reach.
    double degrees = 0.1;
    double pixels = 4.0;
    for (int i = 0; i < 100; ++i) {
        halve_step(degrees);
        halve_step(pixels);
    }
    EXPECT_EQ(0.1 / 16384, degrees);   // 0.1 / 2^14
    EXPECT_EQ(4.0 / 524288, pixels);   // 4.0 / 2^19
}

// X = 100 lon, Y = 1000 - 100 lat.
class PositionSearch : public Biquad {
protected:
    void SetUp() override
    {
        Biquad::SetUp();
        C_X[3] = 100;
        C_Y[0] = 1000;
        C_Y[3] = -100;
    }
};

TEST_F(PositionSearch, FindsTheTargetWithHalvedLongitudeSteps)
{
    double latitude = 0;
    double longitude = 0;
    ASSERT_EQ(search_status::found, biquad_search_position(1234, 500, latitude, longitude));
    // Fifty latitude steps of 0.1, never halved: Y 510 -> 500 lands on the
    // target, it does not cross it.
    EXPECT_NEAR(5.0, latitude, 1e-12);
    // Longitude: 124 steps of 0.1 reach 12.4 (X 1240, past 1234: step 0.05),
    // then 12.35, 12.30 (X 1230, crossed: 0.025), 12.325, 12.35 (X 1235,
    // crossed: 0.0125), 12.3375 (X 1234). A longitude off the grid of 0.1
    // steps is only reachable through exactly these halvings.
    EXPECT_NEAR(12.3375, longitude, 1e-9);
    EXPECT_EQ(1234, biquad_pixel_x(latitude, longitude));
    EXPECT_EQ(500, biquad_pixel_y(latitude, longitude));
}

TEST_F(PositionSearch, StartOnTheTargetMovesNothing)
{
    double latitude = 5.0;
    double longitude = 12.34;
    ASSERT_EQ(search_status::found, biquad_search_position(1234, 500, latitude, longitude));
    EXPECT_EQ(5.0, latitude);
    EXPECT_EQ(12.34, longitude);
}

TEST_F(PositionSearch, RunsAwayWhenXFallsWithLongitude)
{
    C_X[3] = -100;
    double latitude = 0;
    double longitude = 0;
    EXPECT_EQ(search_status::not_found, biquad_search_position(1234, 500, latitude, longitude));
    // X = -100 lon never passes 1234, so the step stays 0.1 for all 1000
    // iterations; the latitude settles on its target meanwhile.
    EXPECT_NEAR(100.0, longitude, 1e-9);
    EXPECT_NEAR(5.0, latitude, 1e-12);
}

// lon = 9.5 + 0.005 x, lat = 49.5 - 0.0025 y.
class PixelSearch : public Biquad {
protected:
    void SetUp() override
    {
        Biquad::SetUp();
        C_Long[0] = 9.5;
        C_Long[3] = 0.005;
        C_Lat[0] = 49.5;
        C_Lat[3] = -0.0025;
    }
};

TEST_F(PixelSearch, WholeStepsLandOnTheTarget)
{
    double x = 100;
    double y = 1000;
    // 50 steps of 4 in x and 100 in y, none crossing the target.
    ASSERT_EQ(search_status::found, biquad_search_pixel(48, 11, x, y));
    EXPECT_EQ(300.0, x);
    EXPECT_EQ(600.0, y);
}

TEST_F(PixelSearch, HalvesStepsToReachAFraction)
{
    double x = 100;
    double y = 1000;
    // lon 11.001 at x 300.2, lat 47.9995 at y 600.2; the tolerance of
    // 0.00005 degree is 0.01 pixel in x and 0.02 in y.
    ASSERT_EQ(search_status::found, biquad_search_pixel(47.9995, 11.001, x, y));
    EXPECT_NEAR(300.2, x, 0.01);
    EXPECT_NEAR(600.2, y, 0.02);
}

TEST_F(PixelSearch, RunsAwayWhenLongitudeFallsWithX)
{
    C_Long[3] = -0.005;
    double x = 0;
    double y = 0;
    // Longitude 9.5 lies below 9.6: x grows by 4 each time and the
    // longitude falls, never crossing the target, so the step is never
    // halved. Latitude 49.5 lies below 50: y falls by 4 until y = -200 gives
    // 50 exactly, then stays.
    EXPECT_EQ(search_status::not_found, biquad_search_pixel(50.0, 9.6, x, y));
    EXPECT_EQ(4000.0, x);
    EXPECT_EQ(-200.0, y);
}

// A polynomial with every term present, sampled on a grid whose lines
// share one s each: the fit gives back its coefficients.
TEST(BiquadFit, ExactThroughAGrid)
{
    const double c[biquad_terms] = {3, -2, 0.5, 1.25, 4, -0.75, 2, 0.125, -1};
    const double s_of_line[3] = {-1, 0.5, 2};
    const double t_of_point[3] = {-2, 1, 3};
    for (grid_lines lines : {grid_lines::rows, grid_lines::columns}) {
        double t[grid_points];
        double s[grid_points];
        double value[grid_points];
        for (int l = 0; l < 3; ++l) {
            for (int q = 0; q < 3; ++q) {
                int p = lines == grid_lines::rows ? 3 * l + q : l + 3 * q;
                t[p] = t_of_point[q];
                s[p] = s_of_line[l];
                value[p] = biquad_value(c, s[p], t[p]);
            }
        }
        double vector[biquad_terms] = {};
        ASSERT_EQ(0, biquad_fit(lines, t, value, s, vector));
        for (int i = 0; i < biquad_terms; ++i)
            EXPECT_NEAR(c[i], vector[i], 1e-12) << i;
    }
}

// The linear map of the calibrators: X 100, 300, 500 at longitudes 10,
// 11, 12 in every row of latitudes 47, 48, 49. Worked by hand through the
// elimination, every step is exact.
TEST(BiquadFit, LinearMapIsExact)
{
    const double lon[grid_points] = {10, 11, 12, 10, 11, 12, 10, 11, 12};
    const double lat[grid_points] = {47, 47, 47, 48, 48, 48, 49, 49, 49};
    const double x[grid_points] = {100, 300, 500, 100, 300, 500, 100, 300, 500};
    double vector[biquad_terms];
    ASSERT_EQ(0, biquad_fit(grid_lines::rows, lon, x, lat, vector));
    const double expected[biquad_terms] = {-1900, 0, 0, 200, 0, 0, 0, 0, 0};
    for (int i = 0; i < biquad_terms; ++i)
        EXPECT_EQ(expected[i], vector[i]) << i;
}

// Equal t along a line, or equal s of two lines, leave a zero pivot: the
// fit fails, whether two or all three values are equal.
TEST(BiquadFit, DegenerateGridsFail)
{
    const double value[grid_points] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const double good_t[grid_points] = {10, 11, 12, 10, 11, 12, 10, 11, 12};
    const double good_s[grid_points] = {47, 47, 47, 48, 48, 48, 49, 49, 49};
    const struct {
        const char* name;
        double t[grid_points];
        double s[grid_points];
    } cases[] = {
        {"two equal t", {10, 10, 12, 10, 10, 12, 10, 10, 12}, {47, 47, 47, 48, 48, 48, 49, 49, 49}},
        {"three equal t", {10, 10, 10, 10, 10, 10, 10, 10, 10}, {47, 47, 47, 48, 48, 48, 49, 49, 49}},
        {"two equal s", {10, 11, 12, 10, 11, 12, 10, 11, 12}, {47, 47, 47, 47, 47, 47, 49, 49, 49}},
        // s is read at the first point of each line only.
        {"three equal s", {10, 11, 12, 10, 11, 12, 10, 11, 12}, {47, 0, 0, 47, 0, 0, 47, 0, 0}},
    };
    double vector[biquad_terms];
    ASSERT_EQ(0, biquad_fit(grid_lines::rows, good_t, value, good_s, vector));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(1, biquad_fit(grid_lines::rows, c.t, value, c.s, vector));
    }
}

}  // namespace

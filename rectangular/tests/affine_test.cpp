#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>

#include "affine.h"
#include "rectangular_state.h"

namespace {

void set(double (&vector)[affine_terms], double v0, double v1, double v2)
{
    vector[0] = v0;
    vector[1] = v1;
    vector[2] = v2;
}

// Every test starts from the program-start state: all four vectors zero.
class Affine : public ::testing::Test {
protected:
    void SetUp() override
    {
        set(C_X, 0, 0, 0);
        set(C_Y, 0, 0, 0);
        set(C_Long, 0, 0, 0);
        set(C_Lat, 0, 0, 0);
    }
};

TEST_F(Affine, ZeroVectorsGiveZeroEverywhere)
{
    EXPECT_EQ(0, affine_pixel_x(48.5, 9.5));
    EXPECT_EQ(0, affine_pixel_y(-48.5, -9.5));
    EXPECT_EQ(0.0, affine_longitude(600, -600));
    EXPECT_EQ(0.0, affine_latitude(-600, 600));
}

TEST_F(Affine, PixelsAddAHalfAndTruncateTowardZero)
{
    set(C_X, 100, 200, 0);
    for (double lat : {-90.0, 0.0, 48.5}) {
        EXPECT_EQ(350, affine_pixel_x(lat, 1.25));    // 350.5 truncated
        EXPECT_EQ(-149, affine_pixel_x(lat, -1.25));  // -149.5 truncated toward zero
    }
    set(C_Y, 5000, -400, 0);
    EXPECT_EQ(-14399, affine_pixel_y(48.5, 0));       // -14399.5 truncated toward zero
}

TEST_F(Affine, EvaluationOrderIsIndexOnePlusConstantThenIndexTwo)
{
    // (lon·1e16·(-1) + 1e16) is 0, plus lat·1 gives 1; summed in another
    // order, 1e16 + 1 would lose the 1.
    set(C_X, 1e16, -1e16, 1);
    EXPECT_EQ(1, affine_pixel_x(1, 1));
    set(C_Y, 1e16, -1e16, 1);
    EXPECT_EQ(1, affine_pixel_y(1, 1));
    set(C_Long, 1e16, -1e16, 1);
    EXPECT_EQ(1.0, affine_longitude(1, 1));
    set(C_Lat, 1e16, -1e16, 1);
    EXPECT_EQ(1.0, affine_latitude(1, 1));
}

TEST_F(Affine, IndexOneAndTwoMultiplyTheVariablesOfTheTable)
{
    set(C_X, 0, 1, 1000);   // X: index 1 longitude, index 2 latitude
    EXPECT_EQ(2003, affine_pixel_x(2, 3));
    set(C_Y, 0, 1, 1000);   // Y: index 1 latitude, index 2 longitude
    EXPECT_EQ(3002, affine_pixel_y(2, 3));
    set(C_Long, 0, 1, 1000);  // longitude: index 1 X, index 2 Y
    EXPECT_EQ(3002.0, affine_longitude(2, 3));
    set(C_Lat, 0, 1, 1000);   // latitude: index 1 Y, index 2 X
    EXPECT_EQ(2003.0, affine_latitude(2, 3));
}

TEST_F(Affine, GeoToPixelSaturatesOnADegenerateModel)
{
    set(C_X, 0, INFINITY, 0);
    EXPECT_EQ(INT32_MAX, affine_pixel_x(0, 1));
    EXPECT_EQ(INT32_MIN, affine_pixel_x(0, -1));
    EXPECT_EQ(INT32_MIN, affine_pixel_x(0, 0));  // inf · 0 is NaN
    set(C_Y, 1e300, 0, 0);
    EXPECT_EQ(INT32_MAX, affine_pixel_y(0, 0));
    set(C_Y, -3e9, 0, 0);
    EXPECT_EQ(INT32_MIN, affine_pixel_y(0, 0));
    set(C_Y, NAN, 0, 0);
    EXPECT_EQ(INT32_MIN, affine_pixel_y(0, 0));
}

TEST_F(Affine, InvertTakesBothSpecialBranches)
{
    set(C_X, 100, 200, 0);
    set(C_Y, 5000, -400, 0);
    affine_invert();
    EXPECT_EQ(-0.5, C_Long[0]);
    EXPECT_EQ(0.005, C_Long[1]);
    EXPECT_EQ(0.0, C_Long[2]);
    EXPECT_FALSE(std::signbit(C_Long[2]));
    EXPECT_EQ(12.5, C_Lat[0]);
    EXPECT_EQ(-0.0025, C_Lat[1]);
    EXPECT_EQ(0.0, C_Lat[2]);
    EXPECT_FALSE(std::signbit(C_Lat[2]));

    EXPECT_EQ(350, affine_pixel_x(2.5, 1.25));
    EXPECT_EQ(4000, affine_pixel_y(2.5, 1.25));
    EXPECT_EQ(1.25, affine_longitude(350, 4000));
    EXPECT_EQ(2.5, affine_latitude(350, 4000));

    int32_t y = affine_pixel_y(48.5, 1.25);
    EXPECT_EQ(-14399, y);
    EXPECT_DOUBLE_EQ(48.4975, affine_latitude(350, y));
}

TEST_F(Affine, InvertTakesBothGeneralBranches)
{
    const double cx0 = 50, cx1 = 100, cx2 = 10, cy0 = 1000, cy1 = -100, cy2 = 10;
    set(C_X, cx0, cx1, cx2);
    set(C_Y, cy0, cy1, cy2);
    affine_invert();

    // The inversion formulas, in their order of evaluation.
    const double d_long = cx1 / cx2 - cy2 / cy1;
    const double d_lat = cx2 / cx1 - cy1 / cy2;
    EXPECT_DOUBLE_EQ(10.1, d_long);
    EXPECT_DOUBLE_EQ(10.1, d_lat);
    EXPECT_EQ((cy0 / cy1 - cx0 / cx2) / d_long, C_Long[0]);
    EXPECT_EQ((1 / cx2) / d_long, C_Long[1]);
    EXPECT_EQ((-1 / cy1) / d_long, C_Long[2]);
    EXPECT_EQ((cy0 / cy2 - cx0 / cx1) / d_lat, C_Lat[0]);
    EXPECT_EQ((-1 / cy2) / d_lat, C_Lat[1]);
    EXPECT_EQ((1 / cx1) / d_lat, C_Lat[2]);

    // The same values, rounded by hand.
    EXPECT_NEAR(-1.4851485149, C_Long[0], 1e-10);
    EXPECT_NEAR(0.0099009901, C_Long[1], 1e-10);
    EXPECT_NEAR(0.00099009901, C_Long[2], 1e-11);
    EXPECT_NEAR(9.8514851485, C_Lat[0], 1e-10);
    EXPECT_NEAR(-0.0099009901, C_Lat[1], 1e-10);
    EXPECT_NEAR(0.00099009901, C_Lat[2], 1e-11);

    int32_t x = affine_pixel_x(1, 1);
    int32_t y = affine_pixel_y(1, 1);
    EXPECT_EQ(160, x);
    EXPECT_EQ(910, y);
    EXPECT_NEAR(1.0, affine_longitude(x, y), 1e-15);
    EXPECT_NEAR(1.0, affine_latitude(x, y), 1e-15);
}

TEST_F(Affine, NegativeZeroTakesTheSpecialBranch)
{
    set(C_X, 100, 200, -0.0);
    set(C_Y, 5000, -400, -0.0);
    affine_invert();
    EXPECT_EQ(-0.5, C_Long[0]);
    EXPECT_EQ(0.005, C_Long[1]);
    EXPECT_EQ(0.0, C_Long[2]);
    EXPECT_EQ(12.5, C_Lat[0]);
    EXPECT_EQ(-0.0025, C_Lat[1]);
    EXPECT_EQ(0.0, C_Lat[2]);
}

TEST_F(Affine, BranchesAreChosenPerDirection)
{
    // cx2 zero, cy2 not: special for the longitude, general for the latitude.
    set(C_X, 100, 200, 0);
    set(C_Y, 5000, -400, 8);
    affine_invert();
    EXPECT_EQ(-0.5, C_Long[0]);
    EXPECT_EQ(0.005, C_Long[1]);
    EXPECT_EQ(0.0, C_Long[2]);
    const double d_lat = 0.0 / 200 - -400.0 / 8;
    EXPECT_EQ((5000.0 / 8 - 100.0 / 200) / d_lat, C_Lat[0]);
    EXPECT_EQ((-1.0 / 8) / d_lat, C_Lat[1]);
    EXPECT_EQ((1.0 / 200) / d_lat, C_Lat[2]);
    for (double lat : {-10.0, 0.0, 47.25})
        for (double lon : {-8.0, 0.0, 1.5}) {
            double x = 100 + 200 * lon;
            double y = 5000 - 400 * lat + 8 * lon;
            EXPECT_NEAR(lon, affine_longitude(x, y), 1e-12);
            EXPECT_NEAR(lat, affine_latitude(x, y), 1e-12);
        }
}

TEST_F(Affine, DegenerateModelGivesNonFiniteCoefficientsWithoutATrap)
{
    set(C_X, 100, 0, 0);  // pixel X independent of the position
    set(C_Y, 5000, -400, 0);
    affine_invert();
    EXPECT_TRUE(std::isinf(C_Long[0]));
    EXPECT_TRUE(std::isinf(C_Long[1]));
    EXPECT_EQ(12.5, C_Lat[0]);

    set(C_X, 0, 0, 0);  // 0 / 0
    set(C_Y, 0, 0, 0);
    affine_invert();
    EXPECT_TRUE(std::isnan(C_Long[0]));
    EXPECT_TRUE(std::isnan(C_Lat[0]));
}

}  // namespace

namespace {

TEST(AngleFromTangent, MultipliesBy180FirstAndDividesByTheSuitesPi)
{
    for (double q : {-0.1, -0.05, 0.3, 1.0, 7.0, -123.456}) {
        SCOPED_TRACE(q);
        EXPECT_EQ(std::atan(q) * 180.0 / 3.14159265359, angle_from_tangent(q));
    }
    // The order and the constant show in the last bits for some tangents.
    bool order_shows = false, constant_shows = false;
    for (int i = 1; i <= 1000; ++i) {
        double q = i / 97.0;
        double a = angle_from_tangent(q);
        order_shows = order_shows || a != std::atan(q) * (180.0 / 3.14159265359);
        constant_shows = constant_shows || a != std::atan(q) * 180.0 / 3.14159265358979323846;
    }
    EXPECT_TRUE(order_shows);
    EXPECT_TRUE(constant_shows);
}

TEST(AngleFromTangent, EdgeValues)
{
    EXPECT_EQ(0.0, angle_from_tangent(0.0));
    EXPECT_TRUE(std::signbit(angle_from_tangent(-0.0)));  // written 0.0 in the block
    EXPECT_NEAR(90.0, angle_from_tangent(INFINITY), 1e-9);
    EXPECT_LT(angle_from_tangent(INFINITY), 90.0);  // pi/2 over the suite's pi
    EXPECT_NEAR(-90.0, angle_from_tangent(-INFINITY), 1e-9);
    EXPECT_TRUE(std::isnan(angle_from_tangent(NAN)));
    EXPECT_NEAR(-5.7105931375, angle_from_tangent(-0.1), 1e-9);
    EXPECT_NEAR(-2.8624052261, angle_from_tangent(-0.05), 1e-9);
}

}  // namespace

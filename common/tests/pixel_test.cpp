#include <cmath>
#include <gtest/gtest.h>

#include "pixel.h"

namespace {

TEST(RoundToPixel, AddsAHalfAndTruncatesTowardZero)
{
    const struct {
        double value;
        int32_t pixel;
    } cases[] = {
        {350.5, 351}, {350.49, 350}, {0.0, 0}, {-0.5, 0}, {-0.6, 0},
        {-3.5, -3}, {-3.7, -3}, {-150.0, -149}, {-1243.75, -1243}, {1237.5, 1238},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pixel, round_to_pixel(c.value)) << c.value;
}

TEST(RoundToPixel, SaturatesOutsideThirtyTwoBitsAndMapsNaNToTheLowest)
{
    EXPECT_EQ(INT32_MAX, round_to_pixel(2147483646.6));  // 2147483647.1
    EXPECT_EQ(INT32_MAX, round_to_pixel(2147483647.0));
    EXPECT_EQ(INT32_MAX, round_to_pixel(1e300));
    EXPECT_EQ(INT32_MAX, round_to_pixel(INFINITY));
    EXPECT_EQ(INT32_MAX, round_to_pixel(2147483647.5));   // 2147483648 saturates
    EXPECT_EQ(-2147483647, round_to_pixel(-2147483648.0)); // -2147483647.5 truncated
    EXPECT_EQ(INT32_MIN, round_to_pixel(-2147483649.0));   // exactly the lowest
    EXPECT_EQ(INT32_MIN, round_to_pixel(-2147483650.0));   // below it: saturates
    EXPECT_EQ(INT32_MIN, round_to_pixel(-INFINITY));
    EXPECT_EQ(INT32_MIN, round_to_pixel(NAN));
}

}  // namespace

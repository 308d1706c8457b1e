#include <cmath>
#include <gtest/gtest.h>

#include "capture.h"
#include "position.h"

namespace {

struct decomposition_case {
    double value;
    double degrees, minutes, seconds;
};

TEST(DecomposeAngle, SplitsDegreesMinutesSecondsWithTheCarryAbove59Seconds)
{
    const decomposition_case cases[] = {
        {47.5, 47, 30, 0},
        {8.25, 8, 15, 0},
        {-33.9, 33, 54, 0},    // 53' 59.99999..." carries
        {-70.65, 70, 39, 0},
        {47.99999, 48, 0, 0},  // seconds carry into minutes, minutes into degrees
        {0.0, 0, 0, 0},
        {10 + 30.0 / 60 + 59.001 / 3600, 10, 31, 0},
        {10 + 30.0 / 60 + 59.5 / 3600, 10, 31, 0},
        {3e9, 3e9, 0, 0},      // beyond 32 bits: no overflow
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        dms parts = decompose_angle(c.value);
        EXPECT_EQ(c.degrees, parts.degrees);
        EXPECT_EQ(c.minutes, parts.minutes);
        EXPECT_NEAR(c.seconds, parts.seconds, 1e-6);  // shown with two decimals
    }
    // Seconds with a fraction are checked through their two shown decimals.
    dms greenwich = decompose_angle(51.477928);
    EXPECT_EQ(51, greenwich.degrees);
    EXPECT_EQ(28, greenwich.minutes);
    EXPECT_NEAR(40.5408, greenwich.seconds, 1e-9);
    dms no_carry = decompose_angle(48.0163888);
    EXPECT_EQ(0, no_carry.minutes);
    EXPECT_LT(no_carry.seconds, 59.0);
    EXPECT_GT(no_carry.seconds, 58.99);
}

std::string shown(double lat, double lon, position_closing closing)
{
    return capture_output([&] { print_position(lat, lon, closing); });
}

TEST(PrintPosition, WritesBothCoordinatesInTheThreeClosingForms)
{
    EXPECT_EQ("47.500000 (47\xa1" "30'0.00\"N), 8.250000 (8\xa1" "15'0.00\"E):",
              shown(47.5, 8.25, position_closing::standard));
    EXPECT_EQ("47.500000 (47\xa1" "30'0.00\"N), 8.250000 (8\xa1" "15'0.00\"E): ",
              shown(47.5, 8.25, position_closing::quadrant));
    EXPECT_EQ("47.500000 (47\xa1" "30'0.00\"N), 8.250000 (8\xa1" "15'0.00\"E)",
              shown(47.5, 8.25, position_closing::converter));
    EXPECT_EQ("-33.900000 (33\xa1" "54'0.00\"S), -70.650000 (70\xa1" "39'0.00\"W):",
              shown(-33.9, -70.65, position_closing::standard));
    EXPECT_EQ("-33.900000 (33\xa1" "54'0.00\"S), -70.650000 (70\xa1" "39'0.00\"W): ",
              shown(-33.9, -70.65, position_closing::quadrant));
    EXPECT_EQ("51.477928 (51\xa1" "28'40.54\"N), -0.001545 (0\xa1" "0'5.56\"W)",
              shown(51.477928, -0.001545, position_closing::converter));
    EXPECT_EQ("0.000000 (0\xa1" "0'0.00\"N), 0.000000 (0\xa1" "0'0.00\"E):",
              shown(0.0, -0.0, position_closing::standard));
    EXPECT_EQ("48.016389 (48\xa1" "0'59.00\"N), 10.516528 (10\xa1" "31'0.00\"E):",
              shown(48.0163888, 10 + 30.0 / 60 + 59.5 / 3600, position_closing::standard));
}

TEST(PrintPosition, ValuesOutsideAnyMapAreShownWithoutFault)
{
    EXPECT_EQ("Inf (Inf\xa1" "0'0.00\"N), -Inf (Inf\xa1" "0'0.00\"W):",
              shown(INFINITY, -INFINITY, position_closing::standard));
    EXPECT_EQ("NaN (NaN\xa1" "0'0.00\"N), NaN (NaN\xa1" "0'0.00\"E)",
              shown(NAN, -NAN, position_closing::converter));
    EXPECT_EQ("-3000000000.500000 (3000000000\xa1" "30'0.00\"S), 1.000000 (1\xa1" "0'0.00\"E):",
              shown(-3000000000.5, 1.0, position_closing::standard));
}

}  // namespace

namespace {

TEST(PrintPosition, TheLargestDoublesAreWrittenWhole)
{
    // 2^1000 has 302 digits; every one of them is shown, in the decimal and
    // in the degrees, and the closing follows.
    const std::string digits =
        "10715086071862673209484250490600018105614048117055336074437503883703510511249361224931"
        "98378815695858127594672917553146825187145285692314043598457757469857480393456777482423"
        "09854210746050623711418779541821530464749835819412673987675591655439460770629145711964"
        "77686542167660429831652624386837205668069376";
    ASSERT_EQ(302u, digits.size());
    EXPECT_EQ("-" + digits + ".000000 (" + digits + "\xa1" "0'0.00\"S), 1.000000 (1\xa1" "0'0.00\"E): ",
              shown(-std::ldexp(1.0, 1000), 1.0, position_closing::quadrant));
}

}  // namespace

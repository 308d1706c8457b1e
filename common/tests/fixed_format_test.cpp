#include <cmath>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>

#include "fixed_format.h"

namespace {

std::string fast(double v, int decimals)
{
    char text[fixed_text_size];
    format_fixed(text, sizeof text, v, decimals);
    return text;
}

std::string reference(double v, int decimals)
{
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

TEST(FormatFixed, RoundsTheExactValueWithTiesToEven)
{
    EXPECT_EQ("48.016389", fast(48.0163888, 6));
    EXPECT_EQ("0.12", fast(0.125, 2));     // exact tie, to even
    EXPECT_EQ("0.38", fast(0.375, 2));     // exact tie, to even
    EXPECT_EQ("2", fast(2.5, 0));
    EXPECT_EQ("4", fast(3.5, 0));
    EXPECT_EQ("0.01", fast(0.005, 2));     // 0.005 lies just above the tie
    EXPECT_EQ("-0", fast(-0.0, 0));
    EXPECT_EQ("-0.000000", fast(-1e-9, 6));
    EXPECT_EQ("59.00", fast(58.999, 2));
    EXPECT_EQ("9007199254740991.000000", fast(9007199254740991.0, 6));
    EXPECT_EQ("0.000000", fast(5e-324, 6));
}

// Every value the suite can show, compared with the C library's own text.
TEST(FormatFixed, AgreesWithSnprintfOnAMillionValues)
{
    std::mt19937_64 random(1950);
    std::uniform_real_distribution<double> degrees(-400.0, 400.0);
    for (int i = 0; i < 1000000; ++i) {
        double v;
        switch (i % 4) {
        case 0:
            v = degrees(random);
            break;
        case 1: {  // any bit pattern
            std::uint64_t bits = random();
            std::memcpy(&v, &bits, sizeof v);
            break;
        }
        case 2:  // ties and near ties: multiples of small powers of two
            v = std::ldexp(static_cast<double>(random() % 100000000), -static_cast<int>(random() % 30));
            break;
        default:  // seconds of arc, the "%.2f" of the display
            v = degrees(random) * 0.15 + 60.0 * std::fabs(degrees(random) / 400.0);
            break;
        }
        int decimals = static_cast<int>(random() % 7);
        ASSERT_EQ(reference(v, decimals), fast(v, decimals)) << v << " with " << decimals;
    }
}

}  // namespace

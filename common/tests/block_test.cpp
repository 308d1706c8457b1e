#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

#include "block.h"
#include "common_state.h"

// The test binary is a program of its own and sizes the block as the
// polynomial calibrators do.
char result_text[4096];
const std::size_t result_text_size = sizeof result_text;

namespace {

const char three_value_block[] =
    "                      C_X         : [ 1.0000000000E+02,  2.0000000000E+02,  0.0000000000E+00],\n"
    "                      C_Y         : [ 5.0000000000E+03, -4.0000000000E+02,  0.0000000000E+00],\n"
    "                      C_Long      : [-5.0000000000E-01,  5.0000000000E-03,  0.0000000000E+00],\n"
    "                      C_Lat       : [ 1.2500000000E+01, -2.5000000000E-03,  0.0000000000E+00],\n"
    "                      A           : 0.0,\n"
    "\n";

TEST(Block, ComposesTheThreeValueBlockByteForByte)
{
    const double c_x[] = {100, 200, 0}, c_y[] = {5000, -400, 0};
    const double c_long[] = {-0.5, 0.005, 0}, c_lat[] = {12.5, -0.0025, -0.0};
    std::strcpy(result_text, "left over");
    block_begin();
    block_append_vector("C_X", c_x, 3);
    block_append_vector("C_Y", c_y, 3);
    block_append_vector("C_Long", c_long, 3);
    block_append_vector("C_Lat", c_lat, 3);
    block_append_a(-0.0);
    EXPECT_STREQ(three_value_block, result_text);
    EXPECT_EQ(422u, std::strlen(result_text));
}

TEST(Block, BreaksANineValueVectorAfterTheThirdAndSixthValue)
{
    const double c_x[] = {100, 0, 0, 200, 0, 0, 0, 0, 0};
    block_begin();
    block_append_vector("C_X", c_x, 9);
    EXPECT_STREQ(
        "                      C_X         : [ 1.0000000000E+02,  0.0000000000E+00,  0.0000000000E+00,\n"
        "                                      2.0000000000E+02,  0.0000000000E+00,  0.0000000000E+00,\n"
        "                                      0.0000000000E+00,  0.0000000000E+00,  0.0000000000E+00],\n",
        result_text);
}

TEST(Block, FieldsPadToSeventeenAndSpellValuesThatAreNotFinite)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, " 0.0000000000E+00"},
        {-0.0, " 0.0000000000E+00"},
        {-400, "-4.0000000000E+02"},
        {1e-100, "1.0000000000E-100"},
        {-1e-100, "-1.0000000000E-100"},
        {INFINITY, "              Inf"},
        {-INFINITY, "             -Inf"},
        {NAN, "              NaN"},
        {-NAN, "              NaN"},
    };
    for (const auto& c : cases) {
        format_block_value(c.value);
        EXPECT_STREQ(c.text, value_text);
    }
}

TEST(Block, TheALineHasOneDecimalAndSpellsNaN)
{
    const struct {
        double a;
        const char* line;
    } cases[] = {
        {-0.0, "                      A           : 0.0,\n\n"},
        {8.5904, "                      A           : 8.6,\n\n"},
        {-5.71, "                      A           : -5.7,\n\n"},
        {NAN, "                      A           : NaN,\n\n"},
        {-INFINITY, "                      A           : -Inf,\n\n"},
        {-1e300, nullptr},  // a line of some 340 characters, never cut
    };
    for (const auto& c : cases) {
        block_begin();
        block_append_a(c.a);
        if (c.line != nullptr) {
            EXPECT_STREQ(c.line, result_text);
            continue;
        }
        std::size_t length = std::strlen(result_text);
        EXPECT_EQ(36 + 1 + 301 + 2 + 3, length);  // "-1" and 300 zeros, ".0", ",\n\n"
        EXPECT_STREQ(".0,\n\n", result_text + length - 5);
    }
}

}  // namespace

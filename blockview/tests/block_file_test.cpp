// Reading coefficient files: the calibrators' blocks in both line-end
// conventions and key orders, and the refusal of malformed files.
#include <cmath>
#include <gtest/gtest.h>
#include <string>

#include "block_file.h"
#include "test_support.h"

namespace {

// The three-value example block as a calibrator writes it to a file.
const char three_value_file[] =
    "                      C_X         : [ 1.0000000000E+02,  2.0000000000E+02,  0.0000000000E+00],\r\n"
    "                      C_Y         : [ 5.0000000000E+03, -4.0000000000E+02,  0.0000000000E+00],\r\n"
    "                      C_Long      : [-5.0000000000E-01,  5.0000000000E-03,  0.0000000000E+00],\r\n"
    "                      C_Lat       : [ 1.2500000000E+01, -2.5000000000E-03,  0.0000000000E+00],\r\n"
    "                      A           : 0.0,\r\n"
    "\r\n";

// A cone-calibrator block around the nine-value example vector
// (100, 0, 0, 200, 0, 0, 0, 0, 0); the other vectors count 1..9 so that
// each index is told apart.
const char nine_value_file[] =
    "                      C_X         : [ 1.0000000000E+02,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                      2.0000000000E+02,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                      0.0000000000E+00,  0.0000000000E+00,  0.0000000000E+00],\r\n"
    "                      C_Y         : [ 1.0000000000E+00,  2.0000000000E+00,  3.0000000000E+00,\r\n"
    "                                      4.0000000000E+00,  5.0000000000E+00,  6.0000000000E+00,\r\n"
    "                                      7.0000000000E+00,  8.0000000000E+00,  9.0000000000E+00],\r\n"
    "                      C_Long      : [-1.0000000000E+00, -2.0000000000E+00, -3.0000000000E+00,\r\n"
    "                                     -4.0000000000E+00, -5.0000000000E+00, -6.0000000000E+00,\r\n"
    "                                     -7.0000000000E+00, -8.0000000000E+00, -9.0000000000E+00],\r\n"
    "                      C_Lat       : [1.0000000000E-100, -1.0000000000E-100,  0.0000000000E+00,\r\n"
    "                                      0.0000000000E+00,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                      0.0000000000E+00,  0.0000000000E+00,  1.2345678901E+02],\r\n"
    "                      A           : -5.7,\r\n"
    "\r\n";

std::string without_cr(const std::string& text)
{
    std::string out;
    for (char ch : text)
        if (ch != '\r')
            out += ch;
    return out;
}

void expect_values(const double* expected, const double* actual, int count)
{
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(expected[i], actual[i]) << "index " << i;
}

TEST(BlockviewFile, ReadsTheThreeValueExampleWithEitherLineEnd)
{
    for (const std::string& text : {std::string(three_value_file), without_cr(three_value_file)}) {
        calibration c;
        std::string error;
        ASSERT_TRUE(parse_block(text, "cal.txt", c, error)) << error;
        EXPECT_EQ(3, c.terms);
        const double x[] = {100, 200, 0}, y[] = {5000, -400, 0};
        const double lon[] = {-0.5, 0.005, 0}, lat[] = {12.5, -0.0025, 0};
        expect_values(x, c.c_x, 3);
        expect_values(y, c.c_y, 3);
        expect_values(lon, c.c_long, 3);
        expect_values(lat, c.c_lat, 3);
        EXPECT_EQ(0.0, c.a);
    }
}

TEST(BlockviewFile, ReadsANineValueBlockOverThreeLinesPerVector)
{
    calibration c;
    std::string error;
    ASSERT_TRUE(parse_block(nine_value_file, "cone.txt", c, error)) << error;
    EXPECT_EQ(9, c.terms);
    const double x[] = {100, 0, 0, 200, 0, 0, 0, 0, 0};
    const double y[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const double lon[] = {-1, -2, -3, -4, -5, -6, -7, -8, -9};
    const double lat[] = {1e-100, -1e-100, 0, 0, 0, 0, 0, 0, 123.45678901};
    expect_values(x, c.c_x, 9);
    expect_values(y, c.c_y, 9);
    expect_values(lon, c.c_long, 9);
    expect_values(lat, c.c_lat, 9);
    EXPECT_EQ(-5.7, c.a);
}

TEST(BlockviewFile, ReadsTheQuadrantCalibratorsKeyOrder)
{
    calibration c;
    std::string error;
    ASSERT_TRUE(parse_block(linear_nine_value_file, "quad.txt", c, error)) << error;
    EXPECT_EQ(9, c.terms);
    EXPECT_EQ(-1900.0, c.c_x[0]);
    EXPECT_EQ(200.0, c.c_x[3]);
    EXPECT_EQ(19800.0, c.c_y[0]);
    EXPECT_EQ(-400.0, c.c_y[3]);
    EXPECT_EQ(9.5, c.c_long[0]);
    EXPECT_EQ(0.005, c.c_long[3]);
    EXPECT_EQ(49.5, c.c_lat[0]);
    EXPECT_EQ(-0.0025, c.c_lat[3]);
}

TEST(BlockviewFile, AcceptsAnAThatIsNotFinite)
{
    // A is written as NaN when a calibrator's angle is undefined; it is not
    // used for drawing, so such a block is still usable.
    std::string text = three_value_file;
    text.replace(text.find("A           : 0.0"), 17, "A           : NaN");
    calibration c;
    std::string error;
    ASSERT_TRUE(parse_block(text, "cal.txt", c, error)) << error;
    EXPECT_TRUE(std::isnan(c.a));
}

// Replaces the first occurrence of from in the three-value example.
std::string three_value_with(const std::string& from, const std::string& to)
{
    std::string text = three_value_file;
    std::size_t at = text.find(from);
    EXPECT_NE(std::string::npos, at) << from;
    return text.replace(at, from.size(), to);
}

struct malformed_case {
    const char* what;
    std::string text;
    const char* message;  // the whole line on standard error
};

// Every refusal: exit status 1 and one line naming the file and the line.
TEST(BlockviewFile, RefusesMalformedFilesNamingFileAndLine)
{
    const malformed_case cases[] = {
        {"missing key", three_value_with(
             "                      C_Lat       : [ 1.2500000000E+01, -2.5000000000E-03,  0.0000000000E+00],\r\n",
             ""),
         "blockview: cal.txt:6: missing key C_Lat\n"},
        {"missing A", three_value_with("                      A           : 0.0,\r\n", ""),
         "blockview: cal.txt:6: missing key A\n"},
        {"two values", three_value_with(",  0.0000000000E+00],\r\n                      C_Lat", "],\r\n                      C_Lat"),
         "blockview: cal.txt:3: C_Long has 2 values; a vector has 3 (affine) or 9 (biquadratic)\n"},
        {"ten values", std::string(nine_value_file).replace(
             std::string(nine_value_file).find("1.2345678901E+02]"), 17, "1.2345678901E+02, 1.0]"),
         "blockview: cal.txt:12: C_Lat has more than 9 values; a vector has 3 (affine) or 9 (biquadratic)\n"},
        {"three and nine mixed", std::string(nine_value_file).replace(
             0, std::string(nine_value_file).find("                      C_Y"),
             "                      C_X         : [ 1.0, 2.0, 3.0],\r\n"),
         "blockview: cal.txt:2: C_Y has 9 values but C_X (line 1) has 3\n"},
        {"not a number", three_value_with("-4.0000000000E+02", "-4.00000O0000E+02"),
         "blockview: cal.txt:2: C_Y[1]: '-4.00000O0000E+02' is not a number\n"},
        {"decimal comma", three_value_with(" 5.0000000000E-03", " 5,0000000000E-03"),
         "blockview: cal.txt:3: C_Long has 4 values; a vector has 3 (affine) or 9 (biquadratic)\n"},
        {"empty value", three_value_with(" 2.0000000000E+02", ""),
         "blockview: cal.txt:1: C_X[1]: expected a number, found ','\n"},
        {"NaN coefficient", three_value_with("-2.5000000000E-03", "              NaN"),
         "blockview: cal.txt:4: C_Lat[1] is NaN: the calibration has no usable model\n"},
        {"infinite coefficient", three_value_with(" 1.0000000000E+02", "              Inf"),
         "blockview: cal.txt:1: C_X[0] is infinite: the calibration has no usable model\n"},
        {"unknown key", three_value_with("C_Lat ", "C_Lon "),
         "blockview: cal.txt:4: unknown key 'C_Lon' (expected C_X, C_Y, C_Long, C_Lat or A)\n"},
        {"key twice", three_value_with("C_Lat ", "C_Y   "),
         "blockview: cal.txt:4: C_Y is given twice (first on line 2)\n"},
        {"no colon", three_value_with("C_Long      :", "C_Long       "),
         "blockview: cal.txt:3: expected ':' after C_Long, found '['\n"},
        {"not closed", std::string(three_value_file, 0, std::string(three_value_file).find("],")),
         "blockview: cal.txt:1: expected ',' or ']' after C_X[2], found end of file\n"},
        {"A not a number", three_value_with("A           : 0.0", "A           : zero"),
         "blockview: cal.txt:5: A: 'zero' is not a number\n"},
        {"stray text", three_value_with("0.0000000000E+00],\r\n                      C_Y",
                                        "0.0000000000E+00], 7\r\n                      C_Y"),
         "blockview: cal.txt:1: unexpected '7' after C_X\n"},
        {"empty file", "", "blockview: cal.txt:1: missing key C_X\n"},
    };
    scratch_folder folder;
    for (const malformed_case& c : cases) {
        SCOPED_TRACE(c.what);
        folder.write("cal.txt", c.text);
        blockview_run run = run_blockview(folder, {"--size", "100x100", "cal.txt"});
        EXPECT_EQ(1, run.status);
        EXPECT_EQ(c.message, run.error_output);
        EXPECT_EQ("", run.output);
    }
}

TEST(BlockviewFile, ReportsAFileThatCannotBeRead)
{
    scratch_folder folder;
    blockview_run run = run_blockview(folder, {"--size", "100x100", "absent.txt"});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("blockview: absent.txt: cannot read: No such file or directory\n", run.error_output);
}

}  // namespace

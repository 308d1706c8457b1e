// Whole sessions of rectcal through the transcript harness. Every expected
// text is written out by hand from the dialogue, not taken from a run.
#include <gtest/gtest.h>
#include <string>

#include "session_texts.h"
#include "block_check.h"
#include "transcript.h"

namespace {

using namespace session;

const std::string box =
    banner("*   Coefficient Calculator for Rectangular Projection Type Maps   *\n"
           "*           (working with Standard Calibration Points)            *\n");
const std::string rectangle_prompts =
    "Latitude (bottom)  : Latitude (top)     : \nLongitude (left)   : Longitude (right)  : ";

// The corner entry of one point: its heading and position, then X and Y.
std::string corner(const std::string& shown_position)
{
    return "\nPixel Coordinates for " + shown_position + "\n ->X:  ->Y: ";
}

// Positions that the sessions show.
const std::string p48_9 =
    position("48.000000", dms("48", "0", "0.00", "N"), "9.000000", dms("9", "0", "0.00", "E"));
const std::string p48_10 =
    position("48.000000", dms("48", "0", "0.00", "N"), "10.000000", dms("10", "0", "0.00", "E"));
const std::string p49_9 =
    position("49.000000", dms("49", "0", "0.00", "N"), "9.000000", dms("9", "0", "0.00", "E"));
const std::string p49_10 =
    position("49.000000", dms("49", "0", "0.00", "N"), "10.000000", dms("10", "0", "0.00", "E"));

transcript run(const std::string& input)
{
    return run_transcript(program_path("rectcal"), input);
}

TEST(RectcalSession, WholeSessionOfTheWorkedExample)
{
    const std::string input =
        "48\n49\n9\n10\n"          // the rectangle
        "abc\n100\n1100\n"         // bottom-left, after one refused X
        "1100\n1100\n"             // bottom-right
        "100\n100\n"               // top-left
        "48 30\n9 30\n"            // geo -> pixel: the middle of the map
        "49 6 3\n8 51\n"           // north-west of the map: negative X
        "E\n"
        "600\n600\n"               // pixel -> geo: back to the middle
        "-100\n2000\n"
        "e\n"
        "map.txt\n";
    const std::string expected =
        box + rectangle_prompts
        + "\nPixel Coordinates for " + p48_9 + "\n ->X: \a\n ->X:  ->Y: "
        + corner(p48_10) + corner(p49_9)
        + loops_start
        + geo_pass("600", "600")
        // X: 8.85·1000 − 8900 = −50, plus 0.5 truncated toward zero: −49.
        // Y: 49.100833…·(−1000) + 49100 = −0.83…, plus 0.5 truncated: 0.
        + geo_pass("-49", "0")
        + "\nLatitude  : "
        + pixel_heading
        + pixel_pass(position("48.500000", dms("48", "30", "0.00", "N"), "9.500000",
                              dms("9", "30", "0.00", "E")))
        // −100·0.001 + 8.9 = 8.8 and 2000·(−0.001) + 49.1 = 47.1
        + pixel_pass(position("47.100000", dms("47", "6", "0.00", "N"), "8.800000",
                              dms("8", "48", "0.00", "E")))
        + "\nX: "
        + result_shown(example_block);
    transcript t = run(input);
    EXPECT_EQ(expected, t.output);
    EXPECT_EQ(0, t.status);
    EXPECT_EQ("", t.error_output);
    ASSERT_EQ(1u, t.files.size());
    ASSERT_EQ(1u, t.files.count("map.txt"));
    const std::string& file = t.files.at("map.txt");
    EXPECT_EQ(file_bytes(example_block), file);
    EXPECT_EQ(example_block.size() + 6, file.size());
    EXPECT_EQ(",\r\n\r\n", file.substr(file.size() - 5));
}

TEST(RectcalSession, ExitAnswersDuringCalibrationAreTakenAsZero)
{
    const std::string input =
        "E\n1\ne\n1\n"           // bottom 0 (E), top 1, left 0 (e), right 1
        "E\n1000\n"              // bottom-left (0, 0) at (0, 1000)
        "1000\n1000\n"           // bottom-right (0, 1) at (1000, 1000)
        "0\nExit\n"              // top-left (1, 0) at (0, 0)
        "0 30\n0 30\nE\n"        // the loops start with the flag cleared
        "E\n"
        "zero.txt\n";
    const std::string p0_0 =
        position("0.000000", dms("0", "0", "0.00", "N"), "0.000000", dms("0", "0", "0.00", "E"));
    const std::string p0_1 =
        position("0.000000", dms("0", "0", "0.00", "N"), "1.000000", dms("1", "0", "0.00", "E"));
    const std::string p1_0 =
        position("1.000000", dms("1", "0", "0.00", "N"), "0.000000", dms("0", "0", "0.00", "E"));
    const std::string block =
        vector_line("C_X", " 0.0000000000E+00", " 1.0000000000E+03", " 0.0000000000E+00")
        + vector_line("C_Y", " 1.0000000000E+03", "-1.0000000000E+03", " 0.0000000000E+00")
        + vector_line("C_Long", " 0.0000000000E+00", " 1.0000000000E-03", " 0.0000000000E+00")
        + vector_line("C_Lat", " 1.0000000000E+00", "-1.0000000000E-03", " 0.0000000000E+00")
        + a_line("0.0");
    const std::string expected = box + rectangle_prompts + corner(p0_0) + corner(p0_1)
                                 + corner(p1_0) + loops_start + geo_pass("500", "500")
                                 + "\nLatitude  : " + pixel_heading + "\nX: "
                                 + result_shown(block);
    transcript t = run(input);
    EXPECT_EQ(expected, t.output);
    EXPECT_EQ(0, t.status);
    ASSERT_EQ(1u, t.files.count("zero.txt"));
    EXPECT_EQ(file_bytes(block), t.files.at("zero.txt"));
}

struct failure_case {
    const char* name;
    std::string input;
    std::string output;
};

TEST(RectcalSession, UnsolvableSystemsEndWithTheMessageAndNoFile)
{
    const failure_case cases[] = {
        {"equal left and right longitudes: system 1",
         "48\n49\n9\n9\n100\n1100\n1100\n1100\n100\n100\nE\nE\nx.txt\n",
         box + rectangle_prompts + corner(p48_9) + corner(p48_9) + corner(p49_9)
             + no_solution},
        {"equal bottom and top latitudes: system 2",
         "48\n48\n9\n10\n100\n1100\n1100\n1100\n100\n100\nE\nE\nx.txt\n",
         box + rectangle_prompts + corner(p48_9) + corner(p48_10) + corner(p48_9)
             + no_solution},
        {"a single point for all three corners",
         "49\n49\n10\n10\n1\n2\n3\n4\n5\n6\n",
         box + rectangle_prompts + corner(p49_10) + corner(p49_10) + corner(p49_10)
             + no_solution},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        transcript t = run(c.input);
        EXPECT_EQ(c.output, t.output);
        EXPECT_EQ(0, t.status);
        EXPECT_TRUE(t.files.empty());
        EXPECT_EQ("", t.error_output);
    }
}

TEST(RectcalSession, EndOfInputDuringCalibrationEndsWithStatusOne)
{
    const failure_case cases[] = {
        {"nothing at all", "", box + "Latitude (bottom)  : \n"},
        {"after the left longitude", "48\n49\n9\n",
         box + rectangle_prompts + "\n"},
        {"after a corner's X, last line without line end", "48\n49\n9\n10\n100",
         box + rectangle_prompts + corner(p48_9) + "\n"},
        {"in the test loop", "48\n49\n9\n10\n100\n1100\n1100\n1100\n100\n100\n",
         box + rectangle_prompts + corner(p48_9) + corner(p48_10) + corner(p49_9)
             + loops_start + "\nLatitude  : \n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        transcript t = run(c.input);
        EXPECT_EQ(c.output, t.output);
        EXPECT_EQ(1, t.status);
        EXPECT_TRUE(t.files.empty());
    }
}

written calibrate(const std::string& rectangle, const std::string& pixels)
{
    return calibrate_with("rectcal", rectangle + pixels);
}

TEST(RectcalExamples, TheWorkedExample)
{
    expect_block(calibrate("48\n49\n9\n10\n", "100\n1100\n1100\n1100\n100\n100\n"),
                 example_block);
}

TEST(RectcalExamples, LeaningLeftEdge)
{
    // Top-left at (200, 100): C_X[2] = 100 and C_X[0] = -8900 - 4800; the
    // longitude takes the general branch, D = 1000/100 - 0/(-1000) = 10.
    const std::string block =
        vector_line("C_X", "-1.3700000000E+04", " 1.0000000000E+03", " 1.0000000000E+02")
        + vector_line("C_Y", " 4.9100000000E+04", "-1.0000000000E+03", " 0.0000000000E+00")
        + vector_line("C_Long", " 8.7900000000E+00", " 1.0000000000E-03", " 1.0000000000E-04")
        + vector_line("C_Lat", " 4.9100000000E+01", "-1.0000000000E-03", " 0.0000000000E+00")
        + a_line("-5.7");  // atan(100 / -1000)
    expect_block(calibrate("48\n49\n9\n10\n", "100\n1100\n1100\n1100\n200\n100\n"), block);
}

TEST(RectcalExamples, ThePixelsOfRectfreesThirdExample)
{
    // Same vectors as rectfree gives for these points; A from the left
    // edge: atan(100 / -2000), about -2.86 degrees.
    const std::string block =
        vector_line("C_X", "-1.3700000000E+04", " 1.0000000000E+03", " 1.0000000000E+02")
        + vector_line("C_Y", " 9.7100000000E+04", "-2.0000000000E+03", " 0.0000000000E+00")
        + vector_line("C_Long", " 8.8450000000E+00", " 1.0000000000E-03", " 5.0000000000E-05")
        + vector_line("C_Lat", " 4.8550000000E+01", "-5.0000000000E-04", " 0.0000000000E+00")
        + a_line("-2.9");
    expect_block(calibrate("48\n49\n9\n10\n", "100\n1100\n1100\n1100\n200\n-900\n"), block);
}

TEST(RectcalExamples, ReversedRectangleIsAcceptedAndPassesThroughThePoints)
{
    // Bottom 49 north of top 48, the same map: system 2 gives C_X[2] as
    // 0 / -1 = -0, which takes the special branch of the inversion.
    expect_block(calibrate("49\n48\n9\n10\n", "100\n100\n1100\n100\n100\n1100\n"),
                 example_block);
    // Left 10 east of right 9: system 4 gives C_Y[2] = -0 the same way.
    expect_block(calibrate("48\n49\n10\n9\n", "1100\n1100\n100\n1100\n1100\n100\n"),
                 example_block);
}

TEST(RectcalExamples, TopLeftOnTheRowOfBottomLeft)
{
    // Y2 = Y0: the quotient of A is infinite, A is written by the sign of
    // X2 - X0. C_Y[1] is 0, so the inversion divides by zero: the
    // longitude's D is NaN, the latitude's special branch gives -Inf, Inf.
    const std::string tail =
        vector_line("C_Y", " 1.1000000000E+03", " 0.0000000000E+00", " 0.0000000000E+00")
        + vector_line("C_Long", "              NaN", "              NaN", "              NaN")
        + vector_line("C_Lat", "             -Inf", "              Inf", " 0.0000000000E+00");
    expect_block(calibrate("48\n49\n9\n10\n", "100\n1100\n1100\n1100\n200\n1100\n"),
                 vector_line("C_X", "-1.3700000000E+04", " 1.0000000000E+03",
                             " 1.0000000000E+02")
                     + tail + a_line("90.0"));
    expect_block(calibrate("48\n49\n9\n10\n", "100\n1100\n1100\n1100\n0\n1100\n"),
                 vector_line("C_X", "-4.1000000000E+03", " 1.0000000000E+03",
                             "-1.0000000000E+02")
                     + tail + a_line("-90.0"));
    // The same pixel as well: 0 / 0, A is NaN.
    const std::string block =
        vector_line("C_X", "-8.9000000000E+03", " 1.0000000000E+03", " 0.0000000000E+00")
        + vector_line("C_Y", " 1.1000000000E+03", " 0.0000000000E+00", " 0.0000000000E+00")
        + vector_line("C_Long", " 8.9000000000E+00", " 1.0000000000E-03", " 0.0000000000E+00")
        + vector_line("C_Lat", "             -Inf", "              Inf", " 0.0000000000E+00")
        + a_line("NaN");
    expect_block(calibrate("48\n49\n9\n10\n", "100\n1100\n1100\n1100\n100\n1100\n"), block);
}

}  // namespace

// Whole sessions of rectfree through the transcript harness. Every expected
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
           "*        (working with freely selected Calibration Points)        *\n");
// The four entries of one point; nothing is printed between them.
const std::string point_prompts = "Latitude  : Longitude :  ->X:  ->Y: ";
const std::string all_point_prompts = point_prompts + point_prompts + point_prompts;

transcript run(const std::string& input)
{
    return run_transcript(program_path("rectfree"), input);
}

// The block of the third worked example: (48, 9) at (100, 1100), (48, 10)
// at (1100, 1100) and (49, 9) at (200, -900).
const std::string third_example_block =
    vector_line("C_X", "-1.3700000000E+04", " 1.0000000000E+03", " 1.0000000000E+02")
    + vector_line("C_Y", " 9.7100000000E+04", "-2.0000000000E+03", " 0.0000000000E+00")
    // D = 1000/100 - 0/(-2000) = 10; ((97100/-2000) - (-13700/100)) / 10
    + vector_line("C_Long", " 8.8450000000E+00", " 1.0000000000E-03", " 5.0000000000E-05")
    + vector_line("C_Lat", " 4.8550000000E+01", "-5.0000000000E-04", " 0.0000000000E+00")
    + a_line("-5.7");  // atan(-100 / 1000)

TEST(RectfreeSession, WholeSessionOfTheThirdExample)
{
    const std::string input =
        "48\n9\n100\n1100\n"
        "48\n10\n1100\n1100\n"
        "47 60\n49 0 0\n9,0\n200\n-900\n"  // one refused latitude
        "48 30\n9 30\n"                    // geo -> pixel
        "49 15\n8 0 18\n"                  // negative pixels, truncated toward zero
        "48\nE\n"                          // E at the longitude: no X and Y
        "650\n100\n"                       // pixel -> geo
        "-100\n2000\n"
        "100\ne\n"                         // E at Y: no position
        "no/such/folder/free.txt\n"
        "free.txt\n";
    const std::string expected =
        box + point_prompts + point_prompts + "Latitude  : \aLatitude  : Longitude :  ->X:  ->Y: "
        + loops_start
        // 48.5·100 + (9.5·1000 − 13700) = 650; 9.5·0 + (48.5·(−2000) + 97100) = 100
        + geo_pass("650", "100")
        // 4925 + (8005 − 13700) = −770 and −98500 + 97100 = −1400, each plus
        // 0.5 truncated toward zero
        + geo_pass("-769", "-1399")
        + geo_prompts
        + pixel_heading
        + pixel_pass(position("48.500000", dms("48", "30", "0.00", "N"), "9.500000",
                              dms("9", "30", "0.00", "E")))
        // 2000·5e-5 + (−100·0.001 + 8.845) = 8.845; 2000·(−0.0005) + 48.55 = 47.55
        + pixel_pass(position("47.550000", dms("47", "33", "0.00", "N"), "8.845000",
                              dms("8", "50", "42.00", "E")))
        + pixel_prompts
        + result_shown(third_example_block) + "Error creating output file!\n" + file_prompt;
    transcript t = run(input);
    EXPECT_EQ(expected, t.output);
    EXPECT_EQ(0, t.status);
    EXPECT_EQ("", t.error_output);
    ASSERT_EQ(1u, t.files.size());
    ASSERT_EQ(1u, t.files.count("free.txt"));
    EXPECT_EQ(file_bytes(third_example_block), t.files.at("free.txt"));
}

TEST(RectfreeSession, ExitAnswersDuringPointEntryAreTakenAsZero)
{
    const std::string input =
        "e\nE\nE\n1000\n"        // (0, 0) at (0, 1000)
        "0\n1\n1000\n1000\n"     // (0, 1) at (1000, 1000)
        "1\nExit\n0\nE\n"        // (1, 0) at (0, 0)
        "0 30\n0 30\nE\n"        // the loops start with the flag cleared
        "E\n"
        "zero.txt\n";
    const std::string block =
        vector_line("C_X", " 0.0000000000E+00", " 1.0000000000E+03", " 0.0000000000E+00")
        + vector_line("C_Y", " 1.0000000000E+03", "-1.0000000000E+03", " 0.0000000000E+00")
        + vector_line("C_Long", " 0.0000000000E+00", " 1.0000000000E-03", " 0.0000000000E+00")
        + vector_line("C_Lat", " 1.0000000000E+00", "-1.0000000000E-03", " 0.0000000000E+00")
        + a_line("0.0");
    const std::string expected = box + all_point_prompts + loops_start
                                 + geo_pass("500", "500") + "\nLatitude  : " + pixel_heading
                                 + "\nX: " + result_shown(block);
    transcript t = run(input);
    EXPECT_EQ(expected, t.output);
    EXPECT_EQ(0, t.status);
    ASSERT_EQ(1u, t.files.count("zero.txt"));
    EXPECT_EQ(file_bytes(block), t.files.at("zero.txt"));
}

struct failure_case {
    const char* name;
    std::string input;
};

TEST(RectfreeSession, PointsOnOneLineEndWithTheMessageAndNoFile)
{
    const failure_case cases[] = {
        {"three points with one latitude",
         "48\n9\n100\n1100\n48\n10\n1100\n1100\n48\n11\n2100\n1100\nE\nE\nx.txt\n"},
        {"three points with one longitude",
         "48\n9\n100\n1100\n49\n9\n100\n100\n50\n9\n100\n-900\nE\nE\nx.txt\n"},
        {"two equal points", "48\n9\n100\n1100\n48\n9\n100\n1100\n49\n10\n1100\n100\n"},
        {"equal longitudes of a rectangle's corners",
         "48\n9\n100\n1100\n48\n9\n1100\n1100\n49\n9\n100\n100\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        transcript t = run(c.input);
        EXPECT_EQ(box + all_point_prompts + no_solution, t.output);
        EXPECT_EQ(0, t.status);
        EXPECT_TRUE(t.files.empty());
        EXPECT_EQ("", t.error_output);
    }
}

TEST(RectfreeSession, EndOfInputDuringPointEntryEndsWithStatusOne)
{
    const struct {
        const char* name;
        std::string input;
        std::string output;
    } cases[] = {
        {"nothing at all", "", box + "Latitude  : \n"},
        {"after a point's X", "48\n9\n100\n", box + point_prompts + "\n"},
        {"in the middle of the third point", "48\n9\n100\n1100\n48\n10\n1100\n1100\n49",
         box + point_prompts + point_prompts + "Latitude  : Longitude : \n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        transcript t = run(c.input);
        EXPECT_EQ(c.output, t.output);
        EXPECT_EQ(1, t.status);
        EXPECT_TRUE(t.files.empty());
    }
}

written calibrate(const std::string& points)
{
    return calibrate_with("rectfree", points);
}

TEST(RectfreeExamples, TheCornersOfTheWorkedExampleGiveRectcalsBlock)
{
    expect_block(calibrate("48\n9\n100\n1100\n48\n10\n1100\n1100\n49\n9\n100\n100\n"),
                 example_block);
}

TEST(RectfreeExamples, ThreeOtherPointsOfTheSameMap)
{
    const std::string a = "48 15\n9 30\n600\n850\n";   // (48.25, 9.5)
    const std::string b = "48 45\n9 15\n350\n350\n";   // (48.75, 9.25)
    const std::string c = "48 30\n9 45\n850\n600\n";   // (48.5, 9.75)
    expect_block(calibrate(a + b + c), example_block);
    // The order of entry does not change the coefficients.
    expect_block(calibrate(c + a + b), example_block);
    expect_block(calibrate(b + c + a), example_block);
}

TEST(RectfreeExamples, LeaningMapTakesAFromCX)
{
    expect_block(calibrate("48\n9\n100\n1100\n48\n10\n1100\n1100\n49\n9\n200\n-900\n"),
                 third_example_block);
}

TEST(RectfreeExamples, PixelXIndependentOfLongitude)
{
    // C_X = (-4700, 0, 100): A = atan(-100 / 0) is -90; the longitude's D
    // is 0/100 - 0/(-1000) = 0, so C_Long divides by zero.
    const std::string block =
        vector_line("C_X", "-4.7000000000E+03", " 0.0000000000E+00", " 1.0000000000E+02")
        + vector_line("C_Y", " 4.9100000000E+04", "-1.0000000000E+03", " 0.0000000000E+00")
        + vector_line("C_Long", "             -Inf", "              Inf", "              Inf")
        + vector_line("C_Lat", " 4.9100000000E+01", "-1.0000000000E-03", " 0.0000000000E+00")
        + a_line("-90.0");
    expect_block(calibrate("48\n9\n100\n1100\n48\n10\n100\n1100\n49\n9\n200\n100\n"), block);
}

}  // namespace

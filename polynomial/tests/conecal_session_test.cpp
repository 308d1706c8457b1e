#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "grid_session.h"
#include "transcript.h"

using namespace session;

namespace {

const std::string cone_banner =
    banner("*       Coefficient Calculator for Cone Projection Type Maps      *\n");

// The exactly linear map: X 100, 300, 500 in every row, Y 1000, 600, 200
// in the bottom, middle and top rows.
const std::vector<int> linear_x = {100, 300, 500, 100, 300, 500, 100, 300, 500};
const std::vector<int> linear_y = {1000, 1000, 1000, 600, 600, 600, 200, 200, 200};

// Answers to the grid entry (three latitudes, three longitudes) and the
// nine pixel entries.
std::string entry_input(const std::vector<std::string>& angles, const std::vector<int>& x,
                        const std::vector<int>& y)
{
    std::string input;
    for (const auto& a : angles)
        input += a + "\n";
    for (std::size_t i = 0; i < x.size(); ++i)
        input += std::to_string(x[i]) + "\n" + std::to_string(y[i]) + "\n";
    return input;
}

// The console text of the grid and pixel entry, for whole-degree
// latitudes of the rows and longitudes of the columns (all north and east).
std::string entry_output(const std::vector<int>& latitudes, const std::vector<int>& longitudes)
{
    std::string text = "Latitude (bottom)  : Latitude (middle)  : Latitude (top)     : "
                       "\nLongitude (left)   : Longitude (middle) : Longitude (right)  : ";
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            text += "\nPixel Coordinates for " + position(latitudes[r], 0, longitudes[c], 0, "E):")
                    + "\n ->X:  ->Y: ";
    return text;
}

const std::string linear_block = linear_c_x + linear_c_y + linear_c_long + linear_c_lat + linear_a;

// A whole session on the linear map: two geo-to-pixel passes (the second
// ended by "E" at the longitude), two pixel-to-geo passes (the second ended
// at "Y: "), the block, the file.
TEST(ConecalSession, LinearMapFullSession)
{
    std::string input = entry_input({"47", "48", "49", "10", "11", "12"}, linear_x, linear_y)
                        // 48 15' = 48.25, 10 7' 30" = 10.125: X = 2025 - 1900,
                        // Y = 19800 - 19300.
                        + "48 15\n10 7 30\n47\nE\n"
                        // lon = 9.5 + 0.75, lat = 49.5 - 2.25.
                        + "150\n900\n300\nE\n"
                        + "cone.txt\n";
    std::string expected = cone_banner + entry_output({47, 48, 49}, {10, 11, 12}) + loops_start
                           + geo_prompts + pixel_answer(125, 500) + geo_prompts + pixel_heading
                           + pixel_prompts + "Position is " + position(47, 15, 10, 15, "E):")
                           + "\n" + pixel_prompts + result_heading + linear_block + file_prompt;
    transcript run = run_transcript(program_path("conecal"), input);
    EXPECT_EQ(expected, run.output);
    EXPECT_EQ(0, run.status);
    ASSERT_EQ(1u, run.files.size());
    EXPECT_EQ(file_bytes(linear_block), run.files["cone.txt"]);
    EXPECT_EQ(linear_block.size() + 14, run.files["cone.txt"].size());
}

struct failure_case {
    const char* name;
    std::vector<std::string> angles;
    std::vector<int> latitudes;   // shown in the pixel prompts
    std::vector<int> longitudes;
    std::vector<int> x;
    std::vector<int> y;
};

// Every way the calibration stops: asked for all nine pixels, then the
// message, status 0, no test loop and no file.
TEST(ConecalSession, FailuresStopAfterTheEntry)
{
    const failure_case cases[] = {
        {"left longitude equal to the middle one",
         {"47", "48", "49", "10", "10", "12"}, {47, 48, 49}, {10, 10, 12}, linear_x, linear_y},
        {"left longitude equal to the right one",
         {"47", "48", "49", "10", "11", "10"}, {47, 48, 49}, {10, 11, 10}, linear_x, linear_y},
        {"bottom latitude equal to the top one",
         {"47", "48", "47", "10", "11", "12"}, {47, 48, 47}, {10, 11, 12}, linear_x, linear_y},
        {"three equal longitudes",
         {"47", "48", "49", "11", "11", "11"}, {47, 48, 49}, {11, 11, 11}, linear_x, linear_y},
        {"three equal latitudes",
         {"48", "48", "48", "10", "11", "12"}, {48, 48, 48}, {10, 11, 12}, linear_x, linear_y},
        // X falls as longitude grows and the left edge leans: the
        // straightened left X is 480, the top-left node's search moves its
        // longitude the wrong way and runs its 1000 iterations out.
        {"mirrored leaning grid, search runs away",
         {"47", "48", "49", "10", "11", "12"}, {47, 48, 49}, {10, 11, 12},
         {480, 300, 120, 490, 300, 110, 500, 300, 100},
         {1010, 1000, 1010, 610, 600, 610, 210, 200, 210}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        transcript run = run_transcript(program_path("conecal"), entry_input(c.angles, c.x, c.y));
        EXPECT_EQ(cone_banner + entry_output(c.latitudes, c.longitudes) + no_solution,
                  run.output);
        EXPECT_EQ(0, run.status);
        EXPECT_TRUE(run.files.empty());
    }
}

TEST(ConecalSession, EndOfInputDuringCalibration)
{
    const struct {
        const char* name;
        std::string input;
        std::string output;
    } cases[] = {
        {"at the middle longitude", "47\n48\n49\n10\n",
         "Latitude (bottom)  : Latitude (middle)  : Latitude (top)     : "
         "\nLongitude (left)   : Longitude (middle) : \n"},
        {"at the first Y", "47\n48\n49\n10\n11\n12\n100\n",
         "Latitude (bottom)  : Latitude (middle)  : Latitude (top)     : "
         "\nLongitude (left)   : Longitude (middle) : Longitude (right)  : "
         "\nPixel Coordinates for " + position(47, 0, 10, 0, "E):") + "\n ->X:  ->Y: \n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        transcript run = run_transcript(program_path("conecal"), c.input);
        EXPECT_EQ(cone_banner + c.output, run.output);
        EXPECT_EQ(1, run.status);
        EXPECT_TRUE(run.files.empty());
    }
}

// "E" during the entry is a value of 0 and ends nothing: the bottom
// latitude becomes 0 (shown in the first pixel prompt) and the calibration
// reaches the test loops.
TEST(ConecalSession, ExitAnswerDuringEntryEntersZero)
{
    std::string input = entry_input({"E", "48", "49", "10", "11", "12"}, linear_x, linear_y)
                        + "E\nE\nzero.txt\n";
    transcript run = run_transcript(program_path("conecal"), input);
    std::string start = cone_banner + "Latitude (bottom)  : Latitude (middle)  : "
                        "Latitude (top)     : \nLongitude (left)   : Longitude (middle) : "
                        "Longitude (right)  : \nPixel Coordinates for "
                        + position(0, 0, 10, 0, "E):") + "\n ->X:  ->Y: ";
    EXPECT_EQ(start, run.output.substr(0, start.size()));
    EXPECT_NE(std::string::npos, run.output.find(loops_start + "\nLatitude  : " + pixel_heading
                                                 + "\nX: " + result_heading));
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(1u, run.files.count("zero.txt"));
}

// The leaning grid: bottom row X 120, 300, 480 and Y 1010, 1000, 1010,
// middle row X 110, 300, 490 and Y 610, 600, 610, top row X 100, 300, 500
// and Y 210, 200, 210. By hand, row by row and column by column:
//   X = 300 + (180 + 10 (lat - 47)) (lon - 11)
//     = 3490 - 110 lat - 290 lon + 10 lat lon
//   Y = 19800 - 400 lat + 10 (lon - 11)^2
//     = 21010 - 220 lon + 10 lon^2 - 400 lat
//   A = atan(-20 / 800) in degrees + 10 = 10 - 1.432 = 8.568 -> 8.6
// The straightened grid has X 100, 300, 500 and Y 1010, 610, 210; the
// searched positions of its nodes are not known by hand, but C_Long and
// C_Lat must give, at each straightened node, a position whose pixel is
// that node.
TEST(ConecalSession, LeaningGrid)
{
    std::string input = entry_input({"47", "48", "49", "10", "11", "12"},
                                    {120, 300, 480, 110, 300, 490, 100, 300, 500},
                                    {1010, 1000, 1010, 610, 600, 610, 210, 200, 210})
                        + "47\n10\n48\n11\nE\nE\nlean.txt\n";
    transcript run = run_transcript(program_path("conecal"), input);
    ASSERT_EQ(0, run.status);
    std::string before_block = cone_banner + entry_output({47, 48, 49}, {10, 11, 12})
                               + loops_start + geo_prompts + pixel_answer(120, 1010) + geo_prompts
                               + pixel_answer(300, 600) + "\nLatitude  : " + pixel_heading
                               + "\nX: " + result_heading;
    ASSERT_EQ(before_block, run.output.substr(0, before_block.size()));
    ASSERT_EQ(file_prompt, run.output.substr(run.output.size() - file_prompt.size()));
    std::string block = run.output.substr(
        before_block.size(), run.output.size() - before_block.size() - file_prompt.size());
    EXPECT_EQ(file_bytes(block), run.files["lean.txt"]);

    // Four vectors of three lines and the A line.
    EXPECT_EQ(0u, block.find(std::string(22, ' ') + "C_X         : ["));
    EXPECT_LT(block.find("C_X "), block.find("C_Y "));
    EXPECT_LT(block.find("C_Y "), block.find("C_Long "));
    EXPECT_LT(block.find("C_Long "), block.find("C_Lat "));
    const std::string a_line = std::string(22, ' ') + "A           : 8.6,\n\n";
    EXPECT_EQ(a_line, block.substr(block.size() - a_line.size()));

    std::vector<double> c_x = vector_values(block, "C_X");
    std::vector<double> c_y = vector_values(block, "C_Y");
    std::vector<double> c_long = vector_values(block, "C_Long");
    std::vector<double> c_lat = vector_values(block, "C_Lat");
    ASSERT_EQ(9u, c_x.size());
    ASSERT_EQ(9u, c_y.size());
    ASSERT_EQ(9u, c_long.size());
    ASSERT_EQ(9u, c_lat.size());
    const double hand_x[9] = {3490, -110, 0, -290, 10, 0, 0, 0, 0};
    const double hand_y[9] = {21010, -220, 10, -400, 0, 0, 0, 0, 0};
    for (int i = 0; i < 9; ++i) {
        // The block shows 11 significant digits; the fit loses a few more
        // to the products of latitudes and longitudes near 50 and 10.
        EXPECT_NEAR(hand_x[i], c_x[i], 1e-6) << "C_X " << i;
        EXPECT_NEAR(hand_y[i], c_y[i], 1e-6) << "C_Y " << i;
    }

    const double node_x[3] = {100, 300, 500};
    const double node_y[3] = {1010, 610, 210};
    for (double y : node_y) {
        for (double x : node_x) {
            double lon = polynomial(c_long, y, x);  // u = Y, v = X
            double lat = polynomial(c_lat, x, y);   // u = X, v = Y
            // Within the rounding of the shown coefficients, the pixel of
            // the found position lies within half a pixel of the node.
            EXPECT_NEAR(x, polynomial(c_x, lat, lon), 0.5 + 1e-3) << x << ", " << y;
            EXPECT_NEAR(y, polynomial(c_y, lon, lat), 0.5 + 1e-3) << x << ", " << y;
        }
    }
}

// Left X 100 and right X 501 give the middle X 300.5: the search aims at
// the whole pixel 301, while the C_Long and C_Lat fits take 300.5 itself.
// So the position that C_Long and C_Lat give at X 300.5 is one that C_X
// maps to 301 (a target of 300 would give 300).
TEST(ConecalSession, MiddleXEndingInAHalf)
{
    const std::vector<int> x = {100, 300, 501, 100, 300, 501, 100, 300, 501};
    std::string input = entry_input({"47", "48", "49", "10", "11", "12"}, x, linear_y)
                        + "E\nE\nhalf.txt\n";
    transcript run = run_transcript(program_path("conecal"), input);
    ASSERT_EQ(0, run.status);
    const std::string& block = run.files["half.txt"];
    std::vector<double> c_x = vector_values(block, "C_X");
    std::vector<double> c_y = vector_values(block, "C_Y");
    std::vector<double> c_long = vector_values(block, "C_Long");
    std::vector<double> c_lat = vector_values(block, "C_Lat");
    ASSERT_EQ(9u, c_long.size());
    for (double y : {1000.0, 600.0, 200.0}) {
        double lon = polynomial(c_long, y, 300.5);
        double lat = polynomial(c_lat, 300.5, y);
        double pixel_x = polynomial(c_x, lat, lon);
        EXPECT_LE(300.5, pixel_x) << y;
        EXPECT_GT(301.5, pixel_x) << y;
        EXPECT_NEAR(y, polynomial(c_y, lon, lat), 0.5 + 1e-3) << y;
    }
}

}  // namespace

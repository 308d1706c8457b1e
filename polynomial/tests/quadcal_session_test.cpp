#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "grid_session.h"
#include "transcript.h"

using namespace session;

namespace {

const std::string quad_banner =
    banner("*          Coefficient Calculator for Quadrant Type Maps          *\n");

const std::string grid_prompts = "X (left)   : X (middle) : X (right)  : "
                                 "\nY (bottom) : Y (middle) : Y (top)    : ";

// Answers to the pixel grid entry (three X, three Y) and the nine
// coordinate entries (latitude, longitude of each point).
std::string entry_input(const std::vector<int>& pixels, const std::vector<std::string>& angles)
{
    std::string input;
    for (int p : pixels)
        input += std::to_string(p) + "\n";
    for (const auto& a : angles)
        input += a + "\n";
    return input;
}

// The console text of the whole entry, for columns and rows below a
// million (shown without point or exponent).
std::string entry_output(const std::vector<int>& columns, const std::vector<int>& rows)
{
    std::string text = grid_prompts;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            text += "\nWGS84 Coordinates for X = " + std::to_string(columns[c]) + ", Y = "
                    + std::to_string(rows[r]) + ":\n ->Latitude  :  ->Longitude : ";
    return text;
}

const std::vector<int> linear_pixels = {100, 300, 500, 1000, 600, 200};
const std::vector<std::string> linear_angles = {"47", "10", "47", "11", "47", "12",
                                                "48", "10", "48", "11", "48", "12",
                                                "49", "10", "49", "11", "49", "12"};
// The sheared map: the meridians lean 20 pixels to the right per row up.
const std::vector<std::string> sheared_angles = {"47", "10",   "47", "11",   "47", "12",
                                                 "48", "9.9",  "48", "10.9", "48", "11.9",
                                                 "49", "9.8",  "49", "10.8", "49", "11.8"};
// The same, mirrored: longitude falls as X grows.
const std::vector<std::string> mirrored_angles = {"47", "12",   "47", "11",   "47", "10",
                                                  "48", "12.1", "48", "11.1", "48", "10.1",
                                                  "49", "12.2", "49", "11.2", "49", "10.2"};

// The pixel-to-geo vectors come first in this program's block.
const std::string linear_block = linear_c_long + linear_c_lat + linear_c_x + linear_c_y + linear_a;

// A whole session on the linear map: one geo-to-pixel pass, then "E";
// one pixel-to-geo pass, a refused X (-1 is never a pixel), then "E" at
// "Y: "; the block and the file.
TEST(QuadcalSession, LinearMapFullSession)
{
    std::string input = entry_input(linear_pixels, linear_angles)
                        // 48.25, 10.125: X = 2025 - 1900, Y = 19800 - 19300.
                        + "48 15\n10 7 30\nE\n"
                        // lon = 9.5 + 0.75, lat = 49.5 - 2.25.
                        + "150\n900\n-1\n300\nE\n"
                        + "quad.txt\n";
    std::string expected = quad_banner + entry_output({100, 300, 500}, {1000, 600, 200})
                           + loops_start + geo_prompts + pixel_answer(125, 500)
                           + "\nLatitude  : " + pixel_heading + pixel_prompts + "Position is "
                           + position(47, 15, 10, 15, "E): ") + "\n" + "\nX: \a" + pixel_prompts
                           + result_heading + linear_block + file_prompt;
    transcript run = run_transcript(program_path("quadcal"), input);
    EXPECT_EQ(expected, run.output);
    EXPECT_EQ(0, run.status);
    ASSERT_EQ(1u, run.files.size());
    EXPECT_EQ(file_bytes(linear_block), run.files["quad.txt"]);
    EXPECT_EQ(linear_block.size() + 14, run.files["quad.txt"].size());
}

// Every way the calibration stops: all nine coordinate pairs asked, then
// the message, status 0, no test loop and no file.
TEST(QuadcalSession, FailuresStopAfterTheEntry)
{
    const struct {
        const char* name;
        std::vector<int> pixels;
        std::vector<std::string> angles;
    } cases[] = {
        // Two columns at one X: the first C_Long system.
        {"X (left) and X (middle) both 100", {100, 100, 500, 1000, 600, 200}, linear_angles},
        // Two rows at one Y: the first second-stage system of C_Long.
        {"Y (bottom) and Y (middle) both 1000", {100, 300, 500, 1000, 1000, 200}, linear_angles},
        // The middle-row nodes do not lie at their start positions and
        // every step takes them further away: 1000 iterations, not found.
        {"mirrored sheared map, search runs away", linear_pixels, mirrored_angles},
        // Top-left latitude equal to the bottom-left one: the three rows of
        // the geographic grid coincide, the C_X fit has three equal s.
        {"rows of the geographic grid coincide", linear_pixels,
         {"47", "10", "47", "11", "47", "12", "48", "10", "48", "11", "48", "12",
          "47", "10", "47", "11", "47", "12"}},
        // Bottom-right longitude equal to the bottom-left one: the three
        // columns coincide, the C_X fit has three equal t.
        {"columns of the geographic grid coincide", linear_pixels,
         {"47", "10", "47", "11", "47", "10", "48", "10", "48", "11", "48", "10",
          "49", "10", "49", "11", "49", "10"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        transcript run = run_transcript(program_path("quadcal"), entry_input(c.pixels, c.angles));
        EXPECT_EQ(quad_banner
                      + entry_output({c.pixels[0], c.pixels[1], c.pixels[2]},
                                     {c.pixels[3], c.pixels[4], c.pixels[5]})
                      + no_solution,
                  run.output);
        EXPECT_EQ(0, run.status);
        EXPECT_TRUE(run.files.empty());
    }
}

// The coordinate prompt shows the pixels with "%G"; input ending there
// ends the program with a line end and status 1, no file.
TEST(QuadcalSession, CoordinatePromptAndEndOfInput)
{
    const struct {
        std::string input;
        std::string output;
    } cases[] = {
        {"350\n400\n500\n1200\n800\n400\n",
         "\nWGS84 Coordinates for X = 350, Y = 1200:\n ->Latitude  : \n"},
        {"1234567\n1234667\n1234767\n1200\n800\n400\n47\n",
         "\nWGS84 Coordinates for X = 1.23457E+06, Y = 1200:\n ->Latitude  :  ->Longitude : \n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        transcript run = run_transcript(program_path("quadcal"), c.input);
        EXPECT_EQ(quad_banner + grid_prompts + c.output, run.output);
        EXPECT_EQ(1, run.status);
        EXPECT_TRUE(run.files.empty());
    }
}

// The sheared map. By hand: along every row longitude grows 0.005 per
// pixel, and each row up starts 0.1 degree further west:
//   lon = 9.25 + 0.00025 Y + 0.005 X,   lat = 49.5 - 0.0025 Y
// The geographic grid takes the bottom row's longitudes 10, 11, 12 in every
// row; their nodes lie at X + 20 per row up: 120, 320, 520 and 140, 340,
// 540, which whole steps of 4 reach exactly. So
//   X = 200 lon + 20 lat - 2840,   Y = 19800 - 400 lat
//   A = atan(40 / 800) in degrees + 10 = 12.862 -> 12.9
TEST(QuadcalSession, ShearedMap)
{
    std::string input = entry_input(linear_pixels, sheared_angles)
                        + "48\n10\n49\n12\nE\nE\nshear.txt\n";
    transcript run = run_transcript(program_path("quadcal"), input);
    ASSERT_EQ(0, run.status);
    std::string before_block = quad_banner + entry_output({100, 300, 500}, {1000, 600, 200})
                               + loops_start + geo_prompts + pixel_answer(120, 600)
                               + geo_prompts + pixel_answer(540, 200) + "\nLatitude  : "
                               + pixel_heading + "\nX: " + result_heading;
    ASSERT_EQ(before_block, run.output.substr(0, before_block.size()));
    ASSERT_EQ(file_prompt, run.output.substr(run.output.size() - file_prompt.size()));
    std::string block = run.output.substr(
        before_block.size(), run.output.size() - before_block.size() - file_prompt.size());
    EXPECT_EQ(file_bytes(block), run.files["shear.txt"]);

    // This program's key order, three lines per vector, then A.
    EXPECT_EQ(0u, block.find(std::string(22, ' ') + "C_Long      : ["));
    EXPECT_LT(block.find("C_Long "), block.find("C_Lat "));
    EXPECT_LT(block.find("C_Lat "), block.find("C_X "));
    EXPECT_LT(block.find("C_X "), block.find("C_Y "));
    const std::string a_line = std::string(22, ' ') + "A           : 12.9,\n\n";
    EXPECT_EQ(a_line, block.substr(block.size() - a_line.size()));

    const struct {
        const char* key;
        double hand[9];
        double tolerance;  // the block shows 11 significant digits
    } vectors[] = {
        {"C_Long", {9.25, 0.00025, 0, 0.005, 0, 0, 0, 0, 0}, 1e-9},
        {"C_Lat", {49.5, 0, 0, -0.0025, 0, 0, 0, 0, 0}, 1e-9},
        {"C_X", {-2840, 20, 0, 200, 0, 0, 0, 0, 0}, 1e-6},
        {"C_Y", {19800, 0, 0, -400, 0, 0, 0, 0, 0}, 1e-6},
    };
    for (const auto& v : vectors) {
        std::vector<double> values = vector_values(block, v.key);
        ASSERT_EQ(9u, values.size()) << v.key;
        for (int i = 0; i < 9; ++i)
            EXPECT_NEAR(v.hand[i], values[i], v.tolerance) << v.key << " " << i;
    }
}

}  // namespace

#include <cmath>
#include <gtest/gtest.h>
#include <cstring>
#include <random>
#include <vector>

#include "capture.h"
#include "entry.h"

namespace {

// A refused line is followed by "7", so every case ends with an accepted
// entry and shows how many times the prompt was asked.
struct pixel_case {
    std::string line;
    bool accepted;
    int32_t value;
};

TEST(ReadPixel, AcceptsWholeNumbersAndRefusesTheRest)
{
    const pixel_case cases[] = {
        {"0", true, 0},
        {"-2", true, -2},
        {"12abc", true, 12},
        {"12.9", true, 12},
        {"12,5", true, 12},
        {"  +35", true, 35},
        {"12\r", true, 12},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"-1", false, 0},
        {"", false, 0},
        {"abc", false, 0},
        {" E", false, 0},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999999", false, 0},
        {std::string(79, ' ') .replace(78, 1, "5"), true, 5},
        {std::string(80, '1'), false, 0},
        {std::string(1000000, '3'), false, 0},
    };
    for (const auto& c : cases) {
        start_input(c.line + "\n7\n");
        int32_t value = 0;
        std::string out = capture_output([&] { value = read_pixel("X: "); });
        SCOPED_TRACE(c.line.substr(0, 40));
        EXPECT_EQ(c.accepted ? c.value : 7, value);
        EXPECT_EQ(c.accepted ? "X: " : "X: \aX: ", out);
        EXPECT_FALSE(exit_requested);
    }
}

TEST(ReadPixel, FirstCharacterEOrLowercaseIsTheExitAnswer)
{
    for (const std::string& line : std::vector<std::string>{"E", "e", "Exit", "e5", "E 12", "E" + std::string(200, 'x')}) {
        start_input(line + "\n7\n");
        int32_t value = -5;
        std::string out = capture_output([&] { value = read_pixel("X: "); });
        EXPECT_EQ(0, value);
        EXPECT_EQ("X: ", out);
        EXPECT_TRUE(exit_requested);
        EXPECT_FALSE(input_ended);
    }
}

TEST(ReadPixel, EndOfInputIsReportedApartFromTheExitAnswer)
{
    start_input("");
    int32_t value = -5;
    std::string out = capture_output([&] { value = read_pixel("X: "); });
    EXPECT_EQ(0, value);
    EXPECT_EQ("X: ", out);
    EXPECT_TRUE(input_ended);
    EXPECT_FALSE(exit_requested);

    // Refused lines up to the end: asked again, then the end is reported.
    start_input("abc\n-1");
    out = capture_output([&] { value = read_pixel("X: "); });
    EXPECT_EQ("X: \aX: \aX: ", out);
    EXPECT_TRUE(input_ended);

    // A last line without a line end is still a line.
    start_input("42");
    capture_output([&] { value = read_pixel("X: "); });
    EXPECT_EQ(42, value);
    EXPECT_FALSE(input_ended);
}

struct angle_case {
    std::string line;
    double low, high;
    bool accepted;
    double value;
};

TEST(ReadAngle, ReadsDegreesMinutesSecondsWithinBounds)
{
    const double lat = 90.0, lon = 180.0;
    const angle_case cases[] = {
        {"47 30 0", -lat, lat, true, 47.5},
        {"-47 30 0", -lat, lat, true, -47.5},
        {"-0 30 0", -lat, lat, true, 0.5},
        {"-0.5", -lat, lat, true, -0.5},
        {"47,5", -lat, lat, true, 47.5},
        {"47,30", -lat, lat, true, 47.3},
        {"47 30", -lat, lat, true, 47.5},
        {"47.5 30", -lat, lat, true, 48.0},
        {"47 59.999", -lat, lat, true, 47 + 59.999 / 60},
        {"48 8 0\r", -lat, lat, true, 48 + 8.0 / 60},
        {"90", -lat, lat, true, 90.0},
        {"-90", -lat, lat, true, -90.0},
        {"180", -lon, lon, true, 180.0},
        {"-180", -lon, lon, true, -180.0},
        // The C library's conversions, odd lines included.
        {"12e", -lat, lat, true, 12.0},
        {"47 12e 5", -lat, lat, true, 47 + (5.0 / 60 + 12) / 60},
        {"0x.", -lat, lat, true, 0.0},
        {"47 30 0 trailing words", -lat, lat, true, 47.5},
        {"90 0 1", -lat, lat, false, 0},
        {"180.0001", -lon, lon, false, 0},
        {"180.5", -lon, lon, false, 0},
        {"47 60", -lat, lat, false, 0},
        {"47 30 60", -lat, lat, false, 0},
        {"47 -30", -lat, lat, false, 0},
        {"47 30 -1", -lat, lat, false, 0},
        {"", -lat, lat, false, 0},
        {" E", -lat, lat, false, 0},
        {"north", -lat, lat, false, 0},
        {"nan", -lat, lat, false, 0},
        {"nan(", -lat, lat, false, 0},
        {"inf", -lon, lon, false, 0},
        {"47 nan", -lat, lat, false, 0},
        {"47 30 nan", -lat, lat, false, 0},
        {"1e999", -lon, lon, false, 0},
        {"-", -lat, lat, false, 0},
        {std::string(78, ' ') + "5", -lat, lat, true, 5.0},
        {std::string(77, ' ') + "5 30", -lat, lat, false, 0},
    };
    for (const auto& c : cases) {
        start_input(c.line + "\n7\n");
        double value = 0;
        std::string out = capture_output([&] { value = read_angle("Lat: ", c.low, c.high); });
        SCOPED_TRACE(c.line);
        EXPECT_EQ(c.accepted ? c.value : 7.0, value);
        EXPECT_EQ(c.accepted ? "Lat: " : "Lat: \aLat: ", out);
        EXPECT_FALSE(exit_requested);
    }
}

TEST(ReadAngle, ExitAnswerEndOfInputAndLongLines)
{
    for (std::string line : {"E", "e", "Exit", "e5"}) {
        start_input(line + "\n");
        double value = -5;
        capture_output([&] { value = read_angle("Lat: ", -90, 90); });
        EXPECT_EQ(0.0, value);
        EXPECT_TRUE(exit_requested);
    }

    start_input("47 30");
    double value = 0;
    capture_output([&] { value = read_angle("Lat: ", -90, 90); });
    EXPECT_EQ(47.5, value);

    start_input("\n");
    std::string out = capture_output([&] { value = read_angle("Lat: ", -90, 90); });
    EXPECT_EQ("Lat: \aLat: ", out);
    EXPECT_TRUE(input_ended);
    EXPECT_FALSE(exit_requested);

    // No part of a long line becomes the next entry.
    start_input("1" + std::string(100, ' ') + "2\n3\n");
    out = capture_output([&] { value = read_angle("Lat: ", -90, 90); });
    EXPECT_EQ(3.0, value);
    EXPECT_EQ("Lat: \aLat: ", out);
}

}  // namespace

namespace {

// The faster road for plain lines must give sscanf's result on every line:
// random lines from the characters that matter, compared bit for bit.
TEST(ScanAngleFields, AgreesWithSscanfOnRandomLines)
{
    const char alphabet[] = "0123456789012345678901234567890123456789..++--    \t\r\v\feExXnaifNAIF(,";
    std::mt19937 random(1950);
    for (int i = 0; i < 1000000; ++i) {
        std::string line;
        std::size_t length = random() % 24;
        while (line.size() < length)
            line += alphabet[random() % (sizeof alphabet - 1)];
        double fast[3] = {99999999.0, 0.0, 0.0};
        double slow[3] = {99999999.0, 0.0, 0.0};
        scan_angle_fields(line.c_str(), fast[0], fast[1], fast[2]);
        std::sscanf(line.c_str(), "%lf %lf %lf", &slow[0], &slow[1], &slow[2]);
        ASSERT_EQ(0, std::memcmp(fast, slow, sizeof fast)) << "\"" << line << "\"";
    }
}

}  // namespace

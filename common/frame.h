// The dialogue that the four calibrators share: the banner box, the stop on
// an unsolvable system, the two test loops, the display of the coefficient
// block and the output-file dialogue. A calibrator calls print_banner, does
// its own entry, solving and block composition, then run_test_loops and
// save_result.
#pragma once

#include <cstdint>

#include "position.h"

// The model functions a calibrator hands to the test loops.
using geo_to_pixel = int32_t (*)(double latitude, double longitude);
using pixel_to_geo = double (*)(double x, double y);

// Prints the 67-character banner box around one or two title lines, each a
// complete line of the box ("*", 65 characters, "*", "\n").
void print_banner(const char* title, const char* second_title = nullptr);

// Prints "\n\aEquations have no solution, perhaps illegal parameters?\n",
// the last words of a calibration whose fit failed.
void print_no_solution();

// read_pixel and read_angle for a calibrator: when standard input has ended
// the program ends at once with status 1 (end_on_lost_input).
int32_t calibrator_read_pixel(const char* prompt);
double calibrator_read_angle(const char* prompt, double low, double high);

// Runs the geo-to-pixel loop and then the pixel-to-geo loop, each until the
// answer "E"; positions are shown with print_position in the given form.
void run_test_loops(geo_to_pixel pixel_x, geo_to_pixel pixel_y, pixel_to_geo longitude,
                    pixel_to_geo latitude, position_closing closing);

// Shows result_text and asks for a file name until the block is written to
// a file of that name, with CRLF line ends. Names of up to
// file_name_size - 1 bytes are taken whole; a longer word is refused.
constexpr int file_name_size = 4096;
void save_result();

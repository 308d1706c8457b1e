// Reading a coefficient file as the calibrators write it.
//
//                       C_X         : [ 1.0000000000E+02,  2.0000000000E+02,  0.0000000000E+00],
//                       C_Y         : [ ... ],
//                       C_Long      : [ ... ],
//                       C_Lat       : [ ... ],
//                       A           : 0.0,
//
// Four vectors (C_X, C_Y, C_Long, C_Lat) and the angle A, in any order
// (the rectangular and cone calibrators write C_X first, the quadrant
// calibrator C_Long first). A vector may run over several lines. Line ends
// are CR LF or LF. Each vector holds 3 values (affine model) or 9
// (biquadratic model), all four the same. Values are decimal numbers as
// "%17.10E" writes them, or Inf, -Inf, NaN; a coefficient must be finite,
// only A may be any of them.
#pragma once

#include <string>

constexpr int affine_terms = 3;   // values per vector of the affine model
constexpr int biquad_terms = 9;   // values per vector of the biquadratic model
constexpr int max_terms = biquad_terms;

// The coefficients of one calibration, in the index order of the file.
struct calibration {
    int terms = 0;  // affine_terms or biquad_terms
    double c_x[max_terms] = {};
    double c_y[max_terms] = {};
    double c_long[max_terms] = {};
    double c_lat[max_terms] = {};
    double a = 0;  // degrees, as written; not used for drawing
};

// Reads the block in text. On success fills result and returns true. On
// failure returns false and sets error to one line "NAME:LINE: what is
// wrong" (NAME is file_name, LINE counts from 1), e.g.
//   "cal.txt:2: C_Y[1]: 'abc' is not a number"
bool parse_block(const std::string& text, const std::string& file_name,
                 calibration& result, std::string& error);

// Reads the file at path and parses it as above; a file that cannot be read
// gives "PATH: cannot read: <reason>".
bool read_block_file(const std::string& path, calibration& result,
                     std::string& error);

// Helpers for the whole-program sessions of conecal and quadcal, beside the
// dialogue texts that every calibrator shares: positions in whole degrees,
// the blocks of the exactly linear map, and reading a written block back.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include "session_texts.h"

namespace session {

// One geo-to-pixel answer.
inline std::string pixel_answer(long x, long y)
{
    return "X = " + std::to_string(x) + "\nY = " + std::to_string(y) + "\n";
}

// The shown form of one coordinate with whole minutes: signed decimal
// degrees with six decimals, then degrees, minutes and 0.00 seconds.
// Minutes are 0, 15, 30 or 45 here, so the decimals are exact.
inline std::string coordinate(int degrees, int minutes, bool negative)
{
    static const char* const decimals[] = {"000000", "250000", "500000", "750000"};
    return std::string(negative ? "-" : "") + std::to_string(degrees) + "."
           + decimals[minutes / 15] + " (" + std::to_string(degrees) + "\xa1"
           + std::to_string(minutes) + "'0.00\"";
}

// A position north and east, as print_position shows it; closing "E):" or
// "E): ".
inline std::string position(int lat_degrees, int lat_minutes, int lon_degrees, int lon_minutes,
                            const std::string& closing)
{
    return coordinate(lat_degrees, lat_minutes, false) + "N), "
           + coordinate(lon_degrees, lon_minutes, false) + closing;
}

// The values of the vector under key in a block (console or file form):
// the numbers between "[" and "]" after the key text.
inline std::vector<double> vector_values(const std::string& block, const std::string& key)
{
    std::string key_text = std::string(22, ' ') + key + std::string(12 - key.size(), ' ') + ": [";
    std::vector<double> values;
    std::size_t at = block.find(key_text);
    if (at == std::string::npos)
        return values;
    const char* p = block.c_str() + at + key_text.size();
    while (*p != ']' && *p != '\0') {
        char* end = nullptr;
        double v = std::strtod(p, &end);
        if (end == p)
            break;
        values.push_back(v);
        p = end;
        while (*p == ',' || *p == ' ' || *p == '\r' || *p == '\n')
            ++p;
    }
    return values;
}

// The biquadratic polynomial, written out term by term for the tests:
// index 3k + j multiplies u^j * v^k.
inline double polynomial(const std::vector<double>& c, double u, double v)
{
    return c[0] + c[1] * u + c[2] * u * u + c[3] * v + c[4] * u * v + c[5] * u * u * v
           + c[6] * v * v + c[7] * u * v * v + c[8] * u * u * v * v;
}

// The vectors of the exactly linear map (columns X 100, 300, 500 at
// longitudes 10, 11, 12; rows Y 1000, 600, 200 at latitudes 47, 48, 49),
// which both calibrators compute without a rounding error: X = 200 lon -
// 1900, Y = 19800 - 400 lat, lon = 9.5 + 0.005 X, lat = 49.5 - 0.0025 Y.
const std::string blanks37(37, ' ');
const std::string zero_line = blanks37 + " 0.0000000000E+00,  0.0000000000E+00,  0.0000000000E+00],\n";
const std::string linear_c_x =
    "                      C_X         : [-1.9000000000E+03,  0.0000000000E+00,  0.0000000000E+00,\n"
    + blanks37 + " 2.0000000000E+02,  0.0000000000E+00,  0.0000000000E+00,\n" + zero_line;
const std::string linear_c_y =
    "                      C_Y         : [ 1.9800000000E+04,  0.0000000000E+00,  0.0000000000E+00,\n"
    + blanks37 + "-4.0000000000E+02,  0.0000000000E+00,  0.0000000000E+00,\n" + zero_line;
const std::string linear_c_long =
    "                      C_Long      : [ 9.5000000000E+00,  0.0000000000E+00,  0.0000000000E+00,\n"
    + blanks37 + " 5.0000000000E-03,  0.0000000000E+00,  0.0000000000E+00,\n" + zero_line;
const std::string linear_c_lat =
    "                      C_Lat       : [ 4.9500000000E+01,  0.0000000000E+00,  0.0000000000E+00,\n"
    + blanks37 + "-2.5000000000E-03,  0.0000000000E+00,  0.0000000000E+00,\n" + zero_line;
const std::string linear_a = "                      A           : 10.0,\n\n";

}  // namespace session

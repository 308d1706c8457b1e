#include "rectangular_state.h"

#include <cmath>

#include "common_state.h"

double C_X[affine_terms];
double C_Y[affine_terms];
double C_Long[affine_terms];
double C_Lat[affine_terms];

double point_lat[calibration_points];
double point_lon[calibration_points];
double point_x[calibration_points];
double point_y[calibration_points];

double A;

// A block with three values per key is always shorter than 450 bytes.
char result_text[1024];
const std::size_t result_text_size = sizeof result_text;

double angle_from_tangent(double q)
{
    return std::atan(q) * 180.0 / velorin_pi;
}

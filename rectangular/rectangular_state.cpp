#include "rectangular_state.h"

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

// The coefficient block of rectcal and rectfree, declared in common_state.h.
char result_text[rectangular_result_size];
const std::size_t result_text_size = sizeof result_text;

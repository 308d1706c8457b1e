// Process-wide state of the rectangular calibrators rectcal and rectfree.
// Everything lives from program start to program end and is defined in
// rectangular_state.cpp, together with this subsystem's result_text.
#pragma once

#include <cstddef>

// Values per coefficient vector of the affine model.
constexpr int affine_terms = 3;

// Coefficient vectors of the affine model, all zero at program start.
// Index 0 is the constant term; index 1 and 2 multiply:
//   C_X:    longitude, latitude      C_Y:   latitude, longitude
//   C_Long: pixel X, pixel Y         C_Lat: pixel Y, pixel X
// Geo to pixel: written by the calibrator's fit, read by affine_pixel_x/_y,
// affine_invert and the block.
extern double C_X[affine_terms];
extern double C_Y[affine_terms];
// Pixel to geo: written by affine_invert, read by affine_longitude/_latitude
// and the block.
extern double C_Long[affine_terms];
extern double C_Lat[affine_terms];

// The three calibration points; written by the calibration entry, read by
// the fit (and by rectcal's angle A).
// rectcal: the corners bottom-left, bottom-right, top-left in this order;
// rectfree: the points in the order entered.
constexpr int calibration_points = 3;
extern double point_lat[calibration_points];  // latitude, degrees north
extern double point_lon[calibration_points];  // longitude, degrees east
extern double point_x[calibration_points];    // pixel X, a 32-bit whole number
extern double point_y[calibration_points];    // pixel Y, a 32-bit whole number

// The angle of the block's last line in degrees; written by the calibrator
// after the fit, read when the A line is appended.
extern double A;

// Size of result_text in rectcal and rectfree: a block of three values per
// key is always shorter than 450 bytes.
constexpr std::size_t rectangular_result_size = 1024;

// The value of pi by which radians become degrees: the suite's rounded
// value, not the full-precision one.
constexpr double pi_rounded = 3.14159265359;

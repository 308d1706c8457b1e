// Process-wide state of the polynomial calibrators (conecal, quadcal): the
// four coefficient vectors of the biquadratic model, the 3 x 3 calibration
// grid, the angle A and the working matrices of the two-stage fit. Every
// variable lives from program start to program end, starts at zero and is
// defined in polynomial_state.cpp.
#pragma once

#include "common_state.h"

// Values in one coefficient vector: u^j * v^k for j, k = 0, 1, 2.
constexpr int biquad_terms = 9;
// Points of the calibration grid, numbered 3 * row + column, row 0 at the
// bottom and column 0 on the left.
constexpr int grid_points = 9;
// Points along one row or one column of the grid, and rows of each fit system.
constexpr int grid_line_points = 3;
// The corner points of the grid.
constexpr int bottom_left = 0;
constexpr int bottom_right = 2;
constexpr int top_left = 6;
constexpr int top_right = 8;

// Geo-to-pixel coefficients, X = C_X(u = lat, v = lon); written once by the
// calibrator's fit, read by biquad_pixel_x and the block.
extern double C_X[biquad_terms];
// Geo-to-pixel coefficients, Y = C_Y(u = lon, v = lat); written once by the
// calibrator's fit, read by biquad_pixel_y and the block.
extern double C_Y[biquad_terms];
// Pixel-to-geo coefficients, longitude = C_Long(u = Y, v = X) in degrees;
// written once by the calibrator's fit, read by biquad_longitude and the block.
extern double C_Long[biquad_terms];
// Pixel-to-geo coefficients, latitude = C_Lat(u = X, v = Y) in degrees;
// written once by the calibrator's fit, read by biquad_latitude and the block.
extern double C_Lat[biquad_terms];

// Latitude of each grid point in degrees; written by the calibrator's entry,
// then replaced by the searched (conecal) or regular (quadcal) grid; read by
// the fits and the searches.
extern double grid_lat[grid_points];
// Longitude of each grid point in degrees; written and read like grid_lat.
extern double grid_lon[grid_points];
// Pixel X of each grid point; written by the calibrator's entry, then by the
// straightening (conecal) or the pixel search (quadcal); read by the fits.
extern double grid_x[grid_points];
// Pixel Y of each grid point; written and read like grid_x.
extern double grid_y[grid_points];

// Lean of the grid's left edge plus its left longitude, in degrees; written
// by the calibrator, read by the block's last line.
extern double A;

// Stage-1 system of biquad_fit (a quadratic along one grid line); written
// and reduced in place by biquad_fit only.
extern matrix_row biquad_line_matrix[grid_line_points];
// Stage-2 systems of biquad_fit, one per stage-1 unknown k: column 3 of row l
// gets unknown k of line l; written and reduced by biquad_fit only.
extern matrix_row biquad_term_matrix[grid_line_points][grid_line_points];

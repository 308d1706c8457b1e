// The affine map model (Part 2.1): four first-degree polynomials in two
// variables over the vectors C_X, C_Y, C_Long and C_Lat of
// rectangular_state.h.
//   X         = C_X[0]    + C_X[1]·lon  + C_X[2]·lat
//   Y         = C_Y[0]    + C_Y[1]·lat  + C_Y[2]·lon
//   longitude = C_Long[0] + C_Long[1]·x + C_Long[2]·y
//   latitude  = C_Lat[0]  + C_Lat[1]·y  + C_Lat[2]·x
// Each is evaluated as index-1 product plus constant first, then the
// index-2 product added (then 0.5 and the truncation for the pixels).
#pragma once

#include <cstdint>

// Pixel X of a position: round_to_pixel(lat·C_X[2] + (lon·C_X[1] + C_X[0])).
//   C_X = (100, 200, 0): longitude 1.25 -> 350, longitude -1.25 -> -149
int32_t affine_pixel_x(double lat, double lon);

// Pixel Y of a position: round_to_pixel(lon·C_Y[2] + (lat·C_Y[1] + C_Y[0])).
int32_t affine_pixel_y(double lat, double lon);

// Longitude of a pixel: y·C_Long[2] + (x·C_Long[1] + C_Long[0]), unrounded.
double affine_longitude(double x, double y);

// Latitude of a pixel: x·C_Lat[2] + (y·C_Lat[1] + C_Lat[0]), unrounded.
double affine_latitude(double x, double y);

// Derives C_Long and C_Lat from C_X and C_Y in closed form. A C_X[2] (or
// C_Y[2]) that compares equal to 0.0, negative zero included, takes the
// special branch of its direction. Divisions by zero of a degenerate model
// give infinite or NaN coefficients, without a message.
//   C_X = (100, 200, 0), C_Y = (5000, -400, 0)
//     -> C_Long = (-0.5, 0.005, 0), C_Lat = (12.5, -0.0025, 0)
void affine_invert();

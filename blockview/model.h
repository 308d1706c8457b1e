// The map models of a calibration, evaluated unrounded so that traced
// lines are smooth. Three values per vector: the affine model; nine: the
// biquadratic model. Positions in decimal degrees (latitude positive north,
// longitude positive east), pixels as the calibrators count them (X to the
// right, Y down, from the top left pixel 0, 0).
#pragma once

#include "block_file.h"

// Value of a nine-term polynomial in u and v: term 3k + j is c[3k + j] * u^j
// * v^k, formed as (c[3k + j] * u^j) * v^k with u^2 = u * u and v^2 = v * v;
// c[0] first, then terms 1..8 added in index order.
//   c = (1, 2, 0, 3, 0, 0, 0, 0, 0), u = 10, v = 100 -> 1 + 20 + 300 = 321
double biquad_value(const double* c, double u, double v);

// Pixel X of a position (C_X), unrounded.
//   affine: X = C_X[0] + C_X[1] lon + C_X[2] lat
//   biquadratic: u = lat, v = lon
//   C_X = (-8900, 1000, 0): lon 9.5 -> 600
double model_pixel_x(const calibration& c, double lat, double lon);

// Pixel Y of a position (C_Y), unrounded.
//   affine: Y = C_Y[0] + C_Y[1] lat + C_Y[2] lon
//   biquadratic: u = lon, v = lat
//   C_Y = (49100, -1000, 0): lat 48.5 -> 600
double model_pixel_y(const calibration& c, double lat, double lon);

// Longitude in degrees of a pixel (C_Long).
//   affine: lon = C_Long[0] + C_Long[1] x + C_Long[2] y
//   biquadratic: u = y, v = x
//   C_Long = (8.9, 0.001, 0): x 600 -> 9.5
double model_longitude(const calibration& c, double x, double y);

// Latitude in degrees of a pixel (C_Lat).
//   affine: lat = C_Lat[0] + C_Lat[1] y + C_Lat[2] x
//   biquadratic: u = x, v = y
//   C_Lat = (49.1, -0.001, 0): y 600 -> 48.5
double model_latitude(const calibration& c, double x, double y);

// Round-trip disagreement at a pixel, in pixels: the pixel goes to a
// position with C_Long and C_Lat and back to a pixel with C_X and C_Y,
//   d = hypot(X(lat(x, y), lon(x, y)) - x, Y(...) - y).
// 0 for a model whose two directions are exact inverses; NaN or Inf when a
// model value overflows.
//   x = 100, y = 200 under the linear nine-value example block -> 0
double round_trip_distance(const calibration& c, double x, double y);

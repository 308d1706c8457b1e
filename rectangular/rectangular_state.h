// Process-wide state of the rectangular calibrators rectcal and rectfree:
// the coefficient vectors of the affine model, the three calibration
// points, the angle A, and the program's coefficient block (result_text,
// 1024 bytes). Everything lives from program start to program end and is
// defined in rectangular_state.cpp.
#pragma once

// Values per coefficient vector of the affine model.
constexpr int affine_terms = 3;

// The affine model (Part 2.1), all zero at program start. Index 0 is the
// constant term; index 1 and 2 multiply:
//   C_X:    longitude, latitude      C_Y:   latitude, longitude
//   C_Long: pixel X, pixel Y         C_Lat: pixel Y, pixel X
extern double C_X[affine_terms];
extern double C_Y[affine_terms];
extern double C_Long[affine_terms];
extern double C_Lat[affine_terms];

// The three calibration points: latitude and longitude in decimal degrees,
// pixel X and Y entered as 32-bit whole numbers and held as doubles.
// rectcal: the corners bottom-left, bottom-right, top-left in this order;
// rectfree: the points in the order entered.
constexpr int calibration_points = 3;
extern double point_lat[calibration_points];
extern double point_lon[calibration_points];
extern double point_x[calibration_points];
extern double point_y[calibration_points];

// The last entry of the block, an angle in degrees.
extern double A;

// Radians to degrees: the suite's value of pi, not the full-precision one.
constexpr double velorin_pi = 3.14159265359;

// The angle A of the block from the tangent q of the angle:
// atan(q) · 180 / velorin_pi, the product with 180 formed first.
//   q = -0.1 -> -5.71...   q = +inf -> 89.99999999998...   q = NaN -> NaN
double angle_from_tangent(double q);

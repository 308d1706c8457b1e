// The affine map model: four first-degree polynomials in two variables
// over the vectors C_X, C_Y, C_Long and C_Lat of rectangular_state.h.
// Latitudes and longitudes are in decimal degrees (north and east
// positive), pixels in whole image pixels.
//   X         = C_X[0]    + C_X[1]*lon  + C_X[2]*lat
//   Y         = C_Y[0]    + C_Y[1]*lat  + C_Y[2]*lon
//   longitude = C_Long[0] + C_Long[1]*x + C_Long[2]*y
//   latitude  = C_Lat[0]  + C_Lat[1]*y  + C_Lat[2]*x
// Each is evaluated as the index-1 product plus the constant first, then
// the index-2 product added (then 0.5 and the truncation for the pixels),
// so that every build gives the same bits.
#pragma once

#include <cstdint>

// Pixel X of a position: round_to_pixel(lat*C_X[2] + (lon*C_X[1] + C_X[0])),
// that is the value plus 0.5 truncated toward zero. Any input; a result
// outside 32 bits saturates, NaN gives INT32_MIN.
//   C_X = (100, 200, 0): longitude 1.25 -> 350, longitude -1.25 -> -149
int32_t affine_pixel_x(double lat, double lon);

// Pixel Y of a position: round_to_pixel(lon*C_Y[2] + (lat*C_Y[1] + C_Y[0])).
//   C_Y = (5000, -400, 0): latitude 48.5 -> -14399 (-14399.5 truncated)
int32_t affine_pixel_y(double lat, double lon);

// Longitude in degrees of a pixel: y*C_Long[2] + (x*C_Long[1] + C_Long[0]),
// unrounded; non-finite coefficients give non-finite results.
//   C_Long = (-0.5, 0.005, 0): pixel (350, 4000) -> 1.25
double affine_longitude(double x, double y);

// Latitude in degrees of a pixel: x*C_Lat[2] + (y*C_Lat[1] + C_Lat[0]).
//   C_Lat = (12.5, -0.0025, 0): pixel (350, 4000) -> 2.5
double affine_latitude(double x, double y);

// Derives C_Long and C_Lat from C_X and C_Y by solving the two forward
// equations in closed form, each direction on its own:
//   cx2 == 0: C_Long = (-cx0/cx1, 1/cx1, 0)
//   else, D = cx1/cx2 - cy2/cy1:
//             C_Long = ((cy0/cy1 - cx0/cx2)/D, (1/cx2)/D, (-1/cy1)/D)
//   cy2 == 0: C_Lat  = (-cy0/cy1, 1/cy1, 0)
//   else, D = cx2/cx1 - cy1/cy2:
//             C_Lat  = ((cy0/cy2 - cx0/cx1)/D, (-1/cy2)/D, (1/cx1)/D)
// The zero test is a comparison with 0.0, so a negative zero takes the
// special branch as well (the general one would divide by it). A
// degenerate model (cx1, cy1 or D zero) is not detected: its divisions by
// zero give infinite or NaN coefficients, without a trap or a message.
//   C_X = (100, 200, 0), C_Y = (5000, -400, 0)
//     -> C_Long = (-0.5, 0.005, 0), C_Lat = (12.5, -0.0025, 0)
void affine_invert();

// The angle A in degrees from its tangent q (dimensionless):
// A = atan(q) * 180 / pi_rounded, the product with 180 formed first.
// Any q: +-inf gives +-(just under 90), NaN gives NaN; never fails.
//   q = -0.1 -> -5.7105931...   q = -0 -> -0 (written 0.0)
double angle_from_tangent(double q);

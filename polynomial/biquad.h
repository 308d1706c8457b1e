// The biquadratic map model: four polynomials of degree two in each of two
// variables, geo to pixel (C_X, C_Y) and pixel to geo (C_Long, C_Lat), the
// two-stage fit of one vector through a 3 x 3 grid, and the inverse search
// from a pixel to its position.
//
// Term order of every vector: index 3 * k + j multiplies u^j * v^k,
//   index  0  1  2    3  4    5     6     7      8
//   term   1  u  u^2  v  u*v  u^2*v v^2   u*v^2  u^2*v^2
// with the roles of u and v per vector:
//   C_X     biquad_pixel_x(lat, lon)  u = lat, v = lon
//   C_Y     biquad_pixel_y(lat, lon)  u = lon, v = lat
//   C_Long  biquad_longitude(x, y)    u = y,   v = x
//   C_Lat   biquad_latitude(x, y)     u = x,   v = y
#pragma once

#include <cstdint>

// Evaluates the polynomial of the vector c at (u, v). The order of the
// operations is fixed, because the searches compare values exactly and a
// last-bit difference can send them another way: u2 = u * u and v2 = v * v
// first; term 3k + j is (c[3k + j] * u^j) * v^k; the value is c[0], then
// terms 1 to 8 added one by one in index order. No failure path: values
// that overflow come out as Inf or NaN.
//   c = (1, 2, 0, 3, 0, ...), u = 10, v = 100 -> 1 + 20 + 300 = 321
double biquad_value(const double* c, double u, double v);

// Pixel X of a position in degrees: C_X polynomial (u = lat, v = lon),
// rounded with round_to_pixel (+ 0.5, truncated toward zero, saturating).
//   C_X = (0, 0, 0, 100, 0...): lon 12.375 -> 1238, lon -12.4375 -> -1243
int32_t biquad_pixel_x(double latitude, double longitude);

// Pixel Y of a position in degrees: C_Y polynomial (u = lon, v = lat),
// rounded like biquad_pixel_x.
//   C_Y = (1000, 0, 0, -100, 0...): lat 5 -> 500, for any longitude
int32_t biquad_pixel_y(double latitude, double longitude);

// Longitude in degrees of a pixel position: C_Long polynomial (u = y,
// v = x), unrounded.
//   C_Long = (9.5, 0, 0, 0.005, 0...): x 300 -> 11.0, for any y
double biquad_longitude(double x, double y);

// Latitude in degrees of a pixel position: C_Lat polynomial (u = x, v = y),
// unrounded.
//   C_Lat = (49.5, 0, 0, -0.0025, 0...): y 600 -> 48.0, for any x
double biquad_latitude(double x, double y);

// Which lines of the grid a fit runs along: rows (points 3l, 3l+1, 3l+2) or
// columns (points l, l+3, l+6).
enum class grid_lines { rows, columns };

// Fits vector (9 values) through the grid so that the polynomial with u = s
// and v = t gives value at the grid points: t, value and s are indexed by
// grid point. Stage 1 solves, for each line l = 0, 1, 2, the quadratic
//   p0 + p1 * t + p2 * t^2 = value
// through the line's three points; stage 2 solves, for each k = 0, 1, 2, the
// quadratic q0 + q1 * s_l + q2 * s_l^2 = (pk of line l), with s_l read at the
// first point of line l only, and stores q0, q1, q2 as vector[3k..3k+2].
// Exact at all nine points when s is constant along every line. Returns 0
// when all six systems were solved; 1 at the first system without a unique
// solution (two or three equal t along a line, or equal s of two lines),
// leaving the vector unfinished. Uses no memory but the fit matrices.
//   rows, t = lon (10, 11, 12), s = lat (47, 48, 49), value = x
//   (100, 300, 500 in each row) -> (-1900, 0, 0, 200, 0, 0, 0, 0, 0)
int biquad_fit(grid_lines lines, const double* t, const double* value, const double* s,
               double* vector);

// Outcome of an inverse search.
enum class search_status { found, not_found };

// Iterations an inverse search may use before it gives up.
constexpr int search_iterations = 1000;
// A step is halved only while it is larger than this (degrees or pixels).
constexpr double smallest_halved_step = 0.00001;

// Halves a search step after its coordinate crossed the target: a step
// strictly greater than smallest_halved_step is divided by 2.0, a smaller
// one stays. From 0.1 the steps end at 0.1 / 2^14, from 4.0 at 4.0 / 2^19.
//   0.1 -> 0.05     0.00002 -> 0.00001     0.00001 -> 0.00001
void halve_step(double& step);

// Finds the position (lat, lon) in degrees at which biquad_pixel_x and
// biquad_pixel_y give the target pixel; needs C_X and C_Y set. Each
// iteration first moves the longitude one step toward the X target, then
// the latitude one step toward the Y target (X assumed to grow with
// longitude, Y to fall as latitude grows); a move whose new pixel lands
// beyond the target halves that step. Start steps 0.1 degree; found when
// both the X of the longitude move and the Y of the latitude move lie
// within 0.5 of their targets. lat and lon hold the start on entry and the
// last position reached on return, found or not; not_found after
// search_iterations iterations.
//   X = 100 lon, Y = 1000 - 100 lat, target (1234, 500) from (0, 0):
//   found at lat 5.0, lon 12.3375 (the longitude step halved to 0.0125)
search_status biquad_search_position(double target_x, double target_y, double& latitude,
                                     double& longitude);

// The value of pi with which Velorin turns radians into degrees.
constexpr double pi_rounded = 3.14159265359;

// The angle A of the block, in degrees, from the grid as it stands: the lean
// of the left edge from the bottom-left point (0) to the top-left point (6)
// against the pixel Y axis, positive when the top lies to the right, plus
// the left longitude:
//   A = atan((grid_x[6] - grid_x[0]) / (grid_y[0] - grid_y[6])) * 180
//       / pi_rounded + grid_lon[0]
// No guard on the divisor: equal Y of the two points give the left
// longitude plus or minus 90, and NaN when their X are equal as well.
//   grid_x[0] 120, grid_x[6] 100, grid_y[0] 1010, grid_y[6] 210,
//   grid_lon[0] 10 -> atan(-20 / 800) = -1.432 degrees, A = 8.568
double grid_edge_angle();

// The fits of both calibrators, from the grid arrays as they stand, each
// vector appended to the block as soon as it is final. Both return false
// at the first system without a solution, leaving the block unfinished.
//   fit_geo_to_pixel: C_X along rows (t = lon, value = x, s = lat), then
//                     C_Y along columns (t = lat, value = y, s = lon);
//   fit_pixel_to_geo: C_Long along rows (t = x, value = lon, s = y), then
//                     C_Lat along columns (t = y, value = lat, s = x).
bool fit_geo_to_pixel();
bool fit_pixel_to_geo();

// Fills a regular grid: every point of column c gets column_values[c] in
// by_column, every point of row r gets row_values[r] in by_row.
//   columns (10, 11, 12), rows (47, 48, 49) -> point 4 (middle) 11, 48
void fill_regular_grid(double* by_column, const double* column_values, double* by_row,
                       const double* row_values);

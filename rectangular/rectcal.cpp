#include <cstdio>

#include "affine.h"
#include "block.h"
#include "common_state.h"
#include "entry.h"
#include "frame.h"
#include "position.h"
#include "rectangular.h"
#include "rectangular_state.h"
#include "solver.h"

namespace {

// The corners, in the order of point_lat and friends.
constexpr int bottom_left = 0;
constexpr int bottom_right = 1;
constexpr int top_left = 2;

// Solves the system of two unknowns with the rows (1, t0, r0) and
// (1, t1, r1); true when solution[0] and solution[1] hold its unknowns.
bool solve_two(double t0, double r0, double t1, double r1)
{
    equation_matrix[0][0] = 1.0;
    equation_matrix[0][1] = t0;
    equation_matrix[0][2] = r0;
    equation_matrix[1][0] = 1.0;
    equation_matrix[1][1] = t1;
    equation_matrix[1][2] = r1;
    return solve_system(equation_matrix, 2) == 0;
}

// Fits C_X and C_Y through the three corners with four systems of two
// unknowns, in this order: bottom edge and left edge for C_X, left edge and
// bottom edge for C_Y. In closed form (pixels X0.., degrees for the edges):
//   C_X[1] = (X1 - X0) / (right - left)   C_X[2] = (X2 - X0) / (top - bottom)
//   C_X[0] = X0 - C_X[1]*left - C_X[2]*bottom
//   C_Y[1] = (Y2 - Y0) / (top - bottom)   C_Y[2] = (Y1 - Y0) / (right - left)
//   C_Y[0] = Y0 - C_Y[1]*bottom - C_Y[2]*left
// False as soon as a system has no solution: equal left and right
// longitudes fail the first, equal bottom and top latitudes the second.
//   48..49 / 9..10 at (100, 1100), (1100, 1100), (100, 100)
//     -> C_X = (-8900, 1000, 0), C_Y = (49100, -1000, 0)
bool fit_pixels()
{
    const int a = bottom_left, b = bottom_right, c = top_left;

    if (!solve_two(point_lon[a], point_x[a], point_lon[b], point_x[b]))
        return false;
    C_X[0] = solution[0];
    C_X[1] = solution[1];

    if (!solve_two(point_lat[a], point_x[a] - point_x[a], point_lat[c], point_x[c] - point_x[a]))
        return false;
    C_X[0] = C_X[0] + solution[0];
    C_X[2] = solution[1];

    if (!solve_two(point_lat[a], point_y[a], point_lat[c], point_y[c]))
        return false;
    C_Y[0] = solution[0];
    C_Y[1] = solution[1];

    if (!solve_two(point_lon[a], point_y[a] - point_y[a], point_lon[b], point_y[b] - point_y[a]))
        return false;
    C_Y[0] = C_Y[0] + solution[0];
    C_Y[2] = solution[1];
    return true;
}

}  // namespace

int rectcal_dialogue()
{
    print_banner("*   Coefficient Calculator for Rectangular Projection Type Maps   *\n",
                 "*           (working with Standard Calibration Points)            *\n");

    // An exit answer here is taken as 0 and ends nothing; the test loops
    // clear the flag before their first prompt.
    double bottom = calibrator_read_angle("Latitude (bottom)  : ", -latitude_limit, latitude_limit);
    double top = calibrator_read_angle("Latitude (top)     : ", -latitude_limit, latitude_limit);
    double left =
        calibrator_read_angle("\nLongitude (left)   : ", -longitude_limit, longitude_limit);
    double right =
        calibrator_read_angle("Longitude (right)  : ", -longitude_limit, longitude_limit);

    point_lat[bottom_left] = bottom;
    point_lat[bottom_right] = bottom;
    point_lat[top_left] = top;
    point_lon[bottom_left] = left;
    point_lon[bottom_right] = right;
    point_lon[top_left] = left;

    for (int i = 0; i < calibration_points; ++i) {
        std::fputs("\nPixel Coordinates for ", stdout);
        print_position(point_lat[i], point_lon[i]);
        point_x[i] = calibrator_read_pixel("\n ->X: ");
        point_y[i] = calibrator_read_pixel(" ->Y: ");
    }

    if (!fit_pixels()) {
        print_no_solution();
        return 0;
    }
    block_begin();
    block_append_vector("C_X", C_X, affine_terms);
    block_append_vector("C_Y", C_Y, affine_terms);

    // The angle of the left edge against the pixel Y axis, from the pixels
    // as entered: atan((X2 - X0) / (Y2 - Y0)) in degrees.
    const double q = (point_x[top_left] - point_x[bottom_left])
                     / (point_y[top_left] - point_y[bottom_left]);
    A = angle_from_tangent(q);

    affine_invert();
    block_append_vector("C_Long", C_Long, affine_terms);
    block_append_vector("C_Lat", C_Lat, affine_terms);
    block_append_a(A);

    run_test_loops(affine_pixel_x, affine_pixel_y, affine_longitude, affine_latitude,
                   position_closing::standard);
    save_result();
    return 0;
}

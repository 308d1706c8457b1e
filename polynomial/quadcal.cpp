#include "quadcal.h"

#include <cmath>
#include <cstdio>

#include "block.h"
#include "entry.h"
#include "frame.h"
#include "polynomial_state.h"

namespace {

// Start step of the pixel search, for X and Y alike.
constexpr double pixel_start_step = 4.0;  // pixels
// The pixel search has found its target when both errors are at most this.
constexpr double pixel_tolerance = 0.00005;  // degrees

const char title[] = "*          Coefficient Calculator for Quadrant Type Maps          *\n";

// Column and row prompts, left to right and bottom to top.
const char* const x_prompts[grid_line_points] = {
    "X (left)   : ", "X (middle) : ", "X (right)  : "};
const char* const y_prompts[grid_line_points] = {
    "\nY (bottom) : ", "Y (middle) : ", "Y (top)    : "};

// Reads the three column X and three row Y; every point of a column gets
// the column's X, every point of a row the row's Y.
void enter_pixel_grid()
{
    double column_x[grid_line_points];
    double row_y[grid_line_points];
    for (int c = 0; c < grid_line_points; ++c)
        column_x[c] = calibrator_read_pixel(x_prompts[c]);
    for (int r = 0; r < grid_line_points; ++r)
        row_y[r] = calibrator_read_pixel(y_prompts[r]);
    fill_regular_grid(grid_x, column_x, grid_y, row_y);
}

// Shows each grid point's pixel position and reads its latitude and
// longitude. The pixels are shown with "%G": 350 as 350, 1234567 as
// 1.23457E+06.
void enter_coordinates()
{
    for (int i = 0; i < grid_points; ++i) {
        std::printf("\nWGS84 Coordinates for X = %G, Y = %G:\n", grid_x[i], grid_y[i]);
        grid_lat[i] = calibrator_read_angle(" ->Latitude  : ", -latitude_limit, latitude_limit);
        grid_lon[i] = calibrator_read_angle(" ->Longitude : ", -longitude_limit,
                                            longitude_limit);
    }
}

// Replaces the entered coordinates by a regular grid: the columns take the
// longitudes entered at the bottom-left and bottom-right points and halfway
// between, the rows the latitudes entered at the bottom-left and top-left
// points and halfway between. Longitudes are plain numbers, no wrap at 180.
//   bottom-left 47, 10; bottom-right longitude 12; top-left latitude 49
//   -> columns 10, 11, 12; rows 47, 48, 49
//   left 179, right -179 -> middle longitude 0.0
void build_geographic_grid()
{
    const double left = grid_lon[bottom_left];
    const double right = grid_lon[bottom_right];
    const double bottom = grid_lat[bottom_left];
    const double top = grid_lat[top_left];
    const double column_lon[grid_line_points] = {left, (right + left) / 2.0, right};
    const double row_lat[grid_line_points] = {bottom, (top + bottom) / 2.0, top};
    fill_regular_grid(grid_lon, column_lon, grid_lat, row_lat);
}

// Replaces each grid pixel by the pixel of the geographic grid's node,
// searched from the point's own entered pixel. Returns false at the first
// node not found.
bool search_node_pixels()
{
    for (int i = 0; i < grid_points; ++i) {
        if (biquad_search_pixel(grid_lat[i], grid_lon[i], grid_x[i], grid_y[i])
            != search_status::found)
            return false;
    }
    return true;
}

// Fits and appends the four vectors and A. Returns false at the first
// system without a solution or node not found; the block is then
// incomplete and never shown.
bool calibrate()
{
    block_begin();
    if (!fit_pixel_to_geo())
        return false;

    build_geographic_grid();
    if (!search_node_pixels())
        return false;

    if (!fit_geo_to_pixel())
        return false;

    // The lean of the geographic grid's left edge, in searched pixels.
    A = grid_edge_angle();
    block_append_a(A);
    return true;
}

}  // namespace

search_status biquad_search_pixel(double target_latitude, double target_longitude, double& x,
                                  double& y)
{
    double x_step = pixel_start_step;
    double y_step = pixel_start_step;
    for (int iteration = 0; iteration < search_iterations; ++iteration) {
        double longitude = biquad_longitude(x, y);
        double latitude = biquad_latitude(x, y);

        // X by the longitude error; longitude grows with X.
        if (longitude < target_longitude) {
            double moved = x + x_step;
            longitude = biquad_longitude(moved, y);
            if (longitude > target_longitude)
                halve_step(x_step);
            x = moved;
        } else if (longitude > target_longitude) {
            double moved = x - x_step;
            longitude = biquad_longitude(moved, y);
            if (longitude < target_longitude)
                halve_step(x_step);
            x = moved;
        }

        // Y by the latitude error, at the new X; latitude falls as Y grows
        // (image Y grows downward).
        if (latitude > target_latitude) {
            double moved = y + y_step;
            latitude = biquad_latitude(x, moved);
            if (latitude < target_latitude)
                halve_step(y_step);
            y = moved;
        } else if (latitude < target_latitude) {
            double moved = y - y_step;
            latitude = biquad_latitude(x, moved);
            if (latitude > target_latitude)
                halve_step(y_step);
            y = moved;
        }

        if (std::fabs(target_longitude - longitude) <= pixel_tolerance
            && std::fabs(target_latitude - latitude) <= pixel_tolerance)
            return search_status::found;
    }
    return search_status::not_found;
}

int quadcal_dialogue()
{
    print_banner(title);
    enter_pixel_grid();
    enter_coordinates();
    if (!calibrate()) {
        print_no_solution();
        return 0;
    }
    run_test_loops(biquad_pixel_x, biquad_pixel_y, biquad_longitude, biquad_latitude,
                   position_closing::quadrant);
    save_result();
    return 0;
}

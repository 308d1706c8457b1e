#include "conecal.h"

#include <cstdio>

#include "biquad.h"
#include "block.h"
#include "entry.h"
#include "frame.h"
#include "pixel.h"
#include "polynomial_state.h"

namespace {

const char title[] = "*       Coefficient Calculator for Cone Projection Type Maps      *\n";

// Row and column prompts, bottom to top and left to right.
const char* const latitude_prompts[grid_line_points] = {
    "Latitude (bottom)  : ", "Latitude (middle)  : ", "Latitude (top)     : "};
const char* const longitude_prompts[grid_line_points] = {
    "\nLongitude (left)   : ", "Longitude (middle) : ", "Longitude (right)  : "};

// Reads the three row latitudes and three column longitudes; every point of
// a row gets the row's latitude, every point of a column the column's
// longitude.
void enter_grid()
{
    double row_lat[grid_line_points];
    double column_lon[grid_line_points];
    for (int r = 0; r < grid_line_points; ++r)
        row_lat[r] = calibrator_read_angle(latitude_prompts[r], -latitude_limit, latitude_limit);
    for (int c = 0; c < grid_line_points; ++c)
        column_lon[c] =
            calibrator_read_angle(longitude_prompts[c], -longitude_limit, longitude_limit);
    fill_regular_grid(grid_lon, column_lon, grid_lat, row_lat);
}

// Shows each grid point and reads its pixel X and Y.
void enter_pixels()
{
    for (int i = 0; i < grid_points; ++i) {
        std::fputs("\nPixel Coordinates for ", stdout);
        print_position(grid_lat[i], grid_lon[i]);
        grid_x[i] = calibrator_read_pixel("\n ->X: ");
        grid_y[i] = calibrator_read_pixel(" ->Y: ");
    }
}

// Makes the pixel grid an axis-parallel rectangle: the left X is the
// smaller of the two left corners, the right X the larger of the two right
// corners, the middle column halfway between (it may end in .5); the rows
// take the Y of the bottom-left and top-left points and halfway between.
//   left corners X 120 (bottom), 100 (top), right corners 480, 500,
//   left Y 1010, 210 -> columns 100, 300, 500; rows 1010, 610, 210
void straighten_pixel_grid()
{
    if (grid_x[top_left] < grid_x[bottom_left])
        grid_x[bottom_left] = grid_x[top_left];
    else
        grid_x[top_left] = grid_x[bottom_left];
    if (grid_x[top_right] > grid_x[bottom_right])
        grid_x[bottom_right] = grid_x[top_right];
    else
        grid_x[top_right] = grid_x[bottom_right];
    const double left = grid_x[bottom_left];
    const double right = grid_x[bottom_right];
    const double bottom = grid_y[bottom_left];
    const double top = grid_y[top_left];
    const double column_x[grid_line_points] = {left, (right + left) / 2, right};
    const double row_y[grid_line_points] = {bottom, (top + bottom) / 2, top};
    fill_regular_grid(grid_x, column_x, grid_y, row_y);
}

// Replaces each grid position by the position whose pixel is the node of
// the straightened grid, rounded to a whole pixel; the search starts from
// the point's own position. Returns false at the first node not found.
bool search_node_positions()
{
    for (int i = 0; i < grid_points; ++i) {
        double target_x = round_to_pixel(grid_x[i]);
        double target_y = round_to_pixel(grid_y[i]);
        if (biquad_search_position(target_x, target_y, grid_lat[i], grid_lon[i])
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
    if (!fit_geo_to_pixel())
        return false;

    // The lean of the left edge as entered, before the straightening.
    A = grid_edge_angle();
    straighten_pixel_grid();
    if (!search_node_positions())
        return false;

    if (!fit_pixel_to_geo())
        return false;
    block_append_a(A);
    return true;
}

}  // namespace

int conecal_dialogue()
{
    print_banner(title);
    enter_grid();
    enter_pixels();
    if (!calibrate()) {
        print_no_solution();
        return 0;
    }
    run_test_loops(biquad_pixel_x, biquad_pixel_y, biquad_longitude, biquad_latitude,
                   position_closing::standard);
    save_result();
    return 0;
}

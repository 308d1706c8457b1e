#include "biquad.h"

#include <cmath>

#include "block.h"
#include "pixel.h"
#include "polynomial_state.h"
#include "solver.h"

namespace {

// Start step of the position search, for longitude and latitude alike.
constexpr double position_start_step = 0.1;  // degrees
// The position search has found its target when both pixel errors are at
// most this; pixels are whole numbers, so both must equal their targets.
constexpr double position_tolerance = 0.5;  // pixels

// Unknowns of each fit system: a quadratic has three coefficients.
constexpr int quadratic_unknowns = 3;
// Column of the right-hand side in a fit system.
constexpr int right_hand_side = quadratic_unknowns;

// Grid point at position q (0, 1, 2) along line l: rows run left to right,
// columns bottom to top.
int point_of_line(grid_lines lines, int l, int q)
{
    return lines == grid_lines::rows ? grid_line_points * l + q : l + grid_line_points * q;
}

// Fills the coefficients of one row of a fit system with 1, w, w^2.
void fill_quadratic_row(matrix_row& row, double w)
{
    row[0] = 1.0;
    row[1] = w;
    row[2] = w * w;
}

}  // namespace

double biquad_value(const double* c, double u, double v)
{
    const double u_power[grid_line_points] = {1.0, u, u * u};
    const double v_power[grid_line_points] = {1.0, v, v * v};
    double value = c[0];
    for (int i = 1; i < biquad_terms; ++i) {
        int j = i % grid_line_points;
        int k = i / grid_line_points;
        value = value + (c[i] * u_power[j]) * v_power[k];
    }
    return value;
}

int32_t biquad_pixel_x(double latitude, double longitude)
{
    return round_to_pixel(biquad_value(C_X, latitude, longitude));
}

int32_t biquad_pixel_y(double latitude, double longitude)
{
    return round_to_pixel(biquad_value(C_Y, longitude, latitude));
}

double biquad_longitude(double x, double y)
{
    return biquad_value(C_Long, y, x);
}

double biquad_latitude(double x, double y)
{
    return biquad_value(C_Lat, x, y);
}

int biquad_fit(grid_lines lines, const double* t, const double* value, const double* s,
               double* vector)
{
    // Stage 1: a quadratic in t along each line; its unknowns become the
    // right-hand sides of row l of the three stage-2 systems.
    for (int l = 0; l < grid_line_points; ++l) {
        for (int q = 0; q < grid_line_points; ++q) {
            int p = point_of_line(lines, l, q);
            fill_quadratic_row(biquad_line_matrix[q], t[p]);
            biquad_line_matrix[q][right_hand_side] = value[p];
        }
        if (solve_system(biquad_line_matrix, quadratic_unknowns) != 0)
            return 1;
        for (int k = 0; k < grid_line_points; ++k)
            biquad_term_matrix[k][l][right_hand_side] = solution[k];
    }
    // Stage 2: each stage-1 unknown k as a quadratic in s, s taken at the
    // first point of each line.
    for (int k = 0; k < grid_line_points; ++k) {
        for (int l = 0; l < grid_line_points; ++l)
            fill_quadratic_row(biquad_term_matrix[k][l], s[point_of_line(lines, l, 0)]);
        if (solve_system(biquad_term_matrix[k], quadratic_unknowns) != 0)
            return 1;
        for (int j = 0; j < grid_line_points; ++j)
            vector[grid_line_points * k + j] = solution[j];
    }
    return 0;
}

void halve_step(double& step)
{
    if (step > smallest_halved_step)
        step = step / 2.0;
}

search_status biquad_search_position(double target_x, double target_y, double& latitude,
                                     double& longitude)
{
    double longitude_step = position_start_step;
    double latitude_step = position_start_step;
    for (int iteration = 0; iteration < search_iterations; ++iteration) {
        double x = biquad_pixel_x(latitude, longitude);
        double y = biquad_pixel_y(latitude, longitude);

        // Longitude by the X error; X grows with longitude.
        if (x < target_x) {
            double moved = longitude + longitude_step;
            x = biquad_pixel_x(latitude, moved);
            if (x > target_x)
                halve_step(longitude_step);
            longitude = moved;
        } else if (x > target_x) {
            double moved = longitude - longitude_step;
            x = biquad_pixel_x(latitude, moved);
            if (x < target_x)
                halve_step(longitude_step);
            longitude = moved;
        }

        // Latitude by the Y error, at the new longitude; Y falls as
        // latitude grows.
        if (y > target_y) {
            double moved = latitude + latitude_step;
            y = biquad_pixel_y(moved, longitude);
            if (y < target_y)
                halve_step(latitude_step);
            latitude = moved;
        } else if (y < target_y) {
            double moved = latitude - latitude_step;
            y = biquad_pixel_y(moved, longitude);
            if (y > target_y)
                halve_step(latitude_step);
            latitude = moved;
        }

        if (std::fabs(target_x - x) <= position_tolerance
            && std::fabs(target_y - y) <= position_tolerance)
            return search_status::found;
    }
    return search_status::not_found;
}

double grid_edge_angle()
{
    double lean = (grid_x[top_left] - grid_x[bottom_left])
                  / (grid_y[bottom_left] - grid_y[top_left]);
    return std::atan(lean) * 180.0 / pi_rounded + grid_lon[bottom_left];
}

void fill_regular_grid(double* by_column, const double* column_values, double* by_row,
                       const double* row_values)
{
    for (int r = 0; r < grid_line_points; ++r) {
        for (int c = 0; c < grid_line_points; ++c) {
            by_column[grid_line_points * r + c] = column_values[c];
            by_row[grid_line_points * r + c] = row_values[r];
        }
    }
}

namespace {

// Fits one vector with biquad_fit and appends it under its key.
bool fit_and_append(const char* key, grid_lines lines, const double* t, const double* value,
                    const double* s, double* vector)
{
    if (biquad_fit(lines, t, value, s, vector) != 0)
        return false;
    block_append_vector(key, vector, biquad_terms);
    return true;
}

}  // namespace

bool fit_geo_to_pixel()
{
    return fit_and_append("C_X", grid_lines::rows, grid_lon, grid_x, grid_lat, C_X)
           && fit_and_append("C_Y", grid_lines::columns, grid_lat, grid_y, grid_lon, C_Y);
}

bool fit_pixel_to_geo()
{
    return fit_and_append("C_Long", grid_lines::rows, grid_x, grid_lon, grid_y, C_Long)
           && fit_and_append("C_Lat", grid_lines::columns, grid_y, grid_lat, grid_x, C_Lat);
}

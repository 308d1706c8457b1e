// The round-trip disagreement of a nine-value calibration, sampled on a
// coarse grid of cells over the image. The polynomial calibrators fit the
// two directions separately, so a pixel taken to a position and back lands
// a little away from where it started; the distance shows where the
// calibration can be trusted.
#pragma once

#include <vector>

#include "block_file.h"

constexpr int round_trip_cells = 100;  // cells along each side of the image, at most

// Distances per cell, row by row from the top; cell (column, row) covers
// pixels column * cell_width .. (column + 1) * cell_width across and is
// sampled at its centre.
struct round_trip_grid {
    int columns = 0, rows = 0;
    double cell_width = 0, cell_height = 0;  // pixels
    std::vector<double> distance;             // pixels, columns * rows values
    double largest = 0;  // largest finite distance; pixels
    bool any_not_finite = false;
};

// Samples round_trip_distance at the centre of each of min(100, width) x
// min(100, height) cells. Cost: 10,000 evaluations whatever the image size.
//   1000 x 500 pixels -> 100 x 100 cells of 10 x 5 pixels, the first
//   sampled at model pixel (4.5, 2); a model that is exactly linear in both
//   directions -> every distance 0 (to within rounding, below 1e-9)
round_trip_grid sample_round_trip(const calibration& c, int width, int height);

// Shading classes of a distance, by its upper bounds in pixels: below 0.5
// (class 0, not shaded), 0.5 .. 1, 1 .. 2, 2 .. 5, 5 .. 10, 10 .. 20, and
// 20 or more or not finite (the last class).
constexpr int round_trip_classes = 7;
constexpr double round_trip_bounds[round_trip_classes - 1] = {0.5, 1, 2, 5, 10, 20};

// Class of a distance in pixels: 0.2 -> 0, 0.5 -> 1, 3 -> 3, 20 -> 6, NaN -> 6.
int round_trip_class(double distance);

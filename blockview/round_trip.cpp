#include "round_trip.h"

#include <algorithm>
#include <cmath>

#include "model.h"

round_trip_grid sample_round_trip(const calibration& c, int width, int height)
{
    round_trip_grid grid;
    grid.columns = std::min(round_trip_cells, width);
    grid.rows = std::min(round_trip_cells, height);
    grid.cell_width = static_cast<double>(width) / grid.columns;
    grid.cell_height = static_cast<double>(height) / grid.rows;
    grid.distance.resize(static_cast<std::size_t>(grid.columns) * grid.rows);
    for (int row = 0; row < grid.rows; ++row) {
        // Model pixel of the cell centre: the image starts at -0.5.
        double y = (row + 0.5) * grid.cell_height - 0.5;
        for (int column = 0; column < grid.columns; ++column) {
            double x = (column + 0.5) * grid.cell_width - 0.5;
            double d = round_trip_distance(c, x, y);
            grid.distance[static_cast<std::size_t>(row) * grid.columns + column] = d;
            if (std::isfinite(d))
                grid.largest = std::max(grid.largest, d);
            else
                grid.any_not_finite = true;
        }
    }
    return grid;
}

int round_trip_class(double distance)
{
    int k = 0;
    while (k < round_trip_classes - 1 && distance >= round_trip_bounds[k])
        ++k;
    if (std::isnan(distance))
        return round_trip_classes - 1;
    return k;
}

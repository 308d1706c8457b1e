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

// Fits the three values of vector exactly through the calibration points:
// row i is (1, first[i], second[i], pixel[i]). False when the system has no
// solution.
bool fit_vector(double* vector, const double* first, const double* second, const double* pixel)
{
    for (int i = 0; i < calibration_points; ++i) {
        equation_matrix[i][0] = 1.0;
        equation_matrix[i][1] = first[i];
        equation_matrix[i][2] = second[i];
        equation_matrix[i][3] = pixel[i];
    }
    if (solve_system(equation_matrix, affine_terms) != 0)
        return false;
    for (int k = 0; k < affine_terms; ++k)
        vector[k] = solution[k];
    return true;
}

}  // namespace

int rectfree_dialogue()
{
    print_banner("*   Coefficient Calculator for Rectangular Projection Type Maps   *\n",
                 "*        (working with freely selected Calibration Points)        *\n");

    // An exit answer here is taken as 0 and ends nothing; the test loops
    // clear the flag before their first prompt.
    for (int i = 0; i < calibration_points; ++i) {
        point_lat[i] = calibrator_read_angle("Latitude  : ", -latitude_limit, latitude_limit);
        point_lon[i] = calibrator_read_angle("Longitude : ", -longitude_limit, longitude_limit);
        point_x[i] = calibrator_read_pixel(" ->X: ");
        point_y[i] = calibrator_read_pixel(" ->Y: ");
    }

    // C_Y takes latitude and longitude in swapped columns: its index 1
    // belongs to latitude.
    if (!fit_vector(C_X, point_lon, point_lat, point_x)
        || !fit_vector(C_Y, point_lat, point_lon, point_y)) {
        print_no_solution();
        return 0;
    }
    block_begin();
    block_append_vector("C_X", C_X, affine_terms);
    block_append_vector("C_Y", C_Y, affine_terms);

    affine_invert();
    block_append_vector("C_Long", C_Long, affine_terms);
    block_append_vector("C_Lat", C_Lat, affine_terms);

    // The angle between a line of constant pixel X and the meridians.
    A = angle_from_tangent(-C_X[2] / C_X[1]);
    block_append_a(A);

    run_test_loops(affine_pixel_x, affine_pixel_y, affine_longitude, affine_latitude,
                   position_closing::standard);
    save_result();
    return 0;
}

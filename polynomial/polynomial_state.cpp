#include "polynomial_state.h"

double C_X[biquad_terms];
double C_Y[biquad_terms];
double C_Long[biquad_terms];
double C_Lat[biquad_terms];

double grid_lat[grid_points];
double grid_lon[grid_points];
double grid_x[grid_points];
double grid_y[grid_points];

double A;

matrix_row biquad_line_matrix[grid_line_points];
matrix_row biquad_term_matrix[grid_line_points][grid_line_points];

// The coefficient block of conecal and quadcal: four vectors of nine values
// and the A line take about 1200 bytes; the buffer leaves ample room.
char result_text[4096];
const std::size_t result_text_size = sizeof result_text;

// Gaussian elimination with row ordering by the pivot column, for the small
// systems (two or three unknowns) by which the calibrators fit their models.
#pragma once

#include "common_state.h"

// Solves the system of n unknowns (1 <= n <= 9) held in rows 0..n-1 of
// matrix: coefficients in columns 0..n-1, right-hand side in column n.
// Works in place; on success writes solution[0..n-1] and returns 0.
// Returns 1, leaving solution untouched, when a pivot is exactly zero at any
// step: the system has no unique solution. A pivot that is not a number is
// not zero and is carried through.
//   rows (0, 1, 2), (1, 1, 3) -> rows exchanged, solution (1, 2)
//   rows (1, 5, 10), (1, 5, 12) -> final pivot 0, result 1
int solve_system(matrix_row* matrix, int n);

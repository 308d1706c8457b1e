#include "solver.h"

namespace {

// The magnitude by which rows are ordered: -x for x < 0, x otherwise (a
// value that is not a number stays one and never compares smaller).
double magnitude(double x)
{
    return x < 0 ? -x : x;
}

// Puts rows p..n-1 in order of non-increasing magnitude of their entry in
// column p, by passes of neighbour exchanges; equal magnitudes keep their
// order. Columns left of p hold zeros in these rows and are not moved.
void order_rows(matrix_row* a, int n, int p)
{
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int r = p; r <= n - 2; ++r) {
            if (magnitude(a[r][p]) < magnitude(a[r + 1][p])) {
                for (int c = p; c <= n; ++c) {
                    double t = a[r][c];
                    a[r][c] = a[r + 1][c];
                    a[r + 1][c] = t;
                }
                exchanged = true;
            }
        }
    }
}

}  // namespace

int solve_system(matrix_row* a, int n)
{
    for (int s = 1; s <= n - 1; ++s) {
        int p = s - 1;
        order_rows(a, n, p);
        // After the ordering a zero pivot means the whole column is zero
        // from here down: no unique solution.
        if (a[p][p] == 0.0)
            return 1;
        // Normalise the pivot row from the right, the pivot itself last, so
        // every entry is divided by the pivot's value before this step.
        for (int c = n; c >= p; --c)
            a[p][c] = a[p][c] / a[p][p];
        for (int r = s; r <= n - 1; ++r) {
            for (int c = s; c <= n; ++c)
                a[r][c] = a[r][c] - a[p][c] * a[r][p];
            a[r][p] = 0.0;
        }
    }
    if (a[n - 1][n - 1] == 0.0)
        return 1;
    solution[n - 1] = a[n - 1][n] / a[n - 1][n - 1];
    for (int r = n - 2; r >= 0; --r) {
        solution[r] = a[r][n];
        for (int c = n - 1; c >= r + 1; --c)
            solution[r] = solution[r] - a[r][c] * solution[c];
    }
    return 0;
}

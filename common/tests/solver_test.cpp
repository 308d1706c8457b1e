#include <gtest/gtest.h>

#include "solver.h"

namespace {

// Fills rows of equation_matrix from a list of rows of n + 1 numbers.
void fill(std::initializer_list<std::initializer_list<double>> rows)
{
    int r = 0;
    for (const auto& row : rows) {
        int c = 0;
        for (double v : row)
            equation_matrix[r][c++] = v;
        ++r;
    }
}

void mark_solution()
{
    for (double& s : solution)
        s = 12345.0;
}

TEST(SolveSystem, SolvesWithRowOrderingByThePivotColumn)
{
    mark_solution();
    fill({{0, 1, 2}, {1, 1, 3}});
    ASSERT_EQ(0, solve_system(equation_matrix, 2));
    EXPECT_EQ(1.0, solution[0]);
    EXPECT_EQ(2.0, solution[1]);
    EXPECT_EQ(12345.0, solution[2]);  // beyond n: untouched

    // The second step orders by column 1, not by the larger entry of column 2.
    fill({{1, 8, 47, 100}, {1, 9, 47, 150}, {1, 9, 48, 130}});
    ASSERT_EQ(0, solve_system(equation_matrix, 3));
    EXPECT_EQ(640.0, solution[0]);
    EXPECT_EQ(50.0, solution[1]);
    EXPECT_EQ(-20.0, solution[2]);

    fill({{2, 4}});
    ASSERT_EQ(0, solve_system(equation_matrix, 1));
    EXPECT_EQ(2.0, solution[0]);
}

TEST(SolveSystem, KeepsRowsOfEqualMagnitudeInOrder)
{
    // Pivot-column entries 3 and -3: no exchange, row 0 is the pivot row and
    // is normalised to (1, 1/3, 2/3); row 1 keeps its place.
    fill({{3, 1, 2}, {-3, 1, 4}});
    ASSERT_EQ(0, solve_system(equation_matrix, 2));
    EXPECT_EQ(1.0, equation_matrix[0][0]);
    EXPECT_EQ(1.0 / 3.0, equation_matrix[0][1]);
    EXPECT_EQ(3.0, solution[1]);               // 2y = 6 after elimination
    EXPECT_EQ(2.0 / 3.0 - 1.0, solution[0]);  // 2/3 - (1/3) * 3, in this order

    // A constant first column: no exchange in the first step.
    fill({{1, 10, 100, 1}, {1, 20, 400, 2}, {1, 30, 900, 3}});
    ASSERT_EQ(0, solve_system(equation_matrix, 3));
    EXPECT_EQ(1.0, equation_matrix[0][0]);
    EXPECT_EQ(10.0, equation_matrix[0][1]);
}

TEST(SolveSystem, ReportsAZeroPivotAtAnyStepAndLeavesTheSolutionAlone)
{
    mark_solution();
    fill({{1, 5, 10}, {1, 5, 12}});
    EXPECT_EQ(1, solve_system(equation_matrix, 2));
    fill({{0, 4}});
    EXPECT_EQ(1, solve_system(equation_matrix, 1));
    // First column all zero: the first pivot is zero.
    fill({{0, 1, 2, 3}, {0, 4, 5, 6}, {0, 7, 9, 9}});
    EXPECT_EQ(1, solve_system(equation_matrix, 3));
    // Three equal t values in a quadratic fit: zero pivot in the second step.
    fill({{1, 5, 25, 1}, {1, 5, 25, 2}, {1, 5, 25, 3}});
    EXPECT_EQ(1, solve_system(equation_matrix, 3));
    for (double s : solution)
        EXPECT_EQ(12345.0, s);
}

}  // namespace

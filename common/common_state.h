// Process-wide state of the common routines. Every variable lives from
// program start to program end and is defined in common_state.cpp, except
// result_text, whose size each program chooses (see below). The one other
// state of the library, the standard-input buffer, is private to the input
// reader (input.cpp), which alone reads and writes it.
#pragma once

#include <cstddef>

// Raised by read_pixel and read_angle when a line begins with "E" or "e";
// they never clear it. Each dialogue loop clears it before its first prompt
// and tests it after its entries.
extern bool exit_requested;

// Raised by read_pixel and read_angle (and by the file-name prompt) when
// standard input has ended; never cleared. Distinct from exit_requested:
// the converter treats it like an exit answer, a calibrator ends at once.
extern bool input_ended;

// Augmented matrices of the solver: a system of n unknowns uses rows 0..n-1,
// coefficients in columns 0..n-1 and the right-hand side in column n.
constexpr int matrix_rows = 9;
constexpr int matrix_columns = 10;
using matrix_row = double[matrix_columns];

// The calibrators' working matrix; filled by a calibrator, reduced in place
// by solve_system.
extern double equation_matrix[matrix_rows][matrix_columns];

// Unknowns of the last system solved; written only by a successful
// solve_system, read by the calibrators and the polynomial fit. Room for the
// largest system the solver accepts.
extern double solution[matrix_rows];

// The coefficient block, one zero-terminated string, composed by the
// block_append_ routines and shown and written by save_result. Each program
// defines it with its own size (1024 bytes for three values per key, 4096
// for nine), together with result_text_size.
extern char result_text[];
extern const std::size_t result_text_size;

// Scratch buffer for one formatted part of the block (one value or the A
// line) before it is appended to result_text; written by the block routines.
// Room for the A line of any double: "%.1f" of the largest one takes 312
// characters, so the line is never cut however odd the value.
constexpr std::size_t value_text_size = 360;
extern char value_text[value_text_size];

// Name of the running program, for the one-line message on standard error
// when standard output could not be written; set by run_program.
extern const char* program_name;

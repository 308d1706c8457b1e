// The coefficient block: the text that Velorin's map definitions take,
// composed in result_text one part at a time through value_text.
//
//                       C_X         : [ 1.0000000000E+02,  2.0000000000E+02,  0.0000000000E+00],
//                       ...
//                       A           : 0.0,
//   (and an empty line)
//
// Each key line is 22 blanks, the key left-aligned in 12 characters and
// ": [" (37 characters); each value "%17.10E"; values separated by ", ",
// in a vector of nine values by ",\n" and 37 blanks after the third and
// sixth. A zero, negative zero included, is written as a positive zero;
// values that are not finite as Inf, -Inf or NaN, padded like a number.
#pragma once

// Empties result_text; the first vector of a block follows.
void block_begin();

// Appends the line(s) of one vector: key is the bare name ("C_X"), count is
// 3 or 9 values, written in index order.
void block_append_vector(const char* key, const double* values, int count);

// Appends the closing line "... A           : %.1f,\n\n" of the block.
void block_append_a(double a);

// Formats one value of a vector into value_text: "%17.10E", or the spelled
// non-finite text right-aligned in 17 characters.
//   100 -> " 1.0000000000E+02"   -0.0 -> " 0.0000000000E+00"
//   1e-100 -> "1.0000000000E-100" (the width pads, never cuts)
void format_block_value(double v);

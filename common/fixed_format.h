// Fixed-point formatting of doubles, the text of printf's "%.Nf" without
// its cost: the converter writes four such numbers per position, and a long
// piped list of positions spends most of its time there.
#pragma once

#include <cstddef>

// Room for any double with up to 6 decimals: a sign, 309 digits, the point,
// the decimals and the terminating zero.
constexpr std::size_t fixed_text_size = 320;

// Writes v with 0 to 6 decimals into out (size bytes, zero-terminated) and
// returns the number of characters, exactly as snprintf(out, size, "%.*f",
// decimals, v) does in the default rounding mode: the exact binary value
// rounded to the nearest, ties to even, a minus sign whenever the sign bit
// is set. |v| < 2^53 is converted with 128-bit integer arithmetic, which is
// exact there; anything else (larger, not finite, other decimals, a buffer
// smaller than fixed_text_size) is handed to snprintf itself.
//   (48.0163888, 6) -> "48.016389"   (0.125, 2) -> "0.12"   (-0.0, 0) -> "-0"
int format_fixed(char* out, std::size_t size, double v, int decimals);

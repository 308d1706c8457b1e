// From a model value to a whole pixel, the way Velorin rounds.
#pragma once

#include <cstdint>

// value + 0.5, truncated toward zero: rounds half up from -0.5 on, and one
// toward zero below it unless exactly halfway (-3.7 -> -3, -3.5 -> -3,
// -150 -> -149, 350.5 -> 351). Results beyond the 32-bit range saturate to
// INT32_MAX or INT32_MIN; a value that is not a number gives INT32_MIN.
int32_t round_to_pixel(double value);

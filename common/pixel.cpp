#include "pixel.h"

#include <cmath>

int32_t round_to_pixel(double value)
{
    double shifted = std::trunc(value + 0.5);
    if (std::isnan(shifted) || shifted < INT32_MIN)
        return INT32_MIN;
    if (shifted > INT32_MAX)
        return INT32_MAX;
    return static_cast<int32_t>(shifted);
}

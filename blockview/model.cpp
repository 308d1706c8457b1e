#include "model.h"

#include <cmath>

double biquad_value(const double* c, double u, double v)
{
    const double u_powers[3] = {1.0, u, u * u};
    const double v_powers[3] = {1.0, v, v * v};
    double value = c[0];
    for (int index = 1; index < biquad_terms; ++index) {
        int j = index % 3, k = index / 3;
        value += (c[index] * u_powers[j]) * v_powers[k];
    }
    return value;
}

// The affine forms add the product of index 1 to the constant first, then
// the product of index 2, as the calibrators do.
double model_pixel_x(const calibration& c, double lat, double lon)
{
    if (c.terms == affine_terms)
        return lat * c.c_x[2] + (lon * c.c_x[1] + c.c_x[0]);
    return biquad_value(c.c_x, lat, lon);
}

double model_pixel_y(const calibration& c, double lat, double lon)
{
    if (c.terms == affine_terms)
        return lon * c.c_y[2] + (lat * c.c_y[1] + c.c_y[0]);
    return biquad_value(c.c_y, lon, lat);
}

double model_longitude(const calibration& c, double x, double y)
{
    if (c.terms == affine_terms)
        return y * c.c_long[2] + (x * c.c_long[1] + c.c_long[0]);
    return biquad_value(c.c_long, y, x);
}

double model_latitude(const calibration& c, double x, double y)
{
    if (c.terms == affine_terms)
        return x * c.c_lat[2] + (y * c.c_lat[1] + c.c_lat[0]);
    return biquad_value(c.c_lat, x, y);
}

double round_trip_distance(const calibration& c, double x, double y)
{
    double lat = model_latitude(c, x, y);
    double lon = model_longitude(c, x, y);
    return std::hypot(model_pixel_x(c, lat, lon) - x, model_pixel_y(c, lat, lon) - y);
}

#include "affine.h"

#include <cmath>

#include "pixel.h"
#include "rectangular_state.h"

int32_t affine_pixel_x(double lat, double lon)
{
    return round_to_pixel(lat * C_X[2] + (lon * C_X[1] + C_X[0]));
}

int32_t affine_pixel_y(double lat, double lon)
{
    return round_to_pixel(lon * C_Y[2] + (lat * C_Y[1] + C_Y[0]));
}

double affine_longitude(double x, double y)
{
    return y * C_Long[2] + (x * C_Long[1] + C_Long[0]);
}

double affine_latitude(double x, double y)
{
    return x * C_Lat[2] + (y * C_Lat[1] + C_Lat[0]);
}

void affine_invert()
{
    const double cx0 = C_X[0], cx1 = C_X[1], cx2 = C_X[2];
    const double cy0 = C_Y[0], cy1 = C_Y[1], cy2 = C_Y[2];

    if (cx2 == 0.0) {  // pixel X does not depend on latitude
        C_Long[0] = -cx0 / cx1;
        C_Long[1] = 1.0 / cx1;
        C_Long[2] = 0.0;
    } else {
        const double d = cx1 / cx2 - cy2 / cy1;
        C_Long[0] = (cy0 / cy1 - cx0 / cx2) / d;
        C_Long[1] = (1.0 / cx2) / d;
        C_Long[2] = (-1.0 / cy1) / d;
    }

    if (cy2 == 0.0) {  // pixel Y does not depend on longitude
        C_Lat[0] = -cy0 / cy1;
        C_Lat[1] = 1.0 / cy1;
        C_Lat[2] = 0.0;
    } else {
        const double d = cx2 / cx1 - cy1 / cy2;
        C_Lat[0] = (cy0 / cy2 - cx0 / cx1) / d;
        C_Lat[1] = (-1.0 / cy2) / d;
        C_Lat[2] = (1.0 / cx1) / d;
    }
}

double angle_from_tangent(double q)
{
    return std::atan(q) * 180.0 / pi_rounded;
}

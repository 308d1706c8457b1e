#include "ed50.h"

namespace {

constexpr double reference_latitude = 52.0;   // degrees
constexpr double reference_longitude = 10.0;  // degrees
constexpr double scale = 0.05235988;          // per degree, for U and V
constexpr double seconds_per_degree = 3600.0;

}  // namespace

void ed50_to_wgs84(const geo_position& ed50, geo_position& wgs84)
{
    double u = (ed50.latitude - reference_latitude) * scale;
    double v = (ed50.longitude - reference_longitude) * scale;
    double u2 = u * u;
    double u3 = u2 * u;
    double u4 = u3 * u;
    double u5 = u4 * u;
    double u6 = u5 * u;
    double v2 = v * v;
    double v3 = v2 * v;
    double v4 = v3 * v;
    double v5 = v4 * v;

    // Shifts in seconds of arc.
    double d_lat = -2.65261 + 2.06392 * u + 0.77921 * v + 0.26743 * u2 + 0.10706 * u * v
                   + 0.76407 * u3 - 0.9543 * u2 * v + 0.17197 * u4 + 1.04974 * u4 * v;
    double d_lon = -4.13447 - 1.50572 * u + 1.94075 * v - 1.376 * u2 + 1.98425 * u * v
                   + 0.30068 * v2 - 2.31939 * u3 - 1.70401 * u4 - 5.48711 * u * v3
                   + 7.41956 * u5 - 1.61351 * u2 * v3 + 5.92923 * u * v4 - 1.97974 * v5
                   + 1.57701 * u6 - 6.52522 * u3 * v3 + 16.85976 * u2 * v4;

    wgs84.latitude = ed50.latitude + d_lat / seconds_per_degree;
    wgs84.longitude = ed50.longitude + d_lon / seconds_per_degree;
}

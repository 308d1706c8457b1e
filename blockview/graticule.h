// The graticule of a calibration: lines of constant latitude (parallels)
// and constant longitude (meridians), traced through the geo-to-pixel model
// and clipped to the image.
#pragma once

#include <string>
#include <vector>

#include "block_file.h"

// A point in model pixels: X to the right, Y down; pixel (0, 0) is the
// centre of the top left pixel, so the image covers -0.5 .. width - 0.5.
struct pixel_point {
    double x;
    double y;
};

// The geographic box that an image covers under the pixel-to-geo model, in
// degrees. ok is false when the model gives no finite, non-empty box.
struct geo_box {
    double lat_min = 0, lat_max = 0;
    double lon_min = 0, lon_max = 0;
    bool ok = false;
};

// One traced line of the graticule.
struct grid_line {
    bool parallel = false;  // true: constant latitude; false: constant longitude
    double degrees = 0;     // its latitude or longitude
    // The visible pieces, each a polyline of at least two points inside the
    // image (a line may leave the image and come back).
    std::vector<std::vector<pixel_point>> pieces;
    // Where the pieces meet the image border, in the order found.
    std::vector<pixel_point> border_points;
};

// Samples the pixel-to-geo model (C_Long, C_Lat) on a grid of points over
// the whole image and returns the smallest box holding them all. A model
// that folds inside the image is covered too, as the grid reaches the
// inside. Fails (ok false) when a sample is not finite or when the box has
// no width or height.
//   affine example C_Long = (8.9, 0.001, 0), C_Lat = (49.1, -0.001, 0),
//   1000 x 1000 pixels -> lat 48.1005 .. 49.1005, lon 8.8995 .. 9.8995
geo_box image_geo_box(const calibration& c, int width, int height);

// A round graticule interval in degrees that divides span (degrees) into
// about ten parts: the interval from 1", 2", 5", 10", 15", 20", 30", 1', 2',
// 5', 10', 15', 20', 30', 1, 2, 5, 10, 15, 20, 30, 45 degrees whose ratio
// to span / 10 is nearest 1 (compared on a log scale).
//   span 1 -> 5' (360" wanted; 300" is nearer than 600"); span 4 -> 20';
//   span 0 or less -> 1"
double default_step(double span);

// Most lines drawn in one direction; a smaller step is refused.
constexpr long max_lines_per_direction = 1000;

// Number of multiples of step from lo to hi, both inclusive:
// floor(hi / step) - ceil(lo / step) + 1; 0 when there are none.
//   lo 48.1, hi 49.1, step 0.25 -> 4 (48.25, 48.5, 48.75, 49)
long count_multiples(double lo, double hi, double step);

// Traces the graticule: a parallel at every multiple of lat_step inside
// box, a meridian at every multiple of lon_step, each sampled at
// trace_samples points along the box (padded by a tenth of its size on each
// side, so that lines reach the image edges when the two model directions
// disagree a little), mapped to pixels with C_X and C_Y and clipped to the
// image. Lines that miss the image are left out. Line values are k * step,
// formed in whole seconds of arc when step is a whole number of seconds, so
// that 48.5 is exact for a step of 5' as for 0.25.
std::vector<grid_line> trace_graticule(const calibration& c, int width, int height,
                                       const geo_box& box, double lat_step,
                                       double lon_step);

// A latitude or longitude as a label in whole degrees, minutes and (only
// when not zero) seconds, rounded to the nearest second, with the
// hemisphere letter: N/S for a latitude, E/W for a longitude. The degree
// mark is U+00B0 in UTF-8.
//   48.5 lat -> "48°30'N"   9.0 lon -> "9°00'E"   -0.25 lon -> "0°15'W"
//   47.99999 lat -> "48°00'N" (the seconds carry)   10.0041667 -> "10°00'15\"E"
std::string degrees_minutes(double degrees, bool latitude);

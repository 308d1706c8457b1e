#include "graticule.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "model.h"

namespace {

constexpr int box_samples = 33;        // samples per image side for the geo box
constexpr int trace_samples = 1025;    // samples along one traced line
constexpr double box_padding = 0.1;    // padding of a traced line, fraction of the box
constexpr double simplify_tolerance = 0.05;  // pixels a dropped point may lie off
constexpr double seconds_per_degree = 3600.0;

// Round intervals in seconds of arc, from 1" to 45 degrees.
constexpr double round_steps_seconds[] = {
    1, 2, 5, 10, 15, 20, 30,                          // seconds
    60, 120, 300, 600, 900, 1200, 1800,               // minutes
    3600, 7200, 18000, 36000, 54000, 72000, 108000, 162000,  // degrees
};
constexpr double lines_per_direction = 10.0;

// Image area in model pixels.
struct pixel_rect {
    double left, top, right, bottom;
};

// Clips the segment p0-p1 to rect (Liang-Barsky): the part kept runs from
// p0 + t0 (p1 - p0) to p0 + t1 (p1 - p0). Returns false when no part of it
// lies inside; a segment touching an edge from outside gives t0 = t1.
//   rect -0.5 .. 999.5 both ways, (-100.5, 500) -> (99.5, 500): t0 = 0.5,
//   t1 = 1 (enters at x = -0.5); (-10, -10) -> (-5, -5): false
bool clip_segment(pixel_point p0, pixel_point p1, const pixel_rect& rect, double& t0,
                  double& t1)
{
    double dx = p1.x - p0.x, dy = p1.y - p0.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {p0.x - rect.left, rect.right - p0.x, p0.y - rect.top,
                         rect.bottom - p0.y};
    t0 = 0.0;
    t1 = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1)
                return false;
            if (t > t0)
                t0 = t;
        } else {
            if (t < t0)
                return false;
            if (t < t1)
                t1 = t;
        }
    }
    return true;
}

pixel_point along(pixel_point p0, pixel_point p1, double t)
{
    return {p0.x + t * (p1.x - p0.x), p0.y + t * (p1.y - p0.y)};
}

// Distance in pixels of p from the segment a-b: from the foot of the
// perpendicular when it falls on the segment, else from the nearer end.
//   p (5, 3), a (0, 0), b (10, 0) -> 3;   p (13, 4), same a, b -> 5 (from b)
double off_line(pixel_point p, pixel_point a, pixel_point b)
{
    double dx = b.x - a.x, dy = b.y - a.y;
    double length2 = dx * dx + dy * dy;
    double t = length2 > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Keeps the points of a polyline that are needed to stay within
// simplify_tolerance of it (Douglas-Peucker): between two kept points, the
// point farthest from their chord is kept when it lies farther than the
// tolerance, and both halves are looked at again. A straight line keeps
// its two ends.
std::vector<pixel_point> simplify(const std::vector<pixel_point>& points)
{
    if (points.size() < 3)
        return points;
    std::vector<bool> keep(points.size(), false);
    keep.front() = keep.back() = true;
    std::vector<std::pair<std::size_t, std::size_t>> spans{{0, points.size() - 1}};
    while (!spans.empty()) {
        auto [first, last] = spans.back();
        spans.pop_back();
        double farthest = simplify_tolerance;
        std::size_t at = 0;
        for (std::size_t i = first + 1; i < last; ++i) {
            double d = off_line(points[i], points[first], points[last]);
            if (d > farthest) {
                farthest = d;
                at = i;
            }
        }
        if (at != 0) {
            keep[at] = true;
            spans.push_back({first, at});
            spans.push_back({at, last});
        }
    }
    std::vector<pixel_point> kept;
    for (std::size_t i = 0; i < points.size(); ++i)
        if (keep[i])
            kept.push_back(points[i]);
    return kept;
}

// Traces one line through the samples and clips it; appends the pieces and
// the border points to line.
void clip_trace(const std::vector<pixel_point>& samples, const pixel_rect& rect,
                grid_line& line)
{
    std::vector<pixel_point> piece;
    auto close_piece = [&]() {
        if (piece.size() >= 2)
            line.pieces.push_back(simplify(piece));
        piece.clear();
    };
    for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
        pixel_point p0 = samples[i], p1 = samples[i + 1];
        double t0, t1;
        if (!std::isfinite(p0.x) || !std::isfinite(p0.y) || !std::isfinite(p1.x) ||
            !std::isfinite(p1.y) || !clip_segment(p0, p1, rect, t0, t1) || t1 <= t0) {
            close_piece();
            continue;
        }
        if (t0 > 0.0 || piece.empty()) {
            close_piece();
            piece.push_back(along(p0, p1, t0));
            if (t0 > 0.0)
                line.border_points.push_back(piece.back());
        }
        piece.push_back(t1 < 1.0 ? along(p0, p1, t1) : p1);
        if (t1 < 1.0) {
            line.border_points.push_back(piece.back());
            close_piece();
        }
    }
    close_piece();
}

}  // namespace

geo_box image_geo_box(const calibration& c, int width, int height)
{
    geo_box box;
    box.lat_min = box.lon_min = INFINITY;
    box.lat_max = box.lon_max = -INFINITY;
    for (int i = 0; i < box_samples; ++i) {
        double y = -0.5 + height * (i / (box_samples - 1.0));
        for (int j = 0; j < box_samples; ++j) {
            double x = -0.5 + width * (j / (box_samples - 1.0));
            double lat = model_latitude(c, x, y), lon = model_longitude(c, x, y);
            if (!std::isfinite(lat) || !std::isfinite(lon))
                return geo_box{};
            box.lat_min = std::fmin(box.lat_min, lat);
            box.lat_max = std::fmax(box.lat_max, lat);
            box.lon_min = std::fmin(box.lon_min, lon);
            box.lon_max = std::fmax(box.lon_max, lon);
        }
    }
    box.ok = box.lat_max > box.lat_min && box.lon_max > box.lon_min;
    return box;
}

double default_step(double span)
{
    double wanted = span / lines_per_direction * seconds_per_degree;
    double best = round_steps_seconds[0];
    if (!(wanted > 0.0) || !std::isfinite(wanted))
        return best / seconds_per_degree;
    double best_distance = INFINITY;
    for (double step : round_steps_seconds) {
        double distance = std::fabs(std::log(wanted / step));
        if (distance < best_distance) {
            best_distance = distance;
            best = step;
        }
    }
    return best / seconds_per_degree;
}

long count_multiples(double lo, double hi, double step)
{
    double first = std::ceil(lo / step), last = std::floor(hi / step);
    return last >= first ? static_cast<long>(last - first) + 1 : 0;
}

std::vector<grid_line> trace_graticule(const calibration& c, int width, int height,
                                       const geo_box& box, double lat_step, double lon_step)
{
    const pixel_rect rect{-0.5, -0.5, width - 0.5, height - 0.5};
    double lat_pad = (box.lat_max - box.lat_min) * box_padding;
    double lon_pad = (box.lon_max - box.lon_min) * box_padding;
    double lat_from = box.lat_min - lat_pad, lat_to = box.lat_max + lat_pad;
    double lon_from = box.lon_min - lon_pad, lon_to = box.lon_max + lon_pad;

    std::vector<grid_line> lines;
    std::vector<pixel_point> samples(trace_samples);
    for (int pass = 0; pass < 2; ++pass) {
        bool parallel = pass == 0;
        double step = parallel ? lat_step : lon_step;
        double lo = parallel ? box.lat_min : box.lon_min;
        double hi = parallel ? box.lat_max : box.lon_max;
        double along_from = parallel ? lon_from : lat_from;
        double along_to = parallel ? lon_to : lat_to;
        long first = static_cast<long>(std::ceil(lo / step));
        long count = count_multiples(lo, hi, step);
        // A step of whole seconds (5' is 300") gives lines at k * 300 / 3600,
        // which hits 48.5 exactly where k * 0.08333.. would not.
        double step_seconds = step * seconds_per_degree;
        bool whole_seconds = std::fabs(step_seconds - std::round(step_seconds)) < 1e-9;
        for (long k = first; k < first + count; ++k) {
            grid_line line;
            line.parallel = parallel;
            line.degrees = whole_seconds
                               ? static_cast<double>(k) * std::round(step_seconds) /
                                     seconds_per_degree
                               : static_cast<double>(k) * step;
            for (int i = 0; i < trace_samples; ++i) {
                double t = along_from + (along_to - along_from) * (i / (trace_samples - 1.0));
                double lat = parallel ? line.degrees : t;
                double lon = parallel ? t : line.degrees;
                samples[i] = {model_pixel_x(c, lat, lon), model_pixel_y(c, lat, lon)};
            }
            clip_trace(samples, rect, line);
            if (!line.pieces.empty())
                lines.push_back(std::move(line));
        }
    }
    return lines;
}

std::string degrees_minutes(double degrees, bool latitude)
{
    long long total = std::llround(std::fabs(degrees) * seconds_per_degree);
    long long whole = total / 3600, minutes = total % 3600 / 60, seconds = total % 60;
    char hemisphere = latitude ? (degrees < 0 && total != 0 ? 'S' : 'N')
                               : (degrees < 0 && total != 0 ? 'W' : 'E');
    char text[64];
    if (seconds != 0)
        std::snprintf(text, sizeof text, "%lld\u00b0%02lld'%02lld\"%c", whole, minutes, seconds,
                      hemisphere);
    else
        std::snprintf(text, sizeof text, "%lld\u00b0%02lld'%c", whole, minutes, hemisphere);
    return text;
}

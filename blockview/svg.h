// The overlay as an SVG document: the map image (when given), the
// round-trip layer with its legend (nine-value models), the graticule and
// its labels. SVG user units are image pixels; the model pixel (x, y) is
// drawn at the pixel's centre, (x + 0.5, y + 0.5).
#pragma once

#include <string>
#include <vector>

#include "block_file.h"
#include "graticule.h"
#include "round_trip.h"

struct overlay_picture {
    int width = 0, height = 0;     // image pixels
    std::string image_path;        // referenced as given; empty: no image
    std::string title;             // shown as the document title
    std::vector<grid_line> lines;  // the traced graticule
    bool has_round_trip = false;   // draw round_trip and its legend
    round_trip_grid round_trip;
};

// The whole document, UTF-8, ending with a line end.
std::string render_svg(const overlay_picture& picture);

// Text with &, <, >, " and ' written as XML entities:
//   "a<b & 'c'" -> "a&lt;b &amp; &apos;c&apos;"
std::string xml_escaped(const std::string& text);

// A file path as a URI reference: bytes other than letters, digits and
// - . _ ~ / are written %XX (upper-case hex):
//   "maps/Blatt 12#a.png" -> "maps/Blatt%2012%23a.png"
std::string path_as_uri(const std::string& path);

#include "svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Look of the overlay. Sizes that grow with the map are fractions of its
// shorter side, with a floor so that small maps stay legible.
constexpr double line_width_fraction = 1.0 / 800;  // of the shorter side
constexpr double line_width_least = 1.0;           // pixels
constexpr double font_fraction = 1.0 / 50;
constexpr double font_least = 12.0;                // pixels
constexpr const char* line_colour = "#d00000";
constexpr double line_opacity = 0.8;
constexpr const char* label_colour = "#900000";
constexpr double shade_opacity = 0.35;
// Fill of each round-trip class; class 0 is not shaded.
constexpr const char* class_colours[round_trip_classes] = {
    "none", "#ffff00", "#ffc000", "#ff8000", "#ff4000", "#d00000", "#800080"};
constexpr const char* class_names[round_trip_classes] = {
    "below 0.5 px", "0.5 to 1 px", "1 to 2 px", "2 to 5 px",
    "5 to 10 px", "10 to 20 px", "20 px or more"};
constexpr double corner_height = 2.0;  // fonts: strip along top and bottom kept for meridian labels
constexpr double corner_width = 5.0;   // fonts: strip along the sides kept for parallel labels
constexpr double border_tolerance = 1e-6;  // pixels: a point this near an edge is on it

// Appends a number with two decimals, without "-0.00".
void put_number(std::string& out, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    if (std::string(text) == "-0.00")
        out += "0.00";
    else
        out += text;
}

// A number with at most two decimals, for sizes in the markup: 1.5 -> "1.5".
std::string short_number(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string s = text;
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.')
        s.pop_back();
    return s;
}

void put_rect(std::string& out, double x, double y, double w, double h, const char* fill)
{
    out += "<rect x=\"";
    put_number(out, x);
    out += "\" y=\"";
    put_number(out, y);
    out += "\" width=\"";
    put_number(out, w);
    out += "\" height=\"";
    put_number(out, h);
    out += "\" fill=\"";
    out += fill;
    out += "\"/>\n";
}

// The cells of one class in a row are merged into one rectangle.
void put_round_trip(std::string& out, const round_trip_grid& grid)
{
    out += "<g id=\"round-trip\" fill-opacity=\"" + short_number(shade_opacity) + "\">\n";
    for (int row = 0; row < grid.rows; ++row) {
        const double* d = &grid.distance[static_cast<std::size_t>(row) * grid.columns];
        int column = 0;
        while (column < grid.columns) {
            int k = round_trip_class(d[column]);
            int end = column + 1;
            while (end < grid.columns && round_trip_class(d[end]) == k)
                ++end;
            if (k != 0)
                put_rect(out, column * grid.cell_width, row * grid.cell_height,
                         (end - column) * grid.cell_width, grid.cell_height, class_colours[k]);
            column = end;
        }
    }
    out += "</g>\n";
}

void put_legend(std::string& out, const round_trip_grid& grid, int width, int height,
                double font)
{
    double size = font * 0.8;  // legend text, pixels
    double row_height = size * 1.4;
    double box_width = size * 17;
    double box_height = row_height * (round_trip_classes + 2.5);
    double left = width - box_width - size, top = height - box_height - size;
    out += "<g id=\"legend\" font-family=\"sans-serif\" font-size=\"" + short_number(size) +
           "\">\n";
    out += "<rect x=\"";
    put_number(out, left);
    out += "\" y=\"";
    put_number(out, top);
    out += "\" width=\"";
    put_number(out, box_width);
    out += "\" height=\"";
    put_number(out, box_height);
    out += "\" fill=\"white\" fill-opacity=\"0.85\" stroke=\"#404040\"/>\n";
    double x = left + size * 0.6, y = top + row_height;
    out += "<text x=\"";
    put_number(out, x);
    out += "\" y=\"";
    put_number(out, y);
    out += "\">Round trip pixel \u2192 position \u2192 pixel</text>\n";
    for (int k = 0; k < round_trip_classes; ++k) {
        y += row_height;
        out += "<rect x=\"";
        put_number(out, x);
        out += "\" y=\"";
        put_number(out, y - size * 0.85);
        out += "\" width=\"";
        put_number(out, size * 1.6);
        out += "\" height=\"";
        put_number(out, size);
        out += "\" fill=\"" + std::string(k == 0 ? "white" : class_colours[k]) +
               "\" fill-opacity=\"" + short_number(k == 0 ? 1.0 : shade_opacity) +
               "\" stroke=\"#404040\" stroke-width=\"0.5\"/>\n";
        out += "<text x=\"";
        put_number(out, x + size * 2.2);
        out += "\" y=\"";
        put_number(out, y);
        out += "\">" + std::string(class_names[k]) +
               (k == round_trip_classes - 1 ? " or undefined" : "") + "</text>\n";
    }
    y += row_height;
    char largest[96];
    std::snprintf(largest, sizeof largest, "largest: %.2f px%s", grid.largest,
                  grid.any_not_finite ? ", some undefined" : "");
    out += "<text x=\"";
    put_number(out, x);
    out += "\" y=\"";
    put_number(out, y);
    out += "\">" + std::string(largest) + "</text>\n</g>\n";
}

// Label of a line at the border point nearest the left edge (parallels) or
// the top edge (meridians), set just inside the image along the line.
void put_label(std::string& out, const grid_line& line, int width, int height, double font)
{
    if (line.border_points.empty())
        return;
    pixel_point at = line.border_points.front();
    for (const pixel_point& p : line.border_points) {
        if (line.parallel ? p.x < at.x : p.y < at.y)
            at = p;
    }
    // In SVG units (pixel corners), the image spans 0..width and 0..height.
    double x = at.x + 0.5, y = at.y + 0.5;
    // Parallels are labelled at the side edges and meridians at the top and
    // bottom; near a corner the two would overlap, so the label that would
    // stand in the other kind's corner strip is left out.
    if (line.parallel ? (y < corner_height * font || y > height - corner_height * font)
                      : (x < corner_width * font || x > width - corner_width * font))
        return;
    double gap = font * 0.3;
    const char* anchor = "start";
    if (x >= width - border_tolerance) {
        anchor = "end";
        x -= gap;
    } else if (x <= border_tolerance) {
        x += gap;
    } else {
        x += gap;  // top or bottom edge: text to the right of the line
    }
    if (y <= border_tolerance)
        y += font;  // below the top edge
    else if (y >= height - border_tolerance)
        y -= gap;
    else
        y -= gap;  // left or right edge: text above the line
    out += "<text x=\"";
    put_number(out, x);
    out += "\" y=\"";
    put_number(out, y);
    out += "\" text-anchor=\"";
    out += anchor;
    out += "\">" + degrees_minutes(line.degrees, line.parallel) + "</text>\n";
}

}  // namespace

std::string xml_escaped(const std::string& text)
{
    std::string out;
    for (char ch : text) {
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default: out += ch;
        }
    }
    return out;
}

std::string path_as_uri(const std::string& path)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char ch : path) {
        bool plain = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') ||
                     (ch >= '0' && ch <= '9') || ch == '-' || ch == '.' || ch == '_' ||
                     ch == '~' || ch == '/';
        if (plain) {
            out += static_cast<char>(ch);
        } else {
            out += '%';
            out += hex[ch >> 4];
            out += hex[ch & 0x0F];
        }
    }
    return out;
}

std::string render_svg(const overlay_picture& picture)
{
    const int w = picture.width, h = picture.height;
    double shorter = std::min(w, h);
    double line_width = std::max(line_width_least, shorter * line_width_fraction);
    double font = std::max(font_least, shorter * font_fraction);
    std::string size = std::to_string(w) + "\" height=\"" + std::to_string(h);

    std::string out;
    out.reserve(1 << 16);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"" + size +
           "\" viewBox=\"0 0 " + std::to_string(w) + " " + std::to_string(h) + "\">\n";
    out += "<title>" + xml_escaped(picture.title) + "</title>\n";
    if (!picture.image_path.empty())
        out += "<image x=\"0\" y=\"0\" width=\"" + size +
               "\" preserveAspectRatio=\"none\" xlink:href=\"" +
               xml_escaped(path_as_uri(picture.image_path)) + "\"/>\n";
    if (picture.has_round_trip)
        put_round_trip(out, picture.round_trip);

    out += "<g id=\"graticule\" transform=\"translate(0.5 0.5)\" fill=\"none\" stroke=\"";
    out += line_colour;
    out += "\" stroke-opacity=\"" + short_number(line_opacity) + "\" stroke-width=\"" +
           short_number(line_width) + "\" stroke-linejoin=\"round\" stroke-linecap=\"round\">\n";
    for (const grid_line& line : picture.lines) {
        for (const auto& piece : line.pieces) {
            out += line.parallel ? "<polyline class=\"parallel\" points=\""
                                 : "<polyline class=\"meridian\" points=\"";
            for (std::size_t i = 0; i < piece.size(); ++i) {
                if (i > 0)
                    out += ' ';
                put_number(out, piece[i].x);
                out += ',';
                put_number(out, piece[i].y);
            }
            out += "\"/>\n";
        }
    }
    out += "</g>\n";

    out += "<g id=\"labels\" font-family=\"sans-serif\" font-size=\"" + short_number(font) +
           "\" fill=\"";
    out += label_colour;
    out += "\" stroke=\"white\" stroke-width=\"" + short_number(font * 0.15) +
           "\" stroke-opacity=\"0.8\" paint-order=\"stroke\">\n";
    for (const grid_line& line : picture.lines)
        put_label(out, line, w, h, font);
    out += "</g>\n";

    if (picture.has_round_trip)
        put_legend(out, picture.round_trip, w, h, font);
    out += "</svg>\n";
    return out;
}

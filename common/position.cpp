#include "position.h"

#include <cmath>
#include <cstdio>

#include "fixed_format.h"

namespace {

const char* not_finite_text(double v)
{
    if (std::isnan(v))
        return "NaN";
    return v < 0 ? "-Inf" : "Inf";
}

// Room for one whole position, also of the largest doubles: a coordinate
// takes at most 638 characters (317 for "%.6f", 309 for the degrees).
constexpr std::size_t position_text_size = 1536;

// Appends text at *end within the buffer's last byte.
void put(char* buffer, char*& end, const char* text)
{
    while (*text != '\0' && end < buffer + position_text_size - 1)
        *end++ = *text++;
    *end = '\0';
}

void put_fixed(char* buffer, char*& end, double v, int decimals)
{
    char number[fixed_text_size];
    format_fixed(number, sizeof number, v, decimals);
    put(buffer, end, number);
}

// Appends "<decimal> (<d>\xa1<m>'<s>\"" for one coordinate.
void put_coordinate(char* buffer, char*& end, double v)
{
    if (!std::isfinite(v)) {
        const char* text = not_finite_text(v);
        put(buffer, end, text);
        put(buffer, end, " (");
        put(buffer, end, text[0] == '-' ? text + 1 : text);
        put(buffer, end, "\xa1" "0'0.00\"");
        return;
    }
    dms parts = decompose_angle(v);
    put_fixed(buffer, end, v + 0.0, 6);  // + 0.0: a negative zero is shown as zero
    put(buffer, end, " (");
    put_fixed(buffer, end, parts.degrees, 0);
    put(buffer, end, "\xa1");
    put_fixed(buffer, end, parts.minutes, 0);
    put(buffer, end, "'");
    put_fixed(buffer, end, parts.seconds, 2);
    put(buffer, end, "\"");
}

}  // namespace

dms decompose_angle(double v)
{
    double a = std::fabs(v);
    double d = std::trunc(a);
    double mf = (a - d) * 60;
    double m = std::trunc(mf);
    double s = (mf - m) * 60;
    // Seconds whose ceiling is 60, that is, above 59, carry into the minutes.
    if (std::ceil(s) >= 60) {
        s = 0;
        m = m + 1;
        if (m == 60) {
            m = 0;
            d = d + 1;
        }
    }
    return {d, m, s};
}

void print_position(double latitude, double longitude, position_closing closing)
{
    static const char* const closings[][2] = {
        {"E):", "W):"},    // standard
        {"E): ", "W): "},  // quadrant
        {"E)", "W)"},      // converter
    };
    char text[position_text_size];
    char* end = text;
    put_coordinate(text, end, latitude);
    put(text, end, latitude < 0 ? "S)" : "N)");
    put(text, end, ", ");
    put_coordinate(text, end, longitude);
    put(text, end, closings[static_cast<int>(closing)][longitude < 0 ? 1 : 0]);
    std::fputs(text, stdout);
}

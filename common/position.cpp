#include "position.h"

#include <cmath>
#include <cstdio>

namespace {

const char* not_finite_text(double v)
{
    if (std::isnan(v))
        return "NaN";
    return v < 0 ? "-Inf" : "Inf";
}

// Writes "<decimal> (<d>\xa1<m>'<s>\"" for one coordinate, after the given
// lead-in text.
void print_coordinate(const char* lead, double v)
{
    if (!std::isfinite(v)) {
        const char* text = not_finite_text(v);
        std::printf("%s%s (%s\xa1" "0'0.00\"", lead, text, text[0] == '-' ? text + 1 : text);
        return;
    }
    dms parts = decompose_angle(v);
    // v + 0.0 turns a negative zero into zero, written without a sign.
    std::printf("%s%.6f (%.0f\xa1%.0f'%.2f\"", lead, v + 0.0, parts.degrees, parts.minutes,
                parts.seconds);
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
    print_coordinate("", latitude);
    std::fputs(latitude < 0 ? "S)" : "N)", stdout);
    print_coordinate(", ", longitude);
    bool west = longitude < 0;
    switch (closing) {
    case position_closing::standard:
        std::fputs(west ? "W):" : "E):", stdout);
        break;
    case position_closing::quadrant:
        std::fputs(west ? "W): " : "E): ", stdout);
        break;
    case position_closing::converter:
        std::fputs(west ? "W)" : "E)", stdout);
        break;
    }
}

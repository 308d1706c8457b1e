// print_position fed arbitrary doubles in all three closing forms. Checks
// the shape of what it writes: the decimal value, then in parentheses whole
// degrees, minutes 0..59, seconds 0.00..59.00 and the hemisphere letter, and
// the closing; no minus sign inside the parentheses.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "position.h"

namespace {

void check(bool property)
{
    if (!property)
        std::abort();
}

// Checks one "(d\xa1m's\"L)" part at p; returns the text after it.
const char* check_parenthesis(const char* p, double v, char positive, char negative)
{
    check(*p++ == '(');
    if (!std::isfinite(v)) {
        const char* spelled = std::isnan(v) ? "NaN\xa1" "0'0.00\"" : "Inf\xa1" "0'0.00\"";
        check(std::strncmp(p, spelled, std::strlen(spelled)) == 0);
        p += std::strlen(spelled);
    } else {
        double degrees = 0;
        int minutes = -1;
        double seconds = -1;
        int used = 0;
        check(std::sscanf(p, "%lf\xa1%d'%lf\"%n", &degrees, &minutes, &seconds, &used) == 3);
        check(used > 0 && std::memchr(p, '-', static_cast<std::size_t>(used)) == nullptr);
        check(degrees == std::trunc(std::fabs(v)) || degrees == std::trunc(std::fabs(v)) + 1);
        check(minutes >= 0 && minutes <= 59);
        check(seconds >= 0 && seconds <= 59.0);
        p += used;
    }
    check(*p++ == (v < 0 ? negative : positive));
    check(*p++ == ')');
    return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2 * sizeof(double) + 1)
        return 0;
    double latitude, longitude;
    std::memcpy(&latitude, data, sizeof latitude);
    std::memcpy(&longitude, data + sizeof latitude, sizeof longitude);
    position_closing closing = static_cast<position_closing>(data[2 * sizeof(double)] % 3);

    static char text[2048];
    std::memset(text, 0, sizeof text);
    std::FILE* saved = stdout;
    stdout = fmemopen(text, sizeof text - 1, "w");
    check(stdout != nullptr);
    print_position(latitude, longitude, closing);
    std::fclose(stdout);
    stdout = saved;

    char* rest = nullptr;
    double shown = std::strtod(text, &rest);
    if (std::isfinite(latitude))
        check(std::fabs(shown - latitude) <= 5e-7 * (1 + std::fabs(latitude)));
    check(*rest++ == ' ');
    const char* p = check_parenthesis(rest, latitude, 'N', 'S');
    check(std::strncmp(p, ", ", 2) == 0);
    p += 2;
    shown = std::strtod(p, &rest);
    check(*rest++ == ' ');
    p = check_parenthesis(rest, longitude, 'E', 'W');
    const char* closings[] = {":", ": ", ""};
    check(std::strcmp(p, closings[static_cast<int>(closing)]) == 0);
    return 0;
}

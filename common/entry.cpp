#include "entry.h"

#include <cstdio>
#include <cstdlib>

#include "common_state.h"
#include "input.h"

namespace {

// The value a degrees field keeps when the line does not supply it; far
// outside every bound the programs pass, so such a line is refused.
constexpr double degrees_unset = 99999999.0;
// The integer field keeps this when the line holds no number; a typed -1 is
// refused just the same.
constexpr long pixel_unset = -1;

// Prints the prompt and reads the answer. Returns true when the line is to
// be examined; false when the exit answer was given or input has ended, in
// which case the caller returns 0 at once.
bool ask(const char* prompt, input_line& line)
{
    std::fputs(prompt, stdout);
    if (!read_line(line)) {
        input_ended = true;
        return false;
    }
    if (line.text[0] == 'E' || line.text[0] == 'e') {
        exit_requested = true;
        return false;
    }
    return true;
}

void refuse()
{
    std::fputs("\a", stdout);
}

// White space as the C library's conversions skip it.
bool is_blank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of a plain decimal number at p: an optional sign, digits with an
// optional point, at least one digit ("47", "-0.5", "12.", ".5"); 0 when
// there is none.
int plain_number_length(const char* p)
{
    const char* q = p;
    if (*q == '+' || *q == '-')
        ++q;
    int digits = 0;
    for (; is_digit(*q); ++q)
        ++digits;
    if (*q == '.')
        for (++q; is_digit(*q); ++q)
            ++digits;
    return digits > 0 ? static_cast<int>(q - p) : 0;
}

// The value of a plain decimal number of the given length, as strtod gives
// it. With at most 15 digits and 22 decimals, digits and power of ten are
// both exact doubles, and one division rounds their quotient correctly: the
// same double that strtod finds. Longer numbers go to strtod.
double plain_number_value(const char* p, int length)
{
    constexpr int exact_digits = 15;
    constexpr int exact_powers = 22;
    static const double powers_of_ten[exact_powers + 1] = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const char* q = p;
    bool negative = *q == '-';
    if (*q == '+' || *q == '-')
        ++q;
    double digits = 0;
    int significant = 0;
    int decimals = 0;
    bool after_point = false;
    for (; q < p + length; ++q) {
        if (*q == '.') {
            after_point = true;
            continue;
        }
        if (significant > 0 || *q != '0')
            ++significant;
        digits = digits * 10 + (*q - '0');
        if (after_point)
            ++decimals;
    }
    if (significant > exact_digits || decimals > exact_powers)
        return std::strtod(p, nullptr);
    double value = digits / powers_of_ten[decimals];
    return negative ? -value : value;
}

}  // namespace

int32_t read_pixel(const char* prompt)
{
    input_line line;
    for (;;) {
        if (!ask(prompt, line))
            return 0;
        long value = pixel_unset;
        if (!line.too_long)
            std::sscanf(line.text, "%ld", &value);
        if (value != pixel_unset && value >= INT32_MIN && value <= INT32_MAX)
            return static_cast<int32_t>(value);
        refuse();
    }
}

double read_angle(const char* prompt, double low, double high)
{
    input_line line;
    for (;;) {
        if (!ask(prompt, line))
            return 0.0;
        if (line.too_long) {
            refuse();
            continue;
        }
        for (int i = 0; i < line.length; ++i)
            if (line.text[i] == ',')
                line.text[i] = '.';
        double degrees = degrees_unset;
        double minutes = 0.0;
        double seconds = 0.0;
        scan_angle_fields(line.text, degrees, minutes, seconds);
        // Written so that a field that is not a number fails its test.
        bool fields_ok = minutes >= 0.0 && minutes < 60.0 && seconds >= 0.0 && seconds < 60.0;
        if (fields_ok) {
            double fraction = (seconds / 60 + minutes) / 60;
            double value = degrees < 0 ? degrees - fraction : degrees + fraction;
            if (low <= value && value <= high)
                return value;
        }
        refuse();
    }
}

void scan_angle_fields(const char* text, double& degrees, double& minutes, double& seconds)
{
    // A line of at most three plain numbers, each ended by white space or
    // the line's end, converts number by number to the values that strtod,
    // the conversion behind "%lf", gives. Any other line goes to sscanf.
    constexpr int field_count = 3;
    double values[field_count];
    int count = 0;
    for (const char* p = text;;) {
        while (is_blank(*p))
            ++p;
        if (*p == '\0')
            break;
        int length = count < field_count ? plain_number_length(p) : 0;
        if (length == 0 || !(is_blank(p[length]) || p[length] == '\0')) {
            std::sscanf(text, "%lf %lf %lf", &degrees, &minutes, &seconds);
            return;
        }
        values[count++] = plain_number_value(p, length);
        p += length;
    }
    double* fields[field_count] = {&degrees, &minutes, &seconds};
    for (int i = 0; i < count; ++i)
        *fields[i] = values[i];
}

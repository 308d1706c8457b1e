#include "entry.h"

#include <cstdio>

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
        std::sscanf(line.text, "%lf %lf %lf", &degrees, &minutes, &seconds);
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

#include "block.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "common_state.h"

namespace {

// Blanks in front of every key, and the width of the key text before "[".
constexpr int key_indent = 22;
constexpr int key_text_width = 37;
// A nine-value vector breaks its line after every third value.
constexpr int values_per_line = 3;

// Spelling of values that are not finite numbers.
const char* not_finite_text(double v)
{
    if (std::isnan(v))
        return "NaN";
    return v < 0 ? "-Inf" : "Inf";
}

// Appends text to result_text. The buffer is sized for the largest block
// with room to spare; should it ever be full, the text is cut rather than
// written past its end.
void append(const char* text)
{
    std::size_t used = std::strlen(result_text);
    std::size_t room = result_text_size - used;
    std::snprintf(result_text + used, room, "%s", text);
}

}  // namespace

void block_begin()
{
    result_text[0] = '\0';
}

void format_block_value(double v)
{
    if (!std::isfinite(v))
        std::snprintf(value_text, value_text_size, "%17s", not_finite_text(v));
    else
        std::snprintf(value_text, value_text_size, "%17.10E", v + 0.0);
}

void block_append_vector(const char* key, const double* values, int count)
{
    std::snprintf(value_text, value_text_size, "%*s%-12s: [", key_indent, "", key);
    append(value_text);
    for (int i = 0; i < count; ++i) {
        format_block_value(values[i]);
        append(value_text);
        if (i == count - 1) {
            append("],\n");
        } else if ((i + 1) % values_per_line == 0 && count > values_per_line) {
            std::snprintf(value_text, value_text_size, ",\n%*s", key_text_width, "");
            append(value_text);
        } else {
            append(", ");
        }
    }
}

void block_append_a(double a)
{
    if (!std::isfinite(a))
        std::snprintf(value_text, value_text_size, "%*sA           : %s,\n\n", key_indent, "",
                      not_finite_text(a));
    else
        std::snprintf(value_text, value_text_size, "%*sA           : %.1f,\n\n", key_indent, "",
                      a + 0.0);
    append(value_text);
}

// The coefficient block fed arbitrary doubles (every bit pattern: NaN
// payloads, negative zero, subnormals, infinities). Checks that every value
// field is 17 characters, or 18 for a negative value with a three-digit
// exponent, that zero never shows a sign, and that the block holds only
// printable ASCII and line ends and ends with ",\n\n".

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "block.h"
#include "common_state.h"

char result_text[4096];
const std::size_t result_text_size = sizeof result_text;

namespace {

void check(bool property)
{
    if (!property)
        std::abort();
}

void check_field(double v)
{
    format_block_value(v);
    std::size_t length = std::strlen(value_text);
    const char* exponent = std::strrchr(value_text, 'E');
    bool three_digits = exponent != nullptr && std::strlen(exponent) == 5;
    if (three_digits)
        check(length == 17 || (length == 18 && value_text[0] == '-'));
    else
        check(length == 17);
    if (v == 0)
        check(std::strcmp(value_text, " 0.0000000000E+00") == 0);
    if (std::isnan(v))
        check(std::strcmp(value_text, "              NaN") == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    constexpr int values_per_vector = 9;
    double values[4][values_per_vector] = {};
    std::size_t count = size / sizeof(double);
    if (count > 4 * values_per_vector + 1)
        count = 4 * values_per_vector + 1;
    double a = 0;
    for (std::size_t i = 0; i < count; ++i) {
        double v;
        std::memcpy(&v, data + i * sizeof v, sizeof v);
        if (i < 4 * values_per_vector)
            values[i / values_per_vector][i % values_per_vector] = v;
        else
            a = v;
        check_field(v);
    }
    int n = size % 2 == 0 ? 9 : 3;
    const char* keys[] = {"C_X", "C_Y", "C_Long", "C_Lat"};
    block_begin();
    for (int k = 0; k < 4; ++k)
        block_append_vector(keys[k], values[k], n);
    block_append_a(a);
    std::size_t length = std::strlen(result_text);
    check(length < result_text_size - 1);
    for (std::size_t i = 0; i < length; ++i) {
        unsigned char c = static_cast<unsigned char>(result_text[i]);
        check(c == '\n' || (c >= 0x20 && c < 0x7f));
    }
    check(length > 3 && std::strcmp(result_text + length - 3, ",\n\n") == 0);
    return 0;
}

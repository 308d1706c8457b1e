#include "fixed_format.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

__extension__ typedef unsigned __int128 wide;

constexpr int most_decimals = 6;
constexpr std::uint64_t powers_of_ten[most_decimals + 1] = {1,      10,      100,    1000,
                                                            10000, 100000, 1000000};
// Below this magnitude every double is a whole multiple of 2^-1074 with a
// 53-bit mantissa and an exponent of at most 0 (written as mantissa * 2^-k).
constexpr double exact_limit = 9007199254740992.0;  // 2^53
constexpr int mantissa_bits = 53;
constexpr int exponent_bias = 1023;

}  // namespace

int format_fixed(char* out, std::size_t size, double v, int decimals)
{
    double a = std::fabs(v);
    if (!(a < exact_limit) || decimals < 0 || decimals > most_decimals || size < fixed_text_size)
        return std::snprintf(out, size, "%.*f", decimals, v);

    // a = mantissa * 2^-shift exactly, with shift >= 0, from the bits of a.
    std::uint64_t bits = std::bit_cast<std::uint64_t>(a);
    int biased_exponent = static_cast<int>(bits >> (mantissa_bits - 1));
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << (mantissa_bits - 1)) - 1);
    if (biased_exponent != 0)
        mantissa |= std::uint64_t{1} << (mantissa_bits - 1);
    else
        biased_exponent = 1;  // subnormal: no hidden bit, the smallest exponent
    int shift = exponent_bias + mantissa_bits - 1 - biased_exponent;

    // units = a * 10^decimals rounded to the nearest whole number, ties to
    // even; the product has at most 53 + 20 bits.
    wide scaled = static_cast<wide>(mantissa) * powers_of_ten[decimals];
    wide units = 0;
    if (shift == 0) {
        units = scaled;
    } else if (shift < 128) {
        units = scaled >> shift;
        wide rest = scaled - (units << shift);
        wide half = static_cast<wide>(1) << (shift - 1);
        if (rest > half || (rest == half && (units & 1) != 0))
            ++units;
    }  // else: below 2^-55 units, which rounds to zero

    // At most 2^53 * 10^6 units: after one 64-bit division by 10^decimals
    // the whole part fits in 64 bits again.
    std::uint64_t whole = 0;
    std::uint64_t part = 0;
    if (units >> 64 == 0) {
        std::uint64_t narrow = static_cast<std::uint64_t>(units);
        whole = narrow / powers_of_ten[decimals];
        part = narrow % powers_of_ten[decimals];
    } else {
        whole = static_cast<std::uint64_t>(units / powers_of_ten[decimals]);
        part = static_cast<std::uint64_t>(units % powers_of_ten[decimals]);
    }

    // Digits are written from the right end of a scratch buffer: at most 16
    // whole digits, the point, 6 decimals and the sign.
    char digits[32];
    char* p = digits + sizeof digits;
    for (int i = 0; i < decimals; ++i) {
        *--p = static_cast<char>('0' + part % 10);
        part /= 10;
    }
    if (decimals > 0)
        *--p = '.';
    do {
        *--p = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (std::signbit(v))
        *--p = '-';

    int length = static_cast<int>(digits + sizeof digits - p);
    for (int i = 0; i < length; ++i)
        out[i] = p[i];
    out[length] = '\0';
    return length;
}

#include "block_file.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

constexpr int key_count = 5;  // C_X, C_Y, C_Long, C_Lat, A
const char* const key_names[key_count] = {"C_X", "C_Y", "C_Long", "C_Lat", "A"};
constexpr int key_a = 4;      // index of A in key_names

// A read position in the text with its line number (from 1).
struct cursor {
    const std::string& text;
    std::size_t pos = 0;
    int line = 1;
};

bool at_end(const cursor& c) { return c.pos >= c.text.size(); }

// Skips blanks, tabs and line ends (CR and LF), counting lines.
void skip_space(cursor& c)
{
    while (!at_end(c)) {
        char ch = c.text[c.pos];
        if (ch == '\n')
            ++c.line;
        else if (ch != ' ' && ch != '\t' && ch != '\r')
            return;
        ++c.pos;
    }
}

// Skips blanks and tabs on the current line only.
void skip_blanks(cursor& c)
{
    while (!at_end(c) && (c.text[c.pos] == ' ' || c.text[c.pos] == '\t'))
        ++c.pos;
}

bool is_name_char(char ch, bool first)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || ch == '_' ||
           (!first && ch >= '0' && ch <= '9');
}

// A value runs up to a blank, a line end, a comma or a bracket.
std::string read_token(cursor& c)
{
    std::size_t start = c.pos;
    while (!at_end(c) && !std::strchr(" \t\r\n,[]", c.text[c.pos]))
        ++c.pos;
    return c.text.substr(start, c.pos - start);
}

// What the next character is, quoted for a message ("end of file" at the end).
std::string found_text(const cursor& c)
{
    if (at_end(c))
        return "end of file";
    char ch = c.text[c.pos];
    if (ch == '\n' || ch == '\r')
        return "end of line";
    if (static_cast<unsigned char>(ch) < 0x20 || static_cast<unsigned char>(ch) >= 0x7f)
        return "a byte outside printable ASCII";
    return std::string("'") + ch + "'";
}

// Converts one value as the calibrators write it: an optional sign, digits
// with an optional point and fraction, an optional exponent; or exactly Inf,
// -Inf or NaN. Accepted: " 1.0000000000E+02" (trimmed), "-4.0E-03", "12",
// "NaN". Refused: "1,5", "0x10", "inf", "1e", "", "12abc".
// Returns false for a text that is not such a number or lies beyond the
// range of a double.
bool to_number(const std::string& token, double& value)
{
    if (token == "Inf") {
        value = INFINITY;
        return true;
    }
    if (token == "-Inf") {
        value = -INFINITY;
        return true;
    }
    if (token == "NaN") {
        value = NAN;
        return true;
    }
    std::size_t i = 0, n = token.size();
    if (i < n && (token[i] == '+' || token[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < n && token[i] >= '0' && token[i] <= '9')
        ++i, ++digits;
    if (i < n && token[i] == '.') {
        ++i;
        while (i < n && token[i] >= '0' && token[i] <= '9')
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < n && (token[i] == 'E' || token[i] == 'e')) {
        ++i;
        if (i < n && (token[i] == '+' || token[i] == '-'))
            ++i;
        std::size_t exponent_digits = 0;
        while (i < n && token[i] >= '0' && token[i] <= '9')
            ++i, ++exponent_digits;
        if (exponent_digits == 0)
            return false;
    }
    if (i != n)
        return false;
    // from_chars reads no leading plus sign.
    const char* first = token.data() + (token[0] == '+' ? 1 : 0);
    auto [end, status] = std::from_chars(first, token.data() + n, value);
    return status == std::errc() && end == token.data() + n;
}

std::string at_line(const std::string& file_name, int line)
{
    return file_name + ":" + std::to_string(line) + ": ";
}

}  // namespace

bool parse_block(const std::string& text, const std::string& file_name,
                 calibration& result, std::string& error)
{
    double values[key_count][max_terms] = {};
    int counts[key_count] = {};
    int key_lines[key_count] = {};  // 0 while the key has not been seen
    cursor c{text};

    for (;;) {
        skip_space(c);
        if (at_end(c))
            break;
        int line = c.line;
        std::size_t start = c.pos;
        while (!at_end(c) && is_name_char(c.text[c.pos], c.pos == start))
            ++c.pos;
        std::string name = text.substr(start, c.pos - start);
        if (name.empty()) {
            error = at_line(file_name, line) + "expected a key (C_X, C_Y, C_Long, C_Lat or A), found " +
                    found_text(c);
            return false;
        }
        int key = 0;
        while (key < key_count && name != key_names[key])
            ++key;
        if (key == key_count) {
            error = at_line(file_name, line) + "unknown key '" + name +
                    "' (expected C_X, C_Y, C_Long, C_Lat or A)";
            return false;
        }
        if (key_lines[key] != 0) {
            error = at_line(file_name, line) + name + " is given twice (first on line " +
                    std::to_string(key_lines[key]) + ")";
            return false;
        }
        key_lines[key] = line;

        skip_blanks(c);
        if (at_end(c) || c.text[c.pos] != ':') {
            error = at_line(file_name, c.line) + "expected ':' after " + name + ", found " +
                    found_text(c);
            return false;
        }
        ++c.pos;
        skip_blanks(c);

        if (key == key_a) {
            std::string token = read_token(c);
            if (!to_number(token, values[key][0])) {
                error = at_line(file_name, c.line) + "A: '" + token + "' is not a number";
                return false;
            }
            counts[key] = 1;
        } else {
            if (at_end(c) || c.text[c.pos] != '[') {
                error = at_line(file_name, c.line) + "expected '[' after '" + name + " :', found " +
                        found_text(c);
                return false;
            }
            ++c.pos;
            for (;;) {
                skip_space(c);
                std::string where = name + "[" + std::to_string(counts[key]) + "]";
                if (counts[key] == max_terms) {
                    error = at_line(file_name, c.line) + name + " has more than " +
                            std::to_string(max_terms) +
                            " values; a vector has 3 (affine) or 9 (biquadratic)";
                    return false;
                }
                std::string token = read_token(c);
                if (token.empty()) {
                    error = at_line(file_name, c.line) + where + ": expected a number, found " +
                            found_text(c);
                    return false;
                }
                double& value = values[key][counts[key]];
                if (!to_number(token, value)) {
                    error = at_line(file_name, c.line) + where + ": '" + token +
                            "' is not a number";
                    return false;
                }
                if (std::isnan(value)) {
                    error = at_line(file_name, c.line) + where +
                            " is NaN: the calibration has no usable model";
                    return false;
                }
                if (std::isinf(value)) {
                    error = at_line(file_name, c.line) + where +
                            " is infinite: the calibration has no usable model";
                    return false;
                }
                ++counts[key];
                skip_space(c);
                if (!at_end(c) && c.text[c.pos] == ',') {
                    ++c.pos;
                    continue;
                }
                if (!at_end(c) && c.text[c.pos] == ']') {
                    ++c.pos;
                    break;
                }
                error = at_line(file_name, c.line) + "expected ',' or ']' after " + where +
                        ", found " + found_text(c);
                return false;
            }
            if (counts[key] != affine_terms && counts[key] != biquad_terms) {
                error = at_line(file_name, line) + name + " has " + std::to_string(counts[key]) +
                        " values; a vector has 3 (affine) or 9 (biquadratic)";
                return false;
            }
        }

        // The entry ends with a comma (optional) and the end of its line.
        skip_blanks(c);
        if (!at_end(c) && c.text[c.pos] == ',')
            ++c.pos;
        skip_blanks(c);
        if (!at_end(c) && c.text[c.pos] != '\r' && c.text[c.pos] != '\n') {
            error = at_line(file_name, c.line) + "unexpected " + found_text(c) + " after " + name;
            return false;
        }
    }

    for (int key = 0; key < key_count; ++key) {
        if (key_lines[key] == 0) {
            error = at_line(file_name, c.line) + "missing key " + key_names[key];
            return false;
        }
    }
    // Every vector has 3 or 9 values by now; all four must agree.
    for (int key = 1; key < key_a; ++key) {
        if (counts[key] != counts[0]) {
            error = at_line(file_name, key_lines[key]) + key_names[key] + " has " +
                    std::to_string(counts[key]) + " values but C_X (line " +
                    std::to_string(key_lines[0]) + ") has " + std::to_string(counts[0]);
            return false;
        }
    }

    result = calibration{};
    result.terms = counts[0];
    for (int i = 0; i < result.terms; ++i) {
        result.c_x[i] = values[0][i];
        result.c_y[i] = values[1][i];
        result.c_long[i] = values[2][i];
        result.c_lat[i] = values[3][i];
    }
    result.a = values[key_a][0];
    return true;
}

bool read_block_file(const std::string& path, calibration& result, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": cannot read: " + std::strerror(errno);
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        error = path + ": cannot read: " + std::strerror(errno);
        return false;
    }
    return parse_block(text.str(), path, result, error);
}

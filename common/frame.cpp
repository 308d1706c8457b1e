#include "frame.h"

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include "common_state.h"
#include "entry.h"
#include "input.h"
#include "program.h"

namespace {

// Reads the next white-space separated word into name, as "%s" does:
// leading white space, line ends included, is skipped; the character that
// ends the word is read and dropped. Returns false when input ended before
// a word began. too_long is set when the word did not fit name (its rest is
// read and dropped); holds_zero when it contained a zero byte, which no file
// name can hold.
bool read_word(char (&name)[file_name_size], bool& too_long, bool& holds_zero)
{
    auto is_blank = [](int c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    int c = read_char();
    while (c >= 0 && is_blank(c))
        c = read_char();
    if (c < 0)
        return false;
    int length = 0;
    too_long = false;
    holds_zero = false;
    while (c >= 0 && !is_blank(c)) {
        if (c == 0)
            holds_zero = true;
        if (length < file_name_size - 1)
            name[length++] = static_cast<char>(c);
        else
            too_long = true;
        c = read_char();
    }
    name[length] = '\0';
    return true;
}

// Writes result_text to the open file, each line end as CR LF, and closes
// it. Returns false when a write or the close failed; a partial regular
// file is then removed (a device such as /dev/full is left alone).
bool write_block(std::FILE* file, const char* name)
{
    for (const char* p = result_text; *p != '\0'; ++p) {
        if (*p == '\n')
            std::putc('\r', file);
        std::putc(*p, file);
    }
    bool ok = std::fflush(file) == 0 && !std::ferror(file);
    struct stat info;
    bool regular = fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode);
    ok = std::fclose(file) == 0 && ok;
    if (!ok && regular)
        unlink(name);
    return ok;
}

}  // namespace

void print_banner(const char* title, const char* second_title)
{
    std::fputs("*******************************************************************\n"
               "*                                                                 *\n",
               stdout);
    std::fputs(title, stdout);
    if (second_title != nullptr)
        std::fputs(second_title, stdout);
    std::fputs("*                   V 1.5, for use with Velorin                   *\n"
               "*                                                                 *\n"
               "*******************************************************************\n\n",
               stdout);
}

void print_no_solution()
{
    std::fputs("\n\aEquations have no solution, perhaps illegal parameters?\n", stdout);
}

int32_t calibrator_read_pixel(const char* prompt)
{
    int32_t value = read_pixel(prompt);
    if (input_ended)
        end_on_lost_input();
    return value;
}

double calibrator_read_angle(const char* prompt, double low, double high)
{
    double value = read_angle(prompt, low, high);
    if (input_ended)
        end_on_lost_input();
    return value;
}

void run_test_loops(geo_to_pixel pixel_x, geo_to_pixel pixel_y, pixel_to_geo longitude,
                    pixel_to_geo latitude, position_closing closing)
{
    std::fputs("\n(Exit Loops by entering E<CR>)", stdout);
    exit_requested = false;
    std::fputs("\n\n*** Test Coefficients: Geo -> Pixel ***", stdout);
    for (;;) {
        double lat = calibrator_read_angle("\nLatitude  : ", -latitude_limit, latitude_limit);
        if (exit_requested)
            break;
        double lon = calibrator_read_angle("Longitude : ", -longitude_limit, longitude_limit);
        if (exit_requested)
            break;
        std::printf("X = %ld", static_cast<long>(pixel_x(lat, lon)));
        std::printf("\nY = %ld\n", static_cast<long>(pixel_y(lat, lon)));
    }

    exit_requested = false;
    std::fputs("\n*** Test Coefficients: Pixel -> Geo ***", stdout);
    for (;;) {
        double x = calibrator_read_pixel("\nX: ");
        if (exit_requested)
            break;
        double y = calibrator_read_pixel("Y: ");
        if (exit_requested)
            break;
        std::fputs("Position is ", stdout);
        double lon = longitude(x, y);
        double lat = latitude(x, y);
        print_position(lat, lon, closing);
        std::fputs("\n", stdout);
    }
}

void save_result()
{
    std::printf("\nResult:\n=======\n\n%s", result_text);
    char name[file_name_size];
    for (;;) {
        std::fputs("\nEnter name of output file: ", stdout);
        bool too_long = false;
        bool holds_zero = false;
        if (!read_word(name, too_long, holds_zero))
            end_on_lost_input();
        std::FILE* file = too_long || holds_zero ? nullptr : std::fopen(name, "w");
        if (file == nullptr) {
            std::fputs("Error creating output file!\n", stdout);
            continue;
        }
        if (write_block(file, name))
            return;
        std::fputs("Error writing output file!\n", stdout);
    }
}

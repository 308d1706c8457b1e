// blockview: writes the graticule overlay of a coefficient file as SVG.
// Exit status 0 on success, 1 for a file that cannot be read or written or
// is malformed, 2 for a usage error; every failure is one line on standard
// error.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <string>

#include "block_file.h"
#include "graticule.h"
#include "image_size.h"
#include "options.h"
#include "round_trip.h"
#include "svg.h"

namespace {

constexpr int status_ok = 0;
constexpr int status_file_error = 1;
constexpr int status_usage_error = 2;

int fail(int status, const std::string& message)
{
    std::fprintf(stderr, "blockview: %s\n", message.c_str());
    return status;
}

// Writes the document to path, or to standard output when path is empty.
bool write_all(const std::string& path, const std::string& text, std::string& error)
{
    std::FILE* file = path.empty() ? stdout : std::fopen(path.c_str(), "wb");
    std::string name = path.empty() ? "standard output" : path;
    if (!file) {
        error = name + ": cannot create: " + std::strerror(errno);
        return false;
    }
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = (std::fflush(file) == 0) && ok;
    int saved = errno;
    if (!path.empty())
        ok = (std::fclose(file) == 0) && ok;
    if (!ok)
        error = name + ": cannot write: " + std::strerror(saved);
    return ok;
}

// The --step value as the user typed it, for a message.
const char* argument_of_step(int argc, char** argv)
{
    const char* text = "";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--step") == 0 && i + 1 < argc)
            text = argv[i + 1];
        else if (std::strncmp(argv[i], "--step=", 7) == 0)
            text = argv[i] + 7;
    }
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    blockview_options options;
    std::string error;
    if (!parse_options(argc, argv, options, error))
        return fail(status_usage_error, error + " (see blockview --help)");
    if (options.help) {
        std::fputs(blockview_usage, stdout);
        return status_ok;
    }
    if (options.version) {
        std::printf("blockview %s\n", BLOCKVIEW_VERSION);
        return status_ok;
    }

    calibration c;
    if (!read_block_file(options.block_path, c, error))
        return fail(status_file_error, error);

    int width = options.width, height = options.height;
    if (width == 0) {
        if (options.image_path.empty())
            return fail(status_usage_error,
                        "the map size is unknown: give --image PATH or --size WxH");
        if (!read_image_size(options.image_path, width, height, error))
            return fail(status_file_error, error);
    }

    geo_box box = image_geo_box(c, width, height);
    if (!box.ok)
        return fail(status_file_error,
                    options.block_path +
                        ": C_Long and C_Lat give no usable area of positions over the image");
    double lat_step = options.step > 0 ? options.step : default_step(box.lat_max - box.lat_min);
    double lon_step = options.step > 0 ? options.step : default_step(box.lon_max - box.lon_min);
    long lat_lines = count_multiples(box.lat_min, box.lat_max, lat_step);
    long lon_lines = count_multiples(box.lon_min, box.lon_max, lon_step);
    // Round default steps reach 45 degrees, so only a model that spans
    // thousands of degrees over the image exceeds the limit without --step.
    if ((lat_lines > max_lines_per_direction || lon_lines > max_lines_per_direction) &&
        options.step == 0)
        return fail(status_file_error,
                    options.block_path +
                        ": C_Long and C_Lat spread the image over more than the globe");
    if (lat_lines > max_lines_per_direction || lon_lines > max_lines_per_direction)
        return fail(status_usage_error,
                    "--step " + std::string(argument_of_step(argc, argv)) + " gives " +
                        std::to_string(std::max(lat_lines, lon_lines)) +
                        " lines over this map; at most " +
                        std::to_string(max_lines_per_direction) + " are drawn each way");

    overlay_picture picture;
    picture.width = width;
    picture.height = height;
    picture.image_path = options.image_path;
    picture.title = "Graticule of " + options.block_path;
    picture.lines = trace_graticule(c, width, height, box, lat_step, lon_step);
    picture.has_round_trip = c.terms == biquad_terms;
    if (picture.has_round_trip)
        picture.round_trip = sample_round_trip(c, width, height);

    if (!write_all(options.output_path, render_svg(picture), error))
        return fail(status_file_error, error);
    return status_ok;
}

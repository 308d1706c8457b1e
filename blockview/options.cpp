#include "options.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr long largest_size = 1L << 30;  // pixels per side
constexpr double largest_step = 90.0;    // degrees

bool parse_whole(const std::string& text, long& value)
{
    auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    return status == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool parse_size(const std::string& text, int& width, int& height)
{
    std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos)
        return false;
    long w, h;
    if (!parse_whole(text.substr(0, x), w) || !parse_whole(text.substr(x + 1), h))
        return false;
    if (w < 1 || h < 1 || w > largest_size || h > largest_size)
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

bool parse_step(const std::string& text, double& step)
{
    auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), step,
                                         std::chars_format::fixed | std::chars_format::scientific);
    return status == std::errc() && end == text.data() + text.size() && !text.empty() &&
           step > 0.0 && step <= largest_step;
}

}  // namespace

const char* const blockview_usage =
    "Usage: blockview [OPTION]... BLOCKFILE\n"
    "Draw the graticule that a calibrator's coefficient file implies, as an SVG\n"
    "overlay for the map image.\n"
    "\n"
    "  --image PATH    the map image, referenced from the SVG; its size is read\n"
    "                  from the header of a PNG or JPEG file\n"
    "  --size WxH      the map size in pixels (needed without --image, and for\n"
    "                  images other than PNG and JPEG)\n"
    "  --step DEGREES  graticule interval in decimal degrees (default: a round\n"
    "                  interval giving about ten lines each way)\n"
    "  -o, --output FILE  write the SVG to FILE instead of standard output\n"
    "  --help          show this help and exit\n"
    "  --version       show the version and exit\n"
    "\n"
    "Exit status: 0 success, 1 unreadable or malformed file, 2 usage error.\n";

bool parse_options(int argc, const char* const* argv, blockview_options& options,
                   std::string& error)
{
    options = blockview_options{};
    int files = 0;
    bool options_ended = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (options_ended || arg == "-" || arg.empty() || arg[0] != '-') {
            if (++files > 1) {
                error = "more than one block file given ('" + options.block_path + "', '" +
                        arg + "')";
                return false;
            }
            options.block_path = arg;
            continue;
        }
        if (arg == "--") {
            options_ended = true;
            continue;
        }
        if (arg == "--help") {
            options.help = true;
            continue;
        }
        if (arg == "--version") {
            options.version = true;
            continue;
        }
        std::string name = arg, value;
        bool has_value = false;
        std::size_t equals = arg.find('=');
        if (arg.rfind("--", 0) == 0 && equals != std::string::npos) {
            name = arg.substr(0, equals);
            value = arg.substr(equals + 1);
            has_value = true;
        }
        if (name != "--image" && name != "--size" && name != "--step" && name != "-o" &&
            name != "--output") {
            error = "unknown option '" + arg + "'";
            return false;
        }
        if (!has_value) {
            if (i + 1 >= argc) {
                error = "option '" + name + "' needs a value";
                return false;
            }
            value = argv[++i];
        }
        if (name == "--image") {
            options.image_path = value;
        } else if (name == "--size") {
            if (!parse_size(value, options.width, options.height)) {
                error = "--size: '" + value + "' is not WIDTHxHEIGHT in whole pixels (e.g. 4000x3000)";
                return false;
            }
        } else if (name == "--step") {
            if (!parse_step(value, options.step)) {
                error = "--step: '" + value + "' is not a number of degrees above 0 and up to 90";
                return false;
            }
        } else {
            options.output_path = value;
        }
    }
    if (options.help || options.version)
        return true;
    if (files == 0) {
        error = "no block file given";
        return false;
    }
    return true;
}

// The command line of blockview:
//   blockview [--image PATH] [--size WxH] [--step DEGREES] [-o FILE] BLOCKFILE
//   blockview --help | --version
// Options take their value as the next argument or after "=" (--step=0.5,
// -oFILE is not accepted); "--" ends the options.
#pragma once

#include <string>

struct blockview_options {
    std::string block_path;   // the coefficient file
    std::string image_path;   // the map image, empty when not given
    std::string output_path;  // empty: standard output
    int width = 0, height = 0;  // pixels; 0 when --size is not given
    double step = 0;            // degrees; 0 when --step is not given
    bool help = false;
    bool version = false;
};

// Parses argv[1..argc-1]. Returns false with error set to one line (without
// the program name) on a usage error: unknown option, missing value, a size
// that is not two whole numbers 1..1073741824 joined by 'x', a step that is
// not a positive number of degrees up to 90, no block file or more than one.
//   "--size 1000x800" -> 1000, 800   "--size 1000" -> error
//   "--step 0.25" -> 0.25            "--step -1", "--step 1e999" -> error
bool parse_options(int argc, const char* const* argv, blockview_options& options,
                   std::string& error);

// The text of --help.
extern const char* const blockview_usage;

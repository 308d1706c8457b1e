// The size in pixels of a PNG or JPEG image, read from its header only.
#pragma once

#include <string>

// Reads width and height from the file at path:
//   PNG: the IHDR chunk that follows the 8-byte signature (width and height
//        as 4-byte big-endian numbers at bytes 16 and 20);
//   JPEG: the first start-of-frame marker (FFC0..FFCF except FFC4, FFC8 and
//        FFCC), reached by stepping over the segments before it; height and
//        width as 2-byte big-endian numbers after the sample precision.
// Returns true with both sizes above 0. Otherwise false, with error set to
// "PATH: <reason>" (cannot be read, not a PNG or JPEG file, damaged header).
bool read_image_size(const std::string& path, int& width, int& height, std::string& error);

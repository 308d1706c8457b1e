#include "image_size.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

constexpr unsigned char png_signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr int png_header_bytes = 24;     // signature, IHDR length and type, width, height
constexpr long largest_dimension = 1L << 30;  // pixels; larger sizes are taken as damage

unsigned long big_endian(const unsigned char* p, int bytes)
{
    unsigned long value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | p[i];
    return value;
}

bool set_size(unsigned long w, unsigned long h, int& width, int& height)
{
    if (w == 0 || h == 0 || w > static_cast<unsigned long>(largest_dimension) ||
        h > static_cast<unsigned long>(largest_dimension))
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

// Walks the JPEG segments from just after the start-of-image marker.
bool jpeg_size(std::FILE* file, int& width, int& height)
{
    for (;;) {
        int byte = std::fgetc(file);
        if (byte != 0xFF)
            return false;
        int marker;
        do  // fill bytes 0xFF may stand before a marker
            marker = std::fgetc(file);
        while (marker == 0xFF);
        if (marker == EOF || marker == 0xD9 || marker == 0xDA)
            return false;  // end of image or scan data before any frame header
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;  // markers without a length
        unsigned char length_bytes[2];
        if (std::fread(length_bytes, 1, 2, file) != 2)
            return false;
        long length = static_cast<long>(big_endian(length_bytes, 2));
        if (length < 2)
            return false;
        bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                     marker != 0xCC;
        if (frame) {
            unsigned char header[5];  // precision, height, width
            if (length < 7 || std::fread(header, 1, 5, file) != 5)
                return false;
            return set_size(big_endian(header + 3, 2), big_endian(header + 1, 2), width,
                            height);
        }
        if (std::fseek(file, length - 2, SEEK_CUR) != 0)
            return false;
    }
}

}  // namespace

bool read_image_size(const std::string& path, int& width, int& height, std::string& error)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = path + ": cannot read: " + std::strerror(errno);
        return false;
    }
    unsigned char head[png_header_bytes];
    std::size_t got = std::fread(head, 1, sizeof head, file);
    bool ok = false;
    if (got >= 8 && std::memcmp(head, png_signature, sizeof png_signature) == 0) {
        ok = got == sizeof head && std::memcmp(head + 12, "IHDR", 4) == 0 &&
             set_size(big_endian(head + 16, 4), big_endian(head + 20, 4), width, height);
        if (!ok)
            error = path + ": damaged PNG header";
    } else if (got >= 2 && head[0] == 0xFF && head[1] == 0xD8) {
        ok = std::fseek(file, 2, SEEK_SET) == 0 && jpeg_size(file, width, height);
        if (!ok)
            error = path + ": no frame size found in the JPEG header";
    } else {
        error = path + ": not a PNG or JPEG file; give the map size with --size WxH";
    }
    std::fclose(file);
    return ok;
}

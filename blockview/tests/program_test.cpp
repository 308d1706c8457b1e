// blockview as a command: options, exit statuses, map sizes from image
// headers, output files and speed.
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "image_size.h"
#include "test_support.h"

namespace {

// The first 33 bytes of a PNG file of 4000 x 3000 pixels: signature, IHDR
// length 13, "IHDR", width, height, bit depth 8, colour type 2, three zero
// bytes, and a CRC (not checked).
std::string png_header(unsigned width, unsigned height)
{
    std::string bytes = "\x89PNG\r\n\x1a\n";
    bytes += std::string("\0\0\0\x0d", 4) + "IHDR";
    for (unsigned value : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes += static_cast<char>((value >> shift) & 0xFF);
    bytes += std::string("\x08\x02\0\0\0", 5) + "CRC!";
    return bytes;
}

// A JPEG start: SOI, an APP0 segment of 16 bytes, a DHT segment (FFC4, a
// marker in the frame range that is not a frame), fill bytes, then the frame
// header with precision 8, height 800 (0x0320), width 600 (0x0258).
std::string jpeg_header(unsigned char frame_marker)
{
    std::string bytes("\xff\xd8", 2);
    bytes += std::string("\xff\xe0\x00\x10", 4) + std::string("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14);
    bytes += std::string("\xff\xc4\x00\x05\x00\x00\x00", 7);
    bytes += std::string("\xff\xff", 2);  // fill byte before the next marker
    bytes += std::string("\xff", 1) + static_cast<char>(frame_marker) +
             std::string("\x00\x11\x08\x03\x20\x02\x58\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 17);
    return bytes;
}

TEST(BlockviewImageSize, ReadsPngAndJpegHeaders)
{
    scratch_folder folder;
    const struct {
        const char* name;
        std::string bytes;
        int width, height;
    } cases[] = {
        {"map.png", png_header(4000, 3000), 4000, 3000},
        {"wide.png", png_header(100000, 1), 100000, 1},
        {"baseline.jpg", jpeg_header(0xC0), 600, 800},
        {"progressive.jpg", jpeg_header(0xC2), 600, 800},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int width = 0, height = 0;
        std::string error;
        EXPECT_TRUE(read_image_size(folder.write(c.name, c.bytes), width, height, error)) << error;
        EXPECT_EQ(c.width, width);
        EXPECT_EQ(c.height, height);
    }
}

TEST(BlockviewImageSize, RefusesWhatItCannotMeasure)
{
    scratch_folder folder;
    std::string jpeg_without_frame = std::string("\xff\xd8\xff\xda\x00\x02", 6);
    const struct {
        const char* name;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"cut.png", png_header(4000, 3000).substr(0, 20), ": damaged PNG header"},
        {"zero.png", png_header(0, 3000), ": damaged PNG header"},
        {"scan.jpg", jpeg_without_frame, ": no frame size found in the JPEG header"},
        {"cut.jpg", jpeg_header(0xC0).substr(0, 30), ": no frame size found in the JPEG header"},
        {"map.gif", "GIF89a\x10\x00\x10\x00",
         ": not a PNG or JPEG file; give the map size with --size WxH"},
        {"empty.png", "", ": not a PNG or JPEG file; give the map size with --size WxH"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int width = 0, height = 0;
        std::string error;
        std::string path = folder.write(c.name, c.bytes);
        EXPECT_FALSE(read_image_size(path, width, height, error));
        EXPECT_EQ(path + c.reason, error);
    }
}

TEST(BlockviewProgram, TakesTheMapSizeFromTheImageAndReferencesIt)
{
    scratch_folder folder;
    folder.write("cal.txt", affine_example_file);
    folder.write("map.png", png_header(1000, 800));
    blockview_run run = run_blockview(folder, {"--image", "map.png", "cal.txt"});
    ASSERT_EQ(0, run.status) << run.error_output;
    EXPECT_EQ("", run.error_output);
    EXPECT_NE(std::string::npos, run.output.find("width=\"1000\" height=\"800\" viewBox=\"0 0 1000 800\""));
    EXPECT_NE(std::string::npos, run.output.find("xlink:href=\"map.png\""));

    // --size wins over the header; the image is still referenced.
    run = run_blockview(folder, {"--size=500x400", "--image=map.png", "cal.txt"});
    ASSERT_EQ(0, run.status) << run.error_output;
    EXPECT_NE(std::string::npos, run.output.find("viewBox=\"0 0 500 400\""));
    EXPECT_NE(std::string::npos, run.output.find("xlink:href=\"map.png\""));
}

TEST(BlockviewProgram, WritesTheOutputFileWhenAsked)
{
    scratch_folder folder;
    folder.write("cal.txt", affine_example_file);
    blockview_run to_stdout = run_blockview(folder, {"--size", "1000x1000", "cal.txt"});
    blockview_run to_file = run_blockview(folder, {"-o", "overlay.svg", "--size", "1000x1000", "cal.txt"});
    ASSERT_EQ(0, to_file.status) << to_file.error_output;
    EXPECT_EQ("", to_file.output);
    EXPECT_EQ(to_stdout.output, read_file(folder.path("overlay.svg")));
    EXPECT_EQ(0u, to_stdout.output.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0));
}

TEST(BlockviewProgram, ExitStatusAndOneLineForEveryFailure)
{
    scratch_folder folder;
    folder.write("cal.txt", affine_example_file);
    folder.write("map.gif", "GIF89a");
    // 100 degrees per pixel: 100,000 degrees across a 1000-pixel map.
    folder.write("wild.txt", "C_X : [0, 0.01, 0],\nC_Y : [0, 0.01, 0],\n"
                             "C_Long : [0, 100, 0],\nC_Lat : [0, 100, 0],\nA : 0.0,\n");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string message;
    } cases[] = {
        {{}, 2, "blockview: no block file given (see blockview --help)\n"},
        {{"--size", "10x10"}, 2, "blockview: no block file given (see blockview --help)\n"},
        {{"cal.txt"}, 2,
         "blockview: the map size is unknown: give --image PATH or --size WxH\n"},
        {{"--size", "1000", "cal.txt"}, 2,
         "blockview: --size: '1000' is not WIDTHxHEIGHT in whole pixels (e.g. 4000x3000) (see blockview --help)\n"},
        {{"--size", "0x10", "cal.txt"}, 2,
         "blockview: --size: '0x10' is not WIDTHxHEIGHT in whole pixels (e.g. 4000x3000) (see blockview --help)\n"},
        {{"--size", "10x-10", "cal.txt"}, 2,
         "blockview: --size: '10x-10' is not WIDTHxHEIGHT in whole pixels (e.g. 4000x3000) (see blockview --help)\n"},
        {{"--size", "10x10", "--step", "0", "cal.txt"}, 2,
         "blockview: --step: '0' is not a number of degrees above 0 and up to 90 (see blockview --help)\n"},
        {{"--size", "10x10", "--step", "half", "cal.txt"}, 2,
         "blockview: --step: 'half' is not a number of degrees above 0 and up to 90 (see blockview --help)\n"},
        {{"--size", "10x10", "--step", "91", "cal.txt"}, 2,
         "blockview: --step: '91' is not a number of degrees above 0 and up to 90 (see blockview --help)\n"},
        {{"--size", "10x10", "--step"}, 2,
         "blockview: option '--step' needs a value (see blockview --help)\n"},
        {{"--colour", "red", "cal.txt"}, 2,
         "blockview: unknown option '--colour' (see blockview --help)\n"},
        {{"--size", "10x10", "cal.txt", "other.txt"}, 2,
         "blockview: more than one block file given ('cal.txt', 'other.txt') (see blockview --help)\n"},
        // 1 degree over 0.0001 degrees is 10,001 lines.
        {{"--size", "1000x1000", "--step", "0.0001", "cal.txt"}, 2,
         "blockview: --step 0.0001 gives 10001 lines over this map; at most 1000 are drawn each way\n"},
        {{"--size", "1000x1000", "wild.txt"}, 1,
         "blockview: wild.txt: C_Long and C_Lat spread the image over more than the globe\n"},
        {{"--image", "map.gif", "cal.txt"}, 1,
         "blockview: map.gif: not a PNG or JPEG file; give the map size with --size WxH\n"},
        {{"--image", "absent.png", "cal.txt"}, 1,
         "blockview: absent.png: cannot read: No such file or directory\n"},
        {{"--size", "10x10", "-o", "no/such/folder/x.svg", "cal.txt"}, 1,
         "blockview: no/such/folder/x.svg: cannot create: No such file or directory\n"},
    };
    for (const auto& c : cases) {
        std::string line;
        for (const auto& a : c.args)
            line += a + " ";
        SCOPED_TRACE(line);
        blockview_run run = run_blockview(folder, c.args);
        EXPECT_EQ(c.status, run.status);
        EXPECT_EQ(c.message, run.error_output);
        EXPECT_EQ("", run.output);
    }
}

TEST(BlockviewProgram, HelpAndVersion)
{
    scratch_folder folder;
    blockview_run help = run_blockview(folder, {"--help"});
    EXPECT_EQ(0, help.status);
    EXPECT_EQ(0u, help.output.rfind("Usage: blockview [OPTION]... BLOCKFILE\n", 0));
    for (const char* option : {"--image", "--size", "--step", "--output", "--version"})
        EXPECT_NE(std::string::npos, help.output.find(option)) << option;
    blockview_run version = run_blockview(folder, {"--version"});
    EXPECT_EQ(0, version.status);
    EXPECT_EQ(0u, version.output.rfind("blockview ", 0));
}

TEST(BlockviewProgram, ATenThousandPixelMapIsDrawnWellUnderASecond)
{
    scratch_folder folder;
    folder.write("bent.txt", bent_nine_value_file);
    auto start = std::chrono::steady_clock::now();
    blockview_run run = run_blockview(folder, {"--size", "10000x10000", "-o", "big.svg", "bent.txt"});
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_EQ(0, run.status) << run.error_output;
    EXPECT_LT(seconds, 0.5);
    EXPECT_NE(std::string::npos, read_file(folder.path("big.svg")).find("<g id=\"round-trip\""));
}

TEST(BlockviewProgram, ManualPageRendersWithoutWarnings)
{
    if (!on_path("groff"))
        GTEST_SKIP() << "groff not found: install groff to check the manual page";
    scratch_folder folder;
    std::string command = "groff -man -ww -z '" BLOCKVIEW_SOURCE_DIR "/blockview.1' > '" +
                          folder.path("groff.log") + "' 2>&1";
    EXPECT_EQ(0, std::system(command.c_str()));
    EXPECT_EQ("", read_file(folder.path("groff.log")));
}

}  // namespace

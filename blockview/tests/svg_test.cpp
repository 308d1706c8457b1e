// The SVG document: its layers, well-formed XML (checked with xmllint), and
// one overlay rendered by headless Chromium.
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#ifdef BLOCKVIEW_HAVE_PNG
#include <png.h>
#endif

#include "svg.h"
#include "test_support.h"

namespace {

std::size_t count_of(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(BlockviewSvg, AffineOverlayHasGraticuleAndLabelsButNoRoundTripLayer)
{
    scratch_folder folder;
    folder.write("cal.txt", affine_example_file);
    blockview_run run = run_blockview(folder, {"--size", "1000x1000", "--step", "0.5", "cal.txt"});
    ASSERT_EQ(0, run.status) << run.error_output;
    // Lines at 48.5 and 49 N (Y = 600, 100) and 9 and 9.5 E (X = 100, 600).
    EXPECT_EQ(2u, count_of(run.output, "<polyline class=\"parallel\""));
    EXPECT_EQ(2u, count_of(run.output, "<polyline class=\"meridian\""));
    EXPECT_NE(std::string::npos, run.output.find("points=\"-0.50,600.00 999.50,600.00\""));
    EXPECT_NE(std::string::npos, run.output.find("points=\"600.00,999.50 600.00,-0.50\""));
    for (const char* label : {">48\u00b030'N<", ">49\u00b000'N<", ">9\u00b000'E<", ">9\u00b030'E<"})
        EXPECT_NE(std::string::npos, run.output.find(label)) << label;
    EXPECT_EQ(std::string::npos, run.output.find("round-trip"));
    EXPECT_EQ(std::string::npos, run.output.find("legend"));
}

TEST(BlockviewSvg, NineValueOverlayShadesTheRoundTripAndHasALegend)
{
    scratch_folder folder;
    folder.write("bent.txt", bent_nine_value_file);
    folder.write("linear.txt", linear_nine_value_file);
    // The bent block is off by 1100 pixels and more everywhere: every row
    // of cells is one rectangle of the last class.
    blockview_run bent = run_blockview(folder, {"--size", "1000x800", "bent.txt"});
    ASSERT_EQ(0, bent.status) << bent.error_output;
    EXPECT_EQ(100u, count_of(bent.output, "fill=\"#800080\"/>"));
    EXPECT_NE(std::string::npos, bent.output.find("<g id=\"legend\""));
    // The linear block agrees with itself: the layer is empty, the largest
    // disagreement rounds to 0.00 px.
    blockview_run linear = run_blockview(folder, {"--size", "1000x800", "linear.txt"});
    ASSERT_EQ(0, linear.status) << linear.error_output;
    EXPECT_NE(std::string::npos,
              linear.output.find("<g id=\"round-trip\" fill-opacity=\"0.35\">\n</g>\n"));
    EXPECT_NE(std::string::npos, linear.output.find(">largest: 0.00 px<"));
}

TEST(BlockviewSvg, EscapesNamesForXmlAndPathsForUris)
{
    EXPECT_EQ("a&lt;b &amp; &apos;c&apos; &quot;d&quot; &gt;", xml_escaped("a<b & 'c' \"d\" >"));
    EXPECT_EQ("maps/Blatt%2012%23a.png", path_as_uri("maps/Blatt 12#a.png"));
    EXPECT_EQ("/tmp/K%C3%B6ln%25.jpg", path_as_uri("/tmp/K\xc3\xb6ln%.jpg"));
}

// Runs xmllint on a file; empty when well-formed, else its complaint.
std::string xmllint_complaint(const std::string& path)
{
    std::string command = "xmllint --noout '" + path + "' 2>&1";
    std::string complaint;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return "cannot start xmllint";
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        complaint += buffer;
    int status = pclose(pipe);
    return status == 0 ? "" : complaint + "(xmllint failed)";
}

TEST(BlockviewSvg, DocumentsAreWellFormedXml)
{
    if (!on_path("xmllint"))
        GTEST_SKIP() << "xmllint not found: install libxml2-utils to check the SVG documents";
    scratch_folder folder;
    folder.write("cal & <co>.txt", affine_example_file);
    folder.write("bent.txt", bent_nine_value_file);
    folder.write("linear.txt", linear_nine_value_file);
    const std::vector<std::vector<std::string>> runs = {
        {"--size", "1000x1000", "-o", "affine.svg", "cal & <co>.txt"},
        {"--size", "1000x1000", "--image", "Blatt 7 & \"8\".png", "-o", "image.svg", "cal & <co>.txt"},
        {"--size", "1000x800", "-o", "bent.svg", "bent.txt"},
        {"--size", "37x5000", "-o", "linear.svg", "linear.txt"},
    };
    for (const auto& args : runs) {
        std::string output = args[args.size() - 2];
        SCOPED_TRACE(output);
        blockview_run run = run_blockview(folder, args);
        ASSERT_EQ(0, run.status) << run.error_output;
        EXPECT_EQ("", xmllint_complaint(folder.path(output)));
    }
}

#ifdef BLOCKVIEW_HAVE_PNG
// Reads a PNG file into 8-bit RGBA rows; false when it cannot.
bool read_png(const std::string& path, int& width, int& height, std::vector<unsigned char>& rgba)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return false;
    image.format = PNG_FORMAT_RGBA;
    rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr))
        return false;
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return true;
}
#endif

// The affine example at a step of half a degree, drawn by Chromium on its
// white page: the 48.5 parallel (pixel row 600) and the 9.5 meridian (pixel
// column 600) are red, the cells between the lines stay white.
TEST(BlockviewSvg, ChromiumRendersTheLinesWhereTheModelPutsThem)
{
#ifndef BLOCKVIEW_HAVE_PNG
    GTEST_SKIP() << "built without libpng: install libpng-dev to read Chromium's screenshot";
#else
    if (!on_path("chromium"))
        GTEST_SKIP() << "chromium not found: install the Debian package chromium to run the "
                        "rendering check";
    scratch_folder folder;
    folder.write("cal.txt", affine_example_file);
    blockview_run run =
        run_blockview(folder, {"--size", "1000x1000", "--step", "0.5", "-o", "overlay.svg", "cal.txt"});
    ASSERT_EQ(0, run.status) << run.error_output;
    std::string command =
        "cd '" + folder.folder + "' && timeout 120 chromium --headless --no-sandbox --disable-gpu "
        "--disable-background-networking --disable-component-update --disable-sync "
        "--no-first-run --hide-scrollbars --force-device-scale-factor=1 "
        "--user-data-dir='" + folder.path("profile") + "' --window-size=1000,1000 "
        "--screenshot='" + folder.path("overlay.png") + "' 'file://" + folder.path("overlay.svg") +
        "' >chromium.log 2>&1";
    ASSERT_EQ(0, std::system(command.c_str())) << read_file(folder.path("chromium.log"));
    int width = 0, height = 0;
    std::vector<unsigned char> rgba;
    ASSERT_TRUE(read_png(folder.path("overlay.png"), width, height, rgba));
    ASSERT_EQ(1000, width);
    ASSERT_EQ(1000, height);
    auto pixel = [&](int x, int y) { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; };
    auto is_red = [&](int x, int y) {
        const unsigned char* p = pixel(x, y);
        return p[0] > 150 && p[1] < 120 && p[2] < 120;
    };
    auto is_white = [&](int x, int y) {
        const unsigned char* p = pixel(x, y);
        return p[0] > 245 && p[1] > 245 && p[2] > 245;
    };
    for (int x : {300, 450, 800, 990})
        EXPECT_TRUE(is_red(x, 600)) << "48.5 parallel at X " << x;
    for (int y : {300, 450, 800, 990})
        EXPECT_TRUE(is_red(600, y)) << "9.5 meridian at Y " << y;
    EXPECT_TRUE(is_red(300, 100)) << "49 parallel";
    EXPECT_TRUE(is_red(100, 300)) << "9 meridian";
    for (int y : {300, 450, 800})
        for (int x : {300, 450, 800})
            EXPECT_TRUE(is_white(x, y)) << "between the lines at " << x << ", " << y;
#endif
}

}  // namespace

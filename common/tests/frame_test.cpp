// The calibrator frame, run as a whole program through the test calibrator
// in frame_fixture.cpp: fixed block, pixel = degrees * 100 both ways.

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

#include "transcript.h"

using namespace std::string_literals;

namespace {

const std::string banner =
    "*******************************************************************\n"
    "*                                                                 *\n"
    "*                     Frame Test Calibrator                       *\n"
    "*                   V 1.5, for use with Velorin                   *\n"
    "*                                                                 *\n"
    "*******************************************************************\n\n";
const std::string entry = "Angle : Pixel : ";
const std::string geo_heading =
    "\n(Exit Loops by entering E<CR>)\n\n*** Test Coefficients: Geo -> Pixel ***";
const std::string latitude_prompt = "\nLatitude  : ";
const std::string longitude_prompt = "Longitude : ";
const std::string pixel_heading = "\n*** Test Coefficients: Pixel -> Geo ***";
const std::string x_prompt = "\nX: ";
const std::string y_prompt = "Y: ";
const std::string name_prompt = "\nEnter name of output file: ";
const std::string cannot_create = "Error creating output file!\n";
const std::string cannot_write = "Error writing output file!\n";
const std::string no_solution = "\n\aEquations have no solution, perhaps illegal parameters?\n";

std::string block(const std::string& a)
{
    return "                      C_X         : [ 1.0000000000E+02,  2.0000000000E+02,  0.0000000000E+00],\n"
           "                      C_Y         : [ 5.0000000000E+03, -4.0000000000E+02,  0.0000000000E+00],\n"
           "                      C_Long      : [-5.0000000000E-01,  5.0000000000E-03,  0.0000000000E+00],\n"
           "                      C_Lat       : [ 1.2500000000E+01, -2.5000000000E-03,  0.0000000000E+00],\n"
           "                      A           : " + a + ",\n\n";
}

// The block as a file: every line end is CR LF.
std::string as_file(const std::string& text)
{
    std::string bytes;
    for (char c : text) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}

const std::string result = "\nResult:\n=======\n\n" + block("0.0");
// Both loops left at their first prompt.
const std::string no_tests = geo_heading + latitude_prompt + pixel_heading + x_prompt;

transcript run(const std::string& input, const run_options& options = {})
{
    return run_transcript(FRAME_FIXTURE, input, options);
}

TEST(FrameFile, TheThreeValueBlockIs428BytesAsAFile)
{
    EXPECT_EQ(422u, block("0.0").size());
    EXPECT_EQ(428u, as_file(block("0.0")).size());
}

struct session_case {
    const char* name;
    std::string input;
    std::string output;
    int status;
    std::map<std::string, std::string> files;
};

TEST(FrameSession, DialoguesFromBannerToFile)
{
    const std::string file = as_file(block("0.0"));
    const session_case cases[] = {
        {"passes through both loops",
         "0\n5\n2.5\n-1.25\nE\n350\n-1234\ne\nout.txt\n",
         banner + entry + geo_heading + latitude_prompt + longitude_prompt + "X = -124\nY = 250\n"
             + latitude_prompt + pixel_heading + x_prompt + y_prompt
             + "Position is -12.340000 (12\xa1" "20'24.00\"S), 3.500000 (3\xa1" "30'0.00\"E):\n"
             + x_prompt + result + name_prompt,
         0, {{"out.txt", file}}},
        {"E at the longitude and at the Y prompt ends each loop without a result",
         "0\n5\n10\nExit\n1\nE\nout.txt\n",
         banner + entry + geo_heading + latitude_prompt + longitude_prompt + pixel_heading
             + x_prompt + y_prompt + result + name_prompt,
         0, {{"out.txt", file}}},
        {"E in the calibration entry is 0 and ends nothing",
         "E\ne\nE\nE\nout.txt\n",
         banner + entry + no_tests + result + name_prompt, 0, {{"out.txt", file}}},
        {"the A line shows the entered angle",
         "-5 42\n5\nE\nE\nout.txt\n",
         banner + entry + no_tests + "\nResult:\n=======\n\n" + block("-5.7") + name_prompt, 0,
         {{"out.txt", as_file(block("-5.7"))}}},
        {"a failed fit stops before the loops",
         "10\n999\n", banner + entry + no_solution, 0, {}},
        {"names that cannot be created are asked for again",
         "0\n5\nE\nE\nmissing/x.txt\n.\nout.txt\n",
         banner + entry + no_tests + result + name_prompt + cannot_create + name_prompt
             + cannot_create + name_prompt,
         0, {{"out.txt", file}}},
        {"a name is one word: leading blank lines skipped, the rest after a blank dropped",
         "0\n5\nE\nE\n\n   my file.txt\n",
         banner + entry + no_tests + result + name_prompt, 0, {{"my", file}}},
        {"E at the file-name prompt is a file name",
         "0\n5\nE\nE\nE\n", banner + entry + no_tests + result + name_prompt, 0, {{"E", file}}},
        {"a name without a line end is still taken",
         "0\n5\nE\nE\nlast", banner + entry + no_tests + result + name_prompt, 0,
         {{"last", file}}},
        {"a name holding a zero byte cannot be created",
         "0\n5\nE\nE\nab\0cd\nok\n"s,
         banner + entry + no_tests + result + name_prompt + cannot_create + name_prompt, 0,
         {{"ok", file}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        transcript t = run(c.input);
        EXPECT_EQ(c.output, t.output);
        EXPECT_EQ(c.status, t.status);
        EXPECT_EQ(c.files, t.files);
    }
}

TEST(FrameSession, AnExistingFileIsOverwritten)
{
    run_options options;
    options.files_before["out.txt"] = std::string(1000, 'x');
    transcript t = run("0\n5\nE\nE\nout.txt\n", options);
    EXPECT_EQ(0, t.status);
    EXPECT_EQ(as_file(block("0.0")), t.files["out.txt"]);
}

TEST(FrameSession, LongNamesAreTakenWholeUpTo4095Bytes)
{
    // "./" repeated keeps a long name a valid path to a short file name.
    std::string longest;
    for (int i = 0; i < 2045; ++i)
        longest += "./";
    std::string too_long = longest + "xy.txt";  // 4096 bytes
    longest += "x.txt";                          // 4095 bytes
    ASSERT_EQ(4095u, longest.size());

    transcript t = run("0\n5\nE\nE\n" + too_long + "\n" + longest + "\n");
    EXPECT_EQ(banner + entry + no_tests + result + name_prompt + cannot_create + name_prompt,
              t.output);
    EXPECT_EQ(0, t.status);
    ASSERT_EQ(1u, t.files.size());
    EXPECT_EQ(as_file(block("0.0")), t.files["x.txt"]);

    // A word of a megabyte is consumed whole; nothing of it is used later.
    t = run("0\n5\nE\nE\n" + std::string(1 << 20, 'n') + "\nok\n");
    EXPECT_EQ(banner + entry + no_tests + result + name_prompt + cannot_create + name_prompt,
              t.output);
    EXPECT_EQ(1u, t.files.size());
    EXPECT_EQ(1u, t.files.count("ok"));
}

TEST(FrameSession, EndOfInputAtAnyPromptEndsWithStatusOneAndNoFile)
{
    const struct {
        std::string input;
        std::string output;
    } cases[] = {
        {"", banner + "Angle : "},
        {"0\n", banner + entry},
        {"0\n5\n", banner + entry + geo_heading + latitude_prompt},
        {"0\n5\n1\n", banner + entry + geo_heading + latitude_prompt + longitude_prompt},
        {"0\n5\nE\n", banner + entry + no_tests},
        {"0\n5\nE\n1\n", banner + entry + no_tests + y_prompt},
        {"0\n5\nE\nE\n", banner + entry + no_tests + result + name_prompt},
        {"0\n5\nE\nE\n \n\n\t", banner + entry + no_tests + result + name_prompt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        transcript t = run(c.input);
        EXPECT_EQ(c.output + "\n", t.output);
        EXPECT_EQ(1, t.status);
        EXPECT_TRUE(t.files.empty());
    }
}

TEST(FrameSession, AFailedWriteIsReportedAndTheNameAskedAgain)
{
    // A full device: the error is reported and the device left in place.
    transcript t = run("0\n5\nE\nE\n/dev/full\nout.txt\n");
    EXPECT_EQ(banner + entry + no_tests + result + name_prompt + cannot_write + name_prompt,
              t.output);
    EXPECT_EQ(0, t.status);
    EXPECT_EQ(as_file(block("0.0")), t.files["out.txt"]);
    struct stat info;
    ASSERT_EQ(0, stat("/dev/full", &info));
    EXPECT_TRUE(S_ISCHR(info.st_mode));

    // A file that outgrows the size limit is removed, not left half written.
    run_options options;
    options.file_size_limit = 100;
    t = run("0\n5\nE\nE\nbig.txt\n", options);
    EXPECT_EQ(banner + entry + no_tests + result + name_prompt + cannot_write + name_prompt + "\n",
              t.output);
    EXPECT_EQ(1, t.status);
    EXPECT_TRUE(t.files.empty());
}

}  // namespace

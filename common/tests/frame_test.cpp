// The calibrator frame, run as a whole program through the test calibrator
// in frame_fixture.cpp: fixed block, pixel = degrees * 100 both ways.

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

#include "session_texts.h"
#include "transcript.h"

using namespace std::string_literals;

namespace {

using namespace session;

const std::string box =
    banner("*                     Frame Test Calibrator                       *\n");
const std::string entry = "Angle : Pixel : ";
const std::string latitude_prompt = "\nLatitude  : ";
const std::string longitude_prompt = "Longitude : ";
const std::string x_prompt = "\nX: ";
const std::string y_prompt = "Y: ";

std::string block(const std::string& a)
{
    return "                      C_X         : [ 1.0000000000E+02,  2.0000000000E+02,  0.0000000000E+00],\n"
           "                      C_Y         : [ 5.0000000000E+03, -4.0000000000E+02,  0.0000000000E+00],\n"
           "                      C_Long      : [-5.0000000000E-01,  5.0000000000E-03,  0.0000000000E+00],\n"
           "                      C_Lat       : [ 1.2500000000E+01, -2.5000000000E-03,  0.0000000000E+00],\n"
           "                      A           : " + a + ",\n\n";
}

const std::string result = result_heading + block("0.0");
// Both loops left at their first prompt.
const std::string no_tests = loops_start + latitude_prompt + pixel_heading + x_prompt;

transcript run(const std::string& input, const run_options& options = {})
{
    return run_transcript(FRAME_FIXTURE, input, options);
}

TEST(FrameFile, TheThreeValueBlockIs428BytesAsAFile)
{
    EXPECT_EQ(422u, block("0.0").size());
    EXPECT_EQ(428u, file_bytes(block("0.0")).size());
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
    const std::string file = file_bytes(block("0.0"));
    const session_case cases[] = {
        {"passes through both loops",
         "0\n5\n2.5\n-1.25\nE\n350\n-1234\ne\nout.txt\n",
         box + entry + loops_start + latitude_prompt + longitude_prompt + "X = -124\nY = 250\n"
             + latitude_prompt + pixel_heading + x_prompt + y_prompt
             + "Position is -12.340000 (12\xa1" "20'24.00\"S), 3.500000 (3\xa1" "30'0.00\"E):\n"
             + x_prompt + result + file_prompt,
         0, {{"out.txt", file}}},
        {"E at the longitude and at the Y prompt ends each loop without a result",
         "0\n5\n10\nExit\n1\nE\nout.txt\n",
         box + entry + loops_start + latitude_prompt + longitude_prompt + pixel_heading
             + x_prompt + y_prompt + result + file_prompt,
         0, {{"out.txt", file}}},
        {"E in the calibration entry is 0 and ends nothing",
         "E\ne\nE\nE\nout.txt\n",
         box + entry + no_tests + result + file_prompt, 0, {{"out.txt", file}}},
        {"the A line shows the entered angle",
         "-5 42\n5\nE\nE\nout.txt\n",
         box + entry + no_tests + result_heading + block("-5.7") + file_prompt, 0,
         {{"out.txt", file_bytes(block("-5.7"))}}},
        {"a failed fit stops before the loops",
         "10\n999\n", box + entry + no_solution, 0, {}},
        {"names that cannot be created are asked for again",
         "0\n5\nE\nE\nmissing/x.txt\n.\nout.txt\n",
         box + entry + no_tests + result + file_prompt + cannot_create + file_prompt
             + cannot_create + file_prompt,
         0, {{"out.txt", file}}},
        {"a name is one word: leading blank lines skipped, the rest after a blank dropped",
         "0\n5\nE\nE\n\n   my file.txt\n",
         box + entry + no_tests + result + file_prompt, 0, {{"my", file}}},
        {"E at the file-name prompt is a file name",
         "0\n5\nE\nE\nE\n", box + entry + no_tests + result + file_prompt, 0, {{"E", file}}},
        {"a name without a line end is still taken",
         "0\n5\nE\nE\nlast", box + entry + no_tests + result + file_prompt, 0,
         {{"last", file}}},
        {"a name holding a zero byte cannot be created",
         "0\n5\nE\nE\nab\0cd\nok\n"s,
         box + entry + no_tests + result + file_prompt + cannot_create + file_prompt, 0,
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
    EXPECT_EQ(file_bytes(block("0.0")), t.files["out.txt"]);
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
    EXPECT_EQ(box + entry + no_tests + result + file_prompt + cannot_create + file_prompt,
              t.output);
    EXPECT_EQ(0, t.status);
    ASSERT_EQ(1u, t.files.size());
    EXPECT_EQ(file_bytes(block("0.0")), t.files["x.txt"]);

    // A word of a megabyte is consumed whole; nothing of it is used later.
    t = run("0\n5\nE\nE\n" + std::string(1 << 20, 'n') + "\nok\n");
    EXPECT_EQ(box + entry + no_tests + result + file_prompt + cannot_create + file_prompt,
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
        {"", box + "Angle : "},
        {"0\n", box + entry},
        {"0\n5\n", box + entry + loops_start + latitude_prompt},
        {"0\n5\n1\n", box + entry + loops_start + latitude_prompt + longitude_prompt},
        {"0\n5\nE\n", box + entry + no_tests},
        {"0\n5\nE\n1\n", box + entry + no_tests + y_prompt},
        {"0\n5\nE\nE\n", box + entry + no_tests + result + file_prompt},
        {"0\n5\nE\nE\n \n\n\t", box + entry + no_tests + result + file_prompt},
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
    EXPECT_EQ(box + entry + no_tests + result + file_prompt + cannot_write + file_prompt,
              t.output);
    EXPECT_EQ(0, t.status);
    EXPECT_EQ(file_bytes(block("0.0")), t.files["out.txt"]);
    struct stat info;
    ASSERT_EQ(0, stat("/dev/full", &info));
    EXPECT_TRUE(S_ISCHR(info.st_mode));

    // A file that outgrows the size limit is removed, not left half written.
    run_options options;
    options.file_size_limit = 100;
    t = run("0\n5\nE\nE\nbig.txt\n", options);
    EXPECT_EQ(box + entry + no_tests + result + file_prompt + cannot_write + file_prompt + "\n",
              t.output);
    EXPECT_EQ(1, t.status);
    EXPECT_TRUE(t.files.empty());
}

}  // namespace

#include <chrono>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "transcript.h"

namespace {

const std::string banner =
    "*******************************************************************\n"
    "*                                                                 *\n"
    "*             ED50 --> WGS84 Map Coordinate Converter             *\n"
    "*                   V 1.5, for use with Velorin                   *\n"
    "*                                                                 *\n"
    "*******************************************************************\n"
    "\n(Exit Loop by entering E<CR>)\n";
const std::string latitude_prompt = "\nED50-Latitude  : ";
const std::string longitude_prompt = "ED50-Longitude : ";

std::string answer(const std::string& position)
{
    return "WGS84-Position is " + position + "\n";
}

struct session_case {
    const char* name;
    std::string input;
    std::string output;
};

TEST(Ed50convSession, WholeSessions)
{
    const std::string reference = answer(
        "51.999263 (51\xa1" "59'57.35\"N), 9.998852 (9\xa1" "59'55.87\"E)");
    const session_case cases[] = {
        {"three worked positions, then E",
         "52\n10\n48 8 0\n11 35\n40\n-3\nE\n",
         banner + latitude_prompt + longitude_prompt + reference
             + latitude_prompt + longitude_prompt
             + answer("48.132498 (48\xa1" "7'56.99\"N), 11.582294 (11\xa1" "34'56.26\"E)")
             + latitude_prompt + longitude_prompt
             + answer("39.998793 (39\xa1" "59'55.65\"N), -3.001351 (3\xa1" "0'4.86\"W)")
             + latitude_prompt},
        {"E at the longitude prompt discards the latitude",
         "52\ne\n",
         banner + latitude_prompt + longitude_prompt},
        {"refused lines ring the bell and ask again",
         "90 0 1\n\n52,0\n180.5\n10 0 0\n" + std::string(300, '5') + "\nExit\n",
         banner + latitude_prompt + "\a" + latitude_prompt + "\a" + latitude_prompt
             + longitude_prompt + "\a" + longitude_prompt + reference
             + latitude_prompt + "\a" + latitude_prompt},
        {"end of input at the latitude prompt",
         "52\n10\n",
         banner + latitude_prompt + longitude_prompt + reference + latitude_prompt + "\n"},
        {"end of input at the longitude prompt, last line without line end",
         "52\n10",
         banner + latitude_prompt + longitude_prompt + reference + latitude_prompt + "\n"},
        {"end of input at the longitude prompt",
         "52\n",
         banner + latitude_prompt + longitude_prompt + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        transcript run = run_transcript(program_path("ed50conv"), c.input);
        EXPECT_EQ(c.output, run.output);
        EXPECT_EQ(0, run.status);
        EXPECT_TRUE(run.files.empty());
        EXPECT_EQ("", run.error_output);
    }
}

// Reads from fd until the text has arrived or the time is up.
bool wait_for(int fd, const std::string& text, std::string& seen, int milliseconds)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (seen.find(text) == std::string::npos) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0)
            continue;
        char buffer[4096];
        ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0)
            return false;
        seen.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

TEST(Ed50convTerminal, OnAConsoleTheProgramPausesForOneCharacter)
{
    // A raw terminal passes the bytes unchanged and echoes nothing.
    termios raw{};
    cfmakeraw(&raw);
    int terminal = -1;
    pid_t child = forkpty(&terminal, nullptr, &raw, nullptr);
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::string path = program_path("ed50conv");
        execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    std::string seen;
    ASSERT_TRUE(wait_for(terminal, "ED50-Latitude  : ", seen, 5000));
    ASSERT_EQ(2, write(terminal, "E\n", 2));
    ASSERT_TRUE(wait_for(terminal, "\n \n Press Enter to continue \n", seen, 5000));
    EXPECT_EQ("\nED50-Latitude  : \n \n Press Enter to continue \n",
              seen.substr(seen.find("\nED50-Latitude")));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    int status = 0;
    EXPECT_EQ(0, waitpid(child, &status, WNOHANG)) << "the program did not wait";
    ASSERT_EQ(1, write(terminal, "x", 1));
    ASSERT_EQ(child, waitpid(child, &status, 0));
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(0, WEXITSTATUS(status));
    close(terminal);
}

TEST(Ed50convTerminal, RedirectedOutputGetsNoPause)
{
    transcript run = run_transcript(program_path("ed50conv"), "E\n");
    EXPECT_EQ(std::string::npos, run.output.find("Press Enter"));
    EXPECT_EQ(0, run.status);
}

TEST(Ed50convPipes, EveryPromptArrivesBeforeTheProgramWaits)
{
    int to_child[2], from_child[2];
    ASSERT_EQ(0, pipe(to_child));
    ASSERT_EQ(0, pipe(from_child));
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dup2(to_child[0], 0);
        dup2(from_child[1], 1);
        close(to_child[1]);
        close(from_child[0]);
        std::string path = program_path("ed50conv");
        execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(to_child[0]);
    close(from_child[1]);
    std::string seen;
    EXPECT_TRUE(wait_for(from_child[0], "ED50-Latitude  : ", seen, 5000));
    ASSERT_EQ(3, write(to_child[1], "52\n", 3));
    EXPECT_TRUE(wait_for(from_child[0], "ED50-Longitude : ", seen, 5000));
    ASSERT_EQ(3, write(to_child[1], "10\n", 3));
    EXPECT_TRUE(wait_for(from_child[0], "E)\n\nED50-Latitude  : ", seen, 5000));
    close(to_child[1]);
    int status = 0;
    waitpid(child, &status, 0);
    close(from_child[0]);
    EXPECT_EQ(0, WEXITSTATUS(status));
}

}  // namespace

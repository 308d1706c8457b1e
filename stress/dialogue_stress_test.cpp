// Thousands of seeded sessions per program, valid answers mixed with hostile
// lines. Every run must end on its own with status 0 or 1 and nothing on
// standard error (no sanitizer report), and leave either nothing or one
// complete coefficient file; a run that ended early leaves nothing.

#include <gtest/gtest.h>
#include <random>
#include <string>

#include "sessions.h"
#include "transcript.h"

namespace {

// Thousands under the sanitizers, where the runs are meant to be checked;
// a smaller share in the plain build.
#ifdef __SANITIZE_ADDRESS__
constexpr int sessions_per_program = 2000;
#else
constexpr int sessions_per_program = 300;
#endif
constexpr double seconds_per_run = 10.0;

// A line of random bytes other than the line end and "/" (so that a junk
// answer at the file-name prompt stays a name inside the run's folder).
std::string junk(std::mt19937& random, std::size_t length)
{
    std::string line;
    while (line.size() < length) {
        char c = static_cast<char>(random() & 0xff);
        if (c != '\n' && c != '/')
            line += c;
    }
    return line;
}

std::string hostile_line(std::mt19937& random)
{
    static const std::string fixed[] = {
        "", "   ", std::string("\0\0", 2), "abc\r", "1e999", "-1e999", "1e-999", "nan",
        "inf", "-inf", "-", "+", "-1", "2147483648", "-2147483649",
        "99999999999999999999999999", "E", "e", "0x1p3", "47 30 0 junk", "-0 30",
        std::string(100, '9'), "90 0 1", "47 60", ",", "\t\v\f",
    };
    constexpr std::size_t fixed_count = sizeof fixed / sizeof fixed[0];
    std::size_t pick = random() % (fixed_count + 3);
    if (pick < fixed_count)
        return fixed[pick];
    if (pick == fixed_count && random() % 50 == 0)
        return junk(random, 1 << 20);  // now and then a line of a megabyte
    return junk(random, random() % 120);
}

std::string hostile_session(const program_session& session, std::mt19937& random)
{
    std::string input;
    for (const auto& answer : session.answers) {
        while (random() % 10 < 3)
            input += hostile_line(random) + (random() % 4 == 0 ? "\r\n" : "\n");
        input += (random() % 20 == 0 ? std::string("E") : answer) + "\n";
    }
    if (random() % 3 == 0)
        input.resize(random() % (input.size() + 1));
    return input;
}

class DialogueStress : public ::testing::TestWithParam<program_session> {};

TEST_P(DialogueStress, HostileSessionsEndCleanly)
{
    const program_session& session = GetParam();
    if (!program_exists(session.program))
        GTEST_SKIP() << session.program << " is not built";
    std::mt19937 random(20261211);
    run_options options;
    options.timeout_seconds = seconds_per_run;
    for (int i = 0; i < sessions_per_program; ++i) {
        std::string input = hostile_session(session, random);
        transcript t = run_transcript(program_path(session.program), input, options);
        SCOPED_TRACE("session " + std::to_string(i));
        ASSERT_FALSE(t.timed_out);
        ASSERT_TRUE(t.status == 0 || t.status == 1) << t.status;
        ASSERT_EQ("", t.error_output);
        if (t.status == 1) {
            ASSERT_TRUE(t.files.empty());
        }
        ASSERT_LE(t.files.size(), 1u);
        for (const auto& [name, bytes] : t.files)
            ASSERT_TRUE(complete_block_file(bytes)) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(AllPrograms, DialogueStress, ::testing::ValuesIn(valid_sessions()),
                         [](const auto& info) { return std::string(info.param.program); });

}  // namespace

// Standard output that cannot be written: a full device, a closed
// descriptor, a pipe whose reader went away. Each program runs its whole
// dialogue, writes its file as usual, and ends with status 1 and one line on
// standard error naming itself and the error.

#include <gtest/gtest.h>
#include <string>

#include "sessions.h"
#include "transcript.h"

namespace {

class OutputFaults : public ::testing::TestWithParam<program_session> {};

TEST_P(OutputFaults, AreReportedWithStatusOneAndTheFileStaysIntact)
{
    const program_session& session = GetParam();
    if (!program_exists(session.program))
        GTEST_SKIP() << session.program << " is not built";
    const std::string input = joined_lines(session.answers);
    transcript normal = run_transcript(program_path(session.program), input);
    ASSERT_EQ(0, normal.status);
    ASSERT_EQ("", normal.error_output);
    ASSERT_EQ(session.writes_file ? 1u : 0u, normal.files.size());

    const struct {
        output_target target;
        const char* error;
    } faults[] = {
        {output_target::full, "No space left on device"},
        {output_target::closed, "Bad file descriptor"},
        {output_target::broken, "Broken pipe"},
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.error);
        run_options options;
        options.output = fault.target;
        transcript t = run_transcript(program_path(session.program), input, options);
        EXPECT_FALSE(t.timed_out);
        EXPECT_EQ(1, t.status);
        EXPECT_EQ(std::string(session.program) + ": error writing standard output: " + fault.error
                      + "\n",
                  t.error_output);
        // The file holds the block and nothing of the dialogue.
        EXPECT_EQ(normal.files, t.files);
    }
}

INSTANTIATE_TEST_SUITE_P(AllPrograms, OutputFaults, ::testing::ValuesIn(valid_sessions()),
                         [](const auto& info) { return std::string(info.param.program); });

}  // namespace

// One whole session per program under valgrind's memcheck: no invalid read
// or write, no use of an undefined value, no leak. Runs in the plain build
// (the sanitizer build has its own checks) when valgrind is installed.

#include <cstdlib>
#include <gtest/gtest.h>

#include "sessions.h"
#include "transcript.h"

namespace {

class Valgrind : public ::testing::TestWithParam<program_session> {};

TEST_P(Valgrind, AWholeSessionIsClean)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizer build is not run under valgrind";
#endif
    const program_session& session = GetParam();
    if (!program_exists(session.program))
        GTEST_SKIP() << session.program << " is not built";
    if (std::system("valgrind --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "valgrind is not installed";
    run_options options;
    options.run_under = {"valgrind", "--quiet", "--error-exitcode=1", "--leak-check=full",
                         "--errors-for-leak-kinds=definite,indirect"};
    options.timeout_seconds = 120;
    transcript t = run_transcript(program_path(session.program), joined_lines(session.answers),
                                  options);
    EXPECT_EQ(0, t.status) << t.error_output;
    EXPECT_EQ("", t.error_output);
    EXPECT_EQ(session.writes_file ? 1u : 0u, t.files.size());
}

INSTANTIATE_TEST_SUITE_P(AllPrograms, Valgrind, ::testing::ValuesIn(valid_sessions()),
                         [](const auto& info) { return std::string(info.param.program); });

}  // namespace

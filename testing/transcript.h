// Runs a built program of the suite as a child process, the way a user who
// pipes a prepared answer file does, and returns everything it produced.
#pragma once

#include <map>
#include <string>
#include <vector>

// How the child's standard output is connected.
enum class output_target {
    captured,  // a file, read back into transcript::output
    full,      // /dev/full: every write fails with "No space left on device"
    closed,    // descriptor 1 closed before the program starts
    broken,    // a pipe whose reader has gone: every write fails with EPIPE
};

struct run_options {
    // Files put into the working folder before the run, name -> bytes.
    std::map<std::string, std::string> files_before;
    output_target output = output_target::captured;
    // Largest file the child may write (RLIMIT_FSIZE, SIGXFSZ ignored);
    // 0 means no limit.
    long file_size_limit = 0;
    // A command the program runs under, such as valgrind and its options;
    // empty to run the program itself.
    std::vector<std::string> run_under;
    // The child is killed after this long.
    double timeout_seconds = 20.0;
};

struct transcript {
    std::string output;        // standard output bytes
    std::string error_output;  // standard error bytes
    int status = -1;           // exit status; -1 when killed by a signal
    bool timed_out = false;
    // Every regular file in the working folder after the run, name -> bytes
    // (files_before included, as the program left them).
    std::map<std::string, std::string> files;
};

// Path of a built program of the suite, by its name ("rectcal").
std::string program_path(const std::string& name);

// Whether that program has been built.
bool program_exists(const std::string& name);

// Runs the program in a fresh temporary folder with the given bytes as
// standard input (from a file, so it sees the end of input after them).
transcript run_transcript(const std::string& program, const std::string& input,
                          const run_options& options = {});

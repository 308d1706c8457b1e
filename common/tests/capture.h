// Test helpers for the common routines: standard input from memory and
// standard output caught in a string, with the process-wide flags reset.
#pragma once

#include <cstdio>
#include <string>
#include <unistd.h>

#include "common_state.h"
#include "input.h"

// Everything the function writes to standard output while it runs.
template <typename F>
std::string capture_output(F&& run)
{
    std::fflush(stdout);
    std::FILE* sink = std::tmpfile();
    int saved = dup(1);
    dup2(fileno(sink), 1);
    run();
    std::fflush(stdout);
    dup2(saved, 1);
    close(saved);
    std::string text;
    std::rewind(sink);
    for (int c; (c = std::fgetc(sink)) != EOF;)
        text += static_cast<char>(c);
    std::fclose(sink);
    return text;
}

// Gives the entry routines these bytes as their whole standard input and
// clears the flags they raise.
inline void start_input(const std::string& bytes)
{
    static std::string held;
    held = bytes;
    input_from_memory(held.data(), held.size());
    exit_requested = false;
    input_ended = false;
}

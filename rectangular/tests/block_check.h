// Checks of a whole calibration by rectcal or rectfree against a block
// worked out by hand, and the block of the worked example.
#pragma once

#include <gtest/gtest.h>
#include <string>

#include "session_texts.h"
#include "transcript.h"

// The block of the worked example 48..49 / 9..10 with the corners at
// (100, 1100), (1100, 1100) and (100, 100): what rectcal writes for that
// rectangle and rectfree for those three points.
inline const std::string example_block =
    session::vector_line("C_X", "-8.9000000000E+03", " 1.0000000000E+03", " 0.0000000000E+00")
    + session::vector_line("C_Y", " 4.9100000000E+04", "-1.0000000000E+03", " 0.0000000000E+00")
    + session::vector_line("C_Long", " 8.9000000000E+00", " 1.0000000000E-03", " 0.0000000000E+00")
    + session::vector_line("C_Lat", " 4.9100000000E+01", "-1.0000000000E-03", " 0.0000000000E+00")
    + session::a_line("0.0");

// Runs a calibration from its entries, leaves both loops at once and writes
// block.txt; returns the console text from the result heading on, the file
// and the exit status.
struct written {
    std::string shown;
    std::string file;
    int status;
};

inline written calibrate_with(const char* program, const std::string& entries)
{
    transcript t = run_transcript(program_path(program), entries + "E\nE\nblock.txt\n");
    written w;
    std::size_t at = t.output.find(session::result_heading);
    w.shown = at == std::string::npos ? t.output : t.output.substr(at);
    w.file = t.files.count("block.txt") ? t.files.at("block.txt") : "(no file)";
    w.status = t.status;
    return w;
}

// The block is shown once after the loops and written, CR LF, to the file.
inline void expect_block(const written& w, const std::string& block)
{
    EXPECT_EQ(session::result_shown(block), w.shown);
    EXPECT_EQ(session::file_bytes(block), w.file);
    EXPECT_EQ(0, w.status);
}

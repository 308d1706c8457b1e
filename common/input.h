// Standard input, read through one fixed buffer. Standard output is flushed
// exactly when the program is about to wait for more input, so every prompt
// is visible before the program waits (also through a pipe), while a batch
// of answers piped in costs no system call per prompt.
#pragma once

#include <cstddef>

// One line of the dialogue: at most line_size - 1 characters of text and a
// terminating zero. The line end is not part of the text. A line may hold
// zero bytes and carriage returns; they are ordinary characters.
constexpr int line_size = 80;

struct input_line {
    char text[line_size];
    int length;     // characters kept in text, not counting the terminator
    bool too_long;  // the line had more than line_size - 1 characters; its
                    // rest was read and dropped, text holds its beginning
};

// Reads the next line into line. Returns false when standard input had
// ended before a single character of a new line; a last line without a line
// end is still a line.
bool read_line(input_line& line);

// Reads one character; returns it as an unsigned char value, or -1 when
// standard input has ended.
int read_char();

// Where the reader takes its bytes from: standard input (descriptor 0) by
// default. Tests and fuzz targets may hand it a block of memory instead; the
// reader then starts afresh and reports the end of input after the block.
void input_from_memory(const char* data, std::size_t size);
void input_from_descriptor(int fd);

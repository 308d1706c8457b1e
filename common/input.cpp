#include "input.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {

// Bytes read from the source and not yet taken by the dialogue.
constexpr std::size_t input_buffer_size = 4096;
char input_buffer[input_buffer_size];
const char* input_next = input_buffer;
const char* input_end = input_buffer;

int input_fd = 0;                          // the descriptor read when memory is not used
const char* memory_data = nullptr;         // the memory block, when one is used
std::size_t memory_left = 0;
bool source_ended = false;                 // the source has reported its end

// Fills the buffer when it is empty. Returns false at the end of input.
bool refill()
{
    if (input_next < input_end)
        return true;
    if (source_ended)
        return false;
    if (memory_data != nullptr) {
        if (memory_left == 0) {
            source_ended = true;
            return false;
        }
        input_next = memory_data;
        input_end = memory_data + memory_left;
        memory_left = 0;
        return true;
    }
    // About to wait: whatever the user should see must be out now.
    std::fflush(stdout);
    for (;;) {
        ssize_t got = ::read(input_fd, input_buffer, input_buffer_size);
        if (got > 0) {
            input_next = input_buffer;
            input_end = input_buffer + got;
            return true;
        }
        if (got < 0 && errno == EINTR)
            continue;
        // End of file, or a descriptor that cannot be read: no more input.
        source_ended = true;
        return false;
    }
}

}  // namespace

int read_char()
{
    if (!refill())
        return -1;
    return static_cast<unsigned char>(*input_next++);
}

bool read_line(input_line& line)
{
    line.length = 0;
    line.too_long = false;
    line.text[0] = '\0';
    int c = read_char();
    if (c < 0)
        return false;
    while (c >= 0 && c != '\n') {
        if (line.length < line_size - 1)
            line.text[line.length++] = static_cast<char>(c);
        else
            line.too_long = true;
        c = read_char();
    }
    line.text[line.length] = '\0';
    return true;
}

void input_from_memory(const char* data, std::size_t size)
{
    memory_data = data;
    memory_left = size;
    input_next = input_end = input_buffer;
    source_ended = false;
}

void input_from_descriptor(int fd)
{
    memory_data = nullptr;
    memory_left = 0;
    input_fd = fd;
    input_next = input_end = input_buffer;
    source_ended = false;
}

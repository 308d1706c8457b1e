#include "program.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "common_state.h"
#include "input.h"

namespace {

// Gives a closed standard descriptor a placeholder opened against its
// direction: reading a placeholder standard output fails, as does writing a
// placeholder standard input, so the dialogue sees the fault as it is.
void guard_descriptor(int fd)
{
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
        return;
    int placeholder = open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
    if (placeholder != fd && placeholder >= 0)
        close(placeholder);
}

}  // namespace

void run_program(const char* name, int (*dialogue)())
{
    program_name = name;
    for (int fd = 0; fd <= 2; ++fd)
        guard_descriptor(fd);
    std::signal(SIGPIPE, SIG_IGN);
    end_program(dialogue());
}

void end_program(int status)
{
    if (status == 0 && isatty(STDOUT_FILENO)) {
        std::fputs("\n \n Press Enter to continue \n", stdout);
        read_char();
    }
    int error = std::fflush(stdout) == 0 ? 0 : errno;
    if (std::ferror(stdout)) {
        std::fprintf(stderr, "%s: error writing standard output: %s\n", program_name,
                     error != 0 ? std::strerror(error) : "output lost");
        status = 1;
    }
    std::exit(status);
}

void end_on_lost_input()
{
    std::fputs("\n", stdout);
    end_program(1);
}

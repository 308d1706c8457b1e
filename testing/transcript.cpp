#include "transcript.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void write_file(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string make_temporary_folder()
{
    char name[] = "/tmp/velorin-run-XXXXXX";
    if (mkdtemp(name) == nullptr)
        std::abort();
    return name;
}

void remove_folder(const std::string& folder)
{
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir)) {
            std::string name = entry->d_name;
            if (name != "." && name != "..")
                unlink((folder + "/" + name).c_str());
        }
        closedir(dir);
    }
    rmdir(folder.c_str());
}

std::map<std::string, std::string> regular_files(const std::string& folder)
{
    std::map<std::string, std::string> files;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir)) {
            std::string path = folder + "/" + entry->d_name;
            struct stat info;
            if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
                files[entry->d_name] = read_file(path);
        }
        closedir(dir);
    }
    return files;
}

// In the child: connects the descriptors, applies the limits, and becomes
// the program. Never returns.
// Standard output and error go to pipes, so that a file-size limit on the
// child applies to the files it writes and not to what the harness catches.
[[noreturn]] void start_child(const std::string& program, const std::string& work,
                              const std::string& input_path, int output_pipe, int error_pipe,
                              const run_options& options)
{
    if (chdir(work.c_str()) != 0)
        _exit(126);
    int in = open(input_path.c_str(), O_RDONLY);
    dup2(in, 0);
    dup2(error_pipe, 2);
    switch (options.output) {
    case output_target::captured:
        dup2(output_pipe, 1);
        break;
    case output_target::full:
        dup2(open("/dev/full", O_WRONLY), 1);
        break;
    case output_target::closed:
        close(1);
        break;
    case output_target::broken: {
        int ends[2];
        if (pipe(ends) != 0)
            _exit(126);
        close(ends[0]);
        dup2(ends[1], 1);
        break;
    }
    }
    for (int fd = 3; fd < 256; ++fd)
        close(fd);
    if (options.file_size_limit > 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{static_cast<rlim_t>(options.file_size_limit),
                     static_cast<rlim_t>(options.file_size_limit)};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    std::vector<char*> command;
    for (const std::string& word : options.run_under)
        command.push_back(const_cast<char*>(word.c_str()));
    command.push_back(const_cast<char*>(program.c_str()));
    command.push_back(nullptr);
    execvp(command[0], command.data());
    _exit(127);
}

}  // namespace

std::string program_path(const std::string& name)
{
    return std::string(VELORIN_PROGRAM_DIR) + "/" + name;
}

bool program_exists(const std::string& name)
{
    return access(program_path(name).c_str(), X_OK) == 0;
}

transcript run_transcript(const std::string& program, const std::string& input,
                          const run_options& options)
{
    std::string work = make_temporary_folder();
    std::string side = make_temporary_folder();  // the harness's own files
    std::string input_path = side + "/input";
    write_file(input_path, input);
    for (const auto& [name, bytes] : options.files_before)
        write_file(work + "/" + name, bytes);

    transcript result;
    int output_pipe[2], error_pipe[2];
    if (pipe(output_pipe) != 0 || pipe(error_pipe) != 0)
        std::abort();
    pid_t child = fork();
    if (child == 0)
        start_child(program, work, input_path, output_pipe[1], error_pipe[1], options);
    close(output_pipe[1]);
    close(error_pipe[1]);

    // Collect both pipes until the child has closed them, within the time.
    auto deadline = std::chrono::steady_clock::now()
                    + std::chrono::duration<double>(options.timeout_seconds);
    pollfd pipes[2] = {{output_pipe[0], POLLIN, 0}, {error_pipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.output, &result.error_output};
    int open_pipes = 2;
    while (open_pipes > 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            result.timed_out = true;
            break;
        }
        if (poll(pipes, 2, 10) <= 0)
            continue;
        for (int i = 0; i < 2; ++i) {
            if (pipes[i].fd < 0 || pipes[i].revents == 0)
                continue;
            char buffer[65536];
            ssize_t got = read(pipes[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                close(pipes[i].fd);
                pipes[i].fd = -1;
                --open_pipes;
            }
        }
    }
    for (const pollfd& p : pipes)
        if (p.fd >= 0)
            close(p.fd);
    // A child that closed its output may still be running: wait for it too.
    int wait_status = 0;
    while (waitpid(child, &wait_status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            result.timed_out = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (WIFEXITED(wait_status))
        result.status = WEXITSTATUS(wait_status);
    result.files = regular_files(work);
    remove_folder(work);
    remove_folder(side);
    return result;
}

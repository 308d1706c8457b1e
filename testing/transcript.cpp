#include "transcript.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
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
[[noreturn]] void start_child(const std::string& program, const std::string& work,
                              const std::string& input_path, const std::string& output_path,
                              const std::string& error_path, const run_options& options)
{
    if (chdir(work.c_str()) != 0)
        _exit(126);
    int in = open(input_path.c_str(), O_RDONLY);
    int err = open(error_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(in, 0);
    dup2(err, 2);
    switch (options.output) {
    case output_target::captured:
        dup2(open(output_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
        break;
    case output_target::full:
        dup2(open("/dev/full", O_WRONLY), 1);
        break;
    case output_target::closed:
        close(1);
        break;
    }
    for (int fd = 3; fd < 256; ++fd)
        close(fd);
    if (options.file_size_limit > 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{static_cast<rlim_t>(options.file_size_limit),
                     static_cast<rlim_t>(options.file_size_limit)};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

}  // namespace

std::string program_path(const std::string& name)
{
    return std::string(VELORIN_PROGRAM_DIR) + "/" + name;
}

transcript run_transcript(const std::string& program, const std::string& input,
                          const run_options& options)
{
    std::string work = make_temporary_folder();
    std::string side = make_temporary_folder();  // the harness's own files
    std::string input_path = side + "/input";
    std::string output_path = side + "/output";
    std::string error_path = side + "/error";
    write_file(input_path, input);
    for (const auto& [name, bytes] : options.files_before)
        write_file(work + "/" + name, bytes);

    transcript result;
    pid_t child = fork();
    if (child == 0)
        start_child(program, work, input_path, output_path, error_path, options);

    auto deadline = std::chrono::steady_clock::now()
                    + std::chrono::duration<double>(options.timeout_seconds);
    int wait_status = 0;
    for (;;) {
        pid_t done = waitpid(child, &wait_status, WNOHANG);
        if (done == child)
            break;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &wait_status, 0);
            result.timed_out = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (WIFEXITED(wait_status))
        result.status = WEXITSTATUS(wait_status);
    result.output = read_file(output_path);
    result.error_output = read_file(error_path);
    result.files = regular_files(work);
    remove_folder(work);
    remove_folder(side);
    return result;
}

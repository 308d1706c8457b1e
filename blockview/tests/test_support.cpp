#include "test_support.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "transcript.h"

scratch_folder::scratch_folder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "blockview_test_XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        std::abort();
    folder = pattern;
}

scratch_folder::~scratch_folder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

std::string scratch_folder::path(const std::string& name) const { return folder + "/" + name; }

std::string scratch_folder::write(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(path(name), std::ios::binary);
    out << bytes;
    return path(name);
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

blockview_run run_blockview(const scratch_folder& folder, const std::vector<std::string>& args)
{
    std::string program = program_path("blockview");
    std::string out_path = folder.path(".stdout"), err_path = folder.path(".stderr");
    pid_t child = fork();
    if (child == 0) {
        int in = open("/dev/null", O_RDONLY);
        int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0 || chdir(folder.folder.c_str()) != 0)
            _exit(127);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        std::vector<char*> argv{program.data()};
        std::vector<std::string> copies = args;
        for (std::string& a : copies)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    blockview_run run;
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.output = read_file(out_path);
    run.error_output = read_file(err_path);
    return run;
}

bool on_path(const std::string& program)
{
    std::string command = "command -v " + program + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

const char affine_example_file[] =
    "                      C_X         : [-8.9000000000E+03,  1.0000000000E+03,  0.0000000000E+00],\r\n"
    "                      C_Y         : [ 4.9100000000E+04, -1.0000000000E+03,  0.0000000000E+00],\r\n"
    "                      C_Long      : [ 8.9000000000E+00,  1.0000000000E-03,  0.0000000000E+00],\r\n"
    "                      C_Lat       : [ 4.9100000000E+01, -1.0000000000E-03,  0.0000000000E+00],\r\n"
    "                      A           : 0.0,\r\n"
    "\r\n";

const char linear_nine_value_file[] =
    "                      C_Long      : [ 9.5000000000E+00,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                      5.0000000000E-03,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                      0.0000000000E+00,  0.0000000000E+00,  0.0000000000E+00],\r\n"
    "                      C_Lat       : [ 4.9500000000E+01,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                     -2.5000000000E-03,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                      0.0000000000E+00,  0.0000000000E+00,  0.0000000000E+00],\r\n"
    "                      C_X         : [-1.9000000000E+03,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                      2.0000000000E+02,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                      0.0000000000E+00,  0.0000000000E+00,  0.0000000000E+00],\r\n"
    "                      C_Y         : [ 1.9800000000E+04,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                     -4.0000000000E+02,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                      0.0000000000E+00,  0.0000000000E+00,  0.0000000000E+00],\r\n"
    "                      A           : 0.0,\r\n"
    "\r\n";

const char bent_nine_value_file[] =
    "                      C_Long      : [ 9.5000000000E+00,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                      5.0000000000E-03,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                      0.0000000000E+00,  0.0000000000E+00,  0.0000000000E+00],\r\n"
    "                      C_Lat       : [ 4.9500000000E+01,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                     -2.5000000000E-03,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                      0.0000000000E+00,  0.0000000000E+00,  0.0000000000E+00],\r\n"
    "                      C_X         : [-1.9000000000E+03,  0.0000000000E+00,  5.0000000000E-01,\r\n"
    "                                      2.0000000000E+02,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                      0.0000000000E+00,  0.0000000000E+00,  0.0000000000E+00],\r\n"
    "                      C_Y         : [ 1.9800000000E+04,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                     -4.0000000000E+02,  0.0000000000E+00,  0.0000000000E+00,\r\n"
    "                                      0.0000000000E+00,  0.0000000000E+00,  0.0000000000E+00],\r\n"
    "                      A           : 0.0,\r\n"
    "\r\n";

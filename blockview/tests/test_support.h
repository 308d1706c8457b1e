// Helpers of the blockview tests: a scratch folder, files in it, and runs
// of the built blockview program with arguments.
#pragma once

#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with its
// files when the object goes away.
struct scratch_folder {
    scratch_folder();
    ~scratch_folder();
    scratch_folder(const scratch_folder&) = delete;
    scratch_folder& operator=(const scratch_folder&) = delete;
    // Path of a file in the folder.
    std::string path(const std::string& name) const;
    // Writes bytes to the named file and returns its path.
    std::string write(const std::string& name, const std::string& bytes) const;
    std::string folder;
};

std::string read_file(const std::string& path);

// What a run of blockview left behind.
struct blockview_run {
    int status = -1;  // exit status; -1 when it ended by a signal
    std::string output;
    std::string error_output;
};

// Runs the built blockview with the given arguments in folder (its working
// folder), standard input from /dev/null.
blockview_run run_blockview(const scratch_folder& folder, const std::vector<std::string>& args);

// True when a program of that name is found on PATH.
bool on_path(const std::string& program);

// The calibrators' block files used by several tests, with CR LF line ends.
// The affine example: C_X = (-8900, 1000, 0), C_Y = (49100, -1000, 0),
// C_Long = (8.9, 0.001, 0), C_Lat = (49.1, -0.001, 0): a 1000 x 1000 map of
// 48.1 .. 49.1 N, 8.9 .. 9.9 E at 1000 pixels per degree.
extern const char affine_example_file[];
// An exactly linear nine-value block in the quadrant calibrator's key
// order: X = -1900 + 200 lon, Y = 19800 - 400 lat and their exact inverses
// lon = 9.5 + 0.005 X, lat = 49.5 - 0.0025 Y.
extern const char linear_nine_value_file[];
// The linear block with C_X[2] = 0.5 (X gains 0.5 lat^2), so that the two
// directions disagree by many pixels.
extern const char bent_nine_value_file[];

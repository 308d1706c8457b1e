// A calibrator reduced to the frame, for the frame's tests: one angle and one
// pixel as calibration entry, a fixed block, and models simple enough to
// check by hand (pixel = degrees * 100, degrees = pixel / 100). The pixel
// 999 stands for a fit that fails.

#include <cstdint>

#include "block.h"
#include "common_state.h"
#include "frame.h"
#include "pixel.h"
#include "program.h"

char result_text[1024];
const std::size_t result_text_size = sizeof result_text;

namespace {

constexpr int32_t failing_pixel = 999;
constexpr double degrees_to_pixels = 100.0;

int32_t fixture_pixel_x(double, double longitude)
{
    return round_to_pixel(longitude * degrees_to_pixels);
}

int32_t fixture_pixel_y(double latitude, double)
{
    return round_to_pixel(latitude * degrees_to_pixels);
}

double fixture_longitude(double x, double)
{
    return x / degrees_to_pixels;
}

double fixture_latitude(double, double y)
{
    return y / degrees_to_pixels;
}

int fixture_dialogue()
{
    print_banner("*                     Frame Test Calibrator                       *\n");
    double angle = calibrator_read_angle("Angle : ", -90.0, 90.0);
    int32_t pixel = calibrator_read_pixel("Pixel : ");
    if (pixel == failing_pixel) {
        print_no_solution();
        return 0;
    }
    const double c_x[] = {100, 200, 0}, c_y[] = {5000, -400, 0};
    const double c_long[] = {-0.5, 0.005, 0}, c_lat[] = {12.5, -0.0025, 0};
    block_begin();
    block_append_vector("C_X", c_x, 3);
    block_append_vector("C_Y", c_y, 3);
    block_append_vector("C_Long", c_long, 3);
    block_append_vector("C_Lat", c_lat, 3);
    block_append_a(angle);
    run_test_loops(fixture_pixel_x, fixture_pixel_y, fixture_longitude, fixture_latitude,
                   position_closing::standard);
    save_result();
    return 0;
}

}  // namespace

int main()
{
    run_program("frame_fixture", fixture_dialogue);
}

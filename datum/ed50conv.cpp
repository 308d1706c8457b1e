#include <cstdio>

#include "common_state.h"
#include "datum_state.h"
#include "ed50.h"
#include "entry.h"
#include "position.h"

int ed50conv_dialogue()
{
    std::fputs("*******************************************************************\n"
               "*                                                                 *\n"
               "*             ED50 --> WGS84 Map Coordinate Converter             *\n"
               "*                   V 1.5, for use with Velorin                   *\n"
               "*                                                                 *\n"
               "*******************************************************************\n",
               stdout);
    exit_requested = false;
    std::fputs("\n(Exit Loop by entering E<CR>)\n", stdout);
    for (;;) {
        ed50_position.latitude = read_angle("\nED50-Latitude  : ", -latitude_limit, latitude_limit);
        if (exit_requested || input_ended)
            break;
        ed50_position.longitude = read_angle("ED50-Longitude : ", -longitude_limit, longitude_limit);
        if (exit_requested || input_ended)
            break;
        ed50_to_wgs84(ed50_position, wgs84_position);
        std::fputs("WGS84-Position is ", stdout);
        print_position(wgs84_position.latitude, wgs84_position.longitude,
                       position_closing::converter);
        std::fputs("\n", stdout);
    }
    // Input that ended mid-dialogue leaves the prompt's line open.
    if (input_ended)
        std::fputs("\n", stdout);
    return 0;
}

// Process-wide state of the ED50 converter, defined in datum_state.cpp.
#pragma once

#include "ed50.h"

// The position typed in the current round, on ED50; written by the
// converter's dialogue, read by ed50_to_wgs84.
extern geo_position ed50_position;

// The converted position of the current round, on WGS84; written by
// ed50_to_wgs84, read by the dialogue's display.
extern geo_position wgs84_position;

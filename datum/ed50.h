// ED50 to WGS84 conversion by a multiple-regression polynomial, and the
// converter's dialogue.
#pragma once

// A geographic position in decimal degrees, latitude positive north,
// longitude positive east.
struct geo_position {
    double latitude;
    double longitude;
};

// Converts an ED50 position to WGS84 with the published regression
// equations in U = (lat - 52) * K and V = (lon - 10) * K, K = 0.05235988 per
// degree, which give the shifts in seconds of arc. Made for Europe around
// 52 N 10 E; any input is transformed, without limits or wrap-around.
//   52, 10 -> 51.999263, 9.998852 (shifts -2.65261" and -4.13447")
void ed50_to_wgs84(const geo_position& ed50, geo_position& wgs84);

// The dialogue of ed50conv: reads ED50 positions and shows the WGS84 ones
// until the exit answer or the end of input. Returns 0.
int ed50conv_dialogue();

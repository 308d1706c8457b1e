// The cone calibrator: biquadratic coefficients for a map in a cone
// projection, from a 3 x 3 latitude/longitude grid whose nine pixel
// positions the user reads off the map.
#pragma once

// The whole dialogue of conecal: banner, grid and pixel entry, the fits of
// C_X and C_Y, the angle A, the straightened pixel grid and the searched
// positions of its nodes, the fits of C_Long and C_Lat, the test loops and
// the output file. Returns 0, also when a fit or a search fails (after the
// failure message).
int conecal_dialogue();

// The quadrant calibrator: biquadratic coefficients for a quadrant-type map,
// from a 3 x 3 pixel grid whose nine positions the user reads off the map.
#pragma once

#include "biquad.h"

// The whole dialogue of quadcal: banner, pixel grid and coordinate entry,
// the fits of C_Long and C_Lat, the regular geographic grid and the
// searched pixels of its nodes, the fits of C_X and C_Y, the angle A, the
// test loops and the output file. Returns 0, also when a fit or a search
// fails (after the failure message).
int quadcal_dialogue();

// Finds the pixel position (x, y) at which biquad_longitude and
// biquad_latitude give the target position in degrees; needs C_Long and
// C_Lat set. Each iteration first moves x one step toward the longitude
// target, then y one step toward the latitude target (longitude assumed to
// grow with x, latitude to fall as y grows); a move whose new value lands
// beyond the target halves that step (halve_step). Start steps 4.0 pixels;
// found when both the longitude of the x move and the latitude of the y
// move lie within 0.00005 degree of their targets. x and y hold the start
// on entry and the last position reached on return, found or not;
// not_found after search_iterations iterations.
//   lon = 9.5 + 0.005 x, lat = 49.5 - 0.0025 y, target (48, 11) from
//   (100, 1000): found at exactly (300, 600)
search_status biquad_search_pixel(double target_latitude, double target_longitude, double& x,
                                  double& y);

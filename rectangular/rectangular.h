// Entry functions of the rectangular calibrators. Each runs its whole
// dialogue once (banner, calibration entry, fit, test loops, output file)
// and returns 0 on every path; a lost standard input ends the program with
// status 1 from inside the entry routines.
#pragma once

// rectcal: the affine model from the three corners bottom-left,
// bottom-right and top-left of a latitude/longitude rectangle.
int rectcal_dialogue();

// rectfree: the affine model from three freely chosen points.
int rectfree_dialogue();

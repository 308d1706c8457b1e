// Console entry of whole numbers (pixel coordinates) and of angles in
// degrees, minutes and seconds. Both routines print the caller's prompt,
// read one line and ask again, after the bell "\a", until the line is
// acceptable. A line beginning with "E" or "e" is the exit answer: the
// routine returns 0 and raises exit_requested. When standard input ends the
// routine returns 0 and raises input_ended instead; it never loops on it.
#pragma once

#include <cstdint>

// The bounds every entry of the suite passes to read_angle, in degrees:
// latitudes within -90..90, longitudes within -180..180, both inclusive.
constexpr double latitude_limit = 90.0;
constexpr double longitude_limit = 180.0;

// Reads a whole number with the C library's "%ld" conversion: leading white
// space, an optional sign and digits; whatever follows is ignored.
//   accepted: "0", "-2", "12abc" (12), "12.9" (12), "12,5" (12)
//   refused:  "", "abc", "-1", " E", "2147483648" (outside 32 bits)
int32_t read_pixel(const char* prompt);

// Reads an angle as up to three numbers, degrees, minutes and seconds, with
// the C library's "%lf %lf %lf"; a comma counts as a decimal point. Minutes
// and seconds must lie in 0 up to (not including) 60, the value in
// low..high. The sign of the degrees applies to the whole angle, so a
// position between 0 and -1 degree is typed as negative decimal degrees.
//   accepted (-90..90): "47 30 0" (47.5), "-47 30" (-47.5), "47,5" (47.5),
//                       "-0 30 0" (+0.5), "47.5 30" (48.0), "90", "-90"
//   refused:            "", " E", "90 0 1", "47 60", "47 30 60", "47 -30"
double read_angle(const char* prompt, double low, double high);

// The conversion behind read_angle: up to three numbers, degrees, minutes
// and seconds, exactly as sscanf(text, "%lf %lf %lf", ...) reads them (odd
// lines included: "12e" is 12, "47 12e 5" is 47, 12, 5); fields that the
// line does not supply keep their values. Lines of plain decimal numbers
// separated by white space, what users type, take a faster road to the
// same result.
void scan_angle_fields(const char* text, double& degrees, double& minutes, double& seconds);

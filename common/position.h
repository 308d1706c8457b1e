// The one way a geographic position is shown: each coordinate as signed
// decimal degrees with six decimals, then its unsigned degrees, minutes and
// seconds and its hemisphere letter in parentheses. The degree mark is the
// single byte 0xA1. Writes part of a line, no line end.
#pragma once

// What follows the longitude's seconds; each program always uses one form.
enum class position_closing {
    standard,   // "W):" / "E):"   conecal, rectcal, rectfree
    quadrant,   // "W): " / "E): " quadcal
    converter,  // "W)" / "E)"     ed50conv
};

// print_position(47.5, 8.25) writes
//   47.500000 (47\xa130'0.00"N), 8.250000 (8\xa115'0.00"E):
// Zero counts as north and east. Seconds above 59 carry into the minutes:
// 47.99999 is shown as 48\xa10'0.00". A coordinate that is not finite is
// written Inf, -Inf or NaN, in the decimal and in the degrees alike.
void print_position(double latitude, double longitude,
                    position_closing closing = position_closing::standard);

// Splits |v| into whole degrees, whole minutes and seconds, with the carry
// above. Held as doubles so that any finite magnitude decomposes without
// overflow; below 2^31 degrees the values are those of integer arithmetic.
//   47.99999 -> 48, 0, 0.00     48.0163888 -> 48, 0, 59.00 (no carry)
struct dms {
    double degrees;
    double minutes;
    double seconds;
};
dms decompose_angle(double v);

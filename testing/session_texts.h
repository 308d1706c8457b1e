// Texts of the calibrator dialogue shared by the transcript tests, written
// out by hand: the banner box, the test loops, the result display, the
// block and its file.
#pragma once

#include <string>

namespace session {

// The banner box around a program's title lines (each a whole line of the
// box), with the empty line below it.
inline std::string banner(const std::string& title_lines)
{
    return "*******************************************************************\n"
           "*                                                                 *\n"
           + title_lines
           + "*                   V 1.5, for use with Velorin                   *\n"
             "*                                                                 *\n"
             "*******************************************************************\n\n";
}

inline const std::string no_solution =
    "\n\aEquations have no solution, perhaps illegal parameters?\n";

inline const std::string loops_start =
    "\n(Exit Loops by entering E<CR>)\n\n*** Test Coefficients: Geo -> Pixel ***";
inline const std::string geo_prompts = "\nLatitude  : Longitude : ";
inline const std::string pixel_heading = "\n*** Test Coefficients: Pixel -> Geo ***";
inline const std::string pixel_prompts = "\nX: Y: ";
inline const std::string result_heading = "\nResult:\n=======\n\n";
inline const std::string file_prompt = "\nEnter name of output file: ";
inline const std::string cannot_create = "Error creating output file!\n";
inline const std::string cannot_write = "Error writing output file!\n";

// One pass of the geo-to-pixel loop.
inline std::string geo_pass(const std::string& x, const std::string& y)
{
    return geo_prompts + "X = " + x + "\nY = " + y + "\n";
}

// One pass of the pixel-to-geo loop.
inline std::string pixel_pass(const std::string& position)
{
    return pixel_prompts + "Position is " + position + "\n";
}

// A position in the standard form: decimal latitude and its degrees,
// minutes, seconds and letter, then the same for the longitude.
inline std::string position(const std::string& lat, const std::string& lat_dms,
                            const std::string& lon, const std::string& lon_dms)
{
    return lat + " (" + lat_dms + "), " + lon + " (" + lon_dms + "):";
}

// A three-value vector line of the block.
inline std::string vector_line(const std::string& key, const std::string& v0,
                               const std::string& v1, const std::string& v2)
{
    std::string padded = key + std::string(12 - key.size(), ' ');
    return std::string(22, ' ') + padded + ": [" + v0 + ", " + v1 + ", " + v2 + "],\n";
}

inline std::string a_line(const std::string& a)
{
    return std::string(22, ' ') + "A           : " + a + ",\n\n";
}

// The bytes of the output file: every line end as CR LF.
inline std::string file_bytes(const std::string& block)
{
    std::string bytes;
    for (char c : block) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}

// The block as the console shows it, from the result heading to the file
// prompt.
inline std::string result_shown(const std::string& block)
{
    return result_heading + block + file_prompt;
}

}  // namespace session

namespace session {

// Degrees, minutes, seconds and the hemisphere letter of one coordinate as
// the position display writes them; the degree mark is the byte 0xA1.
inline std::string dms(const std::string& d, const std::string& m, const std::string& s,
                       const std::string& letter)
{
    return d + "\xa1" + m + "'" + s + "\"" + letter;
}

}  // namespace session

// The block of the worked example 48..49 / 9..10 with the corners at
// (100, 1100), (1100, 1100) and (100, 100): what rectcal writes for that
// rectangle and rectfree for those three points, worked out by hand.
#pragma once

#include <string>

#include "session_texts.h"

inline const std::string example_block =
    session::vector_line("C_X", "-8.9000000000E+03", " 1.0000000000E+03", " 0.0000000000E+00")
    + session::vector_line("C_Y", " 4.9100000000E+04", "-1.0000000000E+03", " 0.0000000000E+00")
    + session::vector_line("C_Long", " 8.9000000000E+00", " 1.0000000000E-03", " 0.0000000000E+00")
    + session::vector_line("C_Lat", " 4.9100000000E+01", "-1.0000000000E-03", " 0.0000000000E+00")
    + session::a_line("0.0");

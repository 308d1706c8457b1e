// One complete, valid session per program of the suite: the answers a user
// types from the first prompt to the file name, taken from the worked
// examples (the 48..49 / 9..10 map for the rectangular calibrators, the
// exactly linear 47..49 / 10..12 map for the polynomial ones).
#pragma once

#include <ostream>
#include <string>
#include <vector>

struct program_session {
    const char* program;
    std::vector<std::string> answers;
    bool writes_file;
};

// Names a session by its program in test output.
inline void PrintTo(const program_session& session, std::ostream* out)
{
    *out << session.program;
}

inline const std::vector<program_session>& valid_sessions()
{
    static const std::vector<program_session> sessions = {
        {"ed50conv", {"52", "10", "48 8 0", "11 35", "40", "-3", "E"}, false},
        {"rectcal",
         {"48", "49", "9", "10", "100", "1100", "1100", "1100", "100", "100",
          "48.5", "9.5", "E", "600", "600", "E", "out.txt"},
         true},
        {"rectfree",
         {"48", "9", "100", "1100", "48", "10", "1100", "1100", "49", "9", "100", "100",
          "48.5", "9.5", "E", "600", "600", "E", "out.txt"},
         true},
        {"conecal",
         {"47", "48", "49", "10", "11", "12",
          "100", "1000", "300", "1000", "500", "1000",
          "100", "600", "300", "600", "500", "600",
          "100", "200", "300", "200", "500", "200",
          "48", "11", "E", "300", "600", "E", "out.txt"},
         true},
        {"quadcal",
         {"100", "300", "500", "1000", "600", "200",
          "47", "10", "47", "11", "47", "12",
          "48", "10", "48", "11", "48", "12",
          "49", "10", "49", "11", "49", "12",
          "48", "11", "E", "300", "600", "E", "out.txt"},
         true},
    };
    return sessions;
}

inline std::string joined_lines(const std::vector<std::string>& answers)
{
    std::string input;
    for (const auto& a : answers)
        input += a + "\n";
    return input;
}

// A written coefficient file is complete: printable ASCII with CR LF line
// ends only, starting with a key line and ending with the empty line.
inline bool complete_block_file(const std::string& bytes)
{
    const std::string start = "                      C_";
    const std::string end = ",\r\n\r\n";
    if (bytes.compare(0, start.size(), start) != 0 || bytes.size() < end.size()
        || bytes.compare(bytes.size() - end.size(), end.size(), end) != 0)
        return false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c == '\r') {
            if (i + 1 >= bytes.size() || bytes[i + 1] != '\n')
                return false;
        } else if (c == '\n') {
            if (i == 0 || bytes[i - 1] != '\r')
                return false;
        } else if (c < 0x20 || c > 0x7e) {
            return false;
        }
    }
    return true;
}

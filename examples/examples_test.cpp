// Runs every prepared example of examples/ through its program, the way the
// README tells users to, and checks what can be checked without trusting
// the program's own arithmetic:
// - a calibrator exits 0 and writes a complete coefficient block, and the
//   block's model, evaluated here from its printed coefficients, puts each
//   calibration point of the answer file on its pixel within one pixel;
// - ed50conv exits 0, answers every position, and each answer lies within
//   20 m of the position that PROJ's Helmert shift for ED50 gives.
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "transcript.h"

namespace {

std::string example_text(const std::string& name)
{
    std::ifstream file(std::string(VELORIN_EXAMPLES_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Degrees, minutes and seconds as typed in the answer files (all positive
// there) to decimal degrees.
constexpr double dms(double degrees, double minutes, double seconds = 0.0)
{
    return degrees + minutes / 60.0 + seconds / 3600.0;
}

// ---------------------------------------------------------------- the block

struct parsed_block {
    std::vector<std::string> keys;                  // in the order written
    std::map<std::string, std::vector<double>> vectors;
    std::string a_text;                             // the value of A as written
};

const std::string key_indent(22, ' ');
const std::string continuation(37, ' ');

// Reads one value field: at least 17 characters, blanks on the left, a
// number in the form "-1.2345678901E+02" or Inf/-Inf/NaN.
bool read_field(const std::string& text, std::size_t& at, double& value, std::string& fault)
{
    static const std::regex number(R"( *(-?[0-9]\.[0-9]{10}E[-+][0-9]{2,3}|-?Inf|NaN))");
    std::size_t end = text.find_first_of(",]", at);
    if (end == std::string::npos) {
        fault = "value without end";
        return false;
    }
    std::string field = text.substr(at, end - at);
    if (field.size() < 17 || !std::regex_match(field, number)) {
        fault = "malformed value field '" + field + "'";
        return false;
    }
    value = std::strtod(field.c_str(), nullptr);
    at = end;
    return true;
}

// Parses the block as the console shows it (line ends "\n"); an empty fault
// means the text is one complete, well-formed block.
parsed_block parse_block(const std::string& text, std::size_t values_per_key, std::string& fault)
{
    parsed_block block;
    std::size_t at = 0;
    while (at < text.size() && fault.empty()) {
        if (text.compare(at, key_indent.size(), key_indent) != 0) {
            fault = "line without the 22-blank indent";
            break;
        }
        std::string key = text.substr(at + 22, 12);
        std::string name = key.substr(0, key.find(' '));
        if (name == "A") {
            static const std::regex a_line("A {11}: (-?[0-9]+\\.[0-9]|-?Inf|NaN),\n\n");
            std::smatch match;
            std::string rest = text.substr(at + 22);
            if (!std::regex_match(rest, match, a_line))
                fault = "malformed or misplaced A line";
            else
                block.a_text = match[1];
            block.keys.push_back("A");
            at = text.size();
            break;
        }
        if (text.compare(at + 34, 3, ": [") != 0) {
            fault = "key '" + name + "' not followed by ': ['";
            break;
        }
        at += 37;
        std::vector<double> values;
        for (std::size_t k = 0; k < values_per_key && fault.empty(); ++k) {
            double value = 0.0;
            if (!read_field(text, at, value, fault))
                break;
            values.push_back(value);
            bool last = k + 1 == values_per_key;
            std::string separator = last ? "],\n"
                                    : (values_per_key == 9 && (k == 2 || k == 5))
                                        ? ",\n" + continuation
                                        : ", ";
            if (text.compare(at, separator.size(), separator) != 0)
                fault = "wrong separator after value " + std::to_string(k) + " of " + name;
            at += separator.size();
        }
        block.keys.push_back(name);
        block.vectors[name] = values;
    }
    if (fault.empty() && (block.keys.empty() || block.keys.back() != "A"))
        fault = "block without its A line";
    return block;
}

// The file's bytes: the block with every line end written as CR LF, nothing
// else. Returns the block with plain line ends, or sets fault.
std::string block_from_file(const std::string& bytes, std::string& fault)
{
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c == '\r') {
            if (i + 1 >= bytes.size() || bytes[i + 1] != '\n') {
                fault = "carriage return without line feed";
                return "";
            }
            continue;
        }
        if (c == '\n' && (i == 0 || bytes[i - 1] != '\r')) {
            fault = "line feed without carriage return";
            return "";
        }
        if (c != '\n' && (c < 0x20 || c > 0x7e)) {
            fault = "byte outside printable ASCII";
            return "";
        }
        text += static_cast<char>(c);
    }
    if (bytes.size() < 5 || bytes.compare(bytes.size() - 5, 5, ",\r\n\r\n") != 0)
        fault = "file does not end with \",\\r\\n\\r\\n\"";
    return text;
}

// ---------------------------------------------------------------- the models

// Affine model, three values a vector: X = C_X[0] + C_X[1]*lon + C_X[2]*lat,
// Y = C_Y[0] + C_Y[1]*lat + C_Y[2]*lon, lon = C_Long[0] + C_Long[1]*x +
// C_Long[2]*y, lat = C_Lat[0] + C_Lat[1]*y + C_Lat[2]*x.
double affine(const std::vector<double>& c, double first, double second)
{
    return c[0] + c[1] * first + c[2] * second;
}

// Biquadratic model, nine values a vector: value 3*k + j multiplies
// u^j * v^k. u, v are (lat, lon) for C_X, (lon, lat) for C_Y, (y, x) for
// C_Long and (x, y) for C_Lat.
double biquad(const std::vector<double>& c, double u, double v)
{
    double sum = 0.0;
    for (int k = 0; k < 3; ++k)
        for (int j = 0; j < 3; ++j)
            sum += c[3 * k + j] * std::pow(u, j) * std::pow(v, k);
    return sum;
}

struct calibration_point {
    double latitude, longitude;  // decimal degrees
    double x, y;                 // pixel
};

enum class model { affine, biquadratic };

struct calibrator_example {
    const char* program;
    const char* answers;    // file in examples/
    const char* output;     // the file name the answers give
    model kind;
    std::vector<std::string> keys;
    std::vector<calibration_point> points;  // as the answer file gives them
    // Which direction passes exactly through the points the user typed:
    // geo to pixel where the user typed pixels, pixel to geo where the user
    // typed positions.
    bool user_typed_positions;
};

const std::vector<std::string> xy_first = {"C_X", "C_Y", "C_Long", "C_Lat", "A"};
const std::vector<std::string> geo_first = {"C_Long", "C_Lat", "C_X", "C_Y", "A"};

// The Freiburg sheet: the rectangle 47 50 to 48 10 N, 7 40 to 8 10 E, corners
// bottom-left, bottom-right, top-left.
const std::vector<calibration_point> freiburg = {
    {dms(47, 50), dms(7, 40), 240, 6102},
    {dms(47, 50), dms(8, 10), 6100, 6143},
    {dms(48, 10), dms(7, 40), 199, 266},
};

// Lake Constance: three landmarks, typed with decimal commas.
const std::vector<calibration_point> lake_constance = {
    {47.66340, 9.17580, 2037, 3314},
    {47.69410, 9.27130, 4311, 2278},
    {47.70520, 9.19560, 2530, 1858},
};

// Tyrol 1:200,000: latitudes 47 0, 47 15, 47 30 (rows), longitudes 10 30,
// 11 15, 12 0 (columns), points from the bottom-left row by row.
const std::vector<calibration_point> tyrol = {
    {47.0, 10.5, 570, 3759},   {47.0, 11.25, 3936, 3865},  {47.0, 12.0, 7303, 3939},
    {47.25, 10.5, 630, 2119},  {47.25, 11.25, 3980, 2225}, {47.25, 12.0, 7331, 2299},
    {47.5, 10.5, 689, 479},    {47.5, 11.25, 4024, 585},   {47.5, 12.0, 7359, 658},
};

// Kiel Bay chart: X 400, 2900, 5400 and Y 4700 (bottom), 2450, 200 (top),
// with the WGS84 position read at each grid point.
const std::vector<calibration_point> kiel_bay = {
    {dms(54, 21, 2.9), dms(9, 59, 4.8), 400, 4700},
    {dms(54, 20, 49.4), dms(10, 22, 9.1), 2900, 4700},
    {dms(54, 20, 31.5), dms(10, 45, 13.1), 5400, 4700},
    {dms(54, 33, 10.7), dms(9, 59, 22.3), 400, 2450},
    {dms(54, 32, 57.1), dms(10, 22, 33.5), 2900, 2450},
    {dms(54, 32, 39.1), dms(10, 45, 44.3), 5400, 2450},
    {dms(54, 45, 18.6), dms(9, 59, 40.1), 400, 200},
    {dms(54, 45, 4.9), dms(10, 22, 58.1), 2900, 200},
    {dms(54, 44, 46.7), dms(10, 46, 15.8), 5400, 200},
};

const calibrator_example calibrator_examples[] = {
    {"rectcal", "rectcal-answers.txt", "freiburg-sheet.txt", model::affine, xy_first, freiburg,
     false},
    {"rectfree", "rectfree-answers.txt", "lake-constance.txt", model::affine, xy_first,
     lake_constance, false},
    {"conecal", "conecal-answers.txt", "tyrol-200k.txt", model::biquadratic, xy_first, tyrol,
     false},
    {"quadcal", "quadcal-answers.txt", "kiel-bay-chart.txt", model::biquadratic, geo_first,
     kiel_bay, true},
};

struct evaluated {
    double x, y;               // pixel of a position
    double longitude, latitude;  // position of a pixel
};

evaluated evaluate(const calibrator_example& example, const parsed_block& block, double lat,
                   double lon, double x, double y)
{
    const auto& cx = block.vectors.at("C_X");
    const auto& cy = block.vectors.at("C_Y");
    const auto& clong = block.vectors.at("C_Long");
    const auto& clat = block.vectors.at("C_Lat");
    if (example.kind == model::affine)
        return {affine(cx, lon, lat), affine(cy, lat, lon), affine(clong, x, y),
                affine(clat, y, x)};
    return {biquad(cx, lat, lon), biquad(cy, lon, lat), biquad(clong, y, x), biquad(clat, x, y)};
}

void PrintTo(const calibrator_example& example, std::ostream* out)
{
    *out << example.program << " < examples/" << example.answers;
}

class CalibratorExample : public testing::TestWithParam<calibrator_example> {};

TEST_P(CalibratorExample, WritesABlockWhoseModelHitsEveryCalibrationPoint)
{
    const calibrator_example& example = GetParam();
    if (!program_exists(example.program))
        GTEST_SKIP() << example.program << " is not built";
    transcript run = run_transcript(program_path(example.program), example_text(example.answers));

    ASSERT_EQ(0, run.status) << run.output;
    ASSERT_EQ(1u, run.files.count(example.output)) << "no file " << example.output;
    std::string fault;
    std::string text = block_from_file(run.files.at(example.output), fault);
    ASSERT_EQ("", fault);
    // The file holds the block shown on the console after "Result:".
    EXPECT_NE(std::string::npos,
              run.output.find("\nResult:\n=======\n\n" + text + "\nEnter name of output file: "));
    std::size_t values_per_key = example.kind == model::affine ? 3 : 9;
    parsed_block block = parse_block(text, values_per_key, fault);
    ASSERT_EQ("", fault);
    ASSERT_EQ(example.keys, block.keys);

    // One pixel in degrees of latitude and longitude, from the points' own
    // spread (first point against the one farthest from it in each sense).
    double lat_per_pixel = 0.0, lon_per_pixel = 0.0;
    for (const auto& p : example.points) {
        const auto& q = example.points.front();
        double dlat = std::abs(p.latitude - q.latitude);
        double dlon = std::abs(p.longitude - q.longitude);
        double pixels = std::hypot(p.x - q.x, p.y - q.y);
        if (pixels > 0) {
            lat_per_pixel = std::max(lat_per_pixel, dlat / pixels);
            lon_per_pixel = std::max(lon_per_pixel, dlon / pixels);
        }
    }

    for (std::size_t i = 0; i < example.points.size(); ++i) {
        const calibration_point& p = example.points[i];
        SCOPED_TRACE("calibration point " + std::to_string(i));
        evaluated at = evaluate(example, block, p.latitude, p.longitude, p.x, p.y);
        if (example.user_typed_positions) {
            // quadcal: the pixel-to-geo model passes through what was typed.
            EXPECT_NEAR(p.longitude, at.longitude, lon_per_pixel);
            EXPECT_NEAR(p.latitude, at.latitude, lat_per_pixel);
        } else {
            EXPECT_NEAR(p.x, at.x, 1.0);
            EXPECT_NEAR(p.y, at.y, 1.0);
        }
        // And back: the position that the block gives for the pixel returns
        // to the pixel through the geo-to-pixel model (exactly for the affine
        // model; the two biquadratic directions are fitted separately).
        evaluated back = evaluate(example, block, at.latitude, at.longitude, 0, 0);
        EXPECT_NEAR(p.x, back.x, 1.0);
        EXPECT_NEAR(p.y, back.y, 1.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, CalibratorExample, testing::ValuesIn(calibrator_examples),
                         [](const testing::TestParamInfo<calibrator_example>& info) {
                             return std::string(info.param.program);
                         });

// ---------------------------------------------------------------- ed50conv

// WGS84 positions of the ED50 positions of examples/ed50-positions.txt, in
// its order, by PROJ's three-parameter shift for ED50 (EPSG:1133, Helmert
// -87, -98, -121 m), PROJ 9.1.1:
//
//   printf '%s\n' '52.52 13.405 0 0' '50.11111111 8.68194444 0 0'
//     '48.13333333 11.58333333 0 0' '50.0875 14.4214 0 0'
//     '47.36666667 8.54166667 0 0' '51.05 13.74 0 0'
//     '48.20833333 16.37222222 0 0' '53.55 9.99166667 0 0' | cct -d 8 EPSG:1133
//
// (one command; the input is the file's degrees, minutes and seconds in
// decimal degrees).
struct proj_position {
    const char* place;
    double latitude, longitude;
};
const proj_position proj_helmert[] = {
    {"Berlin", 52.51931026, 13.40389276},   {"Frankfurt", 50.11029993, 8.68077371},
    {"Munich", 48.13249257, 11.58227824},   {"Prague", 50.08674238, 14.42037656},
    {"Zurich", 47.36577594, 8.54055474},    {"Dresden", 51.04926614, 13.73893714},
    {"Vienna", 48.20753620, 16.37128711},   {"Hamburg", 53.54931078, 9.99043831},
};

// Distance in metres between two nearby positions, on a sphere of the
// earth's mean radius (good to far better than a metre at these distances).
double metres_apart(double lat1, double lon1, double lat2, double lon2)
{
    constexpr double metres_per_degree = 6371000.0 * 3.14159265358979 / 180.0;
    double north = (lat2 - lat1) * metres_per_degree;
    double east = (lon2 - lon1) * metres_per_degree
                  * std::cos((lat1 + lat2) / 2.0 * 3.14159265358979 / 180.0);
    return std::hypot(north, east);
}

TEST(Ed50convExample, EveryPositionWithin20MetresOfProj)
{
    if (!program_exists("ed50conv"))
        GTEST_SKIP() << "ed50conv is not built";
    transcript run = run_transcript(program_path("ed50conv"), example_text("ed50-positions.txt"));
    EXPECT_EQ(0, run.status);
    EXPECT_TRUE(run.files.empty());

    static const std::regex answer(
        "WGS84-Position is (-?[0-9]+\\.[0-9]{6}) \\([^)]*\\), (-?[0-9]+\\.[0-9]{6}) \\(");
    std::vector<std::pair<double, double>> answers;
    for (std::sregex_iterator it(run.output.begin(), run.output.end(), answer), end; it != end;
         ++it)
        answers.emplace_back(std::stod((*it)[1]), std::stod((*it)[2]));
    ASSERT_EQ(std::size(proj_helmert), answers.size());
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const proj_position& expected = proj_helmert[i];
        SCOPED_TRACE(expected.place);
        EXPECT_LT(metres_apart(expected.latitude, expected.longitude, answers[i].first,
                               answers[i].second),
                  20.0);
    }
}

// The parser above must refuse what is not a complete block, or the checks
// built on it prove nothing.
TEST(ExampleBlockParser, RefusesIncompleteOrMalformedBlocks)
{
    const std::string line_x =
        key_indent + "C_X         : [ 1.0000000000E+02,  2.0000000000E+02,  0.0000000000E+00],\n";
    const std::string a_line = key_indent + "A           : 0.0,\n\n";
    struct parse_case {
        const char* name;
        std::string text;
        bool complete;
    };
    const parse_case cases[] = {
        {"vector and A line", line_x + a_line, true},
        {"no A line", line_x, false},
        {"A line without its empty line", line_x + key_indent + "A           : 0.0,\n", false},
        {"a value cut short",
         key_indent + "C_X         : [ 1.0000000000E+02,  2.00000E+02,  0.0000000000E+00],\n"
             + a_line,
         false},
        {"two values only",
         key_indent + "C_X         : [ 1.0000000000E+02,  2.0000000000E+02],\n" + a_line, false},
        {"missing indent", line_x.substr(1) + a_line, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string fault;
        parse_block(c.text, 3, fault);
        EXPECT_EQ(c.complete, fault.empty()) << fault;
    }
    std::string fault;
    block_from_file(line_x + a_line, fault);  // LF line ends, not CR LF
    EXPECT_NE("", fault);
    fault.clear();
    std::string crlf = key_indent + "A           : 0.0,\r\n\r\n";
    EXPECT_EQ(key_indent + "A           : 0.0,\n\n", block_from_file(crlf, fault));
    EXPECT_EQ("", fault);
}

}  // namespace

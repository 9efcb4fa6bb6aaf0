// The yardstick for rv17-hatch's speed: the same job done with Boost.Geometry.
// Reads a drawing of bench/HatchDrawing.h (triangles and quadrilaterals as "sl"
// lines, whole circles as "sc" lines), sweeps the same hatch lines (aligned to
// (0, 0), the given interval and angle), finds the solids each line can touch
// in an R-tree, cuts the line to each with bg::intersection (circles as
// 64-sided polygons) and writes every piece as rv17 does: "z1" and the four
// coordinates with 15 significant digits, CR LF.
//
//     boost_scanline DRAWING OUTPUT INTERVAL ANGLE
#include <boost/geometry.hpp>
#include <boost/geometry/index/rtree.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

using Point = bg::model::d2::point_xy<double>;
using Polygon = bg::model::polygon<Point>;
using Box = bg::model::box<Point>;
using Line = bg::model::linestring<Point>;
using Segment = bg::model::segment<Point>;
using Pieces = bg::model::multi_linestring<Line>;
using Entry = std::pair<Box, std::size_t>;

namespace {

constexpr int kCircleSides = 64;
constexpr double kPi = 3.14159265358979323846;

std::vector<Polygon> ReadSolids(const char* file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<Polygon> solids;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line.substr(std::min<std::size_t>(2, line.size())));
        std::vector<double> v{std::istream_iterator<double>(fields), {}};
        Polygon polygon;
        if (line.rfind("sl", 0) == 0 && v.size() >= 6) {
            for (std::size_t i = 0; i + 1 < v.size(); i += 2)
                bg::append(polygon.outer(), Point(v[i], v[i + 1]));
        } else if (line.rfind("sc", 0) == 0 && v.size() >= 3) {
            for (int i = 0; i < kCircleSides; ++i) {
                const double turn = 2.0 * kPi * i / kCircleSides;
                bg::append(polygon.outer(),
                           Point(v[0] + v[2] * std::cos(turn), v[1] + v[2] * std::sin(turn)));
            }
        } else {
            continue;
        }
        bg::correct(polygon);  // closed, clockwise as the default polygon type wants
        solids.push_back(std::move(polygon));
    }
    return solids;
}

void Write(std::string& out, double value) {
    char text[32];
    out.append(text,
               std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15).ptr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: boost_scanline DRAWING OUTPUT INTERVAL ANGLE\n");
        return 2;
    }
    const std::vector<Polygon> solids = ReadSolids(argv[1]);
    const double interval = std::atof(argv[3]);
    const double angle = std::atof(argv[4]) / 180.0 * kPi;
    if (solids.empty() || !(interval > 0.0)) return 1;

    std::vector<Entry> boxes;
    boxes.reserve(solids.size());
    Box all = bg::return_envelope<Box>(solids.front());
    for (std::size_t i = 0; i < solids.size(); ++i) {
        boxes.emplace_back(bg::return_envelope<Box>(solids[i]), i);
        bg::expand(all, boxes.back().first);
    }
    const bgi::rtree<Entry, bgi::rstar<16>> index(boxes.begin(), boxes.end());

    // Lines along (dx, dy) at offsets k * interval along the normal (nx, ny).
    const double dx = std::cos(angle), dy = std::sin(angle), nx = -dy, ny = dx;
    double lowest = 1e300, highest = -1e300, along = 0.0;
    for (const double x : {all.min_corner().x(), all.max_corner().x()}) {
        for (const double y : {all.min_corner().y(), all.max_corner().y()}) {
            lowest = std::min(lowest, x * nx + y * ny);
            highest = std::max(highest, x * nx + y * ny);
            along += (x * dx + y * dy) / 4.0;
        }
    }
    const double half = bg::distance(all.min_corner(), all.max_corner());

    std::FILE* file = std::fopen(argv[2], "wb");
    if (file == nullptr) return 1;
    std::string out = "hd\r\n";
    std::vector<Entry> found;
    Pieces pieces;
    std::size_t written = 0;
    for (auto k = static_cast<long long>(std::ceil(lowest / interval)); k * interval <= highest;
         ++k) {
        const double offset = static_cast<double>(k) * interval;
        const Point a(offset * nx + (along - half) * dx, offset * ny + (along - half) * dy);
        const Point b(offset * nx + (along + half) * dx, offset * ny + (along + half) * dy);
        found.clear();
        index.query(bgi::intersects(Segment(a, b)), std::back_inserter(found));
        std::sort(found.begin(), found.end(),
                  [](const Entry& l, const Entry& r) { return l.second < r.second; });
        const Line hatch{a, b};
        for (const Entry& entry : found) {
            pieces.clear();
            bg::intersection(hatch, solids[entry.second], pieces);
            for (const Line& piece : pieces) {
                if (piece.size() < 2) continue;
                out += "z1\r\n";
                Write(out, piece.front().x());
                out += ' ';
                Write(out, piece.front().y());
                out += ' ';
                Write(out, piece.back().x());
                out += ' ';
                Write(out, piece.back().y());
                out += "\r\n";
                ++written;
            }
        }
        if (out.size() > (1u << 16)) {
            std::fwrite(out.data(), 1, out.size(), file);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), file);
    std::fclose(file);
    std::printf("%zu solids, %zu hatch segments written\n", solids.size(), written);
    return 0;
}

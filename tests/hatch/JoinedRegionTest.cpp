// A region cut into solids hatches, with joining, like the region itself: the
// same segments, one for each stretch of a line inside the region. Polygons
// are compared with their own outline's crossings, worked out here; discs and
// rings with the whole disc or ring as one solid.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "tests/hatch/HatchTestSupport.h"

namespace rv17 {

namespace {

constexpr double kTwoPi = 2.0 * kPi;
// Lines that only graze a corner or a curve are left out on both sides.
constexpr double kShortest = 1e-6;
// The inside test sees a curve as 72 chords to a whole turn, so a line that
// passes a curved rim closer than the chords do may be kept or not, the more
// so for the coarser chords of a whole disc: such lines are left out too.
const double kChordDepth = 1.0 - std::cos(kPi / 72.0);

std::string Num(double value) {
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

struct Point {
    double x, y;
};

std::string At(Point p) { return Num(p.x) + " " + Num(p.y); }

// A triangle or quadrilateral solid.
std::string Solid(std::initializer_list<Point> corners) {
    std::string line = "sl";
    for (const Point& corner : corners) line += " " + At(corner);
    return line + "\n";
}

// A stretch of hatch line k (at k intervals from the phase point) in the
// line's frame: along the line from u1 to u2.
struct Stretch {
    long k;
    double u1, u2;
    bool operator<(const Stretch& o) const { return k != o.k ? k < o.k : u1 < o.u1; }
};

struct Frame {
    Point phase;
    double angle, interval;
    Point To(Point p) const {
        const double dx = p.x - phase.x, dy = p.y - phase.y;
        return {dx * std::cos(angle) + dy * std::sin(angle),
                -dx * std::sin(angle) + dy * std::cos(angle)};
    }
};

std::string StretchesText(const std::vector<Stretch>& stretches) {
    std::string text;
    for (const Stretch& s : stretches)
        text += "[" + std::to_string(s.k) + " " + Num(s.u1) + " " + Num(s.u2) + "] ";
    return text;
}

// The stretches of the written segments; every one must lie on its line.
std::vector<Stretch> WrittenStretches(const std::vector<Piece>& pieces, const Frame& frame) {
    std::vector<Stretch> stretches;
    for (const Piece& piece : pieces) {
        const Point a = frame.To({piece.x1, piece.y1}), b = frame.To({piece.x2, piece.y2});
        const long k = std::lround(a.y / frame.interval);
        EXPECT_NEAR(a.y, static_cast<double>(k) * frame.interval, 1e-9);
        EXPECT_NEAR(b.y, static_cast<double>(k) * frame.interval, 1e-9);
        if (std::fabs(b.x - a.x) > kShortest)
            stretches.push_back({k, std::min(a.x, b.x), std::max(a.x, b.x)});
    }
    std::sort(stretches.begin(), stretches.end());
    return stretches;
}

// Each hatch line's stretches inside a simple polygon: its crossings with the
// edges (an edge holds its lower end, not its upper one), taken in pairs.
std::vector<Stretch> OutlineStretches(const std::vector<Point>& outline, const Frame& frame) {
    std::vector<Point> f;
    double low = 1e300, high = -1e300;
    for (const Point& p : outline) {
        f.push_back(frame.To(p));
        low = std::min(low, f.back().y), high = std::max(high, f.back().y);
    }
    std::vector<Stretch> stretches;
    for (long k = std::lround(std::floor(low / frame.interval));
         k <= std::lround(std::ceil(high / frame.interval)); ++k) {
        const double v = static_cast<double>(k) * frame.interval;
        std::vector<double> crossings;
        for (std::size_t i = 0; i < f.size(); ++i) {
            const Point p = f[i], q = f[(i + 1) % f.size()];
            if ((p.y <= v) != (q.y <= v))
                crossings.push_back(p.x + (v - p.y) * (q.x - p.x) / (q.y - p.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            if (crossings[i + 1] - crossings[i] > kShortest)
                stretches.push_back({k, crossings[i], crossings[i + 1]});
        }
    }
    return stretches;
}

class RegionCase {
public:
    explicit RegionCase(std::uint64_t seed) : random_(seed) {}

    double Uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }
    int Count(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // n corners round a centre in order of angle, at radii from low to high.
    std::vector<Point> Polygon(Point centre, int n, double low, double high) {
        std::vector<Point> corners;
        const double turn = Uniform(0.0, kTwoPi);
        for (int i = 0; i < n; ++i) {
            const double a = turn + kTwoPi * (i + 0.8 * Uniform(0.0, 1.0)) / n;
            const double r = Uniform(low, high);
            corners.push_back({centre.x + r * std::cos(a), centre.y + r * std::sin(a)});
        }
        return corners;
    }
    // Arcs of at least a tenth of their share that add up to a whole turn.
    std::vector<double> Arcs(int n) {
        std::vector<double> arcs;
        double sum = 0.0;
        for (int i = 0; i < n; ++i) sum += arcs.emplace_back(Uniform(0.1, 1.0));
        double given = 0.0;
        for (int i = 0; i + 1 < n; ++i) given += arcs[i] = arcs[i] / sum * kTwoPi;
        arcs.back() = kTwoPi - given;
        return arcs;
    }
    Point Centre() { return {Uniform(-30.0, 30.0), Uniform(-30.0, 30.0)}; }

private:
    std::mt19937_64 random_;
};

// One region: its solids, the phase point inside it, and what to compare with.
struct Region {
    std::string pieces;
    Point phase;
    std::vector<Point> outline;  // a polygon, compared with its crossings
    std::string whole;           // or the region as one solid
    Point centre{};              // of the curved rims
    std::vector<double> rims;    // their radii

    // Whether line k passes a rim within the depth of its chords.
    bool NearRim(long k, const Frame& frame) const {
        const double distance =
            std::fabs(frame.To(centre).y - static_cast<double>(k) * frame.interval);
        for (const double radius : rims) {
            if (distance <= radius && distance >= radius * (1.0 - kChordDepth) - 1e-9) return true;
        }
        return false;
    }
};

using RegionMaker = Region (*)(RegionCase&);

Region StarFan(RegionCase& r) {
    const Point c = r.Centre();
    const std::vector<Point> star = r.Polygon(c, r.Count(8, 14), 3.0, 10.0);
    Region region{{}, {}, star, {}, {}, {}};
    for (std::size_t i = 0; i < star.size(); ++i)
        region.pieces += Solid({c, star[i], star[(i + 1) % star.size()]});
    const double t = r.Uniform(0.0, 0.9);
    region.phase = {c.x + t * (star[0].x - c.x), c.y + t * (star[0].y - c.y)};
    return region;
}

// Corners taken off one at a time at random, each with its two neighbours.
Region ConvexTriangulation(RegionCase& r) {
    const Point c = r.Centre();
    const double radius = r.Uniform(3.0, 10.0);
    std::vector<Point> left = r.Polygon(c, r.Count(5, 12), radius, radius);
    Region region{{}, c, left, {}, {}, {}};
    while (left.size() > 3) {
        const std::size_t i =
            static_cast<std::size_t>(r.Count(0, static_cast<int>(left.size()) - 1));
        const Point before = left[(i + left.size() - 1) % left.size()];
        region.pieces += Solid({before, left[i], left[(i + 1) % left.size()]});
        left.erase(left.begin() + static_cast<std::ptrdiff_t>(i));
    }
    region.pieces += Solid({left[0], left[1], left[2]});
    return region;
}

// Quadrilaterals of the centre and three corners in turn, a triangle for an odd one left.
Region StarQuadrilaterals(RegionCase& r) {
    const Point c = r.Centre();
    const std::vector<Point> star = r.Polygon(c, r.Count(8, 14), 3.0, 10.0);
    Region region{{}, c, star, {}, {}, {}};
    const std::size_t n = star.size();
    for (std::size_t i = 0; i + 1 < n; i += 2)
        region.pieces += Solid({c, star[i], star[i + 1], star[(i + 2) % n]});
    if (n % 2 == 1) region.pieces += Solid({c, star[n - 1], star[0]});
    return region;
}

Region DiscSectors(RegionCase& r) {
    const Point c = r.Centre();
    const std::string radius = Num(r.Uniform(3.0, 10.0));
    Region region{{}, {c.x + r.Uniform(-1.0, 1.0), c.y + r.Uniform(-1.0, 1.0)},
                  {}, "sc " + At(c) + " " + radius + " 1 0 0 0 1\n",
                  c,  {std::stod(radius)}};
    double start = r.Uniform(0.0, kTwoPi);
    for (const double arc : r.Arcs(r.Count(2, 7))) {
        region.pieces +=
            "sc " + At(c) + " " + radius + " 1 0 " + Num(start) + " " + Num(arc) + " 0\n";
        start += arc;
    }
    return region;
}

Region RingPieces(RegionCase& r) {
    const Point c = r.Centre();
    const double outer = r.Uniform(4.0, 10.0), inner = outer * r.Uniform(0.3, 0.8);
    const std::string radii = Num(outer) + " 1 0 ";
    const double phaseAngle = r.Uniform(0.0, kTwoPi), phaseRadius = (outer + inner) / 2.0;
    Region region{
        {}, {c.x + phaseRadius * std::cos(phaseAngle), c.y + phaseRadius * std::sin(phaseAngle)},
        {}, "so " + At(c) + " " + radii + "0 0 " + Num(inner) + "\n",
        c,  {outer, inner}};
    double start = r.Uniform(0.0, kTwoPi);
    for (const double arc : r.Arcs(r.Count(2, 6))) {
        region.pieces +=
            "so " + At(c) + " " + radii + Num(start) + " " + Num(arc) + " " + Num(inner) + "\n";
        start += arc;
    }
    return region;
}

struct RegionKind {
    const char* name;
    RegionMaker make;
};

class JoinedRegion : public testing::TestWithParam<RegionKind> {};

std::vector<Piece> Hatch(const std::string& solids, Point phase, const HatchSettings& settings) {
    Drawing drawing("bz\nhp1 " + At(phase) + "\n" + solids);
    drawing.Convert(settings);
    return PiecesOf(drawing.SweepLines());
}

TEST_P(JoinedRegion, HatchesLikeTheRegionUndivided) {
    std::size_t lines = 0;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        RegionCase random(seed);
        const Region region = GetParam().make(random);
        const double interval = random.Uniform(0.4, 1.5);
        for (const double degrees : {0.0, 17.0, 45.0, 90.0, 133.7}) {
            HatchSettings settings;
            settings.interval = Num(interval);
            settings.angleDegrees = Num(degrees);
            settings.joinTouching = true;
            const Frame frame{region.phase, Radians(degrees), interval};
            std::vector<Stretch> joined =
                WrittenStretches(Hatch(region.pieces, region.phase, settings), frame);
            settings.joinTouching = false;
            std::vector<Stretch> expected =
                region.whole.empty()
                    ? OutlineStretches(region.outline, frame)
                    : WrittenStretches(Hatch(region.whole, region.phase, settings), frame);
            for (std::vector<Stretch>* stretches : {&joined, &expected}) {
                std::erase_if(*stretches,
                              [&](const Stretch& s) { return region.NearRim(s.k, frame); });
            }
            const auto describe = [&] {
                return "seed " + std::to_string(seed) + ", angle " + Num(degrees) + ", interval " +
                       Num(interval) + ", phase " + At(region.phase) + "\n" + region.pieces +
                       "joined:   " + StretchesText(joined) +
                       "\nexpected: " + StretchesText(expected);
            };
            ASSERT_EQ(joined.size(), expected.size()) << describe();
            for (std::size_t i = 0; i < joined.size(); ++i) {
                ASSERT_EQ(joined[i].k, expected[i].k) << i << ", " << describe();
                ASSERT_NEAR(joined[i].u1, expected[i].u1, 1e-9) << i << ", " << describe();
                ASSERT_NEAR(joined[i].u2, expected[i].u2, 1e-9) << i << ", " << describe();
            }
            lines += joined.size();
        }
    }
    EXPECT_GT(lines, 10000u);  // the regions were hatched, so the comparison says something
}

INSTANTIATE_TEST_SUITE_P(Kinds, JoinedRegion,
                         testing::Values(RegionKind{"StarFan", &StarFan},
                                         RegionKind{"ConvexTriangulation", &ConvexTriangulation},
                                         RegionKind{"StarQuadrilaterals", &StarQuadrilaterals},
                                         RegionKind{"DiscSectors", &DiscSectors},
                                         RegionKind{"RingPieces", &RingPieces}),
                         [](const testing::TestParamInfo<RegionKind>& given) {
                             return given.param.name;
                         });

}  // namespace

}  // namespace rv17

// Points on segments, and points against closed outlines: fixed cases, an
// independent even-odd test, and the fast path against the angle sum.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>
#include <vector>

#include "geometry/MyFunc.h"
#include "geometry/WindingNumber.h"
#include "tests/geometry/CaseLiteral.h"

namespace rv17 {

namespace {

using enum PolygonPosition;
using enum SegmentPosition;

struct Outline {
    std::vector<double> x, y;
    void Add(double px, double py) {
        x.push_back(px);
        y.push_back(py);
    }
    void Close() { Add(x.front(), y.front()); }
    int Size() const { return static_cast<int>(x.size()); }
    Outline Reversed() const {
        return {std::vector<double>(x.rbegin(), x.rend()),
                std::vector<double>(y.rbegin(), y.rend())};
    }
    std::string Text() const {
        std::string text = "n=" + std::to_string(Size()) + " x=";
        for (const double v : x) text += Literal({v});
        text += " y=";
        for (const double v : y) text += Literal({v});
        return text;
    }
};

Outline FromCorners(std::initializer_list<PlanePoint> corners) {
    Outline outline;
    for (const PlanePoint p : corners) outline.Add(p.X, p.Y);
    return outline;
}

// The outline of a ring solid: 73 points along the outer circle, 73 back
// along the inner one, and the first point again.
Outline Ring(double cx, double cy, double outer, double inner, double start, double arc) {
    Outline outline;
    for (int i = 0; i <= 72; ++i) {
        const PlanePoint p = EllipsePoint(cx, cy, outer, 1, 0, start + i * arc / 72);
        outline.Add(p.X, p.Y);
    }
    for (int i = 0; i <= 72; ++i) {
        const PlanePoint p = EllipsePoint(cx, cy, inner, 1, 0, start + arc - i * arc / 72);
        outline.Add(p.X, p.Y);
    }
    outline.Close();
    return outline;
}

// The angle-sum verdict, checked against the fast path on every fixed case.
PolygonPosition Verdict(const Outline& o, double px, double py) {
    const PolygonPosition verdict = PointInPolygon(o.Size(), o.x.data(), o.y.data(), px, py);
    EXPECT_EQ(PointInPolygonFast(o.Size(), o.x.data(), o.y.data(), px, py), verdict)
        << Literal({px, py}) << ' ' << o.Text();
    return verdict;
}

struct OnSegmentCase {
    PlanePoint p, s, e;
    SegmentPosition expected;
};

TEST(PointOnSegmentTest, Cases) {
    const OnSegmentCase cases[] = {
        {{5, 5}, {0, 0}, {10, 10}, Within},
        {{0, 0}, {0, 0}, {10, 10}, AtStart},
        {{10, 10}, {0, 0}, {10, 10}, AtEnd},
        {{11, 11}, {0, 0}, {10, 10}, NotOnSegment},
        {{-1, -1}, {0, 0}, {10, 10}, NotOnSegment},
        {{-0.5e-7, -0.5e-7}, {0, 0}, {10, 10}, AtStart},
        {{5, 5 + 0.9e-7}, {0, 0}, {10, 10}, Within},  // tau differs by 0.9e-8
        {{5, 5 + 1.1e-7}, {0, 0}, {10, 10}, NotOnSegment},
        {{1, 1}, {1, 1}, {1, 1}, NotOnSegment},  // degenerate segment
        {{1, 1}, {1, 1}, {1 + 0.5e-8, 1}, NotOnSegment},
        {{0.5e-8, 5}, {0, 0}, {0, 10}, Within},  // vertical: across compared directly
        {{2e-8, 5}, {0, 0}, {0, 10}, NotOnSegment},
        {{0, 5}, {0, 0}, {0.5e-8, 10}, Within},  // within 1e-8 of vertical
        {{10, 0.5e-8}, {0, 0}, {10, 0}, AtEnd},  // horizontal
        {{10.5, 0}, {0, 0}, {10, 0}, NotOnSegment},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PointOnSegment(c.p, c.s, c.e), c.expected)
            << Literal(c.p) << Literal(c.s) << Literal(c.e);
    }
}

struct InsideCase {
    PlanePoint point;
    PolygonPosition expected;
};

TEST(PointInPolygonTest, SquareEitherWayRound) {
    const Outline square = FromCorners({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
    const InsideCase cases[] = {
        {{5, 5}, Inside},
        {{10, 5}, OnOutline},
        {{15, 5}, Outside},
        {{0, 0}, OnOutline},
        {{5, 0}, OnOutline},
        {{10, 10}, OnOutline},
        {{10 + 0.5e-8, 5}, OnOutline},
        {{10 + 2e-8, 5}, Outside},
        {{-3, -3}, Outside},
        {{9.999, 0.001}, Inside},
        {{10 - 1e-6, 5}, Inside},
        // 2e-8 inside an edge the edge is seen under an angle whose cosine
        // rounds to -1: 180 degrees, which adds nothing, so the point is outside.
        {{10 - 2e-8, 5}, Outside},
    };
    for (const Outline& outline : {square, square.Reversed()}) {
        for (const auto& c : cases) {
            EXPECT_EQ(Verdict(outline, c.point.X, c.point.Y), c.expected)
                << Literal(c.point) << ' ' << outline.Text();
        }
    }
}

TEST(PointInPolygonTest, OutlineIsNotClosedByTheTest) {
    const Outline open = FromCorners({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    EXPECT_EQ(Verdict(open, 5, 5), Outside);  // three quarters of a turn
    EXPECT_EQ(Verdict(open, 0, 5), Outside);  // on the missing edge
    EXPECT_EQ(Verdict(open, 10, 5), OnOutline);
    EXPECT_EQ(PointInPolygon(0, nullptr, nullptr, 0, 0), Outside);
    EXPECT_EQ(PointInPolygon(1, open.x.data(), open.y.data(), 5, 5), Outside);
}

TEST(PointInPolygonTest, SelfCrossingOutlines) {
    // A bow-tie: both lobes are inside, the crossing is on the outline.
    const Outline bowTie = FromCorners({{0, 0}, {10, 10}, {10, 0}, {0, 10}, {0, 0}});
    const InsideCase cases[] = {{{2, 5}, Inside},
                                {{8, 5}, Inside},
                                {{5, 5}, OnOutline},
                                {{5, 2}, Outside},
                                {{5, 8}, Outside}};
    for (const Outline& outline : {bowTie, bowTie.Reversed()}) {
        for (const auto& c : cases) {
            EXPECT_EQ(Verdict(outline, c.point.X, c.point.Y), c.expected) << Literal(c.point);
        }
    }
    // Walked round twice the square encloses its inside twice: outside.
    const Outline twice = FromCorners(
        {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
    EXPECT_EQ(Verdict(twice, 5, 5), Outside);
    EXPECT_EQ(Verdict(twice, 5, 0), OnOutline);
}

TEST(PointInPolygonTest, RingOutline) {
    const Outline ring = Ring(0, 0, 10, 5, 0, 2 * kPi);
    EXPECT_EQ(ring.Size(), 147);
    EXPECT_EQ(Verdict(ring, 0, 7.5), Inside);
    EXPECT_EQ(Verdict(ring, -7.5, 0), Inside);
    EXPECT_EQ(Verdict(ring, 0, 0), Outside);      // the hole
    EXPECT_EQ(Verdict(ring, 7.5, 0), OnOutline);  // the seam between the two circles
    EXPECT_EQ(Verdict(ring, 0, 11), Outside);
    EXPECT_EQ(Verdict(ring, 0, 9.999), Inside);  // next to the corner at 90 degrees
    const double chordGap = 9.995;               // between the chord 0..5 degrees and the circle
    EXPECT_EQ(Verdict(ring, chordGap * std::cos(kPi / 72), chordGap * std::sin(kPi / 72)), Outside);
}

// Crossings of a ray towards +X, for simple outlines away from their edges.
bool EvenOddInside(const Outline& o, double px, double py) {
    bool inside = false;
    for (int i = 1; i < o.Size(); ++i) {
        const double x1 = o.x[i - 1], y1 = o.y[i - 1], x2 = o.x[i], y2 = o.y[i];
        if ((y1 > py) != (y2 > py) && px < x1 + (py - y1) * (x2 - x1) / (y2 - y1)) {
            inside = !inside;
        }
    }
    return inside;
}

double DistanceToOutline(const Outline& o, double px, double py) {
    double best = INFINITY;
    for (int i = 1; i < o.Size(); ++i) {
        const double ux = o.x[i] - o.x[i - 1], uy = o.y[i] - o.y[i - 1];
        const double vx = px - o.x[i - 1], vy = py - o.y[i - 1];
        const double tau = std::clamp((ux * vx + uy * vy) / (ux * ux + uy * uy), 0.0, 1.0);
        best = std::min(best, std::hypot(vx - tau * ux, vy - tau * uy));
    }
    return best;
}

// A star-shaped simple outline: corners at increasing angles about a centre.
Outline RandomStar(std::mt19937_64& random, int corners, double scale) {
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<double> angles(corners);
    for (double& a : angles) a = 2 * kPi * unit(random);
    std::sort(angles.begin(), angles.end());
    const double cx = scale * (unit(random) - 0.5), cy = scale * (unit(random) - 0.5);
    Outline outline;
    for (const double a : angles) {
        const double r = scale * (0.1 + unit(random));
        outline.Add(cx + r * std::cos(a), cy + r * std::sin(a));
    }
    outline.Close();
    return outline;
}

TEST(PointInPolygonTest, AgreesWithEvenOddAwayFromTheOutline) {
    std::mt19937_64 random(2024);
    std::uniform_real_distribution<double> unit(0, 1);
    int inside = 0, checked = 0;
    for (int shape = 0; shape < 300; ++shape) {
        const double scale = std::pow(10.0, 4 * unit(random) - 1);
        Outline star = RandomStar(random, 3 + shape % 18, scale);
        if (shape % 2) star = star.Reversed();
        for (int k = 0; k < 40; ++k) {
            const double px = 3 * scale * (unit(random) - 0.5);
            const double py = 3 * scale * (unit(random) - 0.5);
            if (DistanceToOutline(star, px, py) < 1e-6 * scale) continue;
            const bool expected = EvenOddInside(star, px, py);
            ASSERT_EQ(Verdict(star, px, py), expected ? Inside : Outside)
                << Literal({px, py}) << ' ' << star.Text();
            inside += expected;
            ++checked;
        }
    }
    EXPECT_GT(inside, checked / 20);
}

// Outlines of every kind the hatching builds, and harder ones.
Outline RandomOutline(std::mt19937_64& random, int kind) {
    std::uniform_real_distribution<double> unit(0, 1);
    const double scale = std::pow(10.0, 5 * unit(random) - 2);
    Outline outline;
    switch (kind) {
        case 0:
            return RandomStar(random, 3 + static_cast<int>(unit(random) * 12), scale);
        case 1: {  // random corners: usually crossing itself
            const int corners = 3 + static_cast<int>(unit(random) * 8);
            for (int i = 0; i < corners; ++i)
                outline.Add(scale * unit(random), scale * unit(random));
            outline.Close();
            return outline;
        }
        case 2: {  // 72 chords of a tilted ellipse, or of an arc closed by a chord
            const double cx = scale * unit(random), cy = scale * unit(random);
            const double k = 0.05 + 2 * unit(random), t = 7 * unit(random);
            const double start = 2 * kPi * unit(random);
            const double arc = unit(random) < 0.5 ? 2 * kPi : 4 * kPi * (unit(random) - 0.5);
            for (int i = 0; i <= 72; ++i) {
                const PlanePoint p = EllipsePoint(cx, cy, scale, k, t, start + i * arc / 72);
                outline.Add(p.X, p.Y);
            }
            if (arc != 2 * kPi) outline.Close();
            return outline;
        }
        case 3: {  // a ring solid, whole or cut to an arc
            const double arc = unit(random) < 0.5 ? 2 * kPi : 4 * kPi * (unit(random) - 0.5);
            return Ring(scale * unit(random), scale * unit(random), scale, scale * unit(random),
                        2 * kPi * unit(random), arc);
        }
        case 4: {  // a quadrilateral with repeated corners, or walked round twice
            Outline quad = RandomStar(random, 4, scale);
            if (unit(random) < 0.5) {
                quad.x[2] = quad.x[1];
                quad.y[2] = quad.y[1];
                return quad;
            }
            for (int i = 1; i < 5; ++i) quad.Add(quad.x[i], quad.y[i]);
            return quad;
        }
        default: {  // left open
            Outline open = RandomStar(random, 3 + static_cast<int>(unit(random) * 6), scale);
            open.x.pop_back();
            open.y.pop_back();
            return open;
        }
    }
}

// Points anywhere, on corners and edges, just off edges, and on the lines
// through edges.
PlanePoint RandomProbe(std::mt19937_64& random, const Outline& o) {
    std::uniform_real_distribution<double> unit(0, 1);
    const auto [minX, maxX] = std::minmax_element(o.x.begin(), o.x.end());
    const auto [minY, maxY] = std::minmax_element(o.y.begin(), o.y.end());
    const double width = *maxX - *minX, height = *maxY - *minY;
    const int edge = 1 + static_cast<int>(unit(random) * (o.Size() - 1)) % (o.Size() - 1);
    const double x1 = o.x[edge - 1], y1 = o.y[edge - 1], x2 = o.x[edge], y2 = o.y[edge];
    const double length = std::hypot(x2 - x1, y2 - y1);
    const double nx = length > 0 ? -(y2 - y1) / length : 0,
                 ny = length > 0 ? (x2 - x1) / length : 0;
    const double offsets[] = {0, 1e-12, 1e-10, 1e-9, 1e-8, 3e-8, 1e-7, 1e-6, 1e-5, 1e-3};
    const double offset =
        offsets[static_cast<int>(unit(random) * 10)] * (unit(random) < 0.5 ? -1 : 1);
    switch (static_cast<int>(unit(random) * 5)) {
        case 0:
            return {x1, y1};
        case 1: {
            const double tau = unit(random);
            return {x1 + tau * (x2 - x1) + offset * nx, y1 + tau * (y2 - y1) + offset * ny};
        }
        case 2: {
            const double tau = 4 * unit(random) - 1.5;
            return {x1 + tau * (x2 - x1) + offset * length * nx,
                    y1 + tau * (y2 - y1) + offset * length * ny};
        }
        default:
            return {*minX + (1.4 * unit(random) - 0.2) * width,
                    *minY + (1.4 * unit(random) - 0.2) * height};
    }
}

TEST(PointInPolygonFastTest, CertainForAWholeCircleClosedOnlyByRounding) {
    // Circular solids step the angle 72 times by 2pi/72; the last corner misses
    // the first by rounding, and the fast path must still decide alone.
    Outline circle;
    double angle = 0;
    for (int i = 0; i <= 72; ++i, angle += 2 * kPi / 72) {
        const PlanePoint p = EllipsePoint(3, 4, 10, 0.5, 0.2, angle);
        circle.Add(p.X, p.Y);
    }
    ASSERT_NE(circle.y.back(), circle.y.front());
    for (const auto& [px, py, winding] :
         {std::tuple{3.0, 4.0, 1}, {3.0, 16.0, 0}, {-10.0, 4.0, 0}}) {
        const WindingCertificate certificate =
            CertainWindingNumber(circle.Size(), circle.x.data(), circle.y.data(), px, py);
        EXPECT_TRUE(certificate.certain) << Literal({px, py});
        EXPECT_EQ(certificate.winding, winding) << Literal({px, py});
    }
}

TEST(PointInPolygonFastTest, SameVerdictAsTheAngleSum) {
    std::mt19937_64 random(77);
    int certain = 0, uncertain = 0, insideVerdicts = 0;
    const int cases = 60000;
    for (int i = 0; i < cases; ++i) {
        const Outline outline = RandomOutline(random, i % 6);
        const PlanePoint p = RandomProbe(random, outline);
        const int n = outline.Size();
        const PolygonPosition expected =
            PointInPolygon(n, outline.x.data(), outline.y.data(), p.X, p.Y);
        ASSERT_EQ(PointInPolygonFast(n, outline.x.data(), outline.y.data(), p.X, p.Y), expected)
            << Literal(p) << ' ' << outline.Text();
        if (expected != PolygonPosition::OnOutline) {
            const bool sure =
                CertainWindingNumber(n, outline.x.data(), outline.y.data(), p.X, p.Y).certain;
            certain += sure;
            uncertain += !sure;
        }
        insideVerdicts += expected == PolygonPosition::Inside;
    }
    // The fast path must do most of the work, and the fallback must be exercised.
    EXPECT_GT(certain, cases / 3);
    EXPECT_GT(uncertain, 100);
    EXPECT_GT(insideVerdicts, cases / 10);
}

}  // namespace

}  // namespace rv17

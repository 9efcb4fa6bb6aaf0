// Crossings of segments, lines, circles, arcs and ellipses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "geometry/MyFunc.h"
#include "tests/geometry/CaseLiteral.h"

namespace rv17 {

namespace {

using enum CrossingCode;

void ExpectPoint(PlanePoint actual, PlanePoint expected, const std::string& context) {
    const double slack = 1e-9 * std::max({1.0, std::fabs(expected.X), std::fabs(expected.Y)});
    EXPECT_NEAR(actual.X, expected.X, slack) << context << " got " << Literal(actual);
    EXPECT_NEAR(actual.Y, expected.Y, slack) << context << " got " << Literal(actual);
}

TEST(QuantiseTest, ZeroBandIsLopsided) {
    const struct {
        double d;
        bool zero;
    } cases[] = {{0, true},       {-1.2e-8, true},  {0.6e-8, false}, {0.4e-8, true},
                 {-1.4e-8, true}, {-1.6e-8, false}, {-1e-8, true},   {1e-8, false},
                 {1e300, false},  {-1e300, false}};
    for (const auto& c : cases) EXPECT_EQ(Quantise(c.d) == 0.0, c.zero) << Literal({c.d});
    EXPECT_DOUBLE_EQ(Quantise(1.3e-8), 1e-8);
    EXPECT_DOUBLE_EQ(Quantise(-1.6e-8), -1e-8);
}

struct SegmentCase {
    double x1, y1, x2, y2, x3, y3, x4, y4;
    CrossingCode code;
    PlanePoint point;
};

class SegmentIntersectionTest : public testing::TestWithParam<SegmentCase> {};

TEST_P(SegmentIntersectionTest, CodeAndPoint) {
    const SegmentCase& c = GetParam();
    const SegmentCrossing crossing =
        SegmentIntersection(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4);
    const std::string context = Literal({c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4});
    ASSERT_EQ(crossing.code, c.code) << context;
    ExpectPoint(crossing.point, c.point, context);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SegmentIntersectionTest,
    testing::Values(
        SegmentCase{0, 0, 10, 0, 5, -5, 5, 5, OnBoth, {5, 0}},
        SegmentCase{0, 0, 10, 0, 15, -5, 15, 5, Outside, {15, 0}},
        SegmentCase{0, 0, 10, 0, 0, 1, 10, 1, NoCrossing, {}},
        SegmentCase{5, -5, 5, 5, 0, 0, 10, 0, OnBoth, {5, 0}},
        SegmentCase{3, -1, 3, 9, 0, 0, 10, 10, OnBoth, {3, 3}},
        SegmentCase{0, 0, 10, 0, 10, 0, 10, 5, OnBoth, {10, 0}},
        SegmentCase{0, 0, 10, 10, 0, 10, 10, 0, OnBoth, {5, 5}},
        SegmentCase{0, 0, 1, 1, 3, 0, 4, -1, Outside, {1.5, 1.5}},
        // The second segment ends 0.5e-8 short of the first, or beyond its end.
        SegmentCase{0, 0, 10, 0, 5, 0.5e-8, 5, 5, OnBoth, {5, 0}},
        SegmentCase{0, 0, 10, 0, 10.000000005, -5, 10.000000005, 5, OnBoth, {10.000000005, 0}},
        SegmentCase{0, 0, 10, 0, -0.000000005, -5, -0.000000005, 5, OnBoth, {-0.000000005, 0}},
        SegmentCase{0, 0, 10, 0, 10.00000002, -5, 10.00000002, 5, Outside, {10.00000002, 0}},
        // Both vertical, collinear or not.
        SegmentCase{0, 0, 0, 10, 5, 0, 5, 10, NoCrossing, {}},
        SegmentCase{0, 0, 0, 10, 0, 5, 0, 20, NoCrossing, {}},
        // A zero-length segment is vertical and meets the other line at its own x.
        SegmentCase{4, 4, 4, 4, 0, 0, 10, 10, OnBoth, {4, 4}},
        SegmentCase{4, 5, 4, 5, 0, 0, 10, 10, Outside, {4, 4}},
        // Q decides verticality: x1 - x2 = -1.2e-8 and -0.6e-8 are vertical,
        // +0.6e-8 and +1.2e-8 are not.
        SegmentCase{0, 0, 1.2e-8, 10, 5, 0, 5, 10, NoCrossing, {}},
        SegmentCase{0, 0, 0.6e-8, 10, 5, 0, 5, 10, NoCrossing, {}},
        SegmentCase{0.6e-8, 0, 0, 10, 5, 0, 5, 10, Outside, {5, (5 - 0.6e-8) * (10 / -0.6e-8)}},
        SegmentCase{1.2e-8, 0, 0, 10, 5, 0, 5, 10, Outside, {5, (5 - 1.2e-8) * (10 / -1.2e-8)}},
        // Q decides parallelism: slopes 1 and 1.000000006 are parallel (1 and
        // 0.999999994 are not: below).
        SegmentCase{0, 0, 10, 10, 0, 1, 1, 2.000000006, NoCrossing, {}},
        SegmentCase{0, 0, 10, 10, 0, 1, 10, 11, NoCrossing, {}}));

// Nearly parallel lines meet far away; the point loses digits to cancellation.
TEST(SegmentIntersectionTest, NearlyParallelMeetingPoint) {
    const SegmentCrossing crossing = SegmentIntersection(0, 0, 10, 10, 0, 1, 1, 1.999999994);
    EXPECT_EQ(crossing.code, CrossingCode::Outside);
    EXPECT_NEAR(crossing.point.X / (1 / 6e-9), 1.0, 1e-6);
}

struct CircleCase {
    double ax, ay, bx, by, cx, cy, r;
    int count;
    PlanePoint p1, p2;
};

void ExpectCrossings(const CurveCrossings& actual, const CircleCase& c, const std::string& what) {
    const std::string context = what + Literal({c.ax, c.ay, c.bx, c.by, c.cx, c.cy, c.r});
    ASSERT_EQ(actual.count, c.count) << context;
    ExpectPoint(actual.p1, c.p1, context);
    ExpectPoint(actual.p2, c.p2, context);
}

TEST(LineCircleIntersectionTest, Cases) {
    const double root75 = std::sqrt(75.0), root84 = std::sqrt(84.0);
    const double touching = std::sqrt(1 + 1.2e-8), crossing = std::sqrt(1 - 0.6e-8);
    const double half = std::sqrt(0.6e-8);
    const CircleCase cases[] = {
        {-20, 0, 20, 0, 0, 0, 10, 2, {10, 0}, {-10, 0}},
        {20, 0, -20, 0, 0, 0, 10, 2, {-10, 0}, {10, 0}},   // P1 lies further along A->B
        {-20, 10, 20, 10, 0, 0, 10, 1, {0, 10}, {0, 10}},  // tangent
        {-20, 11, 20, 11, 0, 0, 10, 0, {}, {}},
        {5, -20, 5, 20, 0, 0, 10, 2, {5, root75}, {5, -root75}},
        {3, 4, 3, 4, 0, 0, 10, 2, {root84, 4}, {-root84, 4}},  // A = B: horizontal line
        // o = r^2 - off^2 of -1.2e-8 still touches; +0.6e-8 crosses twice.
        {-5, touching, 5, touching, 0, 0, 1, 1, {0, touching}, {0, touching}},
        {-5, crossing, 5, crossing, 0, 0, 1, 2, {half, crossing}, {-half, crossing}},
        // A zero radius is touched by lines passing within about 1.2e-4.
        {-1, 1e-4, 1, 1e-4, 0, 0, 0, 1, {0, 1e-4}, {0, 1e-4}},
        {-1, 1.3e-4, 1, 1.3e-4, 0, 0, 0, 0, {}, {}},
    };
    for (const auto& c : cases) {
        ExpectCrossings(LineCircleIntersection(c.ax, c.ay, c.bx, c.by, c.cx, c.cy, c.r), c,
                        "line ");
    }
}

TEST(SegmentCircleIntersectionTest, Cases) {
    const CircleCase cases[] = {
        {0, 0, 20, 0, 0, 0, 10, 1, {10, 0}, {}},
        {-20, 0, 20, 0, 0, 0, 10, 2, {10, 0}, {-10, 0}},
        {-20, 0, 0, 0, 0, 0, 10, 1, {-10, 0}, {}},              // P2 moves to the first output
        {-20, 0, -10 - 0.5e-10, 0, 0, 0, 10, 1, {-10, 0}, {}},  // 1e-10 slack at the ends
        {-20, 0, -10 - 2e-10, 0, 0, 0, 10, 0, {}, {}},
        {-20, 10, 20, 10, 0, 0, 10, 1, {0, 10}, {}},  // tangent, tested once
        {5, 10, 20, 10, 0, 0, 10, 0, {}, {}},
        {-1, 0, 1, 0, 0, 0, 10, 0, {}, {}},  // inside the circle
        {7, 27, 7, 3, 7, 17, 10, 2, {7, 7}, {7, 27}},
    };
    for (const auto& c : cases) {
        ExpectCrossings(SegmentCircleIntersection(c.ax, c.ay, c.bx, c.by, c.cx, c.cy, c.r), c,
                        "segment ");
    }
}

TEST(SegmentCircleIntersectionTest, PointsLieOnCircleAndSegment) {
    std::mt19937_64 random(4);
    std::uniform_real_distribution<double> coordinate(-100, 100);
    std::uniform_real_distribution<double> radius(0.01, 80);
    int found = 0;
    for (int i = 0; i < 20000; ++i) {
        const double ax = coordinate(random), ay = coordinate(random);
        const double bx = coordinate(random), by = coordinate(random);
        const double cx = coordinate(random), cy = coordinate(random), r = radius(random);
        const CurveCrossings crossings = SegmentCircleIntersection(ax, ay, bx, by, cx, cy, r);
        const std::string context = Literal({ax, ay, bx, by, cx, cy, r});
        ASSERT_GE(crossings.count, 0);
        ASSERT_LE(crossings.count, 2);
        const double length = PointDistance(ax, ay, bx, by);
        for (int k = 0; k < crossings.count; ++k) {
            const PlanePoint p = k == 0 ? crossings.p1 : crossings.p2;
            // A grazing line has o quantised to zero: its point is the foot of
            // the perpendicular, off the circle by up to sqrt(r^2 + 1.5e-8) - r.
            const double slack = 1e-9 + 1.5e-8 / (2 * r);
            ASSERT_NEAR(PointDistance(p.X, p.Y, cx, cy), r, slack) << context;
            const double along = ((p.X - ax) * (bx - ax) + (p.Y - ay) * (by - ay)) / length;
            ASSERT_GE(along, -1e-9) << context;
            ASSERT_LE(along, length + 1e-9) << context;
            ++found;
        }
    }
    EXPECT_GT(found, 5000);
}

struct ArcCase {
    double ax, ay, bx, by, start, arc;
    int count;
    PlanePoint p1, p2;
};

TEST(SegmentArcIntersectionTest, Cases) {
    const double root75 = std::sqrt(75.0);
    const ArcCase cases[] = {
        {-20, 0, 20, 0, 0, kPi / 2, 1, {10, 0}, {}},
        {-20, 0, 20, 0, kPi / 2, kPi, 1, {-10, 0}, {}},     // P1 rejected, P2 moves up
        {5, -20, 5, 20, 0, -kPi / 2, 1, {5, -root75}, {}},  // clockwise: fourth quadrant
        {5, -20, 5, 20, 0, kPi / 2, 1, {5, root75}, {}},
        {5, -20, 5, 20, 0, 2 * kPi, 2, {5, root75}, {5, -root75}},
        {5, -20, 5, 20, kPi / 2, kPi, 0, {}, {}},
    };
    for (const auto& c : cases) {
        const CurveCrossings crossings =
            SegmentArcIntersection(c.ax, c.ay, c.bx, c.by, 0, 0, 10, c.start, c.arc);
        const std::string context = Literal({c.ax, c.ay, c.bx, c.by, 0, 0, 10, c.start, c.arc});
        ASSERT_EQ(crossings.count, c.count) << context;
        ExpectPoint(crossings.p1, c.p1, context);
        ExpectPoint(crossings.p2, c.p2, context);
    }
}

struct EllipseCase {
    double ax, ay, bx, by, r, k, t;
    int count;
    PlanePoint p1, p2;
};

TEST(LineEllipseIntersectionTest, Cases) {
    const double x = 10 * std::sqrt(0.75);
    const EllipseCase cases[] = {
        {-20, 2.5, 20, 2.5, 10, 0.5, 0, 2, {x, 2.5}, {-x, 2.5}},
        {2.5, -20, 2.5, 20, 10, 0.5, kPi / 2, 2, {2.5, x}, {2.5, -x}},
        {-20, 5, 20, 5, 10, 0.5, 0, 1, {0, 5}, {0, 5}},
        {-20, 6, 20, 6, 10, 0.5, 0, 0, {-20, 6}, {20, 6}},    // A and B come back
        {-20, 0, 20, 0, 0.5e-8, 1, 0, 0, {-20, 0}, {20, 0}},  // radius below 1e-8
    };
    for (const auto& c : cases) {
        const CurveCrossings crossings =
            LineEllipseIntersection(c.ax, c.ay, c.bx, c.by, 0, 0, c.r, c.k, c.t);
        const std::string context = Literal({c.ax, c.ay, c.bx, c.by, 0, 0, c.r, c.k, c.t});
        ASSERT_EQ(crossings.count, c.count) << context;
        ExpectPoint(crossings.p1, c.p1, context);
        ExpectPoint(crossings.p2, c.p2, context);
    }
    const CurveCrossings tiny = LineEllipseIntersection(-20, 0.3, 20, 0.1, 5, 5, 0, 1, 0);
    EXPECT_EQ(tiny.p1, MakePoint(-20, 0.3));
    EXPECT_EQ(tiny.p2, MakePoint(20, 0.1));
}

TEST(LineEllipseIntersectionTest, LinesThroughTheInsideCrossTwiceOnTheCurve) {
    std::mt19937_64 random(9);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int i = 0; i < 5000; ++i) {
        const double cx = 200 * unit(random) - 100, cy = 200 * unit(random) - 100;
        const double r = 0.5 + 50 * unit(random), k = 0.1 + 2 * unit(random);
        const double t = 7 * unit(random) - 3.5;
        // A line through a point strictly inside, in any direction.
        const double phi = 2 * kPi * unit(random), depth = 0.9 * unit(random);
        const PlanePoint inside = EllipsePoint(cx, cy, r * depth, k, t, phi);
        const double h = 2 * kPi * unit(random);
        const double ax = inside.X - 300 * std::cos(h), ay = inside.Y - 300 * std::sin(h);
        const double bx = inside.X + 300 * std::cos(h), by = inside.Y + 300 * std::sin(h);
        const CurveCrossings crossings = LineEllipseIntersection(ax, ay, bx, by, cx, cy, r, k, t);
        const std::string context = Literal({ax, ay, bx, by, cx, cy, r, k, t});
        ASSERT_EQ(crossings.count, 2) << context;
        for (const PlanePoint p : {crossings.p1, crossings.p2}) {
            const PlanePoint q = RotatePoint(p.X - cx, p.Y - cy, 0, 0, -t);
            ASSERT_NEAR(std::hypot(q.X, q.Y / k), r, 1e-9 * (1 + r / k)) << context;
        }
        // p1 lies further along A->B.
        const double along1 = (crossings.p1.X - ax) * (bx - ax) + (crossings.p1.Y - ay) * (by - ay);
        const double along2 = (crossings.p2.X - ax) * (bx - ax) + (crossings.p2.Y - ay) * (by - ay);
        ASSERT_GT(along1, along2) << context;
    }
}

}  // namespace

}  // namespace rv17

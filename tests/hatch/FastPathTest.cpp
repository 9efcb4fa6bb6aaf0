// The indexed sweep's shortcuts against the operations they stand for: the
// line frame's circle and edge crossings to the last bit, its side test never
// dropping a crossing, and certain insides that the inside test confirms.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "geometry/Ellipse.h"
#include "geometry/Intersections.h"
#include "geometry/PointInPolygon.h"
#include "hatch/CertainInside.h"
#include "hatch/LineFrame.h"
#include "tests/geometry/CaseLiteral.h"
#include "tests/hatch/HatchTestSupport.h"

namespace rv17 {

namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }
bool SameBits(PlanePoint a, PlanePoint b) { return SameBits(a.X, b.X) && SameBits(a.Y, b.Y); }

// Hatch lines as the sweep builds them: upright, level and any angle.
HatchLine RandomLine(std::mt19937_64& random) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    static const double kAngles[] = {0.0, 90.0, 180.0, 270.0, 45.0, -30.0, 390.0};
    const double degrees =
        unit(random) < 0.4 ? kAngles[random() % 7] : unit(random) * 720.0 - 360.0;
    const double halfLength = 1.0 + unit(random) * 300.0;
    return HatchLineAt(unit(random) * 40 - 20, unit(random) * 40 - 20, Radians(degrees),
                       halfLength);
}

TEST(LineFrame, CircleCrossingsAreThoseOfSegmentCircleIntersection) {
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int trial = 0; trial < 20000; ++trial) {
        const HatchLine line = RandomLine(random);
        const LineFrame frame(line);
        // Centres near the line, radii from tiny to large, some right at the
        // distance of the line (tangents and the quantiser's edge).
        const double along = unit(random);
        const double px = line.bx + along * (line.ax - line.bx);
        const double py = line.by + along * (line.ay - line.by);
        const double offset = (unit(random) - 0.5) * 20.0;
        const double nx = -(line.ay - line.by), ny = line.ax - line.bx;
        const double norm = std::sqrt(nx * nx + ny * ny);
        const double cx = px + offset * nx / norm;
        const double cy = py + offset * ny / norm;
        double r = unit(random) * 15.0;
        if (trial % 4 == 0) r = std::fabs(offset) * (1.0 + (unit(random) - 0.5) * 1e-9);
        if (trial % 9 == 0) r = unit(random) * 1e-4;
        const CurveCrossings expected =
            SegmentCircleIntersection(line.ax, line.ay, line.bx, line.by, cx, cy, r);
        const CurveCrossings actual = frame.SegmentCircle(cx, cy, r);
        ASSERT_EQ(actual.count, expected.count)
            << "line " << Literal({line.ax, line.ay, line.bx, line.by}) << " circle "
            << Literal({cx, cy, r});
        ASSERT_TRUE(SameBits(actual.p1, expected.p1) && SameBits(actual.p2, expected.p2))
            << "line " << Literal({line.ax, line.ay, line.bx, line.by}) << " circle "
            << Literal({cx, cy, r});
    }
}

TEST(LineFrame, EdgeCrossingsAreThoseOfSegmentIntersectionAndNoneIsScreenedOut) {
    std::mt19937_64 random(6);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int screened = 0;
    for (int trial = 0; trial < 40000; ++trial) {
        const HatchLine line = RandomLine(random);
        const LineFrame frame(line);
        const double along = unit(random);
        const double px = line.bx + along * (line.ax - line.bx);
        const double py = line.by + along * (line.ay - line.by);
        // Edges around a point of the line: crossing it, ending on it or just
        // short of it, lying along it, upright, level or of no length.
        const double scale = std::pow(10.0, -unit(random) * 9.0);
        double x1 = px + (unit(random) - 0.5) * 10 * scale,
               y1 = py + (unit(random) - 0.5) * 10 * scale;
        double x2 = px + (unit(random) - 0.5) * 10, y2 = py + (unit(random) - 0.5) * 10;
        switch (trial % 8) {
            case 0:
                x2 = x1;
                break;
            case 1:
                y2 = y1;
                break;
            case 2:
                x2 = x1, y2 = y1;
                break;
            case 3:
                x1 = px, y1 = py;
                break;
            case 4:
                x2 = x1 + (line.ax - line.bx) * 1e-3, y2 = y1 + (line.ay - line.by) * 1e-3;
                break;
            default:
                break;
        }
        const SegmentCrossing expected =
            SegmentIntersection(line.ax, line.ay, line.bx, line.by, x1, y1, x2, y2);
        const SegmentCrossing actual = frame.EdgeCrossing(x1, y1, x2, y2);
        const std::string text = std::string("line ") +
                                 Literal({line.ax, line.ay, line.bx, line.by}) + " edge " +
                                 Literal({x1, y1, x2, y2});
        ASSERT_EQ(actual.code, expected.code) << text;
        ASSERT_TRUE(SameBits(actual.point, expected.point)) << text;
        if (frame.EdgeMissesLine(x1, y1, x2, y2)) {
            ++screened;
            ASSERT_NE(expected.code, CrossingCode::OnBoth) << text;
        }
    }
    EXPECT_GT(screened, 5000);
}

// The outline of a whole curve, as the clipper builds it.
void WholeOutline(double cx, double cy, double r, double k, double tilt, std::vector<double>& x,
                  std::vector<double>& y) {
    x.clear();
    y.clear();
    double phi = 0.0;
    for (int i = 0; i <= 72; ++i, phi += 2 * kPi / 72) {
        const PlanePoint p = EllipsePoint(cx, cy, r, k, tilt, phi);
        x.push_back(p.X);
        y.push_back(p.Y);
    }
}

TEST(CertainInside, WholeCircleIsConfirmedByTheInsideTest) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<double> x, y;
    int certain = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const double r = std::pow(10.0, unit(random) * 7.0 - 2.0) * (trial % 5 == 0 ? -1.0 : 1.0);
        const double k = 1.0 + (unit(random) - 0.5) * 2e-8;
        const double cx = (unit(random) - 0.5) * 1e4, cy = (unit(random) - 0.5) * 1e4;
        const double tilt = unit(random) * 20 - 10;
        WholeOutline(cx, cy, r, k, tilt, x, y);
        const CertainInside inside = CertainInside::WholeCircle(cx, cy, r);
        for (int i = 0; i < 100; ++i) {
            // Mostly near the edge of the certain disc, where it matters.
            const double reach =
                std::fabs(r) * (i % 2 == 0 ? 0.998 + unit(random) * 0.0012 : unit(random));
            const double turn = unit(random) * 2 * kPi;
            const double px = cx + reach * std::cos(turn), py = cy + reach * std::sin(turn);
            if (!inside.Holds(px, py)) continue;
            ++certain;
            ASSERT_EQ(PointInPolygon(73, x.data(), y.data(), px, py), PolygonPosition::Inside)
                << "circle " << Literal({cx, cy, r, k, tilt}) << " point " << Literal({px, py});
        }
    }
    EXPECT_GT(certain, 20000);
    EXPECT_FALSE(CertainInside::WholeCircle(0, 0, 1e-3).Holds(0, 0));  // too small to be sure
    EXPECT_FALSE(CertainInside().Holds(0, 0));
}

TEST(CertainInside, ConvexCornersAreConfirmedByTheInsideTest) {
    std::mt19937_64 random(8);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int certain = 0;
    for (int trial = 0; trial < 4000; ++trial) {
        const int n = trial % 2 == 0 ? 3 : 4;
        const double scale = std::pow(10.0, unit(random) * 10.0 - 4.0);
        const double cx = (unit(random) - 0.5) * 1e3, cy = (unit(random) - 0.5) * 1e3;
        double x[5], y[5];
        for (int i = 0; i < n; ++i) {
            x[i] = cx + (unit(random) - 0.5) * scale;
            y[i] =
                cy + (unit(random) - 0.5) * (trial % 7 == 0 ? scale * 1e-6 : scale);  // slivers too
        }
        x[n] = x[0];
        y[n] = y[0];
        const CertainInside inside = CertainInside::ConvexCorners(x, y, n);
        for (int i = 0; i < 60; ++i) {
            // Points inside the corners' hull and just beside its edges.
            double w[4], sum = 0;
            for (int j = 0; j < n; ++j)
                sum += w[j] = std::pow(unit(random), i % 3 == 0 ? 8.0 : 1.0);
            double px = 0, py = 0;
            for (int j = 0; j < n; ++j) px += w[j] / sum * x[j], py += w[j] / sum * y[j];
            if (!inside.Holds(px, py)) continue;
            ++certain;
            ASSERT_EQ(PointInPolygon(n + 1, x, y, px, py), PolygonPosition::Inside)
                << "corners " << Literal({x[0], y[0], x[1], y[1], x[2], y[2], x[n - 1], y[n - 1]})
                << " point " << Literal({px, py});
        }
    }
    EXPECT_GT(certain, 50000);
}

TEST(CertainInside, NothingIsCertainForOutlinesThatAreNotConvex) {
    const double bowTieX[] = {0, 10, 10, 0}, bowTieY[] = {0, 10, 0, 10};
    EXPECT_FALSE(CertainInside::ConvexCorners(bowTieX, bowTieY, 4).Holds(1, 5));
    const double dartX[] = {0, 10, 0, 5}, dartY[] = {0, 5, 10, 5};
    EXPECT_FALSE(CertainInside::ConvexCorners(dartX, dartY, 4).Holds(7, 5));
    const double lineX[] = {0, 5, 10}, lineY[] = {0, 5, 10};
    EXPECT_FALSE(CertainInside::ConvexCorners(lineX, lineY, 3).Holds(5, 5));
    const double squareX[] = {0, 10, 10, 0}, squareY[] = {0, 0, 10, 10};
    EXPECT_TRUE(CertainInside::ConvexCorners(squareX, squareY, 4).Holds(5, 5));
    EXPECT_FALSE(CertainInside::ConvexCorners(squareX, squareY, 4).Holds(10 - 1e-6, 5));
}

}  // namespace

}  // namespace rv17

// Non-finite and huge input ends at once with one of the documented results.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "geometry/MyFunc.h"
#include "tests/geometry/CaseLiteral.h"

namespace rv17 {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kValues[] = {kNaN, kInf, -kInf, 1e300, -1e300, 0.0, 3.0};

// Whether a count or result code lies among the first last + 1 values.
template <class Code>
bool IsCode(Code value, int last) {
    const int number = static_cast<int>(value);
    return number >= 0 && number <= last;
}

TEST(NonFiniteTest, AnglesEndAtOnce) {
    for (const double v : kValues) {
        const double normal = NormalizeDegrees(v);
        if (std::isfinite(v) && std::fabs(v) < 1e15) {
            EXPECT_GE(normal, 0.0) << Literal({v});
            EXPECT_LT(normal, 360.0) << Literal({v});
        }
        (void)RoundToGrid(v);
        (void)DirectionAngleDegrees(v, 1.0);
        (void)AngleInSweep(v, 1.0, 2.0);
        (void)AngleInSweep(1.0, v, v);
        (void)TurnsCounterClockwise({v, 1.0}, {1.0, v});
        (void)EllipseParameter(v, 1, 0, 0, 1, v, v);
        (void)ArcTangentCorner(0, 0, v, 1, 0, v, 1);
    }
    EXPECT_TRUE(std::isnan(NormalizeDegrees(kNaN)));
    EXPECT_FALSE(AngleInSweep(kNaN, 0.0, 1.0));
    EXPECT_TRUE(AngleInSweep(1.0, 0.0, kInf));
    EXPECT_EQ(AngleBetweenVectors({kNaN, 0}, {1, 0}) == AngleBetweenVectors({kNaN, 0}, {1, 0}),
              false);
}

TEST(NonFiniteTest, IntersectionsGiveDocumentedCodes) {
    for (const double v : kValues) {
        const std::string context = Literal({v});
        EXPECT_TRUE(IsCode(SegmentIntersection(v, 0, 10, 0, 5, -5, 5, 5).code, 2)) << context;
        EXPECT_TRUE(IsCode(SegmentIntersection(0, 0, 10, v, 5, -5, v, 5).code, 2)) << context;
        EXPECT_TRUE(IsCode(LineCircleIntersection(v, 0, 10, 0, 0, 0, 5).count, 2)) << context;
        EXPECT_TRUE(IsCode(LineCircleIntersection(0, 0, 10, 0, 0, 0, v).count, 2)) << context;
        EXPECT_TRUE(IsCode(SegmentCircleIntersection(0, v, 10, 0, 0, 0, 5).count, 2)) << context;
        EXPECT_TRUE(IsCode(SegmentArcIntersection(0, 0, 10, 0, 0, 0, 5, v, v).count, 2)) << context;
        EXPECT_TRUE(IsCode(LineEllipseIntersection(0, 0, 10, 0, 0, 0, 5, v, 0).count, 2))
            << context;
        EXPECT_TRUE(IsCode(LineEllipseIntersection(0, 0, 10, 0, 0, 0, 5, 1, v).count, 2))
            << context;
    }
    // A NaN crossing is never inside a segment's extent.
    EXPECT_EQ(SegmentIntersection(kNaN, 0, 10, 0, 5, -5, 5, 5).code, CrossingCode::Outside);
}

TEST(NonFiniteTest, PolygonTestsGiveDocumentedCodes) {
    for (const double v : kValues) {
        const double x[] = {0, 10, v, 0, 0};
        const double y[] = {0, 0, 10, 10, 0};
        for (const double p : {v, 5.0}) {
            const std::string context = Literal({v, p});
            const PolygonPosition verdict = PointInPolygon(5, x, y, p, 5);
            EXPECT_TRUE(IsCode(verdict, 2)) << context;
            EXPECT_EQ(PointInPolygonFast(5, x, y, p, 5), verdict) << context;
            EXPECT_TRUE(IsCode(PointOnSegment({p, 1}, {0, 0}, {v, 2}), 3)) << context;
        }
    }
    const double x[] = {0, 10, 10, 0, 0};
    const double y[] = {0, 0, 10, 10, 0};
    EXPECT_EQ(PointInPolygon(5, x, y, kNaN, 5), PolygonPosition::Outside);
}

}  // namespace

}  // namespace rv17

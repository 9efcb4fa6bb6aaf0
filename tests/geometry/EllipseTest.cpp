// Points, parameters and end-tangent corners of tilted ellipses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "geometry/MyFunc.h"
#include "tests/geometry/CaseLiteral.h"

namespace rv17 {

namespace {

TEST(EllipsePointTest, AxesFollowTheTilt) {
    const PlanePoint top = EllipsePoint(1, 2, 10, 0.5, 0, kPi / 2);
    EXPECT_NEAR(top.X, 1, 1e-14);
    EXPECT_NEAR(top.Y, 7, 1e-14);
    const PlanePoint tilted = EllipsePoint(1, 2, 10, 0.5, kPi / 2, kPi / 2);
    EXPECT_NEAR(tilted.X, -4, 1e-14);
    EXPECT_NEAR(tilted.Y, 2, 1e-14);
}

TEST(EllipseParameterTest, NonPositiveFlatnessCountsAsCircle) {
    EXPECT_DOUBLE_EQ(EllipseParameter(0, 1, 0, 0, 1, -2, 0), kPi / 2);
    EXPECT_DOUBLE_EQ(EllipseParameter(0, 1, 0, 0, 1, 0, 0), kPi / 2);
    EXPECT_DOUBLE_EQ(EllipseParameter(0, 1, 0, 0, 1, 0.5, 0), kPi / 2);
    EXPECT_EQ(EllipseParameter(3, 4, 3, 4, 1, 1, 0), 0.0);  // the centre itself
}

TEST(EllipseParameterTest, InvertsEllipsePoint) {
    std::mt19937_64 random(31);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int i = 0; i < 5000; ++i) {
        const double cx = 2e3 * unit(random) - 1e3, cy = 2e3 * unit(random) - 1e3;
        const double r = 0.01 + 100 * unit(random), k = 0.05 + 3 * unit(random);
        const double t = 20 * unit(random) - 10;
        const double phi = 0.001 + (2 * kPi - 0.002) * unit(random);
        const PlanePoint p = EllipsePoint(cx, cy, r, k, t, phi);
        const double back = EllipseParameter(p.X, p.Y, cx, cy, r, k, t);
        // The point is known to about 1e-13 of the centre's size; seen from
        // the centre across the shorter semi-axis that is the angular error.
        const double slack = 1e-12 * (1 + 1e3 / (r * std::min(k, 1.0)));
        ASSERT_NEAR(back, phi, slack) << Literal({cx, cy, r, k, t, phi});
    }
}

struct CornerCase {
    double cx, cy, r, k, t, start, arc;
    PlanePoint corner;
};

// Pi as the host writes it.
constexpr double kHostPi = 3.14159265358979;

TEST(ArcTangentCornerTest, Corners) {
    const CornerCase cases[] = {
        {0, 0, 1, 1, 0, 0, kPi / 2, {1, 1}},
        {0, 0, 1, 1, 0, kPi / 2, -kPi / 2, {1, 1}},
        {0, 0, 1, 1, 0, 0, kPi, {0, 0}},  // parallel tangents: the centre
        {5, 5, 1, 1, 0, 0, kPi, {5, 5}},
        {0, 0, 1, 1, kPi / 2, 0, kPi / 2, {-1, 1}},
        {0, 0, 10, 1, 0, 0, kPi / 2, {10, 10}},
        {0, 0, 10, 0.5, 0, 0, kPi / 2, {10, 5}},
        {2, 3, 1, 1, 0, kPi / 4, kPi / 2, {2, 3 + std::sqrt(2.0)}},
        // Half discs, with pi exact and as the host writes it (15 digits),
        // from starts where the end tangents stand near the vertical.
        {0, 0, 10, 1, 0, 0, kHostPi, {0, 0}},
        {0, 0, 10, 1, 0, 0.000174532925199433, kPi, {0, 0}},
        {0, 0, 10, 1, 0, 0.000174532925199433, kHostPi, {0, 0}},
        {3, 4, 10, 1, 0, kPi / 4, kHostPi, {3, 4}},
        {0, 0, 10, 1, 0, 3.14141812066459, kPi, {0, 0}},
        {0, 0, 10, 1, 0, 3.14141812066459, kHostPi, {0, 0}},
        {0, 0, 10, 0.5, 0.3, kPi, kHostPi, {0, 0}},
    };
    for (const auto& c : cases) {
        const PlanePoint corner = ArcTangentCorner(c.cx, c.cy, c.r, c.k, c.t, c.start, c.arc);
        const std::string context = Literal({c.cx, c.cy, c.r, c.k, c.t, c.start, c.arc});
        EXPECT_NEAR(corner.X, c.corner.X, 1e-9) << context << " got " << Literal(corner);
        EXPECT_NEAR(corner.Y, c.corner.Y, 1e-9) << context << " got " << Literal(corner);
    }
}

}  // namespace

}  // namespace rv17

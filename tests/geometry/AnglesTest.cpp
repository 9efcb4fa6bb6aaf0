// Directions, normalised degrees, arcs, rotation and angles between vectors.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "geometry/MyFunc.h"
#include "tests/geometry/CaseLiteral.h"

namespace rv17 {

namespace {

struct DirectionCase {
    double dx, dy, expected;
};

TEST(DirectionAngleTest, FullTurnAndNullVector) {
    const DirectionCase cases[] = {
        {0, -1, 1.5 * kPi},
        {-1, 0, kPi},
        {1, 0, 0},
        {0, 1, kPi / 2},
        {5e-11, 5e-11, 0},
        {-5e-11, 0, 0},
        {-1e-10, 0, kPi},
        {1, -1, 1.75 * kPi},
        // atan2 of a tiny negative angle plus 2pi rounds to 2pi itself.
        {1, -1e-20, 2 * kPi},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(DirectionAngle(c.dx, c.dy), c.expected) << Literal({c.dx, c.dy});
    }
}

TEST(DirectionAngleTest, DegreesAreOnTheGrid) {
    EXPECT_DOUBLE_EQ(DirectionAngleDegrees(1, 1), 45.0);
    EXPECT_DOUBLE_EQ(DirectionAngleDegrees(0, -1), 270.0);
    EXPECT_DOUBLE_EQ(VectorAngleDegrees({-1, 0}), 180.0);
    const double degrees = DirectionAngleDegrees(1, 0.3);
    EXPECT_DOUBLE_EQ(degrees, RoundToGrid(degrees));
    EXPECT_NEAR(degrees, std::atan2(0.3, 1) * 180 / kPi, 0.5e-10);
}

TEST(RoundToGridTest, HalvesAwayFromZero) {
    const double cases[][2] = {{2.4e-10, 2e-10},   {2.6e-10, 3e-10},
                               {-2.4e-10, -2e-10}, {-2.6e-10, -3e-10},
                               {0.49e-10, 0},      {12.34567890123, 12.3456789012}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(RoundToGrid(c[0]), c[1]) << Literal({c[0]});
}

TEST(NormalizeDegreesTest, ResultIsInHalfOpenTurn) {
    const double cases[][2] = {{-30, 330},
                               {720, 0},
                               {359.99999999995, 0},
                               {-360, 0},
                               {370, 10},
                               {-370, 350},
                               {1e-11, 0},
                               {-1e-11, 0},
                               {360.00000000005, 0},
                               {0.5, 0.5},
                               {-0.0, 0},
                               {-359.99999999995, 0},
                               {359.9999999, 359.9999999}};
    for (const auto& c : cases) {
        const double result = NormalizeDegrees(c[0]);
        EXPECT_NEAR(result, c[1], 1e-9) << Literal({c[0]});
        EXPECT_FALSE(std::signbit(result)) << Literal({c[0]});
    }
}

struct SweepCase {
    double test, start, arc;
    bool expected;
};

TEST(AngleInSweepTest, Arcs) {
    const double twoPi = 2 * kPi;
    const SweepCase cases[] = {
        {0.1, 6.2, 0.2, true},   // across the zero direction
        {0.5, 1.0, -1.0, true},  // clockwise arc, walked from its other end
        {1.5, 1.0, -1.0, false},
        {6.2, 0.1, -0.2, true},  // clockwise across zero
        {0.2, 0.1, -0.2, false},
        {1.0, 1.0, 0.0, true},  // an empty arc holds only its start
        {1.0 + 0.5e-12, 1.0, 0.0, true},
        {1.0 + 2e-12, 1.0, 0.0, false},
        {1.0 - 0.5e-12, 1.0, 0.5, true},  // just before the start wraps to nearly 2pi
        {1.5 + 0.5e-12, 1.0, 0.5, true},
        {1.5 + 2e-12, 1.0, 0.5, false},
        {0.9, 1.0, twoPi, true},  // a whole turn holds everything
        {3.0, 1.0, 7.0, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AngleInSweep(c.test, c.start, c.arc), c.expected)
            << Literal({c.test, c.start, c.arc});
    }
}

TEST(RotatePointTest, QuarterAndHalfTurns) {
    const PlanePoint quarter = RotatePoint(1, 0, 0, 0, kPi / 2);
    EXPECT_NEAR(quarter.X, 0, 1e-15);
    EXPECT_NEAR(quarter.Y, 1, 1e-15);
    const PlanePoint half = RotatePoint(2, 1, 1, 1, kPi);
    EXPECT_NEAR(half.X, 0, 1e-15);
    EXPECT_NEAR(half.Y, 1, 1e-15);
    EXPECT_EQ(RotatedX(3, 4, 1, 2, 0.7), RotatePoint(3, 4, 1, 2, 0.7).X);
    EXPECT_EQ(RotatedY(3, 4, 1, 2, 0.7), RotatePoint(3, 4, 1, 2, 0.7).Y);
}

TEST(RotatePointTest, TurningBackReturnsThePoint) {
    std::mt19937_64 random(17);
    std::uniform_real_distribution<double> coordinate(-1e4, 1e4);
    std::uniform_real_distribution<double> angle(-10, 10);
    for (int i = 0; i < 5000; ++i) {
        const double x = coordinate(random), y = coordinate(random);
        const double cx = coordinate(random), cy = coordinate(random), a = angle(random);
        const PlanePoint there = RotatePoint(x, y, cx, cy, a);
        const PlanePoint back = RotatePoint(there.X, there.Y, cx, cy, -a);
        ASSERT_NEAR(back.X, x, 1e-9) << Literal({x, y, cx, cy, a});
        ASSERT_NEAR(back.Y, y, 1e-9) << Literal({x, y, cx, cy, a});
    }
}

TEST(AngleBetweenVectorsTest, UnsignedAngles) {
    EXPECT_DOUBLE_EQ(AngleBetweenVectors({1, 0}, {0, 1}), kPi / 2);
    EXPECT_DOUBLE_EQ(AngleBetweenVectors({1, 0}, {-3, 0}), kPi);
    EXPECT_DOUBLE_EQ(AngleBetweenVectors({0, -2}, {0, 1}), kPi);
    EXPECT_EQ(AngleBetweenVectors({1, 1}, {3, 3}), 0.0);        // cosine clamped to 1
    EXPECT_EQ(AngleBetweenVectors({1e-7, 0}, {0, 1e-6}), 0.0);  // lengths' product 1e-13
    EXPECT_DOUBLE_EQ(AngleBetweenVectorsDegrees({1, 0}, {-1, 1}), 135.0);
}

struct TurnCase {
    PlanePoint a, b;
    bool expected;
};

TEST(TurnsCounterClockwiseTest, TurnDirections) {
    const TurnCase cases[] = {
        {{1, 0}, {0, 1}, true},
        {{1, 0}, {0, -1}, false},
        {{0, 1}, {-1, -1}, true},
        {{0, 1}, {1, -1}, false},
        {{-2, -2}, {3, -1}, true},
        // In line, either way, counts as counter-clockwise.
        {{1, 0}, {2, 0}, true},
        {{1, 0}, {-1, 0}, true},
        {{1, 0}, {1, 0}, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TurnsCounterClockwise(c.a, c.b), c.expected) << Literal(c.a) << Literal(c.b);
    }
}

}  // namespace

}  // namespace rv17

// The crossing list: rotation into the hatch frame and back, deduplication
// of corners, and the ordering along the line.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "geometry/Angles.h"
#include "hatch/CrossingList.h"
#include "hatch/SolidColourRule.h"
#include "tests/geometry/CaseLiteral.h"
#include "tests/hatch/HatchTestSupport.h"

namespace rv17 {

namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(CrossingList, RotatesExactlyAsRotatePointDoes) {
    // The list keeps the cosine and sine of the angle; the rotated points must
    // be those of RotatePoint to the last bit, signed zeros included.
    std::mt19937_64 random(17);
    std::uniform_real_distribution<double> coordinate(-1e4, 1e4);
    std::uniform_real_distribution<double> angle(-20.0, 20.0);
    for (int trial = 0; trial < 2000; ++trial) {
        const double a = trial % 50 == 0 ? 0.0 : angle(random);
        const double x = trial % 7 == 0 ? -0.0 : coordinate(random);
        const double y = trial % 11 == 0 ? 0.0 : coordinate(random);
        CrossingList list(a);
        list.AddCrossing(x, y);
        ASSERT_EQ(list.Count(), 1);
        const PlanePoint framed = RotatePoint(x, y, 0.0, 0.0, -a);
        const PlanePoint back = RotatePoint(framed.X, framed.Y, 0.0, 0.0, a);
        list.SortCrossings();
        EXPECT_TRUE(SameBits(list.X()[0], back.X) && SameBits(list.Y()[0], back.Y))
            << "angle " << Literal({a}) << " point " << Literal({x, y});
    }
}

struct DedupeCase {
    const char* name;
    double angleDegrees;
    std::vector<PlanePoint> added;
    int kept;
};

class CrossingDedupe : public testing::TestWithParam<DedupeCase> {};

TEST_P(CrossingDedupe, KeepsEachPointOnce) {
    const DedupeCase& c = GetParam();
    CrossingList list(Radians(c.angleDegrees));
    for (const PlanePoint& p : c.added) list.AddCrossing(p.X, p.Y);
    EXPECT_EQ(list.Count(), c.kept) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CrossingDedupe,
    testing::Values(DedupeCase{"SamePointTwice", 0, {{1, 2}, {1, 2}}, 1},
                    DedupeCase{"WithinTheTolerance", 0, {{1, 2}, {1 + 0.9e-8, 2 - 0.9e-8}}, 1},
                    DedupeCase{"BeyondTheToleranceAlong", 0, {{1, 2}, {1 + 2e-8, 2}}, 2},
                    DedupeCase{"BeyondTheToleranceAcross", 0, {{1, 2}, {1, 2 + 2e-8}}, 2},
                    DedupeCase{"JudgedInTheHatchFrame", 45, {{0, 0}, {1.3e-8, 0}}, 1},
                    DedupeCase{
                        "ThreeEdgesThroughOneCorner", 30, {{5, 5}, {5, 5}, {7, 1}, {5, 5}}, 2},
                    DedupeCase{"NoRoomBeyondTen",
                               0,
                               {{0, 0},
                                {1, 0},
                                {2, 0},
                                {3, 0},
                                {4, 0},
                                {5, 0},
                                {6, 0},
                                {7, 0},
                                {8, 0},
                                {9, 0},
                                {10, 0},
                                {11, 0}},
                               10}),
    [](const testing::TestParamInfo<DedupeCase>& testCase) {
        return std::string(testCase.param.name);
    });

TEST(CrossingList, SortsAlongTheHatchDirection) {
    struct SortCase {
        double angleDegrees;
        std::vector<PlanePoint> added;
        std::vector<PlanePoint> sorted;
    };
    const SortCase cases[] = {
        {0, {{5, 1}, {-3, 1}, {2, 1}}, {{-3, 1}, {2, 1}, {5, 1}}},
        {90, {{0, 4}, {0, -2}, {0, 9}}, {{0, -2}, {0, 4}, {0, 9}}},
        {180, {{-3, 1}, {5, 1}, {2, 1}}, {{5, 1}, {2, 1}, {-3, 1}}},
        {-90, {{0, -2}, {0, 9}, {0, 4}}, {{0, 9}, {0, 4}, {0, -2}}},
        {45, {{3, 3}, {-1, -1}, {1, 1}}, {{-1, -1}, {1, 1}, {3, 3}}},
        // Equal positions along the line keep the order in which they came.
        {0, {{2, 5}, {1, 0}, {2, 7}, {2, 6}}, {{1, 0}, {2, 5}, {2, 7}, {2, 6}}},
    };
    for (const SortCase& c : cases) {
        CrossingList list(Radians(c.angleDegrees));
        for (const PlanePoint& p : c.added) list.AddCrossing(p.X, p.Y);
        list.SortCrossings();
        ASSERT_EQ(list.Count(), static_cast<int>(c.sorted.size()));
        for (int i = 0; i < list.Count(); ++i) {
            EXPECT_NEAR(list.X()[i], c.sorted[i].X, 1e-12)
                << "angle " << c.angleDegrees << " entry " << i;
            EXPECT_NEAR(list.Y()[i], c.sorted[i].Y, 1e-12)
                << "angle " << c.angleDegrees << " entry " << i;
        }
    }
}

TEST(SolidColourRule, WhichSolidsTakeTheHatchColour) {
    struct ColourCase {
        std::int32_t solid;
        bool numbered;
        bool sxf;
        std::int32_t expected;  // with hatch colour 4
    };
    const ColourCase cases[] = {
        {10, false, false, 4},  {10, true, true, 4},     {9, true, true, 9},
        {1, false, true, 1},    {1, true, false, 4},     {8, true, false, 4},
        {3, false, false, 3},   {0, true, true, 0},      {101, false, false, 101},
        {101, false, true, 4},  {105, true, false, 105}, {105, false, true, 4},
        {100, true, true, 100}, {256, false, true, 4},   {-1, true, true, -1},
    };
    for (const ColourCase& c : cases) {
        EXPECT_EQ(SolidColourRule(c.solid, 4, c.numbered, c.sxf), c.expected)
            << "solid colour " << c.solid << ", numbered " << c.numbered << ", sxf " << c.sxf;
    }
}

}  // namespace

}  // namespace rv17

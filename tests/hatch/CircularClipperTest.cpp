// Circular and ring solids cut by single hatch lines: whole curves, arcs with
// chords, sectors and tangent corners, ellipses, rings and their seams, and
// the figures that are not hatched at all.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "geometry/Angles.h"
#include "geometry/Ellipse.h"
#include "hatch/CircularClipper.h"
#include "tests/geometry/CaseLiteral.h"
#include "tests/hatch/HatchTestSupport.h"

namespace rv17 {

namespace {

enum class Shape { Circle, Ring, ConstantWidthRing };

struct Figure {
    Shape shape;
    std::int32_t solidMode;  // circular solids only
    double cx, cy, radius, flatness, tilt, startAngle, arcAngle;
    double radius2;  // rings only
};

struct CurvedCase {
    const char* name;
    Figure figure;
    double angleDegrees;
    PlanePoint through;
    int crossings;
    std::vector<Piece> pieces;
};

Figure Circle(std::int32_t mode, double radius, double flatness, double tilt, double start,
              double arc) {
    return {Shape::Circle, mode, 0, 0, radius, flatness, tilt, start, arc, 0};
}

Figure Ring(Shape shape, double radius, double flatness, double start, double arc, double radius2) {
    return {shape, 0, 0, 0, radius, flatness, 0, start, arc, radius2};
}

void Clip(ClipFixture& fixture, const Figure& f, const HatchLine& line) {
    ClipContext context = fixture.Context();
    if (f.shape == Shape::Circle) {
        CircleSolidRecord solid{};
        solid.cx = f.cx, solid.cy = f.cy, solid.radius = f.radius, solid.flatness = f.flatness;
        solid.tilt = f.tilt, solid.startAngle = f.startAngle, solid.arcAngle = f.arcAngle;
        solid.solidMode = f.solidMode;
        ClipCircleSolid(context, 7, line, solid);
        return;
    }
    RingSolidRecord ring{};
    ring.cx = f.cx, ring.cy = f.cy, ring.radius = f.radius, ring.flatness = f.flatness,
    ring.tilt = f.tilt;
    ring.startAngle = f.startAngle, ring.arcAngle = f.arcAngle, ring.radius2 = f.radius2;
    ClipRingSolid(context, 7,
                  f.shape == Shape::Ring ? RingVariant::SameFlatness : RingVariant::ConstantWidth,
                  line, ring);
}

std::string CaseText(const CurvedCase& c) {
    const Figure& f = c.figure;
    return std::string(c.name) + ": figure " +
           Literal({static_cast<double>(f.shape), static_cast<double>(f.solidMode), f.cx, f.cy,
                    f.radius, f.flatness, f.tilt, f.startAngle, f.arcAngle, f.radius2}) +
           std::string(", angle ") + Literal({c.angleDegrees}) + ", through " + Literal(c.through);
}

class CurvedClip : public testing::TestWithParam<CurvedCase> {};

TEST_P(CurvedClip, CrossingsAndPieces) {
    const CurvedCase& c = GetParam();
    ClipFixture fixture(Radians(c.angleDegrees));
    Clip(fixture, c.figure, HatchLineAt(c.through.X, c.through.Y, Radians(c.angleDegrees)));
    EXPECT_EQ(fixture.Crossings().Count(), c.crossings) << CaseText(c);
    const std::vector<Piece> pieces = fixture.Pieces();
    ASSERT_EQ(pieces.size(), c.pieces.size()) << CaseText(c) << " gave " << Describe(pieces);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        EXPECT_NEAR(pieces[i].x1, c.pieces[i].x1, 1e-9) << CaseText(c) << " piece " << i;
        EXPECT_NEAR(pieces[i].y1, c.pieces[i].y1, 1e-9) << CaseText(c) << " piece " << i;
        EXPECT_NEAR(pieces[i].x2, c.pieces[i].x2, 1e-9) << CaseText(c) << " piece " << i;
        EXPECT_NEAR(pieces[i].y2, c.pieces[i].y2, 1e-9) << CaseText(c) << " piece " << i;
    }
}

const double r75 = std::sqrt(75.0);
const double r99 = std::sqrt(99.0);
const double r24 = std::sqrt(24.0);
// The line at 92.5 degrees that passes 9.995 from the centre, towards 2.5 degrees.
const PlanePoint kNearEdge{9.995 * std::cos(Radians(2.5)), 9.995 * std::sin(Radians(2.5))};

INSTANTIATE_TEST_SUITE_P(
    Circles, CurvedClip,
    testing::Values(
        CurvedCase{"WholeCircleThroughTheCentre",
                   Circle(1, 10, 1, 0, 0, 0),
                   0,
                   {3, 0},
                   2,
                   {{-10, 0, 10, 0}}},
        CurvedCase{"WholeCircleTangent", Circle(1, 10, 1, 0, 0, 0), 0, {3, 10}, 1, {}},
        CurvedCase{
            "MidpointBetweenChordAndCurve", Circle(1, 10, 1, 0, 0, 0), 92.5, kNearEdge, 2, {}},
        CurvedCase{
            "MidpointBesideAnOutlineCorner",
            Circle(1, 10, 1, 0, 0, 0),
            0,
            {0, 9.999},
            2,
            {{-std::sqrt(100 - 9.999 * 9.999), 9.999, std::sqrt(100 - 9.999 * 9.999), 9.999}}},
        CurvedCase{"WholeModeIgnoresTheArc",
                   Circle(7, 10, 1, 0, 1, 0.5),
                   0,
                   {0, -5},
                   2,
                   {{-r75, -5, r75, -5}}},
        CurvedCase{
            "SectorFirstQuadrant", Circle(0, 10, 1, 0, 0, kHalfPi), 0, {3, 5}, 2, {{0, 5, r75, 5}}},
        CurvedCase{"SectorTiltedToTheSecondQuadrant",
                   Circle(0, 10, 1, kHalfPi, 0, kHalfPi),
                   0,
                   {-3, 5},
                   2,
                   {{-r75, 5, 0, 5}}},
        CurvedCase{"SectorOfANegativeArc",
                   Circle(0, 10, 1, 0, 0, -kHalfPi),
                   0,
                   {3, -5},
                   2,
                   {{0, -5, r75, -5}}},
        CurvedCase{
            "SectorMissedOnTheOtherSide", Circle(0, 10, 1, 0, 0, kHalfPi), 0, {3, -5}, 0, {}},
        CurvedCase{"StartAngleBeyondAWholeTurn",
                   Circle(0, 10, 1, 0, 2 * kPi + kHalfPi, kHalfPi),
                   0,
                   {-3, 5},
                   2,
                   {{-r75, 5, 0, 5}}},
        CurvedCase{"ArcAndChordAboveTheChord",
                   Circle(5, 10, 1, 0, 0, kPi),
                   0,
                   {0, 5},
                   2,
                   {{-r75, 5, r75, 5}}},
        CurvedCase{"ArcAndChordAlongTheChord", Circle(5, 10, 1, 0, 0, kPi), 0, {0, 0}, 2, {}},
        CurvedCase{"TangentCorner",
                   Circle(-1, 10, 1, 0, 0, kHalfPi),
                   0,
                   {5, 9.5},
                   2,
                   {{std::sqrt(9.75), 9.5, 10, 9.5}}},
        CurvedCase{"TangentCornerUpright",
                   Circle(-1, 10, 1, 0, 0, kHalfPi),
                   90,
                   {9.5, 5},
                   2,
                   {{9.5, std::sqrt(9.75), 9.5, 10}}},
        CurvedCase{"ParallelTangentsGiveTheHalfDisc",
                   Circle(-1, 10, 1, 0, 0, kPi),
                   0,
                   {0, 5},
                   2,
                   {{-r75, 5, r75, 5}}},
        CurvedCase{"ParallelTangentsNothingBelow", Circle(-1, 10, 1, 0, 0, kPi), 0, {0, -5}, 0, {}},
        CurvedCase{"EllipseCrossings",
                   Circle(1, 10, 0.5, 0, 0, 0),
                   0,
                   {1, 2.5},
                   2,
                   {{-10 * std::sqrt(0.75), 2.5, 10 * std::sqrt(0.75), 2.5}}},
        CurvedCase{"TiltedEllipseUpright",
                   Circle(1, 10, 0.5, kHalfPi, 0, 0),
                   90,
                   {2.5, 1},
                   2,
                   {{2.5, -10 * std::sqrt(0.75), 2.5, 10 * std::sqrt(0.75)}}},
        CurvedCase{"EllipseArcKeepsCrossingsOnTheArc",
                   Circle(5, 10, 0.5, 0, 0, kPi),
                   0,
                   {0, 2.5},
                   2,
                   {{-10 * std::sqrt(0.75), 2.5, 10 * std::sqrt(0.75), 2.5}}},
        CurvedCase{"EllipseArcDropsCrossingsOffTheArc",
                   Circle(5, 10, 0.5, 0, 0, kPi),
                   0,
                   {0, -2.5},
                   0,
                   {}},
        CurvedCase{"ArcAngleZeroIsNotAWholeCircle", Circle(5, 10, 1, 0, 0, 0), 0, {0, 0}, 1, {}},
        CurvedCase{"SectorOfArcZero", Circle(0, 10, 1, 0, 0, 0), 0, {0, 5}, 0, {}},
        CurvedCase{"TangentCornerOfArcZero", Circle(-1, 10, 1, 0, 0, 0), 90, {5, 0}, 1, {}},
        CurvedCase{"ZeroFlatnessIsNotHatched", Circle(1, 10, 0, 0, 0, 0), 0, {0, 0}, 0, {}},
        CurvedCase{"NegativeFlatnessIsNotHatched", Circle(1, 10, -1, 0, 0, 0), 0, {0, 0}, 0, {}}),
    [](const testing::TestParamInfo<CurvedCase>& testCase) {
        return std::string(testCase.param.name);
    });

INSTANTIATE_TEST_SUITE_P(
    Rings, CurvedClip,
    testing::Values(
        CurvedCase{"WholeRing",
                   Ring(Shape::Ring, 10, 1, 0, 0, 5),
                   0,
                   {0, 1},
                   4,
                   {{-r99, 1, -r24, 1}, {r24, 1, r99, 1}}},
        // The outline's seam along the line is no edge of the ring.
        CurvedCase{"WholeRingAlongTheSeam",
                   Ring(Shape::Ring, 10, 1, 0, 0, 5),
                   0,
                   {0, 0},
                   4,
                   {{-10, 0, -5, 0}, {5, 0, 10, 0}}},
        // Square to the seam: the chord's midpoint lies on it.
        CurvedCase{"WholeRingAcrossTheSeam",
                   Ring(Shape::Ring, 6, 1, 0, 0, 2),
                   90,
                   {4, 0},
                   2,
                   {{4, -std::sqrt(20.0), 4, std::sqrt(20.0)}}},
        CurvedCase{"WholeRingOuterEdgeGivenSecondAcrossTheSeam",
                   Ring(Shape::Ring, 5, 1, 0, 2 * kPi, 10),
                   90,
                   {7, 0},
                   2,
                   {{7, -std::sqrt(51.0), 7, std::sqrt(51.0)}}},
        CurvedCase{"WholeRingOuterEdgeGivenSecond",
                   Ring(Shape::Ring, 5, 1, 0, 2 * kPi, 10),
                   0,
                   {0, 1},
                   4,
                   {{-r99, 1, -r24, 1}, {r24, 1, r99, 1}}},
        CurvedCase{"QuarterRingAcrossTheBand",
                   Ring(Shape::Ring, 10, 1, 0, kHalfPi, 5),
                   0,
                   {0, 2},
                   2,
                   {{std::sqrt(21.0), 2, std::sqrt(96.0), 2}}},
        CurvedCase{"QuarterRingThroughAnEndEdge",
                   Ring(Shape::Ring, 10, 1, 0, kHalfPi, 5),
                   0,
                   {0, 7},
                   2,
                   {{0, 7, std::sqrt(51.0), 7}}},
        CurvedCase{"EllipticRing",
                   Ring(Shape::Ring, 10, 0.5, 0, 0, 6),
                   0,
                   {0, 2},
                   4,
                   {{-10 * std::sqrt(0.84), 2, -6 * std::sqrt(1 - 4.0 / 9), 2},
                    {6 * std::sqrt(1 - 4.0 / 9), 2, 10 * std::sqrt(0.84), 2}}},
        // innerFlatness = 1 + (5 - 10) / 6 = 1/6: the second edge has semi-axes 6 and 1.
        CurvedCase{"ConstantWidthRing",
                   Ring(Shape::ConstantWidthRing, 10, 0.5, 0, 0, 6),
                   0,
                   {0, 0.5},
                   4,
                   {{-10 * std::sqrt(0.99), 0.5, -6 * std::sqrt(0.75), 0.5},
                    {6 * std::sqrt(0.75), 0.5, 10 * std::sqrt(0.99), 0.5}}},
        CurvedCase{"ConstantWidthRingAlongTheSeam",
                   Ring(Shape::ConstantWidthRing, 10, 0.5, 0, 0, 6),
                   0,
                   {0, 0},
                   4,
                   {{-10, 0, -6, 0}, {6, 0, 10, 0}}},
        CurvedCase{"ConstantWidthRingWithoutSecondRadius",
                   Ring(Shape::ConstantWidthRing, 10, 0.5, 0, 0, 0),
                   0,
                   {0, 0.5},
                   0,
                   {}},
        CurvedCase{"ConstantWidthRingWithAFlatSecondEdge",
                   Ring(Shape::ConstantWidthRing, 10, 0.5, 0, 0, 5),
                   0,
                   {0, 0.5},
                   0,
                   {}},
        CurvedCase{"RingOfZeroFlatness", Ring(Shape::Ring, 10, 0, 0, 0, 5), 0, {0, 0}, 0, {}}),
    [](const testing::TestParamInfo<CurvedCase>& testCase) {
        return std::string(testCase.param.name);
    });

TEST(CurvedOutline, EntriesPerSolidMode) {
    struct OutlineCase {
        Figure figure;
        int entries;
    };
    const OutlineCase cases[] = {
        {Circle(5, 10, 1, 0, 0, kPi), 74},        {Circle(0, 10, 1, 0, 0, kPi), 75},
        {Circle(-1, 10, 1, 0, 0, 1), 75},         {Circle(1, 10, 1, 0, 0, 0), 73},
        {Ring(Shape::Ring, 10, 1, 0, 0, 5), 147},
    };
    for (const OutlineCase& c : cases) {
        ClipFixture fixture(0.0);
        Clip(fixture, c.figure, HatchLineAt(0, 0.5, 0.0));
        EXPECT_EQ(fixture.Outline().Count(), c.entries) << "solidMode " << c.figure.solidMode;
    }
}

TEST(CurvedOutline, ArcPointsAdvanceByRepeatedAddition) {
    // The 73 points lie at start + i * arc / 72, each angle the sum of the
    // steps before it, and the ring's second edge runs back from the end.
    const double start = 0.3;
    const double arc = 2.1;
    ClipFixture fixture(0.0);
    Clip(fixture, Ring(Shape::Ring, 10, 0.7, start, arc, 4), HatchLineAt(0, 3, 0.0));
    const OutlinePolygon& outline = fixture.Outline();
    ASSERT_EQ(outline.Count(), 147);
    double phi = NormalizeDegrees(start * 180.0 / kPi) * kPi / 180.0;
    for (int i = 0; i < 73; ++i, phi += arc / 72) {
        const PlanePoint p = EllipsePoint(0, 0, 10, 0.7, 0, phi);
        EXPECT_EQ(outline.x[i], p.X) << i;
        EXPECT_EQ(outline.y[i], p.Y) << i;
    }
    phi = NormalizeDegrees(start * 180.0 / kPi) * kPi / 180.0 + arc;
    for (int i = 73; i < 146; ++i, phi += -arc / 72) {
        const PlanePoint p = EllipsePoint(0, 0, 4, 0.7, 0, phi);
        EXPECT_EQ(outline.x[i], p.X) << i;
        EXPECT_EQ(outline.y[i], p.Y) << i;
    }
    EXPECT_EQ(outline.x[146], outline.x[0]);
    EXPECT_EQ(outline.y[146], outline.y[0]);
}

TEST(ConstantWidthRing, InnerFlatnessKeepsTheBandEven) {
    RingSolidRecord ring{};
    ring.radius = 10, ring.flatness = 0.5, ring.radius2 = 6;
    EXPECT_DOUBLE_EQ(InnerFlatness(RingVariant::ConstantWidth, ring), 1.0 / 6.0);
    EXPECT_EQ(InnerFlatness(RingVariant::SameFlatness, ring), 0.5);
}

}  // namespace

}  // namespace rv17

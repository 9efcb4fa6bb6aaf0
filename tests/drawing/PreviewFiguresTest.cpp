// Shapes of the circular solids and arcs, and the figures a store hands to a visitor.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>

#include "drawing/PreviewFigures.h"
#include "geometry/Pi.h"
#include "tests/drawing/DrawingTestSupport.h"

namespace rv17 {

namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kTolerance = 1e-9;

std::string Literal(const CircleSolidRecord& s) {
    std::ostringstream text;
    text.precision(17);
    text << "CircleSolid{cx " << s.cx << ", cy " << s.cy << ", radius " << s.radius << ", flatness "
         << s.flatness << ", tilt " << s.tilt << ", startAngle " << s.startAngle << ", arcAngle "
         << s.arcAngle << ", solidMode " << s.solidMode << "}";
    return text.str();
}

std::string Literal(const RingSolidRecord& s) {
    std::ostringstream text;
    text.precision(17);
    text << "RingSolid{cx " << s.cx << ", cy " << s.cy << ", radius " << s.radius << ", flatness "
         << s.flatness << ", tilt " << s.tilt << ", startAngle " << s.startAngle << ", arcAngle "
         << s.arcAngle << ", radius2 " << s.radius2 << "}";
    return text.str();
}

CircleSolidRecord CircleSolid(double radius, double flatness, double tilt, double start, double arc,
                              int mode) {
    CircleSolidRecord s{};
    s.radius = radius, s.flatness = flatness, s.tilt = tilt, s.startAngle = start, s.arcAngle = arc;
    s.solidMode = mode;
    return s;
}

RingSolidRecord RingSolid(double radius, double flatness, double arc, double radius2) {
    RingSolidRecord s{};
    s.radius = radius, s.flatness = flatness, s.arcAngle = arc, s.radius2 = radius2;
    return s;
}

void ExpectPoint(PlanePoint actual, PlanePoint expected, double tolerance = kTolerance) {
    EXPECT_NEAR(actual.X, expected.X, tolerance);
    EXPECT_NEAR(actual.Y, expected.Y, tolerance);
}

// The outline of a circular solid: where it starts, where its last point lies
// (the arc's end, the centre or the tangent corner), and how many loops.
struct SolidCase {
    CircleSolidRecord solid;
    PlanePoint first;
    PlanePoint last;
};

class CircleSolidShapes : public testing::TestWithParam<SolidCase> {};

TEST_P(CircleSolidShapes, FollowTheSolidMode) {
    const SolidCase c = GetParam();
    SCOPED_TRACE(Literal(c.solid));
    PreviewShape shape;
    ASSERT_TRUE(CircleSolidShape(c.solid, shape));
    ASSERT_EQ(shape.loopEnds.size(), 1u);
    ExpectPoint(shape.points.front(), c.first);
    ExpectPoint(shape.points.back(), c.last);
}

const double kStep = 2 * kPi / 144;  // the whole curve ends one chord before its start

INSTANTIATE_TEST_SUITE_P(
    Preview, CircleSolidShapes,
    testing::Values(
        // Arc and chord: the quarter from (10, 0) to (0, 10).
        SolidCase{CircleSolid(10, 1, 0, 0, kPi / 2, 5), {10, 0}, {0, 10}},
        // Sector: the arc, then the centre.
        SolidCase{CircleSolid(10, 1, 0, 0, kPi / 2, 0), {10, 0}, {0, 0}},
        // Tilted sector: the second quadrant.
        SolidCase{CircleSolid(10, 1, kPi / 2, 0, kPi / 2, 0), {0, 10}, {0, 0}},
        // Arc and tangents: the tangents at (10, 0) and (0, 10) meet at (10, 10).
        SolidCase{CircleSolid(10, 1, 0, 0, kPi / 2, -1), {10, 0}, {10, 10}},
        // Clockwise arc and tangents of the fourth quadrant.
        SolidCase{CircleSolid(10, 1, 0, 0, -kPi / 2, -1), {10, 0}, {10, -10}},
        // A quarter turn as the host writes it, a little over pi/2: still the tangents.
        SolidCase{CircleSolid(10, 1, 0, 0, 1.5707963267949, -1), {10, 0}, {10, 10}},
        // Arc and tangents over a quarter turn, either way: the sector.
        SolidCase{CircleSolid(10, 1, 0, 0, 3.141593, -1), {10, 0}, {0, 0}},
        SolidCase{CircleSolid(10, 1, 0, 0, -2.5, -1), {10, 0}, {0, 0}},
        // Any other mode: the whole ellipse, semi-axes 10 and 5, tilted by 90 degrees.
        SolidCase{CircleSolid(10, 0.5, kPi / 2, 1, 0, 7),
                  {0, 10},
                  {-5 * std::sin(-kStep), 10 * std::cos(-kStep)}}));

TEST(CircleSolidShape, WholeEllipseLiesOnTheCurve) {
    const CircleSolidRecord solid = CircleSolid(10, 0.5, 0.3, 0, 0, 1);
    SCOPED_TRACE(Literal(solid));
    PreviewShape shape;
    ASSERT_TRUE(CircleSolidShape(solid, shape));
    EXPECT_EQ(shape.points.size(), 144u);
    for (const PlanePoint p : shape.points) {
        const double u = std::cos(-0.3) * p.X - std::sin(-0.3) * p.Y;
        const double v = std::sin(-0.3) * p.X + std::cos(-0.3) * p.Y;
        EXPECT_NEAR(u * u / 100 + v * v / 25, 1.0, 1e-12);
    }
}

TEST(RingSolidShape, WholeRingHasTwoLoopsFilledEvenOdd) {
    const RingSolidRecord ring = RingSolid(10, 1, 0, 5);
    SCOPED_TRACE(Literal(ring));
    PreviewShape shape;
    ASSERT_TRUE(RingSolidShape(ring, false, shape));
    EXPECT_TRUE(shape.evenOdd);
    ASSERT_EQ(shape.loopEnds.size(), 2u);
    ExpectPoint(shape.points[0], {10, 0});
    ExpectPoint(shape.points[shape.loopEnds[0]], {5, 0});
}

// The pane draws a ring whole (two loops) exactly where the hatch cuts it
// without end edges: an arc within 1e-8 of nothing or of a whole turn.
TEST(RingSolidShape, WholeExactlyWhereTheHatchIsWhole) {
    const struct {
        double arc;
        bool whole;
    } cases[] = {{0, true},
                 {1e-8, true},
                 {2 * kPi, true},
                 {-2 * kPi, true},
                 {2 * kPi + 1e-9, true},
                 {2 * kPi - 1e-9, true},
                 {2 * kPi + 3e-8, false},
                 {2 * kPi - 3e-8, false},
                 {3 * kPi, false},
                 {-3 * kPi, false}};
    for (const auto& c : cases) {
        const RingSolidRecord ring = RingSolid(10, 1, c.arc, 5);
        PreviewShape shape;
        ASSERT_TRUE(RingSolidShape(ring, false, shape)) << Literal(ring);
        EXPECT_EQ(shape.loopEnds.size(), c.whole ? 2u : 1u) << Literal(ring);
    }
}

// A constant-width ring of radius 10, flatness 0.5 and radius2 6 has an inner
// edge of semi-axes 6 and 1: the band is 4 wide along both axes.
TEST(RingSolidShape, ConstantWidthRingKeepsItsBandWidth) {
    const RingSolidRecord ring = RingSolid(10, 0.5, 2 * kPi, 6);
    SCOPED_TRACE(Literal(ring));
    PreviewShape shape;
    ASSERT_TRUE(RingSolidShape(ring, true, shape));
    double innerTop = 0.0, innerRight = 0.0;
    for (std::size_t i = shape.loopEnds[0]; i < shape.loopEnds[1]; ++i) {
        innerTop = std::max(innerTop, shape.points[i].Y);
        innerRight = std::max(innerRight, shape.points[i].X);
    }
    EXPECT_NEAR(innerTop, 1.0, 1e-9);
    EXPECT_NEAR(innerRight, 6.0, 1e-9);
}

TEST(RingSolidShape, PartRingRunsOutAlongOneEdgeAndBackAlongTheOther) {
    const RingSolidRecord ring = RingSolid(10, 1, kPi / 2, 5);
    SCOPED_TRACE(Literal(ring));
    PreviewShape shape;
    ASSERT_TRUE(RingSolidShape(ring, false, shape));
    ASSERT_EQ(shape.loopEnds.size(), 1u);
    ExpectPoint(shape.points.front(), {10, 0});
    ExpectPoint(shape.points[shape.points.size() / 2 - 1], {0, 10});
    ExpectPoint(shape.points[shape.points.size() / 2], {0, 5});
    ExpectPoint(shape.points.back(), {5, 0});
}

TEST(PreviewShapes, UndrawableSolidsAreLeftOut) {
    PreviewShape shape;
    const CircleSolidRecord circles[] = {
        CircleSolid(0, 1, 0, 0, 1, 1),
        CircleSolid(-3, 1, 0, 0, 1, 1),
        CircleSolid(10, 0, 0, 0, 1, 1),
        CircleSolid(10, -1, 0, 0, 1, 1),
        CircleSolid(kNan, 1, 0, 0, 1, 1),
        CircleSolid(10, 1, kNan, 0, 1, 1),
        CircleSolid(2e9, 1, 0, 0, 1, 1),
        CircleSolid(10, 1, 0, 0, std::numeric_limits<double>::infinity(), 0),
    };
    for (const CircleSolidRecord& solid : circles) {
        EXPECT_FALSE(CircleSolidShape(solid, shape)) << Literal(solid);
        EXPECT_TRUE(shape.points.empty());
    }
    EXPECT_FALSE(RingSolidShape(RingSolid(10, 1, 0, 0), true, shape))
        << "constant width, radius2 0";
    EXPECT_TRUE(RingSolidShape(RingSolid(10, 1, 0, 0), false, shape))
        << "plain ring, radius2 0: a filled disc";
    EXPECT_FALSE(
        RingSolidShape(RingSolid(10, 1, std::numeric_limits<double>::infinity(), 5), false, shape));
}

struct ArcCase {
    std::string_view line;
    PlanePoint first;
    PlanePoint last;
};

class ArcShapes : public testing::TestWithParam<ArcCase> {};

TEST_P(ArcShapes, RunFromStartToEndInDegrees) {
    const ArcCase c = GetParam();
    SCOPED_TRACE(c.line);
    const auto store = DrawingFromText(c.line);
    ASSERT_EQ(store->arcs.Count(), 1u);
    std::vector<PlanePoint> points;
    ASSERT_TRUE(ArcPolyline(store->arcs[0], points));
    ExpectPoint(points.front(), c.first);
    ExpectPoint(points.back(), c.last);
}

INSTANTIATE_TEST_SUITE_P(
    Preview, ArcShapes,
    testing::Values(
        ArcCase{"ci 25 150 40 -90 0 1 0", {25, 110}, {65, 150}},
        // The end below the start: counter-clockwise through 0.
        ArcCase{"ci 0 0 10 270 90 1 0", {0, -10}, {0, 10}},
        // Equal start and end: the whole circle.
        ArcCase{"ci 0 0 10 30 30 1 0", {10 * std::cos(kPi / 6), 5}, {10 * std::cos(kPi / 6), 5}},
        // Flatness 0.5, tilt 90 degrees: the long axis is vertical.
        ArcCase{"ci 0 0 10 0 90 0.5 90", {0, 10}, {-5, 0}}));

TEST(ArcShapes, UndrawableArcsAreLeftOut) {
    for (const std::string_view line : {"ci 0 0 0 0 90 1 0", "ci 0 0 10 0 90 0 0",
                                        "ci 0 0 10 -1E308 1E308 1 0", "ci 0 0 5E9 0 90 1 0"}) {
        const auto store = DrawingFromText(line);
        ASSERT_EQ(store->arcs.Count(), 1u) << line;
        std::vector<PlanePoint> points;
        EXPECT_FALSE(ArcPolyline(store->arcs[0], points)) << line;
    }
}

// Counts what a store hands over, by kind of piece.
class CountingVisitor final : public FigureVisitor {
public:
    int fills = 0, outlines = 0, strokes = 0, dots = 0, labels = 0;
    void Fill(const PreviewShape&, RgbHex) override { ++fills; }
    void Outline(const PreviewShape&, RgbHex) override { ++outlines; }
    void Stroke(const PlanePoint*, std::size_t, RgbHex) override { ++strokes; }
    void Dot(PlanePoint, RgbHex) override { ++dots; }
    void Label(const PlacedText&, RgbHex) override { ++labels; }
};

constexpr std::string_view kEveryKind =
    "0 0 10 0\n"                           // line
    "ci 0 0 5\n"                           // circle
    "ci 0 0 5 0 90 1 0\n"                  // arc
    "ch 0 0 1 0 \"text\n"                  // text
    "pt 1 1\n"                             // point
    "pt 1 1 1 0 2\n"                       // point with parameters
    "msg\n0 -5 10 -5\ncs 5 -4 1 0 \"10\n"  // dimension: a stroke and a text
    "BL 3 3 name\n"                        // block: a dot and its name
    "sl 0 0 5 5\n"                         // solid segment
    "sl 0 0 5 0 5 5\n"                     // triangle
    "sl 0 0 5 0 5 5 0 5\n"                 // quadrilateral
    "sc 0 0 5 1 0 0 1 1\n"                 // circular solid
    "se 0 0 5 1 0 0 1 100\n"               // circular solid of the se form
    "so 0 0 5 1 0 0 0 2\n"                 // ring
    "sg 0 0 5 1 0 0 0 2\n";                // constant-width ring

TEST(VisitFigures, HandsOverEveryKind) {
    const auto store = DrawingFromText(kEveryKind);
    CountingVisitor all;
    VisitFigures(*store, FigureSelection::All, all);
    EXPECT_EQ(all.fills, 6);    // triangle, quadrilateral, sc, se, so, sg
    EXPECT_EQ(all.strokes, 5);  // line, circle, arc, dimension line, solid segment
    EXPECT_EQ(all.dots, 3);     // two points and the block
    EXPECT_EQ(all.labels, 3);   // text, dimension text, block name
    EXPECT_EQ(all.outlines, 0);

    CountingVisitor hatched;
    VisitFigures(*store, FigureSelection::HatchedSolidOutlines, hatched);
    EXPECT_EQ(hatched.outlines, 5);  // all solids but the se form
    EXPECT_EQ(hatched.fills + hatched.strokes + hatched.dots + hatched.labels, 0);
}

TEST(VisitFigures, LeavesOutFiguresThatCannotBeDrawn) {
    const auto store = DrawingFromText(
        "0 0 1E300 0\n"  // beyond the drawable range
        "0 0 10 0\n"
        "ch 0 0 1 0 \"\x81\x40 \n"  // blanks only
        "cn0 0 0 0 1\nch 0 0 1 0 \"zero height\n");
    CountingVisitor counted;
    VisitFigures(*store, FigureSelection::All, counted);
    EXPECT_EQ(counted.strokes, 1);
    EXPECT_EQ(counted.labels, 0);
}

}  // namespace

}  // namespace rv17

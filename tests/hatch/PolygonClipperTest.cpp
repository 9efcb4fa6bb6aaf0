// Triangle and quadrilateral solids cut by single hatch lines: corners,
// edges along the line, crossed outlines and the edge tolerance.
#include <gtest/gtest.h>

#include <vector>

#include "hatch/PolygonClipper.h"
#include "tests/geometry/CaseLiteral.h"
#include "tests/hatch/HatchTestSupport.h"

namespace rv17 {

namespace {

struct PolygonCase {
    const char* name;
    std::vector<PlanePoint> corners;  // 3: a triangle, 4: a quadrilateral
    double angleDegrees;
    PlanePoint through;         // a point of the hatch line
    int crossings;              // kept after deduplication
    std::vector<Piece> pieces;  // in the order written
};

void Clip(ClipFixture& fixture, const PolygonCase& c, std::int32_t colour) {
    const HatchLine line = HatchLineAt(c.through.X, c.through.Y, Radians(c.angleDegrees));
    ClipContext context = fixture.Context();
    const auto& p = c.corners;
    if (p.size() == 3) {
        TriangleSolidRecord solid{};
        solid.x1 = p[0].X, solid.y1 = p[0].Y, solid.x2 = p[1].X, solid.y2 = p[1].Y,
        solid.x3 = p[2].X, solid.y3 = p[2].Y;
        ClipTriangleSolid(context, colour, line, solid);
    } else {
        QuadSolidRecord solid{};
        solid.x1 = p[0].X, solid.y1 = p[0].Y, solid.x2 = p[1].X, solid.y2 = p[1].Y,
        solid.x3 = p[2].X, solid.y3 = p[2].Y, solid.x4 = p[3].X, solid.y4 = p[3].Y;
        ClipQuadSolid(context, colour, line, solid);
    }
}

std::string CaseText(const PolygonCase& c) {
    std::string text = std::string(c.name) + ": corners";
    for (const PlanePoint& p : c.corners) text += std::string(" ") + Literal(p);
    return text + ", angle " + Literal({c.angleDegrees}) + ", through " + Literal(c.through);
}

class PolygonClip : public testing::TestWithParam<PolygonCase> {};

TEST_P(PolygonClip, CrossingsAndPieces) {
    const PolygonCase& c = GetParam();
    ClipFixture fixture(Radians(c.angleDegrees));
    Clip(fixture, c, 5);
    EXPECT_EQ(fixture.Crossings().Count(), c.crossings) << CaseText(c);
    const std::vector<Piece> pieces = fixture.Pieces();
    ASSERT_EQ(pieces.size(), c.pieces.size()) << CaseText(c) << " gave " << Describe(pieces);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        EXPECT_NEAR(pieces[i].x1, c.pieces[i].x1, 1e-9) << CaseText(c) << " piece " << i;
        EXPECT_NEAR(pieces[i].y1, c.pieces[i].y1, 1e-9) << CaseText(c) << " piece " << i;
        EXPECT_NEAR(pieces[i].x2, c.pieces[i].x2, 1e-9) << CaseText(c) << " piece " << i;
        EXPECT_NEAR(pieces[i].y2, c.pieces[i].y2, 1e-9) << CaseText(c) << " piece " << i;
    }
    // Each piece follows its own "z1"; the colour is written once, before the first.
    const std::vector<std::string> lines = fixture.Lines();
    const std::size_t expectedLines = pieces.empty() ? 0 : 1 + 2 * pieces.size();
    ASSERT_EQ(lines.size(), expectedLines) << CaseText(c) << "\n" << Joined(lines);
    if (!pieces.empty()) {
        EXPECT_EQ(lines[0], "lc5");
    }
    for (std::size_t i = 1; i < lines.size(); i += 2) EXPECT_EQ(lines[i], "z1") << CaseText(c);
}

const std::vector<PlanePoint> kTriangle = {{0, 0}, {10, 0}, {0, 10}};
const std::vector<PlanePoint> kBowTie = {{0, 0}, {10, 10}, {10, 0}, {0, 10}};

INSTANTIATE_TEST_SUITE_P(
    Cases, PolygonClip,
    testing::Values(
        PolygonCase{"AcrossTheMiddle", kTriangle, 0, {3, 5}, 2, {{0, 5, 5, 5}}},
        PolygonCase{"AlongAnEdge", kTriangle, 0, {3, 0}, 2, {}},
        PolygonCase{"ThroughTheApexOnly", kTriangle, 0, {3, 10}, 1, {}},
        PolygonCase{"UprightFromBelow", kTriangle, 90, {2, 3}, 2, {{2, 0, 2, 8}}},
        PolygonCase{"UprightReversedAngle", kTriangle, 270, {2, 3}, 2, {{2, 8, 2, 0}}},
        PolygonCase{"EntersAtACorner", kTriangle, 45, {1, 1}, 2, {{0, 0, 5, 5}}},
        PolygonCase{"TouchesACornerFromOutside", kTriangle, -45, {5, -5}, 1, {}},
        PolygonCase{"MissesEntirely", kTriangle, 0, {3, 11}, 0, {}},
        PolygonCase{"BowTieBothLobes", kBowTie, 0, {5, 2}, 4, {{0, 2, 2, 2}, {8, 2, 10, 2}}},
        PolygonCase{"BowTieThroughTheKnot", kBowTie, 0, {3, 5}, 3, {{0, 5, 5, 5}, {5, 5, 10, 5}}},
        PolygonCase{"AllCornersEqual", {{4, 4}, {4, 4}, {4, 4}}, 0, {0, 4}, 1, {}},
        PolygonCase{"CollinearCorners", {{0, 0}, {5, 5}, {10, 10}}, 0, {0, 3}, 1, {}},
        // Side edges that stop 0.5e-8 short of the line still meet it; the
        // midpoint then lies on the top edge (within 1e-8) and is not inside.
        PolygonCase{"EdgesJustShortOfTheLine",
                    {{0, 0}, {10, 0}, {10, 5 - 0.5e-8}, {0, 5 - 0.5e-8}},
                    0,
                    {5, 5},
                    2,
                    {}},
        PolygonCase{"EdgesShortByMoreThanTheTolerance",
                    {{0, 0}, {10, 0}, {10, 5 - 2e-8}, {0, 5 - 2e-8}},
                    0,
                    {5, 5},
                    0,
                    {}},
        PolygonCase{"ConcaveQuadrilateral",
                    {{0, 0}, {10, 5}, {0, 10}, {5, 5}},
                    0,
                    {1, 3},
                    2,
                    {{3, 3, 6, 3}}},
        PolygonCase{"ConcaveThroughTheNotch",
                    {{0, 0}, {10, 5}, {0, 10}, {5, 5}},
                    0,
                    {1, 5},
                    2,
                    {{5, 5, 10, 5}}}),
    [](const testing::TestParamInfo<PolygonCase>& testCase) {
        return std::string(testCase.param.name);
    });

TEST(PolygonClip, ClockwiseAndCounterClockwiseCornersCutAlike) {
    for (const double angle : {0.0, 17.0, 90.0, 133.0}) {
        ClipFixture forward(Radians(angle));
        ClipFixture backward(Radians(angle));
        const PolygonCase ccw{"ccw", {{1, 1}, {9, 2}, {8, 9}, {2, 7}}, angle, {5, 5}, 0, {}};
        const PolygonCase cw{"cw", {{2, 7}, {8, 9}, {9, 2}, {1, 1}}, angle, {5, 5}, 0, {}};
        Clip(forward, ccw, 3);
        Clip(backward, cw, 3);
        EXPECT_EQ(forward.Lines(), backward.Lines()) << "angle " << angle;
        EXPECT_EQ(forward.Pieces().size(), 1u) << "angle " << angle;
    }
}

}  // namespace

}  // namespace rv17

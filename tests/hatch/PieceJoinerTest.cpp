// Joining the pieces of a hatch line: which pieces become one, where the
// joined segment is written, and solids that share an edge or overlap.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "hatch/PieceJoiner.h"
#include "tests/hatch/HatchTestSupport.h"

namespace rv17 {

namespace {

std::string DescribeClipped(std::span<const ClippedPiece> pieces) {
    std::string text;
    for (const ClippedPiece& p : pieces) {
        text += "{" + std::to_string(p.hatchColour) + ", " + std::to_string(p.x1) + ", " +
                std::to_string(p.y1) + ", " + std::to_string(p.x2) + ", " + std::to_string(p.y2) +
                "} ";
    }
    return text;
}

struct LineCase {
    const char* name;
    std::vector<ClippedPiece> pieces;  // along y = 2, at angle 0
    std::vector<ClippedPiece> joined;
};

class LineJoinCases : public testing::TestWithParam<LineCase> {};

TEST_P(LineJoinCases, JoinsPiecesOfOneColourThatTouchOrOverlap) {
    const LineCase& c = GetParam();
    LineJoin join(0.0);
    const std::span<const ClippedPiece> joined = join.Join(c.pieces);
    ASSERT_EQ(joined.size(), c.joined.size()) << DescribeClipped(joined);
    const auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    for (std::size_t i = 0; i < joined.size(); ++i) {
        EXPECT_EQ(joined[i].hatchColour, c.joined[i].hatchColour) << i;
        EXPECT_TRUE(same(joined[i].x1, c.joined[i].x1)) << i << ": " << DescribeClipped(joined);
        EXPECT_TRUE(same(joined[i].x2, c.joined[i].x2)) << i << ": " << DescribeClipped(joined);
        EXPECT_EQ(joined[i].y1, 2.0) << i;
        EXPECT_EQ(joined[i].y2, 2.0) << i;
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Cases, LineJoinCases,
    testing::Values(
        LineCase{"WithinTheGap", {{1, 0, 2, 5, 2}, {1, 5 + 1e-7, 2, 9, 2}}, {{1, 0, 2, 9, 2}}},
        LineCase{"BeyondTheGap",
                 {{1, 0, 2, 5, 2}, {1, 5 + 1e-5, 2, 9, 2}},
                 {{1, 0, 2, 5, 2}, {1, 5 + 1e-5, 2, 9, 2}}},
        LineCase{"Inside", {{1, 0, 2, 9, 2}, {1, 3, 2, 4, 2}}, {{1, 0, 2, 9, 2}}},
        // A chain joins through its middle piece, whatever the order of writing.
        LineCase{"Chain", {{1, 6, 2, 9, 2}, {1, 0, 2, 3, 2}, {1, 3, 2, 6, 2}}, {{1, 0, 2, 9, 2}}},
        // The joined segment stands where its first piece was written.
        LineCase{"InPlaceOfTheFirst",
                 {{2, 20, 2, 30, 2}, {1, 5, 2, 9, 2}, {3, 40, 2, 41, 2}, {1, 0, 2, 5, 2}},
                 {{2, 20, 2, 30, 2}, {1, 0, 2, 9, 2}, {3, 40, 2, 41, 2}}},
        LineCase{"ColoursNeverJoin",
                 {{1, 0, 2, 5, 2}, {2, 5, 2, 9, 2}, {1, 9, 2, 12, 2}},
                 {{1, 0, 2, 5, 2}, {2, 5, 2, 9, 2}, {1, 9, 2, 12, 2}}},
        LineCase{"NotFiniteStaysForTheWriterToDrop",
                 {{1, 0, 2, 5, 2}, {1, kNaN, 2, 9, 2}, {1, 5, 2, 9, 2}},
                 {{1, 0, 2, 9, 2}, {1, kNaN, 2, 9, 2}}}),
    [](const testing::TestParamInfo<LineCase>& given) { return given.param.name; });

struct DrawingCase {
    const char* name;
    std::string solids;
    bool recolourNumbered;
    std::vector<std::pair<double, double>> stretches;  // of every line, from left to right
};

class JoinedDrawings : public testing::TestWithParam<DrawingCase> {};

TEST_P(JoinedDrawings, EveryLineHasTheJoinedStretches) {
    const DrawingCase& c = GetParam();
    HatchSettings settings;
    settings.recolourNumberedSolids = c.recolourNumbered;
    Drawing drawing("bz\nhp1 0 0.5\n" + c.solids);
    drawing.Convert(settings);
    const std::size_t unjoined = PiecesOf(drawing.SweepLines()).size();
    settings.joinTouching = true;
    drawing.Convert(settings);
    const std::vector<Piece> pieces = PiecesOf(drawing.SweepLines());
    // By line: unjoined pieces of one line may differ in their last digits.
    std::map<long, std::vector<std::pair<double, double>>> lines;
    for (const Piece& p : pieces) {
        // A joined segment runs exactly along its line.
        if (c.stretches.size() == 1) {
            EXPECT_EQ(p.y1, p.y2) << Describe(pieces);
        }
        lines[std::lround(p.y1 * 1000.0)].emplace_back(p.x1, p.x2);
    }
    ASSERT_EQ(lines.size(), 10u) << Describe(pieces);
    for (auto& [y, stretches] : lines) {
        std::sort(stretches.begin(), stretches.end());
        ASSERT_EQ(stretches.size(), c.stretches.size()) << "y " << y << ": " << Describe(pieces);
        for (std::size_t i = 0; i < stretches.size(); ++i) {
            EXPECT_NEAR(stretches[i].first, c.stretches[i].first, 1e-9) << "y " << y;
            EXPECT_NEAR(stretches[i].second, c.stretches[i].second, 1e-9) << "y " << y;
        }
    }
    EXPECT_EQ(drawing.LastResult().hatchSegments, pieces.size());
    EXPECT_GE(unjoined, pieces.size());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JoinedDrawings,
    testing::Values(
        DrawingCase{
            "SharedEdge", "sl 0 0 10 0 10 10 0 10\nsl 10 0 20 0 20 10 10 10\n", false, {{0, 20}}},
        // The shared edge written with its last digit one off in each solid.
        DrawingCase{"SharedSlantedEdgeOffInTheLastDigit",
                    "sl 0 0 10 0 13 10 0 10\n"
                    "sl 10.0000000000001 0 20 0 20 10 12.9999999999999 10\n",
                    false,
                    {{0, 20}}},
        DrawingCase{
            "Overlapping", "sl 0 0 12 0 12 10 0 10\nsl 8 0 20 0 20 10 8 10\n", false, {{0, 20}}},
        DrawingCase{"Apart",
                    "sl 0 0 10 0 10 10 0 10\nsl 10.001 0 20 0 20 10 10.001 10\n",
                    false,
                    {{0, 10}, {10.001, 20}}},
        // An RGB solid takes the hatch colour; colour 3 keeps its own unless
        // numbered colours are recoloured.
        DrawingCase{"MiddleKeepsItsColour",
                    "lc10 255\nsl 0 0 10 0 10 10 0 10\nlc3\nsl 10 0 20 0 20 10 10 10\n"
                    "lc10 255\nsl 20 0 30 0 30 10 20 10\n",
                    false,
                    {{0, 10}, {10, 20}, {20, 30}}},
        DrawingCase{"RecolouredMiddleJoins",
                    "lc10 255\nsl 0 0 10 0 10 10 0 10\nlc3\nsl 10 0 20 0 20 10 10 10\n"
                    "lc10 255\nsl 20 0 30 0 30 10 20 10\n",
                    true,
                    {{0, 30}}}),
    [](const testing::TestParamInfo<DrawingCase>& given) { return given.param.name; });

}  // namespace

}  // namespace rv17

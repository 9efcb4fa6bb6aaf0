// The sweep: the order of the lines it dispatches, where each direction
// ends, the bounds it sweeps across, and the sweeps it refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>
#include <stdexcept>
#include <stop_token>
#include <string_view>
#include <tuple>
#include <vector>

#include "exchange/ExchangeWriter.h"
#include "exchange/FileAccess.h"
#include "hatch/ConversionRun.h"
#include "hatch/SolidBounds.h"
#include "hatch/SweepLines.h"
#include "hatch/SweepOrigin.h"
#include "hatch/SweepPlan.h"
#include "tests/geometry/CaseLiteral.h"
#include "tests/hatch/HatchTestSupport.h"
#include "tests/support/TestFolder.h"

namespace rv17 {

namespace {

// A dispatched line: its midpoint (on the line, beside the point it was built
// through) and whether it met the bounds.
struct Dispatched {
    PlanePoint middle;
    bool met;
};

std::vector<Dispatched> DispatchOrder(std::string_view text, const HatchSettings& settings) {
    std::vector<Dispatched> order;
    const Drawing drawing(text);
    const EntityStore& store = drawing.Store();
    VisitSweepLines(PlanSweepOfStore(store, DeriveHatchParameters(store, settings)),
                    [&](const HatchLine& line, std::int64_t, SweepDirection, bool met) {
                        order.push_back({{(line.ax + line.bx) / 2, (line.ay + line.by) / 2}, met});
                    });
    return order;
}

HatchSettings Settings(const char* interval, const char* angle) {
    HatchSettings settings;
    settings.interval = interval;
    settings.angleDegrees = angle;
    return settings;
}

struct OrderCase {
    const char* name;
    const char* drawing;
    const char* interval;
    const char* angle;
    bool alongX;  // the lines' positions are their x (upright lines), else their y
    std::vector<double> positions;  // in dispatch order
    std::vector<bool> met;
};

class SweepOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(SweepOrder, LinesInDispatchOrder) {
    const OrderCase& c = GetParam();
    const std::vector<Dispatched> order = DispatchOrder(c.drawing, Settings(c.interval, c.angle));
    ASSERT_EQ(order.size(), c.positions.size()) << c.name;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const double position = c.alongX ? order[i].middle.X : order[i].middle.Y;
        EXPECT_NEAR(position, c.positions[i], 1e-9) << c.name << " line " << i;
        EXPECT_EQ(order[i].met, c.met[i]) << c.name << " line " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SweepOrder,
    testing::Values(
        // C = (5, 2), d = -1.7, m = 0.7, S = (5, 1.3).
        OrderCase{"ReferencePointAligns",
                  "hp1 0.3 0.3\nsl 0 0 10 0 10 4 0 4\n",
                  "1",
                  "0",
                  false,
                  {1.3, 2.3, 3.3, 4.3, 0.3, -0.7},
                  {true, true, true, false, true, false}},
        // C = (2, 1), R' = (1, 3), d = 2, m = 0, S = (2, 1); forward runs towards -x.
        OrderCase{"UprightLines",
                  "sl 0.5 0 3.5 0 3.5 2 0.5 2\n",
                  "1",
                  "90",
                  true,
                  {2, 1, 0, 3, 4},
                  {true, true, false, true, false}},
        OrderCase{"WholeNumbersWithoutAReferencePoint",
                  "sl 0 0.5 10 0.5 10 3.7 0 3.7\n",
                  "1",
                  "0",
                  false,
                  {2, 3, 4, 1, 0},
                  {true, true, false, true, false}},
        // The line through S misses a band thinner than the interval; each
        // direction still takes its first step.
        OrderCase{"StartLineMisses",
                  "hp1 0 0.9\nsl 0 0.2 10 0.2 10 0.4 0 0.4\n",
                  "1",
                  "0",
                  false,
                  {0.9, 1.9, -0.1},
                  {false, false, false}},
        // Bounds of a single point: no line meets them.
        OrderCase{"PointBounds",
                  "sc 4 4 0 1 0 0 0 1\n",
                  "1",
                  "0",
                  false,
                  {4, 5, 3},
                  {false, false, false}}),
    [](const testing::TestParamInfo<OrderCase>& testCase) {
        return std::string(testCase.param.name);
    });

// The pieces of a conversion, ordered by position so that sweeps in another
// order compare equal.
std::vector<Piece> SortedPieces(std::string_view text, const HatchSettings& settings) {
    Drawing drawing(text);
    drawing.Convert(settings);
    std::vector<Piece> pieces = PiecesOf(drawing.SweepLines());
    for (Piece& p : pieces) {
        if (std::llround(p.x2 * 1e6) < std::llround(p.x1 * 1e6) ||
            (std::llround(p.x2 * 1e6) == std::llround(p.x1 * 1e6) && p.y2 < p.y1)) {
            std::swap(p.x1, p.x2);
            std::swap(p.y1, p.y2);
        }
    }
    // Ordered on a coarse grid, so that rounding does not reorder nearly equal ends.
    const auto key = [](const Piece& p) {
        const auto grid = [](double v) { return std::llround(v * 1e6); };
        return std::make_tuple(grid(p.y1), grid(p.x1), grid(p.y2), grid(p.x2));
    };
    std::sort(pieces.begin(), pieces.end(),
              [&](const Piece& a, const Piece& b) { return key(a) < key(b); });
    return pieces;
}

void ExpectSamePieces(const std::vector<Piece>& a, const std::vector<Piece>& b, double shiftY,
                      const std::string& label) {
    ASSERT_EQ(a.size(), b.size()) << label << "\n" << Describe(a) << "\n" << Describe(b);
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_NEAR(a[i].x1, b[i].x1, 1e-9) << label << " piece " << i;
        EXPECT_NEAR(a[i].y1 + shiftY, b[i].y1, 1e-9) << label << " piece " << i;
        EXPECT_NEAR(a[i].x2, b[i].x2, 1e-9) << label << " piece " << i;
        EXPECT_NEAR(a[i].y2 + shiftY, b[i].y2, 1e-9) << label << " piece " << i;
    }
}

constexpr std::string_view kMixed =
    "sl 0 0 10 0 2 7\n"
    "sl 12 0 20 1 19 6 13 5\n"
    "sc 30 3 4 1 0 0 0 1\n"
    "so 45 3 4 1 0 0 0 2\n";

TEST(SweepReference, MovingItAWholeIntervalAcrossKeepsTheLines) {
    const auto base =
        SortedPieces(std::string("hp1 0.3 0.3\n") + std::string(kMixed), Settings("1", "0"));
    ASSERT_FALSE(base.empty());
    for (const char* moved : {"hp1 0.3 5.3\n", "hp1 17.3 -2.7\n", "hp1 -40 1.3\n"}) {
        ExpectSamePieces(base,
                         SortedPieces(std::string(moved) + std::string(kMixed), Settings("1", "0")),
                         0.0, moved);
    }
}

TEST(SweepReference, MovingItHalfAnIntervalShiftsEveryLine) {
    // Rectangles wide enough that every shifted line still crosses them fully.
    const std::string solids = "sl 0 0 10 0 10 5 0 5\nsl 20 0 30 0 30 5 20 5\n";
    const auto base = SortedPieces(std::string("hp1 0 0.2\n") + solids, Settings("1", "0"));
    const auto shifted = SortedPieces(std::string("hp1 0 0.7\n") + solids, Settings("1", "0"));
    ExpectSamePieces(base, shifted, 0.5, "half an interval");
}

TEST(SweepAngle, EquivalentAnglesGiveTheSameLines) {
    for (const auto& [angle, equivalents] :
         std::vector<std::pair<const char*, std::vector<const char*>>>{
             {"30", {"390", "-330", "750"}}, {"135", {"-225", "495"}}, {"0", {"360", "-360"}}}) {
        const auto base = SortedPieces(kMixed, Settings("0.7", angle));
        ASSERT_FALSE(base.empty());
        for (const char* equivalent : equivalents) {
            ExpectSamePieces(base, SortedPieces(kMixed, Settings("0.7", equivalent)), 0.0,
                             std::string(angle) + " against " + equivalent);
        }
    }
}

// The drawing of kMixed moved by (offset, offset), its reference point too.
std::string MixedAt(double offset) {
    const auto at = [offset](double x, double y) {
        char text[64];
        const int n = std::snprintf(text, sizeof text, "%.17g %.17g", offset + x, offset + y);
        return std::string(text, static_cast<std::size_t>(n));
    };
    return "hp1 " + at(0.5, 0.25) + "\nsl " + at(0, 0) + " " + at(10, 0) + " " + at(2, 7) +
           "\nsl " + at(12, 0) + " " + at(20, 1) + " " + at(19, 6) + " " + at(13, 5) + "\nsc " +
           at(30, 3) + " 4 1 0 0 0 1\nso " + at(45, 3) + " 4 1 0 0 0 2\n";
}

// Far from the origin a drawing is hatched as the same drawing near it, its
// reference point moved along: the same pieces, moved by the offset, up to
// the precision of the coordinates there (and of their 15 written digits).
TEST(SweepFarFromOrigin, HatchesAsTheSameDrawingNearTheOrigin) {
    for (const double offset : {1e6, 1e9, 1e12}) {
        for (const char* angle : {"0", "30", "60", "90", "-17.5", "89.9999", "123"}) {
            // Short of kFarFromOrigin the sweep keeps the drawing's coordinates,
            // whose rounding a line this steep magnifies beyond the tolerance.
            if (offset < kFarFromOrigin && std::string_view(angle) == "89.9999") continue;
            const HatchSettings settings = Settings("0.7", angle);
            const auto nearPieces = PiecesOf(ConvertText(MixedAt(0.0), settings));
            const std::string far = MixedAt(offset);
            const auto farLines = ConvertText(far, settings);
            ASSERT_EQ(farLines, ConvertText(far, settings, SweepMode::Literal));
            std::vector<Piece> farPieces = PiecesOf(farLines);
            const std::string label = far + "angle " + angle;
            ASSERT_GT(nearPieces.size(), 20u);
            ASSERT_EQ(nearPieces.size(), farPieces.size()) << label;
            const double tolerance = 1e-8 + offset * 2e-14;  // two units of the 15th digit
            // Either way round: a line that nearly stands on end may order
            // its crossings the other way.
            const auto close = [&](const Piece& a, const Piece& b) {
                const auto near = [&](double u, double v) {
                    return std::fabs(u + offset - v) <= tolerance;
                };
                return (near(a.x1, b.x1) && near(a.y1, b.y1) && near(a.x2, b.x2) &&
                        near(a.y2, b.y2)) ||
                       (near(a.x1, b.x2) && near(a.y1, b.y2) && near(a.x2, b.x1) &&
                        near(a.y2, b.y1));
            };
            for (const Piece& piece : nearPieces) {
                const auto match = std::find_if(farPieces.begin(), farPieces.end(),
                                                [&](const Piece& f) { return close(piece, f); });
                ASSERT_NE(match, farPieces.end())
                    << label << "\nno far piece for " << Describe({piece});
                farPieces.erase(match);
            }
        }
    }
}

// The solids are moved only along an axis on which they lie far out and within
// a factor of two of their centre, where the move is exact.
TEST(SweepFarFromOrigin, MovesOnlyAlongAxesWhereTheMoveIsExact) {
    struct Case {
        PlaneBox bounds;
        PlanePoint origin;
    };
    const double far = 2.0 * kFarFromOrigin;
    for (const Case& c :
         std::vector<Case>{{{0, 0, 100, 100, false}, {0, 0}},
                           {{far, -5, far + 10, 5, false}, {far + 5, 0}},
                           {{-far - 10, far, -far, far + 2, false}, {-far - 5, far + 1}},
                           // Reaching to within half the centre of the origin: not moved.
                           {{1e6, 0, 1e7, 1, false}, {0, 0}},
                           {{-1e300, 0, 1e300, 1, false}, {0, 0}}}) {
        const PlanePoint origin = SweepOrigin(c.bounds);
        EXPECT_EQ(origin.X, c.origin.X) << c.bounds.minX << " " << c.bounds.maxX;
        EXPECT_EQ(origin.Y, c.origin.Y) << c.bounds.minY << " " << c.bounds.maxY;
    }
}

// An angle whose radians would lose their precision is taken within 0..360.
TEST(SweepAngle, HugeAnglesAreReducedToTheSameAngle) {
    for (const double degrees : {1e300, -1e300, 1e200 / 3.0, -7.123456789e15, 4.0e7 + 0.25}) {
        const double reduced = std::fmod(360.0 + std::fmod(degrees, 360.0), 360.0);
        char typed[32];
        char within[32];
        std::snprintf(typed, sizeof typed, "%.17g", degrees);
        std::snprintf(within, sizeof within, "%.17g", reduced);
        const auto lines = ConvertText(kMixed, Settings("0.7", typed));
        EXPECT_GT(PiecesOf(lines).size(), 20u) << typed;
        EXPECT_EQ(lines, ConvertText(kMixed, Settings("0.7", within))) << typed << " " << within;
    }
}

struct BoundsCase {
    const char* name;
    const char* drawing;
    double minX, minY, maxX, maxY;
};

class Bounds : public testing::TestWithParam<BoundsCase> {};

TEST_P(Bounds, CoverTheSolids) {
    const BoundsCase& c = GetParam();
    Drawing drawing(c.drawing);
    const PlaneBox bounds = BuildSolidBounds(drawing.Store());
    EXPECT_NEAR(bounds.minX, c.minX, 1e-9) << c.name;
    EXPECT_NEAR(bounds.minY, c.minY, 1e-9) << c.name;
    EXPECT_NEAR(bounds.maxX, c.maxX, 1e-9) << c.name;
    EXPECT_NEAR(bounds.maxY, c.maxY, 1e-9) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Bounds,
    testing::Values(
        BoundsCase{"Polygons", "sl 1 2 5 -3 4 4\nsl -2 0 0 0 0 9 -2 9\n", -2, -3, 5, 9},
        BoundsCase{"CircleRadius", "sc 10 10 3 0.5 1 0 0 1\n", 7, 7, 13, 13},
        BoundsCase{"EllipseWiderAcross", "sc 10 10 3 2 0 0 0 1\n", 4, 4, 16, 16},
        // A quarter turn from 45 degrees: the end tangents meet 10 sqrt 2 above the centre.
        BoundsCase{"TangentCornerOutsideTheSquare",
                   "sc 0 0 10 1 0 0.7853981633974483 1.5707963267948966 -1\n", -10, -10, 10,
                   10 * std::sqrt(2.0)},
        // Over a quarter turn the solid is its sector, and its far tangent corner
        // (20 from the centre at 120 degrees) takes no part.
        BoundsCase{"TangentRegionOverAQuarterTurnIsTheSector",
                   "sc 0 0 10 1 0 0 2.0943951023931953 -1\n", -10, -10, 10, 10},
        BoundsCase{"TangentCornerWithinTheSquare", "sc 0 0 10 1 0 0 1.5707963267948966 -1\n", -10,
                   -10, 10, 10},
        BoundsCase{"RingWithTheLargerSecondEdge", "so 0 0 5 1 0 0 0 10\n", -10, -10, 10, 10},
        BoundsCase{"ConstantWidthRingSecondEdge", "sg 0 0 5 1 0 0 0 10\n", -10, -10, 10, 10},
        BoundsCase{"ConstantWidthRingFlatterSecondEdge", "sg 0 0 2 1.5 0 0 0 3\n", -4, -4, 4, 4},
        BoundsCase{"ConstantWidthRingWithoutSecondRadius", "sg 0 0 10 1 0 0 0 0\n", -10, -10, 10,
                   10},
        BoundsCase{"NegativeRadius", "sc 0 0 -4 2 0 0 0 1\n", -8, -8, 8, 8},
        BoundsCase{"MixedKinds", "sc 100 0 1 1 0 0 0 1\nsl 0 0 1 0 0 1\n", 0, -1, 101, 1}),
    [](const testing::TestParamInfo<BoundsCase>& testCase) {
        return std::string(testCase.param.name);
    });

TEST(Bounds, TheTangentCornerBeyondTheSquareIsHatched) {
    // Lines above y = 10 reach only the corner's part of the solid.
    const auto pieces = SortedPieces("sc 0 0 10 1 0 0.7853981633974483 1.5707963267948966 -1\n",
                                     Settings("1", "0"));
    ASSERT_FALSE(pieces.empty());
    EXPECT_GT(pieces.back().y1, 13.5);
}

TEST(Bounds, TheLargerSecondEdgeOfARingIsHatched) {
    // The first edge's square reaches only to 5; the band between 5 and 10
    // must be hatched all round.
    const auto pieces = SortedPieces("so 0 0 5 1 0 0 0 10\n", Settings("1", "0"));
    ASSERT_FALSE(pieces.empty());
    EXPECT_LT(pieces.front().y1, -8.5);
    EXPECT_GT(pieces.back().y1, 8.5);
}

TEST(HatchColour, TheCurrentColourEntryGivesTheDrawingsFirstColour) {
    // An RGB solid takes the hatch colour; with the entry "current colour"
    // that is the first colour of the file (4), not the solid's.
    Drawing drawing("lc4\nsl 20 0 30 0 25 8\nlc10 255\nsl 0 0 10 0 5 8\n");
    drawing.Convert(Settings("1", "0"));
    const std::vector<std::string> lines = drawing.SweepLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "lc4");
    for (const std::string& line : lines)
        EXPECT_TRUE(line.rfind("lc", 0) != 0 || line == "lc4") << line;
}

struct RefusalCase {
    const char* name;
    const char* drawing;
    HatchSettings settings;
    ConversionOutcome expected;
};

class Refusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, CheckedInTheDialogsOrder) {
    const RefusalCase& c = GetParam();
    Drawing drawing(c.drawing);
    EXPECT_EQ(CheckConversion(drawing.Store(), c.settings), c.expected) << c.name;
}

// ConversionRun makes the same checks; a refusal writes nothing. The accepted
// cases are left out: one of them would sweep ten million lines.
TEST_P(Refusals, ARefusedConversionWritesNothing) {
    const RefusalCase& c = GetParam();
    if (c.expected == ConversionOutcome::Accepted) return;
    TestFolder folder;
    const auto path = folder.Write("JWC_TEMP.TXT", c.drawing);
    Drawing drawing(c.drawing);
    const ConversionResult result = ConversionRun(drawing.Store(), c.settings, path);
    EXPECT_EQ(result.outcome, c.expected) << c.name;
    EXPECT_EQ(result.hatchSegments, 0u) << c.name;
    EXPECT_EQ(ReadWholeFile(path).bytes, c.drawing) << c.name;
    EXPECT_EQ(folder.FileCount(), 1u) << c.name;
}

HatchSettings With(const char* interval, const char* width, const char* angle = "0") {
    HatchSettings settings;
    settings.interval = interval;
    settings.width = width;
    settings.angleDegrees = angle;
    return settings;
}

constexpr const char* kHuge = "sl 0 0 1e15 0 0 1e15\n";
constexpr const char* kSmall = "sl 0 0 10 0 0 10\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, Refusals,
    testing::Values(
        RefusalCase{"Accepted", kSmall, With("1", "-1"), ConversionOutcome::Accepted},
        RefusalCase{"IntervalBeforeEverything", "", With("0.001", "99999"),
                    ConversionOutcome::IntervalRefused},
        RefusalCase{"IntervalNotANumber", kSmall, With("1mm", "0"),
                    ConversionOutcome::IntervalRefused},
        RefusalCase{"IntervalAbove", kSmall, With("100.001", "0"),
                    ConversionOutcome::IntervalRefused},
        RefusalCase{"WidthBeforeTheSolids", "", With("1", "30001"),
                    ConversionOutcome::WidthRefused},
        RefusalCase{"WidthBelow", kSmall, With("1", "-2"), ConversionOutcome::WidthRefused},
        RefusalCase{"WidthNotANumberIsZero", kSmall, With("1", "thin"),
                    ConversionOutcome::Accepted},
        // Its digits would convert to 0.
        RefusalCase{"WidthBeyondTheIntegerRange", kSmall, With("1", "-99999999999"),
                    ConversionOutcome::WidthRefused},
        RefusalCase{"NoSolids", "0 0 10 10\nse 0 0 5 1 0 0 0 0\n", With("1", "0"),
                    ConversionOutcome::NoSolidsRefused},
        RefusalCase{"SweepTooLarge", kHuge, With("0.01", "0"), ConversionOutcome::SweepTooLarge},
        RefusalCase{"SweepTooLargeAtTheLargestInterval", "sl 0 0 1e11 0 0 1e11\n", With("100", "0"),
                    ConversionOutcome::SweepTooLarge},
        // No interval would help: the cause is named instead.
        RefusalCase{"ExtentBeyondTheReals", "sl -1e308 -1e308 1e308 -1e308 0 1e308\n",
                    With("1", "0"), ConversionOutcome::ExtentRefused},
        // A reference point so far away that the interval is lost in its distance.
        RefusalCase{"ReferencePointBeyondReach", "hp1 1e308 -1e308\nsl 0 0 10 0 5 8\n",
                    With("0.5", "30"), ConversionOutcome::ReferenceTooFar},
        RefusalCase{"TooLargeForTheReferencePointAndTheInterval",
                    "hp1 1e308 -1e308\nsl 0 0 1e11 0 0 1e11\n", With("0.5", "30"),
                    ConversionOutcome::SweepTooLarge},
        RefusalCase{"TenMillionLinesAreAccepted", "sl 0 0 1e5 0 0 1e5\n", With("0.01", "0"),
                    ConversionOutcome::Accepted},
        // Steps of 0.01 would be lost in the rounding of positions near 1e13;
        // the sweep takes its coordinates from the solid's centre instead.
        RefusalCase{"StepsLostInRounding", "sc 1e13 1e13 1 1 0 0 0 1\n", With("0.01", "0"),
                    ConversionOutcome::Accepted},
        // Its radians would have lost pi; the angle is taken within 0..360 degrees.
        RefusalCase{"AngleSoLargeThatLinesHaveNoDirection", kSmall, With("1", "0", "1e300"),
                    ConversionOutcome::Accepted},
        RefusalCase{"TinyTriangleFarFromTheOrigin",
                    "sl 1e15 1e15 1.0000000000001e15 1e15 1e15 1.0000000000001e15\n",
                    With("1", "0", "30"), ConversionOutcome::Accepted}),
    [](const testing::TestParamInfo<RefusalCase>& testCase) {
        return std::string(testCase.param.name);
    });

TEST(Refusals, ATooLargeSweepWritesNothing) {
    TestFolder folder;
    const auto path = folder.Write("JWC_TEMP.TXT", kHuge);
    Drawing drawing(kHuge);
    EXPECT_EQ(ConversionRun(drawing.Store(), With("0.01", "0"), path).outcome,
              ConversionOutcome::SweepTooLarge);
    EXPECT_EQ(ReadWholeFile(path).bytes, kHuge);
    EXPECT_EQ(folder.FileCount(), 1u);
}

// The sweep counts the pieces it writes and the result tells where its lines
// begin: a line segment written back before them is no hatch.
TEST(SweepResult, CountsThePiecesAfterTheFirstSweepLine) {
    for (const SweepMode mode : {SweepMode::Literal, SweepMode::Indexed}) {
        Drawing drawing("0 -1 50 -1\n" + std::string(kMixed));
        drawing.Convert(Settings("0.7", "30"), SweepOptions{mode, 1, {}});
        const ConversionResult& result = drawing.LastResult();
        EXPECT_EQ(result.outcome, ConversionOutcome::Accepted);
        EXPECT_EQ(result.solids, 4);
        const std::vector<std::string> sweep = drawing.SweepLines();
        ASSERT_FALSE(sweep.empty());
        EXPECT_TRUE(sweep.front().rfind("lc", 0) == 0 || sweep.front() == "z1") << sweep.front();
        EXPECT_GT(result.hatchSegments, 20u);
        EXPECT_EQ(PiecesOf(sweep).size(), result.hatchSegments);
        EXPECT_EQ(PiecesOf(drawing.Output()).size(), result.hatchSegments + 1);
    }
}

// A write that fails while the sweep runs on several threads stops them all
// and reaches the caller, wherever the threads were.
TEST(SweepResult, AFailedWriteStopsTheSweepThreads) {
    struct FailingSink final : OutputLineSink {
        int lines = 0;
        int failAt = 0;
        void Line(std::string_view) override {
            if (++lines == failAt) throw std::runtime_error("write failed");
        }
    };
    for (const int failAt : {1, 100, 7000}) {
        Drawing drawing(kMixed);
        FailingSink sink;
        sink.failAt = failAt;
        OutputWriter writer(drawing.Store(), sink);
        EXPECT_THROW(BuildConversionOutput(writer, Settings("0.01", "30"),
                                           SweepOptions{SweepMode::Indexed, 2, {}}),
                     std::runtime_error)
            << "failing at line " << failAt;
    }
}

// A sweep stopped part way hands on a first part of the lines it would hand
// on whole, in order, on one thread or two; one stopped before it starts
// hands on none.
TEST(SweepStop, EndsAfterAFirstPartOfTheLines) {
    struct Recorder final : PieceSink {
        std::stop_source source;
        std::size_t stopAfter = 0;
        std::vector<std::vector<ClippedPiece>> lines;
        void LinePieces(std::span<const ClippedPiece> pieces) override {
            lines.emplace_back(pieces.begin(), pieces.end());
            if (lines.size() == stopAfter) source.request_stop();
        }
    };
    const Drawing drawing(kMixed);
    const EntityStore& store = drawing.Store();
    const HatchParameters parameters = DeriveHatchParameters(store, Settings("0.05", "30"));
    const SweepPlan plan = PlanSweepOfStore(store, parameters);
    const SweepSolids solids(store, parameters, plan.origin);
    for (const SweepMode mode : {SweepMode::Literal, SweepMode::Indexed}) {
        Recorder whole;
        ASSERT_TRUE(RunSweep(solids, plan, SweepOptions{mode, 1, {}}, whole));
        ASSERT_GT(whole.lines.size(), 100u);
        for (const unsigned threads : {1u, 2u}) {
            for (const std::size_t stopAfter : {std::size_t{0}, std::size_t{1}, std::size_t{40}}) {
                Recorder part;
                part.stopAfter = stopAfter;
                if (stopAfter == 0) part.source.request_stop();
                EXPECT_FALSE(RunSweep(solids, plan,
                                      SweepOptions{mode, threads, part.source.get_token()}, part));
                ASSERT_GE(part.lines.size(), stopAfter);
                ASSERT_LT(part.lines.size(), whole.lines.size());
                for (std::size_t i = 0; i < part.lines.size(); ++i) {
                    ASSERT_EQ(part.lines[i].size(), whole.lines[i].size()) << "line " << i;
                }
            }
        }
    }
}

// A sink that does not take lines in parts gets all the pieces of a line in
// one call, however many solids the line reaches: here a row of 30,000
// squares along the lines.
TEST(SweepSink, ALineReachingManySolidsComesWhole) {
    struct Recorder final : PieceSink {
        std::vector<std::vector<ClippedPiece>> lines;
        void LinePieces(std::span<const ClippedPiece> pieces) override {
            lines.emplace_back(pieces.begin(), pieces.end());
        }
    };
    constexpr std::size_t kSquares = 30000;
    std::string text;
    for (std::size_t i = 0; i < kSquares; ++i) {
        const std::string x = std::to_string(2 * i);
        text += "sl " + x + " 0 " + x + ".5 0 " + x + ".5 1 " + x + " 1\n";
    }
    const Drawing drawing(text);
    const HatchParameters parameters = DeriveHatchParameters(drawing.Store(), Settings("0.3", "0"));
    const SweepPlan plan = PlanSweepOfStore(drawing.Store(), parameters);
    const SweepSolids solids(drawing.Store(), parameters, plan.origin);
    for (const unsigned threads : {1u, 2u}) {
        Recorder recorder;
        ASSERT_TRUE(
            RunSweep(solids, plan, SweepOptions{SweepMode::Indexed, threads, {}}, recorder));
        std::size_t longest = 0;
        for (const std::vector<ClippedPiece>& line : recorder.lines) {
            longest = std::max(longest, line.size());
            for (const ClippedPiece& piece : line) ASSERT_NEAR(piece.y1, line.front().y1, 1e-6);
        }
        EXPECT_EQ(longest, kSquares) << threads << " threads";
    }
}

TEST(SweepPlan, LineBoundsHoldTheLinesVisited) {
    // The plan's upper bounds of lines per direction against the lines the
    // sweep really dispatches, over many angles and intervals.
    for (int i = 0; i < 60; ++i) {
        const std::string angle = std::to_string(i * 37 % 400 - 20);
        const std::string interval = std::to_string(0.05 + (i % 9) * 0.4);
        Drawing drawing(kMixed);
        const HatchSettings settings = Settings(interval.c_str(), angle.c_str());
        const SweepPlan plan = PlanSweep(BuildSolidBounds(drawing.Store()),
                                         DeriveHatchParameters(drawing.Store(), settings));
        ASSERT_FALSE(plan.tooLarge);
        const std::size_t lines = DispatchOrder(kMixed, settings).size();
        EXPECT_LE(lines, static_cast<std::size_t>(1 + plan.forwardLines + plan.backwardLines))
            << "angle " << angle << " interval " << interval;
    }
}

}  // namespace

}  // namespace rv17

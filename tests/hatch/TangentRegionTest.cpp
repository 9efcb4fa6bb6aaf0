// Solids cut between an arc and its end tangents: over a quarter turn (with
// the slack of the host's written quarter turn) they are hatched as sectors.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "exchange/FileAccess.h"
#include "hatch/SolidBounds.h"
#include "tests/hatch/HatchTestSupport.h"

namespace rv17 {

namespace {

HatchSettings Interval(const char* interval) {
    HatchSettings settings;
    settings.interval = interval;
    return settings;
}

// A circular solid record with the given figure, arc and solidMode.
std::string CircleSolidText(const char* figure, double arc, int mode) {
    char text[160];
    std::snprintf(text, sizeof text, "sc %s %.17g %d\n", figure, arc, mode);
    return text;
}

struct ArcCase {
    double arc;
    bool sector;  // hatched as the same record with solidMode 0
};

class TangentRegionArcs : public testing::TestWithParam<ArcCase> {};

TEST_P(TangentRegionArcs, OverAQuarterTurnGiveTheSectorsBytes) {
    const ArcCase& c = GetParam();
    // A circle, and the ellipse of a drawing whose hatch once ran off some 4e7.
    for (const char* figure : {"0 0 10 1 0 0.3", "0 0 15 0.374 -2.639 -4.7"}) {
        const std::string tangentRegion = CircleSolidText(figure, c.arc, -1);
        const std::string sector = CircleSolidText(figure, c.arc, 0);
        if (c.sector) {
            // Checked first: a sweep out to a far tangent corner would take minutes.
            const PlaneBox hatchedBounds = BuildSolidBounds(Drawing(tangentRegion).Store());
            const PlaneBox sectorBounds = BuildSolidBounds(Drawing(sector).Store());
            ASSERT_TRUE(hatchedBounds.minX == sectorBounds.minX &&
                        hatchedBounds.minY == sectorBounds.minY &&
                        hatchedBounds.maxX == sectorBounds.maxX &&
                        hatchedBounds.maxY == sectorBounds.maxY)
                << tangentRegion;
        }
        for (const SweepMode mode : {SweepMode::Indexed, SweepMode::Literal}) {
            const auto hatched = ConvertText(tangentRegion, Interval("1"), mode);
            const auto asSector = ConvertText(sector, Interval("1"), mode);
            ASSERT_GT(PiecesOf(asSector).size(), 5u) << sector;
            if (c.sector) {
                EXPECT_EQ(hatched, asSector) << tangentRegion;
            } else {
                EXPECT_NE(hatched, asSector) << tangentRegion;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Arcs, TangentRegionArcs,
                         testing::Values(ArcCase{1.5707963267949, false},  // as the host writes it
                                         ArcCase{kPi / 2 + 1e-9, false},
                                         ArcCase{-1.5707963267949, false},
                                         ArcCase{kPi / 2 + 1e-7, true}, ArcCase{2.0, true},
                                         ArcCase{3.141593, true}, ArcCase{kPi, true},
                                         ArcCase{-2.5, true}));

// Nineteen solids, among them a tangent region over nearly a half turn, whose
// end tangents meet some 4e7 away: the sweep stays on the drawing.
TEST(TangentRegionNearAHalfTurn, IsSweptOverTheDrawingOnly) {
    const FileContents input =
        ReadWholeFile(std::filesystem::path(RV17_TEST_DATA_DIR) / "hatch" / "wide_tangent_arc.txt");
    ASSERT_TRUE(input.complete);
    Drawing drawing(input.bytes);
    const PlaneBox bounds = BuildSolidBounds(drawing.Store());
    ASSERT_GT(bounds.minX, -20.0);
    ASSERT_GT(bounds.minY, -20.0);
    ASSERT_LT(bounds.maxX, 280.0);
    ASSERT_LT(bounds.maxY, 120.0);

    drawing.Convert(Interval("2.5"));
    const ConversionResult& result = drawing.LastResult();
    EXPECT_EQ(result.solids, 19);
    EXPECT_GT(result.hatchSegments, 50u);
    EXPECT_LT(result.hatchSegments, 2000u);
    const auto within = [&](double x, double y) {
        const double slack = 1e-6;
        return x >= bounds.minX - slack && x <= bounds.maxX + slack && y >= bounds.minY - slack &&
               y <= bounds.maxY + slack;
    };
    for (const Piece& p : PiecesOf(drawing.SweepLines()))
        EXPECT_TRUE(within(p.x1, p.y1) && within(p.x2, p.y2)) << Describe({p});
}

}  // namespace

}  // namespace rv17

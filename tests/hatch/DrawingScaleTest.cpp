// The interval on drawings not at 1/1: paper millimetres scaled to the host's
// real-size coordinates, real-size millimetres scaled to paper coordinates.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "hatch/ConversionRun.h"
#include "hatch/DrawingScale.h"
#include "tests/hatch/HatchTestSupport.h"

namespace rv17 {

namespace {

// The sixteen layer-group scales, the first one given, the others 1.
std::string ScaleLine(const char* first) {
    return std::string("hs ") + first + " 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n";
}

// A square room from the origin, as the host writes it.
std::string Square(const char* side) {
    return std::string("sl 0 0 ") + side + " 0 " + side + " " + side + " 0 " + side + "\n";
}

HatchSettings Interval(const char* interval, bool realSize) {
    HatchSettings settings;
    settings.interval = interval;
    settings.realSize = realSize;
    return settings;
}

struct ScaleCase {
    const char* name;
    std::string hostFile;
    HatchSettings settings;
    double spacing;  // between neighbouring hatch segments, in file coordinates
};

class IntervalOnScaledDrawings : public ::testing::TestWithParam<ScaleCase> {};

// A 3.6 m room: the lines along its two edges give no segment, so 35 remain.
TEST_P(IntervalOnScaledDrawings, HatchesTheRoomWith35Segments) {
    const ScaleCase& c = GetParam();
    Drawing drawing(c.hostFile);
    const std::vector<Piece> pieces = PiecesOf(drawing.Convert(c.settings));
    ASSERT_EQ(pieces.size(), 35u) << Describe(pieces);
    std::vector<double> heights;
    for (const Piece& piece : pieces) heights.push_back(piece.y1);
    std::sort(heights.begin(), heights.end());
    for (std::size_t i = 0; i < heights.size(); ++i)
        EXPECT_NEAR(heights[i], c.spacing * static_cast<double>(i + 1), c.spacing * 1e-9) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntervalOnScaledDrawings,
    ::testing::Values(ScaleCase{"PaperOnRealSize100", ScaleLine("100") + Square("3600"),
                                Interval("1", false), 100},
                      ScaleCase{"PaperOnPaper100", "bz\n" + ScaleLine("100") + Square("36"),
                                Interval("1", false), 1},
                      ScaleCase{"RealOnPaper100", "bz\n" + ScaleLine("100") + Square("36"),
                                Interval("100", true), 1},
                      ScaleCase{"RealOnRealSize100", ScaleLine("100") + Square("3600"),
                                Interval("100", true), 100},
                      ScaleCase{"PaperOnRealSize50", ScaleLine("50") + Square("1800"),
                                Interval("1", false), 50},
                      // The scale of the group the hatch goes to, the first one the file names.
                      ScaleCase{"TheHatchsLayerGroup",
                                "hs 1 1 20 1 1 1 1 1 1 1 1 1 1 1 1 1\nlg2\n" + Square("720"),
                                Interval("1", false), 20},
                      ScaleCase{"RealWithoutScale", "bz\n" + Square("36"), Interval("1", true), 1},
                      ScaleCase{"RealWithZeroScale", "bz\n" + ScaleLine("0") + Square("36"),
                                Interval("1", true), 1},
                      ScaleCase{"PaperWithNegativeScale", ScaleLine("-100") + Square("36"),
                                Interval("1", false), 1}),
    [](const ::testing::TestParamInfo<ScaleCase>& testCase) {
        return std::string(testCase.param.name);
    });

// With "bz", or at 1/1, the typed interval is applied to the last bit, so
// the output is the same as for a file without any "hs" line.
TEST(IntervalOnScaledDrawings, PaperCoordinatesAndWholeScalesKeepTheBytes) {
    const std::string room = "hp1 0.3 0.7\n" + Square("36") + "sl 1 2 30 5 9 31\n";
    const HatchSettings settings = Interval("0.7", false);
    const std::vector<std::string> plain = ConvertText("bz\n" + room, settings);
    ASSERT_GT(PiecesOf(plain).size(), 50u);
    EXPECT_EQ(ConvertText("bz\n" + ScaleLine("100") + room, settings), plain);
    EXPECT_EQ(ConvertText("bz\n" + ScaleLine("1") + room, settings), plain);
    const std::vector<std::string> real = ConvertText(room, settings);
    EXPECT_EQ(ConvertText(ScaleLine("1") + room, settings), real);
    EXPECT_EQ(ConvertText(ScaleLine("1") + room, Interval("0.7", true)), real);
}

// The refusal of a sweep with too many lines counts the lines of the
// interval applied, not of the one typed.
TEST(IntervalOnScaledDrawings, TheSweepSizeRefusalUsesTheAppliedInterval) {
    const struct {
        std::string hostFile;
        HatchSettings settings;
        ConversionOutcome outcome;
    } cases[] = {
        {Square("1e7"), Interval("0.01", false), ConversionOutcome::SweepTooLarge},
        {ScaleLine("100") + Square("1e7"), Interval("0.01", false), ConversionOutcome::Accepted},
        {"bz\n" + ScaleLine("100") + Square("2e6"), Interval("1", false),
         ConversionOutcome::Accepted},
        {"bz\n" + ScaleLine("100") + Square("2e6"), Interval("1", true),
         ConversionOutcome::SweepTooLarge},
    };
    for (const auto& c : cases) {
        Drawing drawing(c.hostFile);
        EXPECT_EQ(CheckConversion(drawing.Store(), c.settings), c.outcome) << c.hostFile;
    }
}

TEST(HatchGroupScale, TakesOnlyFiniteAndPositiveScales) {
    const struct {
        const char* scale;
        double expected;
    } cases[] = {{"100", 100}, {"0.5", 0.5}, {"0", 1}, {"-50", 1}, {"1e400", 1}, {"x", 1}};
    for (const auto& c : cases) {
        Drawing drawing(ScaleLine(c.scale));
        EXPECT_EQ(HatchGroupScale(drawing.Store()), c.expected) << c.scale;
    }
    // A product too large for a double is as unusable as no scale.
    Drawing huge(ScaleLine("1e307"));
    EXPECT_EQ(AppliedInterval(huge.Store(), 100.0, false), 100.0);
}

}  // namespace

}  // namespace rv17
